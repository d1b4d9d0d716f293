// Start-up, loading, "Reload", "Functions" and what scripts see of the
// window: each case builds a window over its own script file.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "window_rig.h"

using talvoro::testing::WindowRig;

namespace {

const QString kCannotDoNow = QString::fromStdU16String(talvoro::kCannotDoNowText);

// Acts on the next modal dialog as soon as it is shown: armed before the
// call that opens it, since that call only returns once the dialog closes.
void whenModalAppears(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start();
}

}  // namespace

class WindowScripts : public QObject {
    Q_OBJECT

private slots:
    void missingScriptFileStillEvaluates();
    void foldersInPlaceOfFiles();
    void syntaxErrorOnLineThreeIsReported();
    void emptyFileHasNoMain();
    void lowerCaseMainRunsAtStartup();
    void mainFailingHalfwayKeepsItsEarlyEffects();
    void topLevelOPrintShowsDuringStartup();
    void classTerminateAtTheEndStillSeesTheWindow();
    void reloadClearsVariablesButKeepsPublicOnes();
    void loadScriptFromScriptAddsProcedures();
    void loadScriptReportsMissingAndBrokenFiles();
    void selfLoadingFileStops();
    void bareMemberNamesAreUnknown();
    void publicVariablesAreStoredValues();
    void fillBracketsChangesCallersVariable();
    void drawDotConvertsText();
    void procedureExistsThroughMainForm();
    void screenAndAppFacts();
    void scriptObjectRunsCodeInsideAScript();
    void reentrantCallsAreRefused();
    void functionsStartsEditorWithQuotedPath();
    void msgBoxAndInputBoxShowDialogs();
};

void WindowScripts::missingScriptFileStillEvaluates() {
    WindowRig rig(QByteArray{});
    QCOMPARE(rig.box.texts, std::vector<QString>{"Failed to open script file"});
    QCOMPARE(rig.lines(), QStringList{"Sub Main not found"});
    rig.enter("2^10");
    QCOMPARE(rig.lines().last(), QString("A:1024"));
}

// Folders where the program expects its files: each is a file that cannot
// be read (or written), reported as such, and the program goes on.
void WindowScripts::foldersInPlaceOfFiles() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("defaults.txt"));
    QVERIFY(QDir(dir.path()).mkdir("scripts.tvo"));
    talvoro::testing::RecordingBox box;
    talvoro::testing::FakeEditor editor;
    talvoro::testing::SilentQuickDialogs quick;
    talvoro::MainWindowOptions options;
    options.programDir = dir.path().toStdString();
    options.messageBox = &box;
    options.editor = &editor;
    options.quickDialogs = &quick;
    talvoro::MainWindow window(options);
    QCOMPARE(box.texts, std::vector<QString>{"Failed to open script file"});
    QCOMPARE(window.outerSizeTarget(), QSize(207, 229));  // the defaults
    const QString folder = dir.filePath("scripts.tvo");
    window.scr_main().ExecuteStatement(("MainForm.LoadScript \"" + folder + "\"").toStdU16String());
    QCOMPARE(box.texts.size(), size_t(2));
    QCOMPARE(box.texts.back(), QString("Failed to open script file"));
    window.close();
    QCOMPARE(box.texts.back(), QString("Error Saving CVAR's"));
}

void WindowScripts::syntaxErrorOnLineThreeIsReported() {
    WindowRig rig("Dim a\r\na = 1\r\nIf Then\r\n");
    QCOMPARE(rig.box.texts.size(), size_t(1));
    const QStringList parts = rig.box.texts[0].split("\r\n");
    QCOMPARE(parts.size(), 4);
    QCOMPARE(parts[0], QString("Error in script"));
    QVERIFY(!parts[1].isEmpty());
    QCOMPARE(parts[2], QString("At Line: 3"));
    QVERIFY(parts[3].startsWith("Column: "));
    QVERIFY(parts[3].mid(8).toInt() > 0);
}

void WindowScripts::emptyFileHasNoMain() {
    WindowRig rig("");
    QVERIFY(rig.box.texts.empty());
    QCOMPARE(rig.lines(), QStringList{"Sub Main not found"});
    QCOMPARE(rig.eval("Ans"), QVariant("0"));
}

void WindowScripts::lowerCaseMainRunsAtStartup() {
    // The last line has no line end and is still read.
    WindowRig rig("sub main\r\n  MainForm.OPrint \"hello\"\r\nend sub");
    QVERIFY(rig.box.texts.empty());
    QCOMPARE(rig.lines(), QStringList{"hello"});
}

void WindowScripts::mainFailingHalfwayKeepsItsEarlyEffects() {
    WindowRig rig("Dim x\nSub Main\n x = 5\n MainForm.OPrint \"before\"\n x = 1 / 0\n x = 7\nEnd Sub\n");
    QVERIFY(rig.box.texts.empty());
    QCOMPARE(rig.lines(), QStringList{"before"});
    QCOMPARE(rig.eval("x"), QVariant("5"));
    QCOMPARE(rig.window->outerSizeTarget().width(), 207);
}

void WindowScripts::topLevelOPrintShowsDuringStartup() {
    WindowRig rig("MainForm.OPrint \"loading\"\r\n");
    QCOMPARE(rig.lines(), QStringList({"loading", "Sub Main not found"}));
}

void WindowScripts::classTerminateAtTheEndStillSeesTheWindow() {
    // A global object is let go of when the window goes; its Class_Terminate
    // reads the window's objects and writes what it saw to a file.
    QTemporaryDir out;
    const QString file = out.filePath("seen.txt");
    {
        WindowRig rig(("Class Watcher\nSub Class_Terminate\n"
                       " Set f = CreateObject(\"Scripting.FileSystemObject\").CreateTextFile(\"" + file.toStdString() +
                       "\")\n f.Write CalcScreen.Text & \"|\" & Screen.Width\n f.Close\nEnd Sub\nEnd Class\n"
                       "Dim w\nSet w = New Watcher\nSub Main\n MainForm.OPrint \"up\"\nEnd Sub\n").c_str());
        QCOMPARE(rig.lines(), QStringList{"up"});
    }
    QFile seen(file);
    QVERIFY(seen.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(seen.readAll());
    QVERIFY2(text.startsWith("up") && text.contains('|') && text.section('|', 1).toInt() > 0, qPrintable(text));
}

void WindowScripts::reloadClearsVariablesButKeepsPublicOnes() {
    WindowRig rig("Sub Main\r\nMainForm.OPrint \"main ran\"\r\nEnd Sub\r\n");
    rig.enter("!y = 3");
    rig.enter("5");
    QCOMPARE(rig.run("MainForm.LastCmd = \"kept\""), QString());
    const int shown = rig.lines().size();
    rig.window->show();
    rig.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
    rig.window->Command2()->setFocus();
    rig.window->Command1()->click();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rig.window->txt_input()));
    QCOMPARE(rig.lines().size(), shown);  // Main does not run again
    QCOMPARE(rig.eval("IsEmpty(y) And IsEmpty(Ans)"), QVariant("True"));
    QCOMPARE(rig.eval("MainForm.LastCmd"), QVariant("kept"));
    QCOMPARE(rig.eval("MainForm.ProcedureExists(\"Main\")"), QVariant("True"));
}

void WindowScripts::loadScriptFromScriptAddsProcedures() {
    WindowRig rig("Dim keep\r\nkeep = 11\r\nFunction First()\r\nFirst = 1\r\nEnd Function\r\n");
    talvoro::testing::writeFile(rig.path("second file.tvo"), "Function Second()\r\nSecond = 2\r\nEnd Function\r\n");
    QCOMPARE(rig.run("MainForm.LoadScript \"" + rig.path("second file.tvo") + "\""), QString());
    QCOMPARE(rig.eval("First() + Second() + keep"), QVariant("14"));
    QVERIFY(rig.box.texts.empty());
}

// A file that loads itself stops at the nesting limit instead of
// exhausting the stack; the innermost failure is reported once.
void WindowScripts::selfLoadingFileStops() {
    WindowRig rig("");
    const QString self = rig.path("self.tvo");
    talvoro::testing::writeFile(self, ("n = n + 1\r\nMainForm.LoadScript \"" + self + "\"\r\n").toUtf8());
    QCOMPARE(rig.run("n = 0 : MainForm.LoadScript \"" + self + "\""), QString());
    QCOMPARE(rig.eval("n"), QVariant(QString::number(talvoro::ScriptLibrary::kMaxNestedLoads)));
    QCOMPARE(rig.box.texts.size(), size_t(1));
    QVERIFY(rig.box.texts[0].startsWith("Error in script"));
}

void WindowScripts::loadScriptReportsMissingAndBrokenFiles() {
    WindowRig rig("");
    QCOMPARE(rig.run("MainForm.LoadScript \"" + rig.path("absent.tvo") + "\" : MainForm.LastCmd = \"on\""),
             QString());
    QCOMPARE(rig.box.texts, std::vector<QString>{"Failed to open script file"});
    QCOMPARE(rig.eval("MainForm.LastCmd"), QVariant("on"));  // the calling script went on

    talvoro::testing::writeFile(rig.path("broken.tvo"), "x = 1\r\nx = (\r\n");
    QCOMPARE(rig.run("MainForm.LoadScript \"" + rig.path("broken.tvo") + "\""), QString());
    QCOMPARE(rig.box.texts.size(), size_t(2));
    QVERIFY(rig.box.texts[1].startsWith("Error in script\r\n"));
    QVERIFY2(rig.box.texts[1].contains("At Line: 2\r\n"), qPrintable(rig.box.texts[1]));
}

void WindowScripts::bareMemberNamesAreUnknown() {
    WindowRig rig("");
    QVERIFY(!rig.run("OPrint \"x\"").isEmpty());
    QVERIFY(!rig.run("MainForm.NoSuchMember").isEmpty());
    QCOMPARE(rig.run("MainForm.OPrint"), QString("Wrong number of arguments or invalid property assignment"));
}

void WindowScripts::publicVariablesAreStoredValues() {
    WindowRig rig("");
    const int width = rig.window->outerSizeTarget().width();
    QCOMPARE(rig.eval("MainForm.passtr & \"|\" & MainForm.LastCmd & \"|\" & MainForm.WindowExtended"),
             QVariant("||False"));
    QCOMPARE(rig.run("MainForm.WindowExtended = True : MainForm.QuickVisible = 1 : MainForm.passtr = 12"), QString());
    QVERIFY(rig.window->variables().WindowExtended);
    QVERIFY(rig.window->variables().QuickVisible);
    QCOMPARE(rig.window->variables().passtr, std::u16string(u"12"));
    QCOMPARE(rig.window->outerSizeTarget().width(), width);  // storing has no effect of its own
    QCOMPARE(rig.run("MainForm.AnsIns = \"maybe\""), QString("Type mismatch"));
}

void WindowScripts::fillBracketsChangesCallersVariable() {
    WindowRig rig("");
    QCOMPARE(rig.run("Dim s : s = \"1+(2*(3\" : MainForm.FillBrackets s : MainForm.LastCmd = s"), QString());
    QCOMPARE(rig.eval("MainForm.LastCmd"), QVariant("1+(2*(3))"));
    QCOMPARE(rig.run("s = \"1)\" : MainForm.FillBrackets s"), QString("Invalid procedure call or argument"));
}

void WindowScripts::drawDotConvertsText() {
    WindowRig rig("");
    QCOMPARE(rig.run("MainForm.DrawDot \"10\", \"20.5\""), QString());
    QCOMPARE(rig.run("MainForm.DrawDot \"ten\", 1"), QString("Type mismatch"));
    QCOMPARE(rig.run("MainForm.DrawLine 1, 2, 3"), QString("Wrong number of arguments or invalid property assignment"));
}

void WindowScripts::procedureExistsThroughMainForm() {
    WindowRig rig("Function Helper()\r\nEnd Function\r\n");
    QCOMPARE(rig.eval("MainForm.ProcedureExists(\" helper \")"), QVariant("True"));
    QCOMPARE(rig.eval("MainForm.ProcedureExists(\"Missing\")"), QVariant("False"));
}

void WindowScripts::screenAndAppFacts() {
    WindowRig rig("");
    const double twips = 1440.0 / rig.window->logicalDpiX();
    QCOMPARE(rig.eval("Screen.TwipsPerPixelX").toString().toDouble(), twips);
    QVERIFY(rig.eval("Screen.Width").toString().toDouble() > 0);
    QCOMPARE(rig.eval("App.Path"), QVariant(rig.dir.path()));
    QCOMPARE(rig.eval("App.Title"), QVariant("Talvoro"));
    QCOMPARE(rig.eval("TypeName(DrawWin) <> \"Nothing\""), QVariant("True"));
}

void WindowScripts::scriptObjectRunsCodeInsideAScript() {
    WindowRig rig("Sub Early()\r\nEnd Sub\r\n");
    QCOMPARE(rig.run("ScriptObject.AddCode \"Function Late()\" & vbCrLf & \"Late = 9\" & vbCrLf & \"End Function\""),
             QString());
    QCOMPARE(rig.eval("Late() + ScriptObject.Eval(\"1+1\") + ScriptObject.Run(\"Late\")"), QVariant("20"));
    QCOMPARE(rig.eval("ScriptObject.Procedures.Count"), QVariant("2"));
    QCOMPARE(rig.eval("ScriptObject.Procedures(2).Name"), QVariant("Late"));
    QCOMPARE(rig.eval("ScriptObject.Language"), QVariant("VBScript"));
    QVERIFY(!rig.run("ScriptObject.AddCode \"x = (\"").isEmpty());  // its error reaches the caller
}

// Each would reset or re-enter the engine under the running script: the
// script gets a run-time error, and the engine keeps working afterwards.
void WindowScripts::reentrantCallsAreRefused() {
    WindowRig rig("Dim marker\r\nmarker = 1\r\n");
    rig.window->txt_input()->setText(u"1+1");
    for (const char* call : {"MainForm.LoadScripts \"x.tvo\"", "MainForm.LoadScriptFile", "ScriptObject.Reset",
                             "MainForm.EvaluateInput"}) {
        QCOMPARE(rig.run(call), kCannotDoNow);
        QCOMPARE(rig.eval("marker"), QVariant("1"));
    }
    QCOMPARE(rig.inputText(), QString("1+1"));
    rig.window->txt_output()->SetText(u"");
    rig.window->txt_input()->setText(u"");
    rig.enter("!On Error Resume Next : MainForm.LoadScriptFile : MainForm.OPrint Err.Number");
    QCOMPARE(rig.lines().last(), QString("17"));
}

void WindowScripts::functionsStartsEditorWithQuotedPath() {
    WindowRig rig("", "TextEditor=my editor --wait\r\n");
    rig.window->cmd_funcs()->click();  // cancelled: nothing started
    QVERIFY(rig.editor.commands.empty());
    QCOMPARE(rig.editor.filters.at(0), QString("Talvoro Scripts (*.tvo);;All Files (*)"));
    // The dialog opens in the folder of the main script file.
    QCOMPARE(rig.editor.startFolders.at(0), QFileInfo(rig.path("scripts.tvo")).absolutePath());

    rig.editor.chosen = "/tmp/some dir/lib.tvo";
    rig.window->cmd_funcs()->click();
    QCOMPARE(rig.editor.commands, std::vector<QString>{"my editor --wait \"/tmp/some dir/lib.tvo\""});
    QVERIFY(rig.box.texts.empty());

    rig.editor.starts = false;
    rig.window->cmd_funcs()->click();
    QCOMPARE(rig.box.texts.size(), size_t(1));
    QVERIFY(rig.box.texts[0].startsWith("The text editor could not be started"));
}

QTEST_MAIN(WindowScripts)
#include "tst_window_scripts.moc"

void WindowScripts::msgBoxAndInputBoxShowDialogs() {
    WindowRig rig("");
    QString seenText, seenTitle;
    whenModalAppears([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        seenText = box->text();
        seenTitle = box->windowTitle();
        box->button(QMessageBox::No)->click();
    });
    QCOMPARE(rig.run("answer = MsgBox(\"Go on?\", vbYesNo + vbQuestion)"), QString());
    QCOMPARE(seenText, QString("Go on?"));
    QCOMPARE(seenTitle, QString("Talvoro"));
    QCOMPARE(rig.eval("answer"), QVariant("7"));  // vbNo

    whenModalAppears([&](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        QVERIFY(dialog != nullptr);
        seenTitle = dialog->windowTitle();
        QCOMPARE(dialog->textValue(), QString("x"));
        dialog->setTextValue("typed");
        dialog->accept();
    });
    QCOMPARE(rig.run("name = InputBox(\"Name?\", \"Ask\", \"x\")"), QString());
    QCOMPARE(seenTitle, QString("Ask"));
    QCOMPARE(rig.eval("name"), QVariant("typed"));

    whenModalAppears([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QCOMPARE(rig.run("name = InputBox(\"Name?\")"), QString());
    QCOMPARE(rig.eval("name"), QVariant(""));
}
