#include "window/copyable_message_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace talvoro {

CopyableMessageBox::CopyableMessageBox(Icon icon, const QString& title, const QString& text,
                                       StandardButtons buttons, QWidget* parent)
    : QMessageBox(icon, title, text, buttons, parent) {
    // A selectable text would take the keyboard when clicked and answer
    // Ctrl+C itself, copying only a selection (nothing, usually).
    setTextInteractionFlags(Qt::NoTextInteraction);
}

QString CopyableMessageBox::clipboardText() const { return windowTitle() + "\n\n" + text(); }

void CopyableMessageBox::keyPressEvent(QKeyEvent* event) {
    // Qt's box copies its text only on some platforms; this one does it everywhere.
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(clipboardText());
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

}  // namespace talvoro
