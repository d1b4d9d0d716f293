#include "dialogs/script_dialogs.h"

#include <QInputDialog>
#include <QPushButton>
#include <QTimer>

#include "dialogs/copyable_message_box.h"
#include "dialogs/message_boxes.h"

namespace talvoro {

MsgBoxStyle msgBoxStyle(int buttons) {
    using B = QMessageBox;
    // The button sets, in VBScript's order, each with its buttons left to right.
    static const std::vector<B::StandardButton> kSets[] = {
        {B::Ok},
        {B::Ok, B::Cancel},
        {B::Abort, B::Retry, B::Ignore},
        {B::Yes, B::No, B::Cancel},
        {B::Yes, B::No},
        {B::Retry, B::Cancel},
    };
    const int set = buttons & 7;
    const std::vector<B::StandardButton>& chosen = kSets[set <= 5 ? set : 0];
    MsgBoxStyle style;
    for (B::StandardButton b : chosen) style.buttons |= b;
    const size_t defaultIndex = static_cast<size_t>((buttons >> 8) & 3);
    style.defaultButton = chosen[defaultIndex < chosen.size() ? defaultIndex : 0];
    switch (buttons & 0x70) {
    case 16: style.icon = B::Critical; break;
    case 32: style.icon = B::Question; break;
    case 48: style.icon = B::Warning; break;
    case 64: style.icon = B::Information; break;
    default: style.icon = B::NoIcon; break;
    }
    return style;
}

int msgBoxResult(QMessageBox::StandardButton pressed) {
    switch (pressed) {
    case QMessageBox::Ok: return 1;
    case QMessageBox::Cancel: return 2;
    case QMessageBox::Abort: return 3;
    case QMessageBox::Retry: return 4;
    case QMessageBox::Ignore: return 5;
    case QMessageBox::Yes: return 6;
    case QMessageBox::No: return 7;
    default: return 2;  // closed without a button: as Cancel
    }
}

namespace {

// What Popup answers when its time ran out before a button was pressed.
constexpr int kPopupTimedOut = -1;
constexpr int kMillisecondsPerSecond = 1000;

}  // namespace

PopupBox windowPopup(QWidget* parent, std::function<bool()> stopping) {
    return [parent, stopping](const std::u16string& text, int seconds, const std::u16string& title, int type) {
        if (stopping && stopping()) return msgBoxResult(QMessageBox::NoButton);
        const MsgBoxStyle style = msgBoxStyle(type);
        CopyableMessageBox box(style.icon, titleOrDefault(title), QString::fromStdU16String(text), style.buttons,
                               parent);
        box.setDefaultButton(style.defaultButton);
        bool timedOut = false;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &box, [&] {
            timedOut = true;
            box.done(0);
        });
        if (seconds > 0) timer.start(seconds * kMillisecondsPerSecond);
        box.exec();
        if (timedOut) return kPopupTimedOut;
        QAbstractButton* clicked = box.clickedButton();
        return msgBoxResult(clicked ? box.standardButton(clicked) : QMessageBox::NoButton);
    };
}

vbs::HostHooks windowDialogHooks(QWidget* parent, std::function<bool()> stopping) {
    vbs::HostHooks hooks;
    hooks.msgBox = [parent, stopping](const std::u16string& prompt, int buttons, const std::u16string& title) {
        if (stopping && stopping()) return msgBoxResult(QMessageBox::NoButton);
        const MsgBoxStyle style = msgBoxStyle(buttons);
        CopyableMessageBox box(style.icon, titleOrDefault(title), QString::fromStdU16String(prompt), style.buttons,
                               parent);
        box.setDefaultButton(style.defaultButton);
        box.exec();
        QAbstractButton* clicked = box.clickedButton();
        return msgBoxResult(clicked ? box.standardButton(clicked) : QMessageBox::NoButton);
    };
    hooks.inputBox = [parent, stopping](const std::u16string& prompt, const std::u16string& title,
                                        const std::u16string& defaultText, bool& cancelled) {
        cancelled = true;
        if (stopping && stopping()) return std::u16string();
        bool ok = false;
        QString text = QInputDialog::getText(parent, titleOrDefault(title), QString::fromStdU16String(prompt),
                                             QLineEdit::Normal, QString::fromStdU16String(defaultText), &ok);
        cancelled = !ok;
        return text.toStdU16String();
    };
    return hooks;
}

}  // namespace talvoro
