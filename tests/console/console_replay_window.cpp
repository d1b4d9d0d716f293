// Replaying a run through the window's path: a real MainWindow on the
// offscreen platform, with recorders for its dialogs. Lines are typed into
// its input line key by key and entered with Return, blocks go through its
// quick panel's Run, @reload clicks Reload; the transcript is the pane's text.
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "../window/window_rig.h"
#include "console/command_history.h"
#include "console_replay_steps.h"
#include "engine/variant.h"
#include "scripts/quick_panel.h"

namespace talvoro::replay {

namespace {

// The pane's lines, without the empty one after the last CR LF.
std::vector<std::string> paneLines(const MainWindow& window) {
    std::vector<std::string> lines = entryLines(window.txt_output()->Text());
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

// Each character as the keyboard sends it: QTest's own typing covers only
// Latin-1.
void typeText(QWidget* input, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80) QTest::keyClick(input, c.toLatin1());
        else QTest::sendKeyEvent(QTest::Click, input, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

class WindowReplay {
public:
    WindowReplay(const std::string& library, const ReplayOptions& options) {
        writeLibrary(programDir(), library);
        MainWindowOptions windowOptions;
        windowOptions.programDir = programDir();
        windowOptions.messageBox = &box_;
        windowOptions.editor = &editor_;
        windowOptions.quickDialogs = &quickDialogs_;
        windowOptions.prepareEngine = options.prepareEngine;
        window_ = std::make_unique<MainWindow>(windowOptions);
        seen_ = paneLines(*window_).size();
    }

    std::vector<std::string> play(const Step& step) {
        std::string failure;
        switch (step.kind) {
        case Step::Kind::Line: enterLine(QString::fromUtf8(step.text)); break;
        case Step::Kind::Block: runBlock(QString::fromUtf8(step.text)); break;
        case Step::Kind::Load: failure = loadScriptText(window_->scr_main(), step.text); break;
        case Step::Kind::Reload: window_->Command1_Click(); break;
        case Step::Kind::Library: writeLibrary(programDir(), step.text); break;
        }
        std::vector<std::string> added = takeNewLines();
        if (!failure.empty()) added.push_back(failure);
        return added;
    }

private:
    std::string programDir() const { return dir_.path().toStdString(); }

    void enterLine(const QString& text) {
        typeText(window_->txt_input(), text);
        QTest::keyClick(window_->txt_input(), Qt::Key_Return);
    }

    void runBlock(const QString& text) {
        window_->quickPanel()->txt_quick()->setPlainText(text);
        window_->quickPanel()->cmd_quickrun_Click();
    }

    // A script may shorten the pane (CalcScreen.Text); what is left is new.
    std::vector<std::string> takeNewLines() {
        std::vector<std::string> lines = paneLines(*window_);
        const size_t from = std::min(seen_, lines.size());
        seen_ = lines.size();
        return {lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end()};
    }

    QTemporaryDir dir_;
    testing::RecordingBox box_;
    testing::FakeEditor editor_;
    testing::SilentQuickDialogs quickDialogs_;
    std::unique_ptr<MainWindow> window_;
    size_t seen_ = 0;
};

}  // namespace

Run replayWindow(const Run& run, const ReplayOptions& options) {
    processHistory() = CommandHistory();
    WindowReplay window(run.library, options);
    Run produced = run;
    for (Step& step : produced.steps) step.produced = window.play(step);
    return produced;
}

}  // namespace talvoro::replay
