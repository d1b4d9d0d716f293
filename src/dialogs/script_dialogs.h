// The dialogs behind the script functions MsgBox and InputBox when scripts run
// in the window: a message box with VBScript's button sets and icons, and a
// one-line text question.
#pragma once

#include <QMessageBox>
#include <functional>

#include "engine/script_engine.h"

class QWidget;

namespace talvoro {

// The buttons and icon a MsgBox `buttons` argument asks for (vbOKOnly = 0 ...
// vbRetryCancel = 5, plus vbCritical 16, vbQuestion 32, vbExclamation 48,
// vbInformation 64, and vbDefaultButton2..4 as 256, 512, 768).
struct MsgBoxStyle {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};
MsgBoxStyle msgBoxStyle(int buttons);

// The value MsgBox returns for the pressed button (vbOK = 1 ... vbNo = 7).
int msgBoxResult(QMessageBox::StandardButton pressed);

// MsgBox and InputBox as modal dialogs over `parent`; an empty title is the
// application's title. While `stopping` says the script is being stopped,
// they show nothing and answer as if cancelled.
vbs::HostHooks windowDialogHooks(QWidget* parent, std::function<bool()> stopping = {});

// A script's Popup box: MsgBox's box that closes by itself after `seconds`
// (none when 0 or less) and then answers -1. While `stopping` says the
// script is being stopped it shows nothing and answers as if cancelled.
using PopupBox = std::function<int(const std::u16string& text, int seconds, const std::u16string& title, int type)>;
PopupBox windowPopup(QWidget* parent, std::function<bool()> stopping = {});

}  // namespace talvoro
