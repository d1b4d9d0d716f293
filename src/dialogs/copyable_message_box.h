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

    // The width the title needs in a title bar: its text in the title bar's
    // face (titleBarFont), plus room for the window system's icon and
    // buttons beside it.
    int titleWidth() const;
    // Openbox with an 11-point title takes about 145 pixels beside the
    // title for its icon, its three buttons and their padding; other window
    // managers take less.
    static constexpr int kTitleBarButtonsWidth = 150;
    // The window system draws the title in a face of its own, which a
    // program cannot ask of every desktop: commonly bold at 9 to 11 points
    // (11 on GNOME), larger than the boxes' 8-point text. The title is
    // measured bold at this size at least, so that no desktop cuts it.
    static constexpr qreal kTitleBarPoints = 11;
    // The face the title is measured in: bold, the desktop's title face
    // where the platform tells it, never smaller than kTitleBarPoints.
    static QFont titleBarFont();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeOverOwner();

    QSpacerItem* titleRoom_ = nullptr;
};

}  // namespace talvoro
