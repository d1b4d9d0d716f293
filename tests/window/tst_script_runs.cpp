// A script that runs long on the main engine: the window keeps handling its
// events, refuses to start another evaluation, and Escape, Ctrl+Break or a
// close request stop the script. Every script here loops until it is
// stopped, so nothing depends on how fast the machine is.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "console/command_history.h"
#include "dialogs/question_dialog.h"
#include "scripts/quick_panel.h"
#include "window_rig.h"

using talvoro::testing::WindowRig;

namespace {

const QString kInterrupted = "Error:Script interrupted by the user";
const QString kLocked = "Calculator is locked from closing";

// Runs `act` once, from inside the running script, as soon as the window
// handles events again (the engine's poll, after its first 0.3 s).
void onceTheWindowResponds(std::function<void()> act) { QTimer::singleShot(0, qApp, std::move(act)); }

// Runs `act` on every modal dialog that shows while `scope` lives, counting them.
void whenModalAppears(QObject& scope, std::function<void(QWidget*)> act, int* count) {
    auto* poll = new QTimer(&scope);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [act, count] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal->property("seen").toBool()) return;
        modal->setProperty("seen", true);
        ++*count;
        act(modal);
    });
    poll->start();
}

void showAndWait(WindowRig& rig) {
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
}

}  // namespace

class ScriptRuns : public QObject {
    Q_OBJECT

private slots:
    void init() { talvoro::processHistory() = talvoro::CommandHistory(); }
    void timeLimits();
    void escapeStopsARunAndRefusesNewEvaluationsMeanwhile();
    void quickPanelRunReportsTheInterruptWithItsLine();
    void closingDuringARunStopsItThenCloses();
    void closingDuringAQuestionStopsTheScriptThenCloses();
    void escapeInTheInputBoxEndsAnEndlessQuestion();
    void ctrlBreakEndsAMessageBoxLoop();
    void aStoppedQuestionAssignsNothing_data();
    void aStoppedQuestionAssignsNothing();
    void aStopInsideALoadedFileStopsTheLoader();
    void lockedCloseDuringARunLetsTheScriptFinish();
    void lockedCloseDuringAQuestionKeepsItOpen();
    void aLongStartUpShowsTheWindowAndCanBeInterrupted();
    void theTitleTellsOfALongRunUntilItEnds();
};

void ScriptRuns::timeLimits() {
    WindowRig rig("");
    QCOMPARE(rig.window->scr_main().Timeout(), int64_t(1000000000));
    QCOMPARE(rig.eval("ScriptObject.Timeout"), QVariant("1000000000"));
    talvoro::testing::RecordingBox box;
    talvoro::frm_question dialog(u"?", true, box);
    QCOMPARE(dialog.evalEngine().Timeout(), int64_t(10000));
}

void ScriptRuns::escapeStopsARunAndRefusesNewEvaluationsMeanwhile() {
    WindowRig rig("");
    showAndWait(rig);
    rig.enter("!keep = 7");
    rig.window->quickPanel()->txt_quick()->setPlainText("MainForm.OPrint \"quick ran\"");
    int ticks = 0;
    connect(rig.window->tmr_clear(), &QTimer::timeout, this, [&ticks] { ++ticks; });
    bool runningWhenResponding = false;
    onceTheWindowResponds([&] {
        runningWhenResponding = rig.window->scr_main().Running();
        rig.enter("1+1");                                       // refused: stays in the line
        rig.window->Command1()->click();                        // Reload: refused
        rig.window->quickPanel()->cmd_quickrun()->click();      // Run: refused
        // Enough ticks of the 50 ms timer to see the surface kept fresh.
        QTRY_VERIFY(ticks >= 2);
        QTest::keyClick(rig.window.get(), Qt::Key_Escape);
    });
    rig.enter("!Do: n = n + 1: Loop");
    QVERIFY(runningWhenResponding);
    QCOMPARE(rig.lines().mid(rig.lines().size() - 2), QStringList({"E:Do: n = n + 1: Loop", kInterrupted}));
    QVERIFY(!rig.lines().contains("quick ran"));
    QCOMPARE(rig.inputText(), QString("1+1"));
    QCOMPARE(talvoro::processHistory().HistoryCount(), 2);
    // The engine kept everything: the loop's counter and what came before.
    QCOMPARE(rig.eval("keep"), QVariant("7"));
    QVERIFY(rig.eval("n").toString().toLong() > 0);
    QVERIFY(!rig.window->scr_main().Running());
    // Escape outside a run is no interrupt of the next one.
    QTest::keyClick(rig.window.get(), Qt::Key_Escape);
    rig.window->txt_input()->setText(u"");
    rig.enter("2+2");
    QCOMPARE(rig.lines().last(), QString("A:4"));
}

void ScriptRuns::quickPanelRunReportsTheInterruptWithItsLine() {
    WindowRig rig("");
    showAndWait(rig);
    rig.window->quickPanel()->txt_quick()->setPlainText("n = 0\nDo\nn = n + 1\nLoop");
    onceTheWindowResponds([&] { QTest::keyClick(rig.window->txt_output(), Qt::Key_Escape); });
    rig.window->quickPanel()->cmd_quickrun()->click();
    const QStringList lines = rig.lines();
    QCOMPARE(lines.at(lines.size() - 2), kInterrupted);
    QVERIFY(lines.last().startsWith("Line:"));
    QVERIFY(lines.last().mid(5).toInt() >= 2);
}

void ScriptRuns::closingDuringARunStopsItThenCloses() {
    WindowRig rig("");
    showAndWait(rig);
    onceTheWindowResponds([&] { rig.window->close(); });
    rig.enter("!Do: Loop");
    QCOMPARE(rig.lines().last(), kInterrupted);
    QTRY_VERIFY(!rig.window->isVisible());
    QVERIFY(QFile::exists(rig.path("defaults.txt")));
    QVERIFY(rig.box.texts.empty());  // no question asked
}

// The close comes while the script waits in its input box: the box closes,
// the script stops, then the window closes.
void ScriptRuns::closingDuringAQuestionStopsTheScriptThenCloses() {
    WindowRig rig("");
    showAndWait(rig);
    int shown = 0;
    QObject scope;
    whenModalAppears(scope, [&](QWidget*) { rig.window->close(); }, &shown);
    rig.enter("!Do: x = MainForm.GetIVal(\"Never answered\"): Loop");
    QCOMPARE(rig.lines().last(), kInterrupted);
    QCOMPARE(shown, 1);
    QTRY_VERIFY(!rig.window->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void ScriptRuns::escapeInTheInputBoxEndsAnEndlessQuestion() {
    WindowRig rig("");
    showAndWait(rig);
    int shown = 0;
    QObject scope;
    whenModalAppears(
        scope,
        [](QWidget* dialog) {
            QVERIFY(qobject_cast<talvoro::frm_question*>(dialog) != nullptr);
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Escape);
        },
        &shown);
    rig.enter("!Do: x = MainForm.GetIVal(\"Again?\"): Loop");
    QCOMPARE(rig.lines().last(), kInterrupted);
    QCOMPARE(shown, 1);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void ScriptRuns::ctrlBreakEndsAMessageBoxLoop() {
    WindowRig rig("");
    showAndWait(rig);
    int shown = 0;
    QObject scope;
    whenModalAppears(scope, [](QWidget* box) { QTest::keyClick(box, Qt::Key_Pause, Qt::ControlModifier); }, &shown);
    rig.enter("!On Error Resume Next: Do: MsgBox \"Once more\": Loop");
    QCOMPARE(rig.lines().last(), kInterrupted);
    QCOMPARE(shown, 1);
}

// The dialog closed by the stop leaves no answer behind: the variable keeps
// the value it had, even under On Error Resume Next.
void ScriptRuns::aStoppedQuestionAssignsNothing_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ctrlBreak");  // else Escape
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("kept");
    QTest::newRow("GetIVal, Escape") << "!b = 7: b = MainForm.GetIVal(\"?\")" << false << "b" << "7";
    QTest::newRow("GetIStr, Escape") << "!s = \"kept\": s = MainForm.GetIStr(\"?\")" << false << "s" << "kept";
    QTest::newRow("MsgBox, Ctrl+Break") << "!On Error Resume Next: m = 0: m = MsgBox(\"?\", vbYesNo)" << true << "m"
                                        << "0";
    QTest::newRow("InputBox, Ctrl+Break") << "!t = \"kept\": t = InputBox(\"?\", , \"typed\")" << true << "t"
                                          << "kept";
}

void ScriptRuns::aStoppedQuestionAssignsNothing() {
    QFETCH(QString, line);
    QFETCH(bool, ctrlBreak);
    QFETCH(QString, variable);
    QFETCH(QString, kept);
    WindowRig rig("");
    showAndWait(rig);
    int shown = 0;
    QObject scope;
    whenModalAppears(
        scope,
        [ctrlBreak](QWidget* dialog) {
            QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            if (ctrlBreak) QTest::keyClick(target, Qt::Key_Pause, Qt::ControlModifier);
            else QTest::keyClick(target, Qt::Key_Escape);
        },
        &shown);
    rig.enter(line);
    QCOMPARE(shown, 1);
    QCOMPARE(rig.lines().last(), kInterrupted);
    QCOMPARE(rig.eval(variable), QVariant(kept));
}

// Stopped inside a file that LoadScript runs: the stop ends the script that
// loads, right there, and is no load error to report.
void ScriptRuns::aStopInsideALoadedFileStopsTheLoader() {
    WindowRig rig("");
    talvoro::testing::writeFile(rig.path("loop.tvo"), "Do\r\nLoop\r\n");
    showAndWait(rig);
    onceTheWindowResponds([&] { QTest::keyClick(rig.window.get(), Qt::Key_Escape); });
    rig.enter("!y = 1: MainForm.LoadScript \"" + rig.path("loop.tvo") + "\": y = 2");
    QCOMPARE(rig.lines().last(), kInterrupted);
    QCOMPARE(rig.eval("y"), QVariant("1"));
    QVERIFY(rig.box.texts.empty());
}

// "Lock" turns the close down as it would without a script, and the script
// carries on: it loops until the test lets it go, after the close attempt.
void ScriptRuns::lockedCloseDuringARunLetsTheScriptFinish() {
    WindowRig rig("");
    showAndWait(rig);
    rig.window->chk_lock()->setChecked(true);
    onceTheWindowResponds([&] {
        rig.window->close();
        rig.window->variables().passtr = u"go";
    });
    rig.enter("!Do While MainForm.passtr = \"\": n = n + 1: Loop: MainForm.OPrint \"finished\"");
    QCOMPARE(rig.lines().last(), QString("finished"));
    QCOMPARE(rig.box.texts, std::vector<QString>{kLocked});
    QVERIFY(QFile::exists(rig.path("defaults.txt")));
    QVERIFY(rig.window->isVisible());
    QVERIFY(!rig.window->scr_main().Running());
}

// A locked close while the script waits for the user leaves its dialog open;
// the answer given after it reaches the script.
void ScriptRuns::lockedCloseDuringAQuestionKeepsItOpen() {
    WindowRig rig("");
    showAndWait(rig);
    rig.window->chk_lock()->setChecked(true);
    int shown = 0;
    QObject scope;
    int keptOpen = 0;  // dialogs still asking after the close attempt
    whenModalAppears(
        scope,
        [&](QWidget* dialog) {
            rig.window->close();
            if (QApplication::activeModalWidget() == dialog && dialog->isVisible()) ++keptOpen;
            if (auto* question = qobject_cast<talvoro::frm_question*>(dialog)) {
                QTest::keyClicks(question->findChild<QLineEdit*>("txt_input"), "6*7");
                question->findChild<QPushButton*>("Command1")->click();
            } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
                box->button(QMessageBox::Yes)->click();
            }
        },
        &shown);
    rig.enter("!x = MainForm.GetIVal(\"?\"): MainForm.OPrint \"x=\" & x");
    QCOMPARE(rig.lines().last(), QString("x=42"));

    rig.enter("!m = MsgBox(\"Go on?\", vbYesNo): MainForm.OPrint \"m=\" & m");
    QCOMPARE(rig.lines().last(), QString("m=6"));
    QCOMPARE(shown, 2);
    QCOMPARE(keptOpen, 2);
    QCOMPARE(rig.box.texts, (std::vector<QString>{kLocked, kLocked}));
    QVERIFY(rig.window->isVisible());
}

// Main loops at start-up: the window shows while it runs, so that the user
// can stop it, and the start-up then goes on to its end.
void ScriptRuns::aLongStartUpShowsTheWindowAndCanBeInterrupted() {
    bool shownDuringStartUp = false;
    onceTheWindowResponds([&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<talvoro::MainWindow*>(w); window && window->isVisible()) {
                shownDuringStartUp = true;
                QTest::keyClick(window, Qt::Key_Escape);
            }
        }
    });
    WindowRig rig("Dim started\r\nSub Main\r\nstarted = True\r\nDo: Loop\r\nEnd Sub\r\n");
    QVERIFY(shownDuringStartUp);
    QCOMPARE(rig.eval("started"), QVariant("True"));
    QCOMPARE(rig.window->outerSizeTarget().width(), 207);  // the last step of the start-up ran
    QVERIFY(rig.box.texts.empty());  // errors of Main are ignored

    // A loop in the file's own code: the interrupt is the load's script error.
    shownDuringStartUp = false;
    onceTheWindowResponds([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<talvoro::MainWindow*>(w); window && window->isVisible())
                QTest::keyClick(window, Qt::Key_Escape);
    });
    WindowRig loading("x = 1\r\nDo\r\nLoop\r\n");
    QCOMPARE(loading.box.texts.size(), size_t(1));
    QVERIFY(loading.box.texts[0].startsWith("Error in script\r\nScript interrupted by the user\r\nAt Line:"));
    QCOMPARE(loading.eval("x"), QVariant("1"));
}

// The title tells of a run once the window responds during it, and is the
// product's name again after the run, whether it was stopped or failed.
void ScriptRuns::theTitleTellsOfALongRunUntilItEnds() {
    const QString normal = "Talvoro";
    const QString running = QString::fromUtf16(u"Talvoro \u2014 running (Esc stops)");
    WindowRig rig("");
    showAndWait(rig);
    QCOMPARE(rig.window->windowTitle(), normal);
    QString titleDuringRun;
    onceTheWindowResponds([&] {
        titleDuringRun = rig.window->windowTitle();
        QTest::keyClick(rig.window.get(), Qt::Key_Escape);
    });
    rig.enter("!Do: Loop");
    QCOMPARE(titleDuringRun, running);
    QCOMPARE(rig.lines().last(), kInterrupted);
    QTRY_COMPARE(rig.window->windowTitle(), normal);

    // A run that fails once ">" is pressed during it.
    onceTheWindowResponds([&] {
        titleDuringRun = rig.window->windowTitle();
        rig.window->Command2_Click();
    });
    rig.enter("!Do Until MainForm.WindowExtended: Loop: x = 1 / 0");
    QCOMPARE(titleDuringRun, running);
    QCOMPARE(rig.lines().last(), QString("Error:Division by zero"));
    QTRY_COMPARE(rig.window->windowTitle(), normal);
}

QTEST_MAIN(ScriptRuns)
#include "tst_script_runs.moc"
