#include "window/completion_popup.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace talvoro {

namespace {

// Space between the signature and the description column, in pixels.
constexpr int kColumnGap = 16;

}  // namespace

// A tool-tip window: the window system neither activates it nor gives it
// the keyboard, so the text box being typed into keeps both.
CompletionPopup::CompletionPopup() : QFrame(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("completionList"));
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setFrameStyle(QFrame::NoFrame);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The popup is as tall as its rows, not as a list would like to be.
    list_->setMinimumSize(1, 1);
    // The chosen row shows as chosen although the list never has the focus.
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    list_->setPalette(palette);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(list_);
    connect(list_, &QTreeWidget::itemClicked, this, [this] { emit clicked(); });
}

void CompletionPopup::showCandidates(std::vector<Candidate> candidates, QPoint below, int above) {
    candidates_ = std::move(candidates);
    list_->clear();
    QFont nameFont = list_->font();
    nameFont.setBold(true);
    for (const Candidate& c : candidates_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::fromStdU16String(c.signature()));
        item->setFont(0, nameFont);
        item->setText(1, QString::fromStdU16String(c.description));
        item->setForeground(1, palette().color(QPalette::PlaceholderText));
    }
    list_->setCurrentItem(list_->topLevelItem(0));
    const QSize size = fittingSize();
    QPoint place = below;
    if (const QScreen* screen = QGuiApplication::screenAt(below)) {
        const QRect room = screen->availableGeometry();
        if (place.y() + size.height() > room.bottom()) place.setY(above - size.height());
        place.setX(std::clamp(place.x(), room.left(), std::max(room.left(), room.right() - size.width())));
    }
    setGeometry(QRect(place, size));
    show();
}

QSize CompletionPopup::fittingSize() const {
    list_->resizeColumnToContents(0);
    list_->resizeColumnToContents(1);
    list_->setColumnWidth(0, list_->columnWidth(0) + kColumnGap);
    const int width = std::min(kMaxWidth, list_->columnWidth(0) + list_->columnWidth(1) + 4);
    const int rowHeight = std::max(1, list_->sizeHintForRow(0));
    const int rows = std::min(kVisibleRows, rowCount());
    return {width, rows * rowHeight + 4};
}

void CompletionPopup::moveSelection(int rows) {
    if (candidates_.empty()) return;
    const int row = std::clamp(list_->currentIndex().row() + rows, 0, rowCount() - 1);
    list_->setCurrentItem(list_->topLevelItem(row));
}

const Candidate* CompletionPopup::current() const {
    const int row = list_->currentIndex().row();
    if (row < 0 || row >= rowCount()) return nullptr;
    return &candidates_[static_cast<size_t>(row)];
}

QString CompletionPopup::rowSignature(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    return QString::fromStdU16String(candidates_[static_cast<size_t>(row)].signature());
}

}  // namespace talvoro
