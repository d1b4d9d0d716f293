// The input line's keys and the transcript's rules, driven through real key
// events on a window built without a script library of consequence.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QMouseEvent>
#include <QTest>
#include <QTextBlock>
#include <utility>

#include "console/command_history.h"
#include "scripts/quick_panel.h"
#include "window_rig.h"

using talvoro::testing::WindowRig;

class ConsoleKeys : public QObject {
    Q_OBJECT

private slots:
    void init() { talvoro::processHistory() = talvoro::CommandHistory(); }
    void operatorFirstContinuesFromAns();
    void operatorAfterOtherTextIsLeftAlone();
    void ansIsInsertedOncePerEvaluation();
    void enterOnEmptyLineRepeatsNewest();
    void ctrlEnterEvaluatesAndSpacesOnlyLineIsEvaluated();
    void upAndDownRecallWithCaretAtEnd();
    void transcriptAppendsAndKeepsCrLf();
    void oprintContinuesATextWithoutLineEnd();
    void charactersTypedInTranscriptGoToInputEnd();
    void controlKeysInTranscriptPassNothing();
    void gatheredLinesReadAsAppliedAtOnce();
    void clipboardGetsWholeText();
    void doubleClickAndCtrlCCopyAWholeAnswer();
    void calcScreenSelectionCountsCrLfAsTwo();
    void loneLineBreakIsCleared();
    void typingReachesInputWhenWindowIsActive();
    void firstKeyAfterAButtonClickIsKept();
};

void ConsoleKeys::operatorFirstContinuesFromAns() {
    WindowRig rig("");
    rig.enter("2*3");
    QTest::keyClick(rig.window->txt_input(), '/');
    QCOMPARE(rig.inputText(), QString("Ans/"));
    QTest::keyClicks(rig.window->txt_input(), "2");
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Return);
    QCOMPARE(rig.lines().last(), QString("A:3"));
    QVERIFY(!rig.window->variables().AnsIns);

    for (const char* op : {"+", "-", "*", "\\"}) {
        rig.window->variables().AnsIns = false;
        rig.window->txt_input()->setText(u"");
        QTest::keyClicks(rig.window->txt_input(), op);
        QCOMPARE(rig.inputText(), QString("Ans") + op);
        QVERIFY(rig.window->variables().AnsIns);
    }
}

void ConsoleKeys::operatorAfterOtherTextIsLeftAlone() {
    WindowRig rig("");
    QTest::keyClicks(rig.window->txt_input(), "(-5)");
    QCOMPARE(rig.inputText(), QString("(-5)"));
    rig.window->txt_input()->setText(u"");
    QTest::keyClicks(rig.window->txt_input(), "2+3");
    QCOMPARE(rig.inputText(), QString("2+3"));
    rig.window->txt_input()->setText(u"");
    QTest::keyClicks(rig.window->txt_input(), "!$");
    QCOMPARE(rig.inputText(), QString("!$"));
}

void ConsoleKeys::ansIsInsertedOncePerEvaluation() {
    WindowRig rig("");
    QTest::keyClicks(rig.window->txt_input(), "-");
    QCOMPARE(rig.inputText(), QString("Ans-"));
    rig.window->txt_input()->setText(u"");  // the user empties the line
    QTest::keyClicks(rig.window->txt_input(), "+5");
    QCOMPARE(rig.inputText(), QString("+5"));
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Return);
    QTest::keyClicks(rig.window->txt_input(), "-5");
    QCOMPARE(rig.inputText(), QString("Ans-5"));  // re-armed by the evaluation
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Return);
    QCOMPARE(rig.lines().last(), QString("A:0"));  // Ans was 5
}

void ConsoleKeys::enterOnEmptyLineRepeatsNewest() {
    WindowRig rig("");
    const QStringList atStart = rig.lines();
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Return);  // empty history: nothing happens
    QCOMPARE(rig.lines(), atStart);
    QCOMPARE(talvoro::processHistory().HistoryCount(), 0);
    rig.enter("40+2");
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Return);
    QCOMPARE(rig.lines().mid(rig.lines().size() - 4),
             QStringList({"40+2", "A:42", "40+2", "A:42"}));
    QCOMPARE(talvoro::processHistory().HistoryCount(), 2);
    QCOMPARE(rig.inputText(), QString());
}

void ConsoleKeys::ctrlEnterEvaluatesAndSpacesOnlyLineIsEvaluated() {
    WindowRig rig("");
    QTest::keyClicks(rig.window->txt_input(), "7*6");
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(rig.lines().last(), QString("A:42"));
    QCOMPARE(rig.inputText(), QString());

    const int shown = rig.lines().size();
    rig.enter("   ");
    QVERIFY(rig.lines().size() > shown);  // an empty command still writes its lines
    QCOMPARE(talvoro::processHistory().HistoryCount(), 2);
}

void ConsoleKeys::upAndDownRecallWithCaretAtEnd() {
    WindowRig rig("");
    rig.enter("11");
    rig.enter("22");
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Up);
    QCOMPARE(rig.inputText(), QString("22"));
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Up);
    QCOMPARE(rig.inputText(), QString("11"));
    QCOMPARE(rig.window->txt_input()->textCursor().position(), 2);
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Down);  // the cursor had wrapped to the newest
    QCOMPARE(rig.inputText(), QString("22"));
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Down);
    QCOMPARE(rig.inputText(), QString("11"));
    QCOMPARE(rig.window->txt_input()->textCursor().position(), 2);

    talvoro::processHistory() = talvoro::CommandHistory();
    rig.window->txt_input()->setText(u"kept");
    QTest::keyClick(rig.window->txt_input(), Qt::Key_Up);  // empty history: the line stays
    QCOMPARE(rig.inputText(), QString("kept"));
}

void ConsoleKeys::transcriptAppendsAndKeepsCrLf() {
    WindowRig rig("");
    auto* pane = rig.window->txt_output();
    pane->SetText(u"");
    rig.window->OPrint(u"");
    QCOMPARE(pane->Text(), std::u16string(u"\r\n"));
    rig.window->OPrint(u"a\r\nb");
    QCOMPARE(pane->Text(), std::u16string(u"\r\na\r\nb\r\n"));
    QCOMPARE(pane->SelStart(), 8);
    pane->AppendLine(u"c");  // the caret stays until SetToTop
    QCOMPARE(pane->SelStart(), 8);
    QCOMPARE(pane->Text(), std::u16string(u"\r\na\r\nb\r\nc\r\n"));
    pane->SetText(u"");
    pane->SetToTop();
    QCOMPARE(pane->SelStart(), 0);
}

void ConsoleKeys::oprintContinuesATextWithoutLineEnd() {
    WindowRig rig("");
    QCOMPARE(rig.run("CalcScreen.Text = \"abc\""), QString());
    QCOMPARE(rig.run("MainForm.OPrint \"def\""), QString());
    QCOMPARE(rig.window->txt_output()->Text(), std::u16string(u"abcdef\r\n"));
}

void ConsoleKeys::charactersTypedInTranscriptGoToInputEnd() {
    WindowRig rig("");
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
    rig.window->txt_input()->setText(u"12");
    QTextCursor cursor = rig.window->txt_input()->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(2, QTextCursor::KeepAnchor);  // the 2 selected
    rig.window->txt_input()->setTextCursor(cursor);
    const std::u16string transcript = rig.window->txt_output()->Text();
    QTest::keyClick(rig.window->txt_output(), '5');
    QCOMPARE(rig.inputText(), QString("125"));
    QCOMPARE(rig.window->txt_input()->textCursor().position(), 3);
    QCOMPARE(rig.window->txt_output()->Text(), transcript);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rig.window->txt_input()));

    // An operator arriving this way is a change of the text, not a keystroke.
    rig.window->txt_input()->setText(u"");
    rig.window->variables().AnsIns = false;
    QTest::keyClick(rig.window->txt_output(), '+');
    QCOMPARE(rig.inputText(), QString("+"));
}

// They do nothing at all: neither the input line nor the focus changes, so
// a later Enter cannot evaluate the line unasked.
void ConsoleKeys::controlKeysInTranscriptPassNothing() {
    WindowRig rig("");
    rig.window->show();
    rig.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
    rig.window->txt_input()->setText(u"2+");
    rig.window->txt_output()->setFocus();
    const QStringList shown = rig.lines();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Tab,
                        Qt::Key_Backtab}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rig.window->txt_output()));
    }
    QCOMPARE(rig.inputText(), QString("2+"));
    QCOMPARE(rig.lines(), shown);
}

// Lines are gathered and put in together; whatever reads the pane sees
// each line, and the caret, as if it had been applied at once.
void ConsoleKeys::gatheredLinesReadAsAppliedAtOnce() {
    WindowRig rig("");
    auto* pane = rig.window->txt_output();
    pane->SetText(u"");
    pane->AppendLine(u"a");
    pane->SetToTop();
    pane->AppendLine(u"b");  // after the SetToTop: the caret stays after "a"
    QCOMPARE(pane->SelStart(), 3);
    QCOMPARE(pane->Text(), std::u16string(u"a\r\nb\r\n"));
    QCOMPARE(rig.run("MainForm.OPrint \"xy\" : n = CalcScreen.SelStart : t = Len(CalcScreen.Text)"), QString());
    QCOMPARE(rig.eval("n & \" \" & t"), QVariant("10 10"));

    // A selection the user made stays while lines arrive without SetToTop.
    pane->SetSelStart(0);
    pane->SetSelLength(1);
    pane->AppendLine(u"c");
    QCOMPARE(pane->SelText(), std::u16string(u"a"));

    // A new text replaces gathered lines, and their caret with them.
    pane->AppendLine(u"lost");
    pane->SetToTop();
    pane->SetText(u"z");
    QCOMPARE(pane->Text(), std::u16string(u"z"));
    QCOMPARE(pane->SelStart(), 0);

    // Without any reader, the lines reach the document once events run.
    pane->OPrint(u"later");
    QTRY_COMPARE(pane->toPlainText(), QString("zlater\n"));  // "z" had no line end
    QCOMPARE(pane->textCursor().position(), int(pane->toPlainText().size()));
}

void ConsoleKeys::clipboardGetsWholeText() {
    WindowRig rig("");
    rig.window->txt_output()->SetText(u"");
    rig.window->cmd_clipboard()->click();
    QCOMPARE(QApplication::clipboard()->text(), QString());
    rig.enter("1+1");
    rig.window->cmd_clipboard()->click();
    QCOMPARE(QApplication::clipboard()->text(), QString("1+1\r\nA:2\r\n"));
}

// The pointer on the answer's last digit: Qt's word there would be "4" or "07".
void ConsoleKeys::doubleClickAndCtrlCCopyAWholeAnswer() {
    WindowRig rig("");
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
    auto* pane = rig.window->txt_output();
    for (const auto& [typed, answer] : {std::pair{"-2*2", "-4"}, std::pair{"1.5E-7", "1.5E-07"}}) {
        rig.enter(typed);
        QCOMPARE(rig.lines().last(), QString("A:") + answer);
        pane->flushPendingLines();
        QTextCursor lastDigit(pane->document()->lastBlock().previous());
        lastDigit.movePosition(QTextCursor::EndOfBlock);
        lastDigit.movePosition(QTextCursor::Left);
        const QRect digit = pane->cursorRect(lastDigit);
        const QPoint pointer = digit.center() + QPoint(2, 0);
        QTest::mouseDClick(pane->viewport(), Qt::LeftButton, {}, pointer);
        // The hand trembles before the button comes up.
        QMouseEvent tremble(QEvent::MouseMove, pointer - QPoint(1, 0), pane->viewport()->mapToGlobal(pointer),
                            Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(pane->viewport(), &tremble);
        QApplication::clipboard()->clear();
        QTest::keyClick(pane, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString(answer));
    }
}

void ConsoleKeys::calcScreenSelectionCountsCrLfAsTwo() {
    WindowRig rig("");
    QCOMPARE(rig.run("CalcScreen.Text = \"ab\" & vbCrLf & \"cd\" & vbCrLf"), QString());
    QCOMPARE(rig.run("CalcScreen.SelStart = 4 : CalcScreen.SelLength = 2"), QString());
    QCOMPARE(rig.eval("CalcScreen.SelText"), QVariant("cd"));
    QCOMPARE(rig.eval("CalcScreen.SelStart"), QVariant("4"));
    QCOMPARE(rig.run("CalcScreen.SelText = \"XY\" & vbCrLf & \"Z\""), QString());
    QCOMPARE(rig.window->txt_output()->Text(), std::u16string(u"ab\r\nXY\r\nZ\r\n"));
    QCOMPARE(rig.run("CalcScreen.SelStart = -1"), QString("Invalid procedure call or argument"));
}

void ConsoleKeys::loneLineBreakIsCleared() {
    WindowRig rig("");
    rig.window->txt_input()->setText(u"\r\n");
    QCOMPARE(rig.inputText(), QString());
    rig.window->txt_input()->setText(u"1\r\n");
    QCOMPARE(rig.inputText(), QString("1\r\n"));  // only a line break alone is removed
}

// A click on "Run" or "Output to Clipboard" leaves the keyboard with the
// input line: the first key typed after it is not lost.
void ConsoleKeys::firstKeyAfterAButtonClickIsKept() {
    WindowRig rig("");
    rig.window->show();
    rig.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
    for (QPushButton* button : {rig.window->quickPanel()->cmd_quickrun(), rig.window->cmd_clipboard()}) {
        rig.window->quickPanel()->txt_quick()->setFocus();  // the user was typing the script
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), "12+1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(rig.lines().mid(rig.lines().size() - 2), QStringList({"12+1", "A:13"}));
    }
    // A printable key that reaches the window itself goes on to the line.
    QTest::keyClick(rig.window.get(), '7');
    QCOMPARE(rig.inputText(), QString("7"));
}

// Keys typed "at the window" reach the input line: the focus is there.
void ConsoleKeys::typingReachesInputWhenWindowIsActive() {
    WindowRig rig("");
    rig.window->show();
    rig.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
    QTest::keyClicks(nullptr, "6*7");
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
    QCOMPARE(rig.lines().last(), QString("A:42"));
}

QTEST_MAIN(ConsoleKeys)
#include "tst_console_keys.moc"
