// Qt drops the window system's request to close a window that a modal
// dialog blocks, before the window sees it. While a script waits in its
// input box or in one of its message boxes, the main window could then not
// be closed at all. Under X11 this filter sees the request (a client message
// WM_DELETE_WINDOW) before Qt drops it and hands it on; elsewhere it sees
// nothing and the close waits until the dialog is gone, as Qt has it.
#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <functional>

class QWidget;

namespace talvoro {

class BlockedCloseRequests : public QAbstractNativeEventFilter {
public:
    // `onRequest` runs when the user asks to close `window` while a modal
    // dialog blocks it.
    BlockedCloseRequests(const QWidget& window, std::function<void()> onRequest);
    ~BlockedCloseRequests() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const QWidget& window_;
    std::function<void()> onRequest_;
    uint32_t protocolsAtom_ = 0;     // WM_PROTOCOLS
    uint32_t deleteWindowAtom_ = 0;  // WM_DELETE_WINDOW; 0: not on X11
};

}  // namespace talvoro
