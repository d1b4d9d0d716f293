// The two text panes of the console column: the transcript txt_output, which
// only ever grows at its end, and the one-line input txt_input with the keys
// of the calculator (Enter evaluates, Up/Down walk the history, an operator
// typed first continues from Ans).
//
// Both panes keep their text in a QPlainTextEdit, whose document separates
// lines with a paragraph break. The rest of the program sees the text with
// CR LF line ends, so every text read or written here is converted at the
// boundary: one "\n" in the document is one CR LF outside.
#pragma once

#include <QPlainTextEdit>
#include <QTimer>
#include <functional>

#include "console/input_line.h"
#include "console/line_editor.h"
#include "console/transcript_word.h"
#include "console/transcript.h"
#include "scripts/object_model.h"

namespace talvoro {

// The document's text <-> the program's CR LF text.
QString toDocumentText(const std::u16string& text);
std::u16string fromDocumentText(const QString& text);

// What the input line's keys need from the window: the rules of the line
// (console/line_editor.h), the evaluation, and whether one may start now.
struct InputKeyHandlers {
    LineEditor* editor = nullptr;
    std::function<void()> evaluate;  // EvaluateInput
    // True when no evaluation may start now (a script is running); Enter
    // then leaves the line as it is.
    std::function<bool()> refuseEvaluation;
};

class InputPane : public QPlainTextEdit, public InputLine {
    Q_OBJECT

public:
    explicit InputPane(QWidget* parent = nullptr);
    void setKeyHandlers(InputKeyHandlers handlers) { keys_ = std::move(handlers); }

    // InputLine
    std::u16string text() const override;
    void setText(const std::u16string& text) override;
    void setCaret(int32_t position) override;

    // The rule of the change handler: a line that holds nothing but one line
    // break is emptied (the 50 ms tick applies it too).
    void clearLoneLineBreak();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The typed character's rules: "Ans" before a leading operator; Enter.
    // Returns true when the key has been dealt with completely.
    bool handleTypedCharacter(QKeyEvent* event);
    bool handleHistoryKey(int key);
    void enterPressed();

    InputKeyHandlers keys_;
};

class TranscriptPane : public QPlainTextEdit, public Transcript, public TranscriptAccess {
    Q_OBJECT

public:
    explicit TranscriptPane(QWidget* parent = nullptr);
    // Where printable characters typed into the pane are sent.
    void setInputLine(InputPane* input) { input_ = input; }

    // Transcript. Lines are gathered and go into the document together, at
    // the latest when control returns to the event loop and before anything
    // reads the text, caret or selection: a script printing many lines
    // causes one relayout, not one per line. Every read below sees the
    // lines and the caret exactly as if each had been applied at once.
    void AppendLine(const std::u16string& line) override;
    void SetToTop() override;
    // AppendLine, then SetToTop.
    void OPrint(const std::u16string& line);

    // The text and selection as scripts see them (CalcScreen), in CR LF
    // coordinates: a line break counts as two characters.
    std::u16string Text() const override;
    void SetText(const std::u16string& text) override;
    int32_t SelStart() const override;
    void SetSelStart(int32_t position) override;
    int32_t SelLength() const override;
    void SetSelLength(int32_t length) override;
    std::u16string SelText() const override;
    void SetSelText(const std::u16string& text) override;

    // "Output to Clipboard": the whole text, final CR LF included.
    void copyAllToClipboard();

    // Puts the gathered lines into the document now.
    void flushPendingLines();

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Selects the whole value under the pointer (console/transcript_word.h).
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Reads see the gathered lines: they are put in first.
    void flushForReading() const { const_cast<TranscriptPane*>(this)->flushPendingLines(); }

    // Document position <-> CR LF position.
    int32_t outerPosition(int documentPosition) const;
    int documentPosition(int32_t outerPosition) const;

    InputPane* input_ = nullptr;
    // Lines appended but not yet in the document, in document form ("\n"
    // ends each), and where a SetToTop among them puts the caret (document
    // position once they are in; -1: no SetToTop, the caret stays).
    QString pendingLines_;
    int pendingCaret_ = -1;
    QTimer* flushTimer_ = nullptr;
    // The value a double-click selected, in document positions, until the
    // button comes up; length 0: none.
    TextSpan doubleClicked_;
};

}  // namespace talvoro
