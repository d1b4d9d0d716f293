// The quick script panel: a text area in the window's lower band where the
// user types a block of script and runs it at once on the main engine, with
// "Run", "Save", "Load" and "Clear" beside it. Errors of a run go to the
// transcript as "Error:" + description and "Line:" + line.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "console/transcript.h"
#include "engine/script_engine.h"

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace talvoro {

// The dialogs the panel needs, so tests can answer them without a screen.
class QuickPanelDialogs {
public:
    virtual ~QuickPanelDialogs() = default;
    // A file chosen in a save / open dialog with `filter`; empty if cancelled.
    virtual QString chooseSaveFile(const QString& filter) = 0;
    virtual QString chooseOpenFile(const QString& filter) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // A message with an OK button (a file that cannot be read or written).
    virtual void showMessage(const QString& text) = 0;
};

class QuickPanel : public QObject {
    Q_OBJECT

public:
    // The filter of the script file dialogs.
    static constexpr const char* kScriptFilter = "Talvoro Scripts (*.tvo);;All Files (*)";

    // Creates txt_quick, cmd_quickrun ("Run"), cmd_file 1 ("Load"), cmd_file 0
    // ("Save") and cmd_clear ("Clear") as children of `parent`, at their
    // places in the window's layout (client coordinates, pixels).
    QuickPanel(QWidget* parent, vbs::ScriptEngine& engine, Transcript& transcript, QuickPanelDialogs& dialogs);
    ~QuickPanel() override;

    QPlainTextEdit* txt_quick() const;
    QPushButton* cmd_quickrun() const;
    QPushButton* cmd_file(int index) const;  // 0 "Save", 1 "Load"
    QPushButton* cmd_clear() const;

    // The panel's width follows the window's client width.
    void setPanelWidth(int width);

    // `refuse` says whether the buttons must do nothing now (a script is
    // running); `afterRun` runs when a run has ended (the window gives the
    // keyboard back to its input line).
    void setWindowHooks(std::function<bool()> refuse, std::function<void()> afterRun);

    void cmd_quickrun_Click();
    void cmd_file_Click(int index);
    void cmd_clear_Click();

private:
    // Highlights line `line` (from 1) of the text until the text changes.
    void markFailedLine(int line);
    // Write / read the panel's text; a failure is shown as a message.
    void saveTo(const QString& path);
    void loadFrom(const QString& path);

    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace talvoro
