// A script running on the main engine runs on the window's own thread, so
// without help the window would freeze until the script ends. Once a run has
// lasted kResponsiveAfter, the engine's poll lets the window handle its
// events every kEventInterval: it repaints, the 50 ms tick shows what the
// script has drawn so far, and keys work. Escape in the window or in the
// input box, and Ctrl+Break anywhere in the program, interrupt the run; the
// script stops with "Script interrupted by the user" and the engine keeps
// its variables and procedures.
//
// While a script runs, input that would start another evaluation must be
// refused (refuse()): the engine runs one script at a time.
//
// The user is told of a long run: longRunChanged(true) comes just before the
// window first handles events during a run, longRunChanged(false) once the
// run has ended, however it ended (finished, failed or stopped).
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

#include "engine/script_engine.h"

class QKeyEvent;
class QWidget;

namespace talvoro {

class ScriptRunMonitor : public QObject {
    Q_OBJECT

public:
    // A run shorter than this never sees a window event: the usual quick
    // evaluation stays exactly as it was, with no re-entry possible.
    static constexpr std::chrono::milliseconds kResponsiveAfter{300};
    // How often a long run lets the window handle its events: often enough
    // for the 50 ms tick to keep its pace and for keys to feel immediate,
    // rarely enough to leave the script nearly all of the time.
    static constexpr std::chrono::milliseconds kEventInterval{20};
    // How often the end of a long run is looked for. The engine tells
    // nothing when a run ends, and the run may end in any of the window's
    // handlers; a check on the event loop catches every ending, and a
    // twentieth of a second late is still at once to the eye.
    static constexpr std::chrono::milliseconds kEndCheckInterval{50};

    // Installs the poll on `engine` and watches the keys of the program.
    // `window` is the main window: Escape in it interrupts.
    ScriptRunMonitor(vbs::ScriptEngine& engine, QWidget& window);
    ~ScriptRunMonitor() override;

    // Runs before the window first handles events during a long run (the
    // window shows itself when start-up has not shown it yet).
    void setBeforeEvents(std::function<void()> work) { beforeEvents_ = std::move(work); }

    bool running() const { return engine_.Running(); }
    // True from the first window event of a run to the end of that run.
    bool longRun() const { return longRun_; }
    // True, with a beep, while a script runs: the caller starts nothing.
    bool refuse() const;
    // Interrupts the running script and closes the dialogs it waits for;
    // nothing when none runs.
    void stop();

    // The keys that interrupt: Escape in the main window or in the input
    // box (`inWindowOrInputBox`), Ctrl+Break anywhere.
    static bool isInterruptKey(const QKeyEvent& key, bool inWindowOrInputBox);

signals:
    void longRunChanged(bool longRun);
    // The user stopped the run (Escape, Ctrl+Break, stop()): what the key
    // would otherwise have closed (a completion list) closes too.
    void stoppedByUser();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void poll(std::chrono::milliseconds running);
    void checkForTheEnd();

    vbs::ScriptEngine& engine_;
    QWidget& window_;
    std::function<void()> beforeEvents_;
    QElapsedTimer sinceEvents_;
    bool inPoll_ = false;
    bool longRun_ = false;
    QTimer* endCheck_ = nullptr;
};

}  // namespace talvoro
