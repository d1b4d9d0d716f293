// How scripts ask the user for a value: GetIVal (a number: any expression the
// script language evaluates, checked on the dialog's own engine) and GetIStr
// (a text). Each question opens the modal dialog frm_question anew; every
// confirmed answer is remembered, newest first, for the rest of the run.
#pragma once

#include <string>
#include <vector>

#include "engine/variant.h"
#include "settings/message_box.h"

class QWidget;

namespace talvoro {

// The answer list: oldest answer at index 0; its last slot is always empty
// and is not an answer. Process-wide, lost at exit.
void ResetAnswerList();  // back to a single empty slot (the window's start-up)
void AddAnswer(const std::u16string& answer);
const std::vector<std::u16string>& AnswerList();

// Shows the question `MessageStr` (its text form) and waits for an answer.
// GetIVal returns the value of the confirmed expression; GetIStr the text as
// typed. Closing the dialog without confirming returns the answer last
// confirmed for a question of the same kind (or Empty / an empty text).
// `box` shows the refusal of an answer that does not evaluate. With an
// `owner` the dialog stands over it (above it too when it stays on top).
vbs::Variant GetIVal(const vbs::Variant& MessageStr, MessageBox& box, QWidget* owner = nullptr);
std::u16string GetIStr(const vbs::Variant& MessageStr, MessageBox& box, QWidget* owner = nullptr);

}  // namespace talvoro
