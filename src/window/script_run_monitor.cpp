#include "window/script_run_monitor.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

#include "dialogs/question_dialog.h"

namespace talvoro {

ScriptRunMonitor::ScriptRunMonitor(vbs::ScriptEngine& engine, QWidget& window)
    : engine_(engine), window_(window) {
    engine_.SetPoll([this](std::chrono::milliseconds running) { poll(running); });
    qApp->installEventFilter(this);
    endCheck_ = new QTimer(this);
    endCheck_->setInterval(kEndCheckInterval);
    connect(endCheck_, &QTimer::timeout, this, &ScriptRunMonitor::checkForTheEnd);
}

ScriptRunMonitor::~ScriptRunMonitor() {
    engine_.SetPoll({});
    qApp->removeEventFilter(this);
}

bool ScriptRunMonitor::refuse() const {
    if (!engine_.Running()) return false;
    QApplication::beep();
    return true;
}

bool ScriptRunMonitor::isInterruptKey(const QKeyEvent& key, bool inWindowOrInputBox) {
    if (key.key() == Qt::Key_Escape) return inWindowOrInputBox;
    // Under X11 the keyboard map turns Ctrl+Pause into the keysym Break,
    // which Qt knows no key for: it arrives as key 0 with that keysym.
    constexpr quint32 kX11BreakKeysym = 0xff6b;
    if (key.key() == 0 && key.nativeVirtualKey() == kX11BreakKeysym) return true;
    // Elsewhere Break arrives as Pause, or as Cancel on some keyboard maps.
    const bool breakKey = key.key() == Qt::Key_Pause || key.key() == Qt::Key_Cancel;
    return breakKey && key.modifiers().testFlag(Qt::ControlModifier);
}

// Only keys can interrupt, and only while a script runs: the rest of the
// time every key goes where it always goes.
bool ScriptRunMonitor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !engine_.Running() || !watched->isWidgetType()) return false;
    QWidget* window = static_cast<QWidget*>(watched)->window();
    auto* inputBox = qobject_cast<frm_question*>(window);
    if (!isInterruptKey(*static_cast<QKeyEvent*>(event), window == &window_ || inputBox != nullptr)) return false;
    stop();
    return true;
}

void ScriptRunMonitor::stop() {
    if (!engine_.Running()) return;
    engine_.Interrupt();
    emit stoppedByUser();
    // The dialogs the script waits for close, so that it can stop: every
    // dialog open during a run is the script's (a question, and the refusal
    // of an answer over it) or tells of something the stop ends anyway (the
    // lock message of a turned-down close).
    QWidget* last = nullptr;
    while (auto* waiting = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        if (waiting == last) break;  // it refuses to close
        last = waiting;
        waiting->reject();
    }
}

void ScriptRunMonitor::poll(std::chrono::milliseconds running) {
    if (running < kResponsiveAfter || inPoll_) return;
    if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kEventInterval.count()) return;
    inPoll_ = true;
    if (!longRun_) {
        longRun_ = true;
        endCheck_->start();
        emit longRunChanged(true);
    }
    if (beforeEvents_) beforeEvents_();
    QCoreApplication::processEvents();
    sinceEvents_.start();
    inPoll_ = false;
}

// Runs on the event loop, so inside a run only from the poll's event
// handling (or a dialog the script waits for), where the engine still runs.
void ScriptRunMonitor::checkForTheEnd() {
    if (engine_.Running()) return;
    endCheck_->stop();
    longRun_ = false;
    emit longRunChanged(false);
}

}  // namespace talvoro
