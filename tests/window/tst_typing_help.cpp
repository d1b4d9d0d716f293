// Help while typing, driven through real key events on the window: the
// completion popup in the input line and the quick panel, F1, and the keys
// that must behave as before while no popup is shown.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <map>

#include "console/command_history.h"
#include "host/wscript.h"
#include "scripts/object_members.h"
#include "scripts/quick_panel.h"
#include "window/typing_help.h"
#include "window_rig.h"

using talvoro::ObjectMembers;
using talvoro::TypingHelp;
using talvoro::testing::WindowRig;

namespace {

QStringList rows(const TypingHelp& help) {
    QStringList out;
    for (int i = 0; i < help.popup().rowCount(); ++i) out << help.popup().rowSignature(i);
    return out;
}

// A script that makes one object of every kind the member tables describe.
const char* kObjectsScript =
    "Set fso = CreateObject(\"Scripting.FileSystemObject\")\r\n"
    "Set aFolder = fso.GetFolder(App.Path)\r\n"
    "Set aFile = fso.GetFile(fso.BuildPath(App.Path, \"scripts.tvo\"))\r\n"
    "Set aStream = aFile.OpenAsTextStream(1)\r\n"
    "Set aDrive = aFolder.Drive\r\n"
    "Set aDictionary = CreateObject(\"Scripting.Dictionary\")\r\n"
    "Set aRegExp = New RegExp\r\n"
    "aRegExp.Pattern = \"(a)\"\r\n"
    "Set someMatches = aRegExp.Execute(\"a\")\r\n"
    "Set aMatch = someMatches(0)\r\n"
    "Set someGroups = aMatch.SubMatches\r\n"
    "Set anErr = Err\r\n"
    "Set aList = CreateObject(\"System.Collections.ArrayList\")\r\n"
    "Set aTable = CreateObject(\"System.Collections.Hashtable\")\r\n"
    "aTable.Add 1, 2\r\n"
    "For Each entry In aTable : Set anEntry = entry : Next\r\n"
    "Set someKeys = aTable.Keys : Set someValues = aTable.Values\r\n"
    "Set aSortedList = CreateObject(\"System.Collections.SortedList\")\r\n"
    "Set keyList = aSortedList.Keys : Set valueList = aSortedList.Values\r\n"
    "Set aStack = CreateObject(\"System.Collections.Stack\")\r\n"
    "Set aQueue = CreateObject(\"System.Collections.Queue\")\r\n"
    "Set aRandom = CreateObject(\"System.Random\")\r\n"
    "Set aShell = CreateObject(\"WScript.Shell\")\r\n"
    "Set anEnvironment = aShell.Environment : Set someFolders = aShell.SpecialFolders\r\n"
    "Set anExec = aShell.Exec(\"true\")\r\n"
    "Set aNetwork = CreateObject(\"WScript.Network\")\r\n";

}  // namespace

class TypingHelpTest : public QObject {
    Q_OBJECT

private slots:
    void init() { talvoro::processHistory() = talvoro::CommandHistory(); }
    void twoLettersOfferBuiltinsAndEnterInsertsWithBracket();
    void membersAfterANamedObjectDownAndEnter();
    void escapeAndANonNameCharacterClose();
    void withoutPopupEnterEvaluatesAndUpWalksHistory();
    void escapeStoppingARunClosesTheList();
    void ctrlSpaceOffersAtAnyPointAndFocusStays();
    void clickInsertsTheRow();
    void noMembersOfAnObjectTheWindowLacks();
    void aNameWithBlanksGoesInInBrackets();
    void popupClosesWhenTheWindowMoves();
    void quickPanelCompletesAndTabStillIndents();
    void f1ShowsSignatureOrSaysUnknown();
    void everyTabledMemberExistsOnTheRealObject();
};

void TypingHelpTest::twoLettersOfferBuiltinsAndEnterInsertsWithBracket() {
    WindowRig rig("");
    TypingHelp& help = rig.window->inputHelp();
    QTest::keyClicks(rig.window->txt_input(), "S");
    QVERIFY(!help.popupShown());  // one letter is not enough
    QTest::keyClicks(rig.window->txt_input(), "q");
    QVERIFY(help.popupShown());
    QVERIFY(rows(help).contains("Sqr(number)"));
    const int linesBefore = rig.lines().size();
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Return);
    QCOMPARE(rig.inputText(), QString("Sqr("));
    QVERIFY(!help.popupShown());
    QCOMPARE(rig.lines().size(), linesBefore);  // Enter inserted, evaluated nothing
    QTest::keyClicks(rig.window->txt_input(), "9");
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Return);
    QCOMPARE(rig.lines().last(), QString("A:3"));
}

void TypingHelpTest::membersAfterANamedObjectDownAndEnter() {
    WindowRig rig("");
    TypingHelp& help = rig.window->inputHelp();
    QTest::keyClicks(rig.window->txt_input(), "MainForm.Dr");
    QCOMPARE(rows(help), QStringList({"DrawCircle(X, Y, R)", "DrawDot(X1, Y1)", "DrawLine(X1, Y1, X2, Y2)"}));
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Down);
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Return);
    QCOMPARE(rig.inputText(), QString("MainForm.DrawDot"));  // a Sub: no bracket
}

void TypingHelpTest::escapeAndANonNameCharacterClose() {
    WindowRig rig("");
    TypingHelp& help = rig.window->inputHelp();
    QTest::keyClicks(rig.window->txt_input(), "Ab");
    QVERIFY(help.popupShown());
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Escape);
    QVERIFY(!help.popupShown());
    QCOMPARE(rig.inputText(), QString("Ab"));
    QTest::keyClicks(rig.window->txt_input(), "s");  // typing on opens it again
    QVERIFY(help.popupShown());
    QTest::keyClicks(rig.window->txt_input(), "(");
    QVERIFY(!help.popupShown());
    QCOMPARE(rig.inputText(), QString("Abs("));  // the character went on into the line
}

void TypingHelpTest::escapeStoppingARunClosesTheList() {
    WindowRig rig("");
    TypingHelp& help = rig.window->inputHelp();
    bool shownDuringRun = false;
    QTimer::singleShot(0, qApp, [&] {  // once the running script lets the window respond
        QTest::keyClicks(rig.window->txt_input(), "Ab");
        shownDuringRun = help.popupShown();
        QTest::keyClick(rig.window->txt_input(), Qt::Key_Escape);
    });
    rig.enter("!Do: Loop");
    QVERIFY(shownDuringRun);
    QVERIFY(!rig.window->scr_main().Running());
    QVERIFY(!help.popupShown());
}

void TypingHelpTest::withoutPopupEnterEvaluatesAndUpWalksHistory() {
    WindowRig rig("");
    TypingHelp& help = rig.window->inputHelp();
    QTest::keyClicks(rig.window->txt_input(), "Abs(-4)");
    QVERIFY(!help.popupShown());
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Return);
    QCOMPARE(rig.lines().last(), QString("A:4"));
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Up);
    QCOMPARE(rig.inputText(), QString("Abs(-4)"));  // recalled, and no popup for it
    QVERIFY(!help.popupShown());
    // A paste is no typing: it opens nothing, so Enter still evaluates.
    rig.window->txt_input()->setText(u"");
    QApplication::clipboard()->setText("4*Ab");
    QTest::keyClick(rig.window->txt_input(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(rig.inputText(), QString("4*Ab"));
    QVERIFY(!help.popupShown());
    // With the popup shown, Up moves in the list and leaves the line alone.
    rig.window->txt_input()->setText(u"");
    QTest::keyClicks(rig.window->txt_input(), "Ma");
    QVERIFY(help.popupShown());
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Up);
    QCOMPARE(rig.inputText(), QString("Ma"));
    // A function typed out in full that needs no arguments is evaluated too.
    rig.window->txt_input()->setText(u"");
    for (const QString typed : {"Now", "rnd"}) {
        rig.enter(typed);
        QCOMPARE(rig.lines().at(rig.lines().size() - 2), typed);
    }
    // So is a whole name that begins others: "a1" with a10 also offered.
    rig.run("a1 = 5 : a10 = 6");
    QTest::keyClicks(rig.window->txt_input(), "a1");
    QVERIFY(help.popupShown());
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Return);
    QVERIFY(!help.popupShown());
    QCOMPARE(rig.lines().last(), QString("A:5"));
}

void TypingHelpTest::ctrlSpaceOffersAtAnyPointAndFocusStays() {
    WindowRig rig("");
    rig.window->show();
    rig.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
    TypingHelp& help = rig.window->inputHelp();
    QTest::keyClicks(rig.window->txt_input(), "S");
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Space, Qt::ControlModifier);
    QVERIFY(help.popupShown());
    QVERIFY(rows(help).contains("Sqr(number)"));
    QCOMPARE(rig.inputText(), QString("S"));
    QVERIFY(rig.window->txt_input()->hasFocus());
    QVERIFY(QApplication::activeWindow() == rig.window.get());
    // Forced on an empty line it lists every name, the named objects among
    // them, kVisibleRows at a time, no wider than kMaxWidth.
    rig.window->txt_input()->setText(u"");
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Space, Qt::ControlModifier);
    QVERIFY(rows(help).contains("MainForm"));
    const int shown = talvoro::CompletionPopup::kVisibleRows;
    QVERIFY(help.popup().rowCount() > shown);
    QTreeWidget* list = help.popup().list();
    const int viewHeight = list->viewport()->height();
    QVERIFY(list->visualItemRect(list->topLevelItem(shown - 1)).bottom() < viewHeight);
    QVERIFY(list->visualItemRect(list->topLevelItem(shown)).top() >= viewHeight);
    QVERIFY(help.popup().width() <= talvoro::CompletionPopup::kMaxWidth);
    QTest::keyClick(rig.window->txt_input(), Qt::Key_PageDown);
    QCOMPARE(list->currentIndex().row(), shown);
    // Forced before a name, the chosen one goes in front of it, not in its place.
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Escape);
    rig.window->txt_input()->setText(u"x+1");
    rig.window->txt_input()->setCaret(0);
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Space, Qt::ControlModifier);
    const QString chosen = help.popup().list()->currentItem()->text(0);
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Return);
    QVERIFY2(rig.inputText().endsWith("x+1") && rig.inputText().size() > 3,
             qPrintable(chosen + " / " + rig.inputText()));
}

void TypingHelpTest::clickInsertsTheRow() {
    WindowRig rig("");
    TypingHelp& help = rig.window->inputHelp();
    QTest::keyClicks(rig.window->txt_input(), "2*MainForm.Ge");
    QCOMPARE(rows(help), QStringList({"GetIStr(MessageStr)", "GetIVal(MessageStr)"}));
    QTreeWidget* list = help.popup().list();
    const QRect second = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(rig.inputText(), QString("2*MainForm.GetIVal("));  // a function: with its bracket
    QVERIFY(!help.popupShown());
}

// WScript is the script host's: the window's scripts cannot reach it, so its
// members would complete to an error.
void TypingHelpTest::noMembersOfAnObjectTheWindowLacks() {
    WindowRig rig("");
    QVERIFY(!rig.run("WScript.Echo 1").isEmpty());
    TypingHelp& help = rig.window->inputHelp();
    QTest::keyClicks(rig.window->txt_input(), "WScript.Ec");
    QVERIFY(!help.popupShown());
}

void TypingHelpTest::aNameWithBlanksGoesInInBrackets() {
    WindowRig rig("");
    QCOMPARE(rig.run("[my var] = 5"), QString());
    QTest::keyClicks(rig.window->txt_input(), "2*my");
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Return);
    QCOMPARE(rig.inputText(), QString("2*[my var]"));
}

// The popup is a window of its own, placed under the name: it would stay
// behind where the line was.
void TypingHelpTest::popupClosesWhenTheWindowMoves() {
    WindowRig rig("");
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
    QTest::keyClicks(rig.window->txt_input(), "Sq");
    QVERIFY(rig.window->inputHelp().popupShown());
    rig.window->move(rig.window->pos() + QPoint(40, 30));
    QTRY_VERIFY(!rig.window->inputHelp().popupShown());
}

void TypingHelpTest::quickPanelCompletesAndTabStillIndents() {
    WindowRig rig("");
    QPlainTextEdit* quick = rig.window->quickPanel()->txt_quick();
    TypingHelp& help = rig.window->quickHelp();
    QTest::keyClicks(quick, "MainForm.Dr");
    QCOMPARE(help.popup().rowCount(), 3);
    QTest::keyClick(quick, Qt::Key_Return);
    QCOMPARE(quick->toPlainText(), QString("MainForm.DrawCircle"));  // no line break
    QTest::keyClick(quick, Qt::Key_Return);  // no popup: a new line as before
    QTest::keyClick(quick, Qt::Key_Tab);
    QCOMPARE(quick->toPlainText(), QString("MainForm.DrawCircle\n   "));
    QVERIFY(!help.popupShown());
}

void TypingHelpTest::f1ShowsSignatureOrSaysUnknown() {
    WindowRig rig("");
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
    const int linesBefore = rig.lines().size();
    rig.window->txt_input()->setText(u"1+Sqr(2)");
    rig.window->txt_input()->setCaret(4);  // inside "Sqr"
    QTest::keyClick(rig.window->txt_input(), Qt::Key_F1);
    QVERIFY(QToolTip::text().contains("Sqr</b>(number)"));
    QVERIFY(QToolTip::text().contains("Square root"));
    rig.window->txt_input()->setText(u"sqrt(2)");
    rig.window->txt_input()->setCaret(2);
    QTest::keyClick(rig.window->txt_input(), Qt::Key_F1);
    QVERIFY(QToolTip::text().contains("No help for <b>sqrt</b>"));
    QCOMPARE(rig.lines().size(), linesBefore);  // F1 evaluates nothing
    QCOMPARE(rig.inputText(), QString("sqrt(2)"));
}

// Each table's names are looked up on a real object of its kind, so a
// renamed or missing member fails here rather than offering a dead name.
void TypingHelpTest::everyTabledMemberExistsOnTheRealObject() {
    WindowRig rig("");
    QCOMPARE(rig.run(kObjectsScript), QString());
    QCOMPARE(rig.run("Set theForm = MainForm : Set theScreen = CalcScreen : Set theMetrics = Screen\r\n"
                     "Set theApp = App : Set theEngine = ScriptObject : Set theSurface = DrawWin"),
             QString());
    std::map<std::u16string, vbs::Dispatch*> byKind;
    for (const vbs::VariableInfo& v : rig.window->scr_main().Variables()) {
        if (!v.Value.isObject() || v.Value.isNothing()) continue;
        auto* object = dynamic_cast<vbs::Dispatch*>(v.Value.asObject());
        byKind[vbs::foldName(v.Name.substr(0, 3) == u"the" ? v.Name.substr(3) : object->typeName())] = object;
    }
    talvoro::host::WScriptObject scriptHost({});  // talvoro-run's; the window has none
    byKind[u"WSCRIPT"] = scriptHost.object();
    const std::map<std::u16string, std::u16string> namedAs = {
        {u"MainForm", u"Form"}, {u"CalcScreen", u"Screen"}, {u"Screen", u"Metrics"},
        {u"App", u"App"},       {u"ScriptObject", u"Engine"}, {u"DrawWin", u"Surface"}};
    auto check = [&](const ObjectMembers& table, std::u16string_view key) {
        vbs::Dispatch* object = byKind[vbs::foldName(key)];
        QVERIFY2(object != nullptr, qPrintable(QString::fromStdU16String(std::u16string(table.name))));
        for (auto members : {table.members, table.shared}) {
            for (const talvoro::MemberEntry& m : members) {
                const std::u16string member = std::u16string(table.name) + u"." + std::u16string(m.name);
                QVERIFY2(object->findMember(m.name) != vbs::kNoMember, qPrintable(QString::fromStdU16String(member)));
            }
        }
    };
    for (const ObjectMembers& table : talvoro::NamedObjectMembers())
        check(table, namedAs.at(std::u16string(table.name)));
    for (const ObjectMembers& table : talvoro::ObjectKindMembers()) check(table, table.name);
}

QTEST_MAIN(TypingHelpTest)
#include "tst_typing_help.moc"
