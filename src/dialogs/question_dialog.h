// frm_question, the modal "Input Box": the question across the top, the
// answer field txt_input with "OK" (Command1) beside it, and below them the
// previous answers cmb_prev with "Use this" (Command2). A number question
// accepts only an answer that its own engine scr_eval evaluates without an
// error; a text question accepts anything.
#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>
#include <string>

#include "engine/script_engine.h"
#include "engine/variant.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace talvoro {

class MessageBox;

class frm_question : public QDialog {
    Q_OBJECT

public:
    // The text the previous-answers box may show when nothing was chosen;
    // "Use this" ignores it.
    static constexpr const char16_t* kSelectHint = u"(Select from here for previous answers)";
    static constexpr const char16_t* kRefusal = u"You must enter a numeric value or valid expression";
    // scr_eval's limit per evaluation, in milliseconds.
    static constexpr int64_t kEvalTimeoutMs = 10000;
    // The layout's client size, and the question's room at its top: two
    // lines. A longer question makes the box taller (fitQuestion).
    static constexpr QSize kClientSize{466, 86};
    static constexpr QRect kQuestionPlace{0, 0, 465, 33};

    // `numberMode`: evaluate the answer (GetIVal) rather than take it as text.
    // `box` shows the refusal of an answer that does not evaluate. `owner`:
    // the window the dialog stands over; a dialog of a window that stays on
    // top stays on top too, or it would open behind it.
    frm_question(const std::u16string& question, bool numberMode, MessageBox& box, QWidget* owner = nullptr);
    ~frm_question() override;

    // After exec(): whether an answer was confirmed, the text as typed, and
    // (number mode) the value it evaluated to.
    bool confirmed() const { return confirmed_; }
    const std::u16string& answerText() const { return answerText_; }
    const vbs::Variant& answerValue() const { return answerValue_; }
    // scr_eval, the engine number answers are evaluated on.
    const vbs::ScriptEngine& evalEngine() const { return scr_eval_; }

protected:
    // Escape does nothing: there is no cancel button. (While a script runs,
    // the window's monitor takes Escape first: it stops the script.)
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void Form_Load(const std::u16string& question);
    void fitQuestion();
    void Command1_Click();
    void Command2_Click();
    // True when the key confirms (character code 13 or 10).
    bool txt_input_KeyPress(const QKeyEvent& key);

    bool numberMode_;
    MessageBox& box_;
    vbs::ScriptEngine scr_eval_;
    QLabel* lbl_question_ = nullptr;
    QLineEdit* txt_input_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QComboBox* cmb_prev_ = nullptr;
    QPushButton* Command2_ = nullptr;

    bool confirmed_ = false;
    std::u16string answerText_;
    vbs::Variant answerValue_;
};

}  // namespace talvoro
