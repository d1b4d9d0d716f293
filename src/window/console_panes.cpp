#include "window/console_panes.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>


namespace talvoro {

QString toDocumentText(const std::u16string& text) {
    QString document = QString::fromStdU16String(text);
    document.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return document;
}

std::u16string fromDocumentText(const QString& text) {
    QString outer = text;
    outer.replace(QChar(QChar::ParagraphSeparator), QChar('\n'));
    outer.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return outer.toStdU16String();
}

namespace {

QTextCursor cursorAtEnd(QTextDocument* document) {
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    return cursor;
}

}  // namespace

// ---- the input line ------------------------------------------------------------

InputPane::InputPane(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(this, &QPlainTextEdit::textChanged, this, &InputPane::clearLoneLineBreak);
}

std::u16string InputPane::text() const { return fromDocumentText(toPlainText()); }

void InputPane::setText(const std::u16string& text) { setPlainText(toDocumentText(text)); }

void InputPane::setCaret(int32_t position) {
    QTextCursor cursor = textCursor();
    const int length = static_cast<int>(toPlainText().size());
    cursor.setPosition(std::clamp(static_cast<int>(position), 0, length));
    setTextCursor(cursor);
}

void InputPane::clearLoneLineBreak() {
    if (toPlainText() == QStringLiteral("\n")) clear();
}

void InputPane::keyPressEvent(QKeyEvent* event) {
    if (handleHistoryKey(event->key())) return;
    if (handleTypedCharacter(event)) return;
    QPlainTextEdit::keyPressEvent(event);
}

bool InputPane::handleHistoryKey(int key) {
    if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
    if (keys_.editor) key == Qt::Key_Up ? keys_.editor->up() : keys_.editor->down();
    return true;
}

bool InputPane::handleTypedCharacter(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Ctrl+Enter (a line feed) evaluates like Enter. The line break
        // itself is never kept: the line is empty after every Enter.
        enterPressed();
        return true;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && keys_.editor) keys_.editor->beforeTyping(typed[0].unicode());
    return false;  // the control inserts the typed character itself
}

void InputPane::enterPressed() {
    if (keys_.refuseEvaluation && keys_.refuseEvaluation()) return;
    if (keys_.editor && keys_.editor->enter() && keys_.evaluate) keys_.evaluate();
}

// ---- the transcript ------------------------------------------------------------

TranscriptPane::TranscriptPane(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);  // an undo stack would grow with every line
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);
    flushTimer_ = new QTimer(this);
    flushTimer_->setSingleShot(true);
    flushTimer_->setInterval(0);
    connect(flushTimer_, &QTimer::timeout, this, &TranscriptPane::flushPendingLines);
}

void TranscriptPane::AppendLine(const std::u16string& line) {
    if (pendingLines_.isEmpty()) flushTimer_->start();
    pendingLines_ += toDocumentText(line);
    pendingLines_ += QChar('\n');
}

void TranscriptPane::SetToTop() {
    if (!pendingLines_.isEmpty()) {
        // The end of the text as it is now, gathered lines included.
        pendingCaret_ = document()->characterCount() - 1 + static_cast<int>(pendingLines_.size());
        return;
    }
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void TranscriptPane::flushPendingLines() {
    if (pendingLines_.isEmpty()) return;
    flushTimer_->stop();
    // A caret at the end would travel with the inserted text; the caret
    // stays where it was unless a SetToTop came among the lines.
    QTextCursor caret = textCursor();
    const int anchor = caret.anchor();
    const int position = caret.position();
    QTextCursor end = cursorAtEnd(document());
    end.insertText(pendingLines_);
    pendingLines_.clear();
    if (pendingCaret_ >= 0) {
        caret.setPosition(pendingCaret_);
        pendingCaret_ = -1;
        setTextCursor(caret);
        ensureCursorVisible();
    } else if (textCursor().anchor() != anchor || textCursor().position() != position) {
        caret.setPosition(anchor);
        caret.setPosition(position, QTextCursor::KeepAnchor);
        setTextCursor(caret);
    }
}

// What the user sees or does with the pane (a repaint, a key, the mouse)
// meets the whole text.
bool TranscriptPane::viewportEvent(QEvent* event) {
    if (!pendingLines_.isEmpty()) flushPendingLines();
    return QPlainTextEdit::viewportEvent(event);
}

void TranscriptPane::OPrint(const std::u16string& line) {
    AppendLine(line);
    SetToTop();
}

std::u16string TranscriptPane::Text() const {
    flushForReading();
    return fromDocumentText(toPlainText());
}

// The new text replaces the gathered lines with the rest.
void TranscriptPane::SetText(const std::u16string& text) {
    pendingLines_.clear();
    pendingCaret_ = -1;
    flushTimer_->stop();
    setPlainText(toDocumentText(text));
}

int32_t TranscriptPane::outerPosition(int position) const {
    // Every block before the position's block ends in one line break, which
    // is one character inside and two outside.
    return position + document()->findBlock(position).blockNumber();
}

int TranscriptPane::documentPosition(int32_t outer) const {
    const QTextDocument* doc = document();
    int low = 0;
    int high = doc->blockCount() - 1;
    // The last block whose start, counted outside, is at or before `outer`.
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        const QTextBlock block = doc->findBlockByNumber(middle);
        if (block.position() + middle <= outer) low = middle;
        else high = middle - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const int intoBlock = std::max(0, static_cast<int>(outer) - (block.position() + low));
    return block.position() + std::min(intoBlock, block.length() - 1);
}

int32_t TranscriptPane::SelStart() const {
    flushForReading();
    return outerPosition(textCursor().selectionStart());
}

void TranscriptPane::SetSelStart(int32_t position) {
    flushPendingLines();
    QTextCursor cursor = textCursor();
    cursor.setPosition(documentPosition(std::max<int32_t>(0, position)));
    setTextCursor(cursor);
}

int32_t TranscriptPane::SelLength() const {
    flushForReading();
    const QTextCursor cursor = textCursor();
    return outerPosition(cursor.selectionEnd()) - outerPosition(cursor.selectionStart());
}

void TranscriptPane::SetSelLength(int32_t length) {
    flushPendingLines();
    QTextCursor cursor = textCursor();
    const int32_t start = outerPosition(cursor.selectionStart());
    cursor.setPosition(cursor.selectionStart());
    cursor.setPosition(documentPosition(start + std::max<int32_t>(0, length)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

std::u16string TranscriptPane::SelText() const {
    flushForReading();
    return fromDocumentText(textCursor().selectedText());
}

void TranscriptPane::SetSelText(const std::u16string& text) {
    flushPendingLines();
    QTextCursor cursor = textCursor();
    cursor.insertText(toDocumentText(text));
    setTextCursor(cursor);
}

void TranscriptPane::copyAllToClipboard() { QApplication::clipboard()->setText(QString::fromStdU16String(Text())); }

// Tab and Shift+Tab would move the focus on to the input line before the
// key handler saw them; in the transcript they do nothing.
bool TranscriptPane::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            event->accept();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

// Qt's own handling comes first: it keeps what a drag after the double-click
// needs. Its word stops at a sign or a point, so the selection is then
// widened to the value.
void TranscriptPane::mouseDoubleClickEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QTextCursor clicked = cursorForPosition(event->position().toPoint());
    const QTextBlock line = clicked.block();
    const TextSpan value = transcriptWordAt(line.text().toStdU16String(), clicked.positionInBlock());
    if (value.length == 0) return;
    doubleClicked_ = {line.position() + value.start, value.length};
    QTextCursor selection = textCursor();
    selection.setPosition(doubleClicked_.start);
    selection.setPosition(doubleClicked_.start + doubleClicked_.length, QTextCursor::KeepAnchor);
    setTextCursor(selection);
}

void TranscriptPane::mousePressEvent(QMouseEvent* event) {
    doubleClicked_ = {};
    QPlainTextEdit::mousePressEvent(event);
}

// While the button is still down after a double-click, Qt extends the
// selection by its own words: a pointer that merely trembles on the value
// would narrow it back to "4" of "-4". Off the value, Qt's extension goes on.
void TranscriptPane::mouseMoveEvent(QMouseEvent* event) {
    if (doubleClicked_.length > 0) {
        const int at = cursorForPosition(event->position().toPoint()).position();
        if (at >= doubleClicked_.start && at <= doubleClicked_.start + doubleClicked_.length) return;
    }
    QPlainTextEdit::mouseMoveEvent(event);
}

void TranscriptPane::mouseReleaseEvent(QMouseEvent* event) {
    doubleClicked_ = {};
    QPlainTextEdit::mouseReleaseEvent(event);
}

void TranscriptPane::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool printable = typed.size() == 1 && typed[0].unicode() >= 32 && typed[0].unicode() <= 255 &&
                           !(event->modifiers() & Qt::ControlModifier);
    if (!printable || input_ == nullptr) {
        QPlainTextEdit::keyPressEvent(event);
        // A control character the pane has no use for (Enter, Escape,
        // Backspace) ends here: passed on, it would reach the window, which
        // sends the focus to the input line, where a later Enter would
        // evaluate the line unasked.
        const bool controlCharacter = typed.size() == 1 && (typed[0].unicode() < 32 || typed[0].unicode() == 127);
        if (controlCharacter) event->accept();
        return;
    }
    // The character goes to the end of the input line, whatever its caret or
    // selection, and the input line's own key rules do not see it.
    input_->setFocus();
    const std::u16string line = input_->text() + typed.toStdU16String();
    input_->setText(line);
    input_->setCaret(static_cast<int32_t>(input_->toPlainText().size()));
}

}  // namespace talvoro
