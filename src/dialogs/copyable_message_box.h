// A message box whose text can be copied with the keyboard: Ctrl+C puts the
// title and the message on the clipboard, so a user can paste an error
// message into a bug report or a script instead of typing it out.
//
// It opens centred over its owner's window, or over the screen while that
// window is not shown yet (the boxes of the start-up), is wide enough for
// its title to show whole in the title bar, and stays on top when its
// owner's window does.
#pragma once

#include <QMessageBox>

class QSpacerItem;

namespace talvoro {

class CopyableMessageBox : public QMessageBox {
public:
    CopyableMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
                       QWidget* parent = nullptr);

    // What Ctrl+C copies: the title, an empty line, the message.
    QString clipboardText() const;

    // The width the title needs in a title bar: its text, plus room for
    // the window system's icon and buttons beside it.
    int titleWidth() const;
    static constexpr int kTitleBarButtonsWidth = 110;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeOverOwner();

    QSpacerItem* titleRoom_ = nullptr;
};

}  // namespace talvoro
