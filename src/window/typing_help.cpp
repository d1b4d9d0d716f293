#include "window/typing_help.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolTip>

#include "engine/object.h"

namespace talvoro {

namespace {

bool isNameText(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool name = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
        if (!name) return false;
    }
    return true;
}

bool isModifierOnly(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

bool isCtrlSpace(const QKeyEvent& key) {
    return key.key() == Qt::Key_Space && (key.modifiers() & Qt::ControlModifier);
}

QString helpText(const Candidate& c) {
    return QStringLiteral("<b>%1</b>%2<br>%3")
        .arg(QString::fromStdU16String(c.name).toHtmlEscaped(), QString::fromStdU16String(c.arguments).toHtmlEscaped(),
             QString::fromStdU16String(c.description).toHtmlEscaped());
}

}  // namespace

TypingHelp::TypingHelp(QPlainTextEdit& box, const CompletionModel& model)
    : box_(&box), model_(model), popup_(std::make_unique<CompletionPopup>()) {
    box.installEventFilter(this);
    box.viewport()->installEventFilter(this);
    // The popup is a window of its own: when the box's window moves or
    // changes its size, it would stay behind where the name was.
    box.window()->installEventFilter(this);
    connect(&box, &QPlainTextEdit::textChanged, this, &TypingHelp::textChanged);
    connect(popup_.get(), &CompletionPopup::clicked, this, &TypingHelp::insertChosen);
}

TypingHelp::~TypingHelp() = default;

void TypingHelp::closePopup() {
    popup_->hide();
    forced_ = false;
}

std::u16string TypingHelp::boxText() const { return box_->toPlainText().toStdU16String(); }

size_t TypingHelp::caret() const { return static_cast<size_t>(box_->textCursor().position()); }

bool TypingHelp::eventFilter(QObject* watched, QEvent* event) {
    if (box_ == nullptr) return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == box_) return keyPressed(static_cast<const QKeyEvent&>(*event));
        break;
    case QEvent::KeyRelease: typing_ = false; break;
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == box_->window()) closePopup();
        break;
    case QEvent::FocusOut:
    case QEvent::Hide:
    case QEvent::MouseButtonPress: closePopup(); break;
    default: break;
    }
    return false;
}

bool TypingHelp::keyPressed(const QKeyEvent& key) {
    typing_ = false;
    if (key.key() == Qt::Key_F1) {
        showHelp();
        return true;
    }
    if (isCtrlSpace(key)) {
        forced_ = true;
        offer(true);
        return true;
    }
    if (isModifierOnly(key.key())) return false;
    if (popupShown()) return keyWhilePopupShown(key);
    typing_ = isNameText(key.text()) && !(key.modifiers() & Qt::ControlModifier);
    return false;
}

bool TypingHelp::keyWhilePopupShown(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Up: popup_->moveSelection(-1); return true;
    case Qt::Key_Down: popup_->moveSelection(1); return true;
    case Qt::Key_PageUp: popup_->moveSelection(-CompletionPopup::kVisibleRows); return true;
    case Qt::Key_PageDown: popup_->moveSelection(CompletionPopup::kVisibleRows); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Choosing what stands there already would make Enter do nothing:
        // the list closes and Enter goes on (the line is evaluated).
        if (chosenIsTypedAlready()) {
            closePopup();
            return false;
        }
        insertChosen();
        return true;
    case Qt::Key_Escape: closePopup(); return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete: typing_ = true; return false;
    default: break;
    }
    typing_ = isNameText(key.text()) && !(key.modifiers() & Qt::ControlModifier);
    if (!typing_) closePopup();  // any other key ends the name: it goes on to the box
    return false;
}

// Only a change made by a key typed into a name offers names: text set by the
// program (a history entry, an evaluation clearing the line) does not.
void TypingHelp::textChanged() {
    if (typing_) offer(forced_);
}

void TypingHelp::offer(bool forced) {
    const std::u16string text = boxText();
    const size_t at = caret();
    std::vector<Candidate> candidates = model_.complete(text, at, forced);
    // A name typed out in full that needs no arguments needs no list (Enter
    // then evaluates the line): "Ans", "Now", "pi".
    const std::optional<TypedWord> word = wordAt(text, at);
    const bool typedOut = candidates.size() == 1 && word && candidates.front().needsNoArguments() &&
                          vbs::namesEqual(candidates.front().name, word->prefix);
    if (candidates.empty() || typedOut) {
        closePopup();
        return;
    }
    // Under the start of the name, so that the names line up with it.
    QTextCursor nameStart = box_->textCursor();
    if (word) nameStart.setPosition(static_cast<int>(word->start));
    const QRect caretBox = box_->cursorRect(nameStart);
    const QPoint below = box_->viewport()->mapToGlobal(caretBox.bottomLeft());
    const int above = box_->viewport()->mapToGlobal(caretBox.topLeft()).y();
    popup_->showCandidates(std::move(candidates), below, above);
}

// What choosing the current row would do: replace the text from the start
// of the name at the caret to `end` with the chosen name, and add "(" for a
// function unless one follows already. The whole name is replaced, so that
// completing inside a name leaves no tail of it behind; but nothing after
// the caret when no letter of it is typed yet (Ctrl+Space before "x" in
// "x+1" puts a name in front of x, not in its place).
std::optional<TypingHelp::Insertion> TypingHelp::pendingInsertion() const {
    const Candidate* chosen = popup_->current();
    const std::u16string text = boxText();
    const std::optional<TypedWord> word = wordAt(text, caret());
    if (chosen == nullptr || !word) return std::nullopt;
    Insertion insertion{*chosen, word->start, word->prefix.empty() ? word->start : word->end, false, {}};
    insertion.bracketFollows = insertion.end < text.size() && text[insertion.end] == u'(';
    insertion.replaced = text.substr(insertion.start, insertion.end - insertion.start);
    return insertion;
}

// True when choosing the row would leave the text as it is: the whole name
// at the caret is that name already (in any letter case) and no bracket
// would be added ("a1" typed, with "a1" and "a10" offered).
bool TypingHelp::chosenIsTypedAlready() const {
    const std::optional<Insertion> insertion = pendingInsertion();
    if (!insertion || insertion->replaced.empty()) return false;
    if (insertion->chosen.opensBracket && !insertion->bracketFollows) return false;
    return vbs::namesEqual(insertion->chosen.asWritten(), insertion->replaced);
}

void TypingHelp::insertChosen() {
    const std::optional<Insertion> insertion = pendingInsertion();
    closePopup();
    if (!insertion) return;
    const Candidate& chosen = insertion->chosen;
    QString text = QString::fromStdU16String(chosen.asWritten());
    if (chosen.opensBracket && !insertion->bracketFollows) text += QLatin1Char('(');
    QTextCursor cursor = box_->textCursor();
    cursor.setPosition(static_cast<int>(insertion->start));
    cursor.setPosition(static_cast<int>(insertion->end), QTextCursor::KeepAnchor);
    cursor.insertText(text);
    if (chosen.opensBracket && insertion->bracketFollows) cursor.movePosition(QTextCursor::NextCharacter);
    box_->setTextCursor(cursor);
}

void TypingHelp::showHelp() {
    const std::u16string text = boxText();
    const std::optional<TypedWord> word = wordAt(text, caret());
    if (!word || word->start == word->end) return;
    const std::optional<Candidate> found = model_.describe(text, caret());
    const QString name = QString::fromStdU16String(text.substr(word->start, word->end - word->start));
    const QString unknown = QStringLiteral("No help for <b>%1</b>: not a name the scripts know");
    const QString tip = found ? helpText(*found) : unknown.arg(name.toHtmlEscaped());
    const QPoint at = box_->viewport()->mapToGlobal(box_->cursorRect().bottomLeft());
    QToolTip::showText(at, tip, box_);
}

}  // namespace talvoro
