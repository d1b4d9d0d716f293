// A calculator without a window: an engine with MainForm registered and Ans
// at 0, a history, and a transcript and input line that remember everything.
#pragma once

#include <string>
#include <vector>

#include "console/command_evaluator.h"
#include "console/command_history.h"
#include "console/console_main_form.h"
#include "console/input_line.h"
#include "console/transcript.h"
#include "engine/script_engine.h"

namespace talvoro::testing {

class RecordingTranscript : public Transcript {
public:
    void AppendLine(const std::u16string& line) override { lines.push_back(line); }
    void SetToTop() override { ++caretMovesToEnd; }
    std::vector<std::u16string> lines;
    int caretMovesToEnd = 0;
};

class RecordingInputLine : public InputLine {
public:
    std::u16string text() const override { return text_; }
    void setText(const std::u16string& text) override { text_ = text; }
    void setCaret(int32_t position) override { caret = position; }
    int32_t caret = -1;

private:
    std::u16string text_;
};

class Calculator {
public:
    Calculator() : mainForm_(new ConsoleMainForm(transcript)), holder_(vbs::Variant::object(mainForm_)) {
        engine.AddObject(u"MainForm", mainForm_);
        engine.ExecuteStatement(u"Ans=0");
    }

    // Types `line` into the input line, presses Enter, and returns the
    // transcript lines the evaluation added.
    std::vector<std::u16string> enter(const std::u16string& line) {
        size_t before = transcript.lines.size();
        input.setText(line);
        EvaluationHost host{engine, history, input, transcript, [this] { return mainForm_->passtr(); }, {}};
        EvaluateInput(host);
        return {transcript.lines.begin() + static_cast<std::ptrdiff_t>(before), transcript.lines.end()};
    }

    const std::u16string& passtr() const { return mainForm_->passtr(); }

    vbs::ScriptEngine engine;
    CommandHistory history;
    RecordingTranscript transcript;
    RecordingInputLine input;

private:
    ConsoleMainForm* mainForm_;
    vbs::Variant holder_;  // our reference to the form
};

}  // namespace talvoro::testing
