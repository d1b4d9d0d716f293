#include "dialogs/input_box.h"

#include "dialogs/question_dialog.h"
#include "engine/conversions.h"

namespace talvoro {

namespace {

// The question state shared by the window and the dialog, for the whole run.
std::vector<std::u16string> answerList{std::u16string()};
std::u16string IStrAnswer;
vbs::Variant IValAnswer;

// The question as text; a value with no text form (Null, an object without
// one) asks with an empty question rather than not at all.
std::u16string questionText(const vbs::Variant& messageStr) {
    std::u16string text;
    if (vbs::ops::toInvariantString(messageStr.deref(), text) != 0) text.clear();
    return text;
}

// Shows a new dialog and waits. Returns it so the caller can read what was
// confirmed; it is deleted with the returned handle.
std::unique_ptr<frm_question> ask(const vbs::Variant& messageStr, bool numberMode, MessageBox& box,
                                  QWidget* owner) {
    auto dialog = std::make_unique<frm_question>(questionText(messageStr), numberMode, box, owner);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->exec();
    if (dialog->confirmed()) AddAnswer(dialog->answerText());
    return dialog;
}

}  // namespace

void ResetAnswerList() { answerList.assign(1, std::u16string()); }

void AddAnswer(const std::u16string& answer) {
    answerList.back() = answer;
    answerList.emplace_back();
}

const std::vector<std::u16string>& AnswerList() { return answerList; }

vbs::Variant GetIVal(const vbs::Variant& MessageStr, MessageBox& box, QWidget* owner) {
    auto dialog = ask(MessageStr, true, box, owner);
    if (dialog->confirmed()) IValAnswer = dialog->answerValue();
    return IValAnswer;
}

std::u16string GetIStr(const vbs::Variant& MessageStr, MessageBox& box, QWidget* owner) {
    auto dialog = ask(MessageStr, false, box, owner);
    if (dialog->confirmed()) IStrAnswer = dialog->answerText();
    return IStrAnswer;
}

}  // namespace talvoro
