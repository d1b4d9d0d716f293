// A message box whose text can be copied with the keyboard: Ctrl+C puts the
// title and the message on the clipboard, so a user can paste an error
// message into a bug report or a script instead of typing it out.
#pragma once

#include <QMessageBox>

namespace talvoro {

class CopyableMessageBox : public QMessageBox {
public:
    CopyableMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
                       QWidget* parent = nullptr);

    // What Ctrl+C copies: the title, an empty line, the message.
    QString clipboardText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace talvoro
