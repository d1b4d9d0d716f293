#include "window/blocked_close_requests.h"

#include <QApplication>
#include <QWidget>

#ifdef TALVORO_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace talvoro {

namespace {

#ifdef TALVORO_HAVE_XCB
uint32_t internAtom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const uint32_t atom = reply != nullptr ? reply->atom : 0;
    std::free(reply);
    return atom;
}
#endif

}  // namespace

BlockedCloseRequests::BlockedCloseRequests(const QWidget& window, std::function<void()> onRequest)
    : window_(window), onRequest_(std::move(onRequest)) {
#ifdef TALVORO_HAVE_XCB
    // Other platforms (offscreen among them) may answer for X11 too, without
    // a connection of their own.
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() == QLatin1String("xcb") && x11 != nullptr && x11->connection() != nullptr) {
        protocolsAtom_ = internAtom(x11->connection(), "WM_PROTOCOLS");
        deleteWindowAtom_ = internAtom(x11->connection(), "WM_DELETE_WINDOW");
    }
#endif
    if (deleteWindowAtom_ != 0) qApp->installNativeEventFilter(this);
}

BlockedCloseRequests::~BlockedCloseRequests() {
    if (deleteWindowAtom_ != 0) qApp->removeNativeEventFilter(this);
}

// Never takes the event: Qt goes on to drop it (or, unblocked, to close).
bool BlockedCloseRequests::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
#ifdef TALVORO_HAVE_XCB
    if (eventType != "xcb_generic_event_t" || QApplication::activeModalWidget() == nullptr) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
    const auto* client = static_cast<const xcb_client_message_event_t*>(message);
    if (client->format == 32 && client->type == protocolsAtom_ && client->data.data32[0] == deleteWindowAtom_ &&
        client->window == window_.internalWinId())
        onRequest_();
#else
    (void)eventType;
    (void)message;
#endif
    return false;
}

}  // namespace talvoro
