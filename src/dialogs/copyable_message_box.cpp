#include "dialogs/copyable_message_box.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QSpacerItem>

#include <algorithm>

namespace talvoro {

CopyableMessageBox::CopyableMessageBox(Icon icon, const QString& title, const QString& text,
                                       StandardButtons buttons, QWidget* parent)
    : QMessageBox(icon, title, text, buttons, parent) {
    // A selectable text would take the keyboard when clicked and answer
    // Ctrl+C itself, copying only a selection (nothing, usually).
    setTextInteractionFlags(Qt::NoTextInteraction);
    if (parent != nullptr && parent->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

QFont CopyableMessageBox::titleBarFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    if (QFontInfo(font).pointSizeF() < kTitleBarPoints) font.setPointSizeF(kTitleBarPoints);
    font.setBold(true);  // title bars commonly show the title bold
    return font;
}

int CopyableMessageBox::titleWidth() const {
    return QFontMetrics(titleBarFont(), this).horizontalAdvance(windowTitle()) + kTitleBarButtonsWidth;
}

// The box sizes itself for its text when shown; a spacer across its layout
// makes that size wide enough for the title as well.
void CopyableMessageBox::showEvent(QShowEvent* event) {
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        if (titleRoom_ == nullptr) {
            titleRoom_ = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
            grid->addItem(titleRoom_, grid->rowCount(), 0, 1, grid->columnCount());
        }
        const QMargins margins = grid->contentsMargins();
        titleRoom_->changeSize(titleWidth() - margins.left() - margins.right(), 0, QSizePolicy::Fixed,
                               QSizePolicy::Fixed);
        grid->invalidate();
    }
    QMessageBox::showEvent(event);
    placeOverOwner();
}

void CopyableMessageBox::placeOverOwner() {
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    const QScreen* onScreen = owner != nullptr && owner->screen() != nullptr ? owner->screen() : screen();
    if (onScreen == nullptr) return;
    const QRect available = onScreen->availableGeometry();
    const QRect over = owner != nullptr && owner->isVisible() ? owner->frameGeometry() : available;
    QRect place(QPoint(0, 0), frameGeometry().size());
    place.moveCenter(over.center());
    // Whole on the screen, even over a window near its edge.
    place.moveLeft(std::clamp(place.left(), available.left(), std::max(available.left(), available.right() - place.width())));
    place.moveTop(std::clamp(place.top(), available.top(), std::max(available.top(), available.bottom() - place.height())));
    move(place.topLeft());
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
