// The quick script panel driven without a screen: fake dialogs answer the
// file and Yes/No questions, a fake transcript records what the panel prints.
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QWidget>
#include <deque>

#include "scripts/quick_panel.h"
#include "scripts/vbs_highlighter.h"

using namespace talvoro;

namespace {

class FakeTranscript : public Transcript {
public:
    // Every call in order: "append:<line>" or "top".
    QStringList calls;
    void AppendLine(const std::u16string& line) override {
        calls << QStringLiteral("append:") + QString::fromStdU16String(line);
    }
    void SetToTop() override { calls << QStringLiteral("top"); }
};

class FakeDialogs : public QuickPanelDialogs {
public:
    QString nextFile;           // what the next file dialog returns ("" = cancelled)
    bool answerYes = false;     // the answer to the Yes/No question
    QStringList filters;        // the filter of every file dialog shown
    QStringList fileDialogs;    // "save" / "open", in order
    QStringList questions;
    QStringList messages;

    QString chooseSaveFile(const QString& filter) override {
        filters << filter;
        fileDialogs << QStringLiteral("save");
        return nextFile;
    }
    QString chooseOpenFile(const QString& filter) override {
        filters << filter;
        fileDialogs << QStringLiteral("open");
        return nextFile;
    }
    bool askYesNo(const QString& text) override {
        questions << text;
        return answerYes;
    }
    void showMessage(const QString& text) override { messages << text; }
};

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The next widget Tab would reach from `widget` (the text box's inner
// viewport takes no focus and is skipped).
QWidget* nextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    return next;
}

// What `expression` evaluates to on `engine`, as CStr shows it.
QString evalText(vbs::ScriptEngine& engine, const char* expression) {
    const std::u16string code = u"CStr(" + QString::fromLatin1(expression).toStdU16String() + u")";
    return QString::fromStdU16String(engine.Eval(code).asString());
}

// The engine's own description of the error `code` raises.
QString engineDescription(const QString& code) {
    vbs::ScriptEngine engine;
    try {
        engine.ExecuteStatement(code.toStdU16String());
    } catch (const vbs::ScriptException& failure) {
        return QString::fromStdU16String(failure.error().description);
    }
    return QString();
}

}  // namespace

class TestQuickPanel : public QObject {
    Q_OBJECT

private:
    QWidget window_;
    vbs::ScriptEngine engine_;
    FakeTranscript transcript_;
    FakeDialogs dialogs_;
    QuickPanel* panel_ = nullptr;
    QTemporaryDir dir_;

    QPlainTextEdit* text() const { return panel_->txt_quick(); }

private slots:
    void init() {
        engine_.Reset();
        transcript_.calls.clear();
        dialogs_ = FakeDialogs();
        delete panel_;
        panel_ = new QuickPanel(&window_, engine_, transcript_, dialogs_);
        // The panel's controls went with the previous panel.
        QCOMPARE(window_.findChildren<QPlainTextEdit*>().size(), 1);
    }
    void cleanupTestCase() { delete panel_; }

    void controlsSitAtTheirPlaces() {
        QCOMPARE(text()->geometry(), QRect(0, 206, 201, 129));
        QCOMPARE(panel_->cmd_quickrun()->geometry(), QRect(0, 336, 41, 19));
        QCOMPARE(panel_->cmd_file(1)->geometry(), QRect(40, 336, 41, 19));
        QCOMPARE(panel_->cmd_file(0)->geometry(), QRect(80, 336, 41, 19));
        QCOMPARE(panel_->cmd_clear()->geometry(), QRect(120, 336, 33, 19));
        QCOMPARE(panel_->cmd_quickrun()->text(), QStringLiteral("Run"));
        QCOMPARE(panel_->cmd_file(0)->text(), QStringLiteral("Save"));
        QCOMPARE(panel_->cmd_file(1)->text(), QStringLiteral("Load"));
        QCOMPARE(panel_->cmd_clear()->text(), QStringLiteral("Clear"));
        QCOMPARE(panel_->cmd_file(2), nullptr);
        QCOMPARE(text()->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(text()->font().pointSizeF(), 9.75);
        QVERIFY(text()->toPlainText().isEmpty());

        // Run, Clear, the text, Save, Load.
        QCOMPARE(nextTabStop(panel_->cmd_quickrun()), panel_->cmd_clear());
        QCOMPARE(nextTabStop(panel_->cmd_clear()), text());
        QCOMPARE(nextTabStop(text()), panel_->cmd_file(0));
        QCOMPARE(nextTabStop(panel_->cmd_file(0)), panel_->cmd_file(1));

        panel_->setPanelWidth(432);
        QCOMPARE(text()->geometry(), QRect(0, 206, 432, 129));
    }

    // A successful run prints nothing, keeps the text, and leaves its
    // variables for the rest of the program's calls on the same engine.
    void runSharesTheEngine() {
        engine_.ExecuteStatement(u"Ans = 5");
        text()->setPlainText(QStringLiteral("x = Ans * 2\nFunction Twice(n)\n  Twice = 2 * n\nEnd Function\ny = Twice(x) + 1"));
        panel_->cmd_quickrun()->click();
        QVERIFY2(transcript_.calls.isEmpty(), qPrintable(transcript_.calls.join('|')));
        QCOMPARE(evalText(engine_, "y"), QStringLiteral("21"));
        QCOMPARE(evalText(engine_, "Twice(4)"), QStringLiteral("8"));
        QCOMPARE(text()->blockCount(), 5);
        QCOMPARE(text()->extraSelections().size(), 0);
    }

    void emptyRunDoesNothing() {
        panel_->cmd_quickrun_Click();
        QVERIFY(transcript_.calls.isEmpty());
        QVERIFY(text()->toPlainText().isEmpty());
    }

    // One entry "Error:<description>" CR LF "Line:<n>", then the caret to the
    // end; the text stays and its failing line is marked until it is edited.
    void syntaxErrorIsReportedWithItsLine() {
        const QString code = QStringLiteral("a = 1\nb = (\nc = 3");
        text()->setPlainText(code);
        panel_->cmd_quickrun_Click();
        const QString description = engineDescription(code);
        QVERIFY(!description.isEmpty());
        QCOMPARE(transcript_.calls,
                 QStringList({QStringLiteral("append:Error:") + description + QStringLiteral("\r\nLine:2"),
                              QStringLiteral("top")}));
        QCOMPARE(text()->toPlainText(), code);

        const QList<QTextEdit::ExtraSelection> marks = text()->extraSelections();
        QCOMPARE(marks.size(), 1);
        QCOMPARE(marks[0].cursor.block().blockNumber(), 1);

        // Re-colouring the text is not an edit: the mark stays.
        text()->document()->markContentsDirty(0, text()->document()->characterCount());
        QCOMPARE(text()->extraSelections().size(), 1);

        QTextCursor cursor(text()->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("\n"));
        QCOMPARE(text()->extraSelections().size(), 0);
    }

    // A run-time error: the statements before it have run, the line counts
    // lines of the panel from 1.
    void runtimeErrorKeepsEarlierEffects() {
        text()->setPlainText(QStringLiteral("a = 10\n\nb = a / 0\nc = 1"));
        panel_->cmd_quickrun_Click();
        QCOMPARE(transcript_.calls,
                 QStringList({QStringLiteral("append:Error:Division by zero\r\nLine:3"), QStringLiteral("top")}));
        QCOMPARE(evalText(engine_, "a"), QStringLiteral("10"));
        QCOMPARE(evalText(engine_, "IsEmpty(c)"), QStringLiteral("True"));
        QCOMPARE(text()->extraSelections().value(0).cursor.block().blockNumber(), 2);

        // A second, good run clears the mark.
        text()->setPlainText(QStringLiteral("b = 2"));
        panel_->cmd_quickrun_Click();
        QCOMPARE(transcript_.calls.size(), 2);
        QCOMPARE(text()->extraSelections().size(), 0);
    }

    void tabInsertsThreeSpaces() {
        text()->setPlainText(QStringLiteral("abcd"));
        QTextCursor cursor = text()->textCursor();
        cursor.setPosition(2);
        text()->setTextCursor(cursor);
        QTest::keyClick(text(), Qt::Key_Tab);
        QCOMPARE(text()->toPlainText(), QStringLiteral("ab   cd"));
        QCOMPARE(text()->textCursor().position(), 5);

        // A selection is replaced, across lines too.
        text()->setPlainText(QStringLiteral("If x Then\ny = 1"));
        cursor = text()->textCursor();
        cursor.setPosition(3);
        cursor.setPosition(11, QTextCursor::KeepAnchor);
        text()->setTextCursor(cursor);
        QTest::keyClick(text(), Qt::Key_Tab);
        QCOMPARE(text()->toPlainText(), QStringLiteral("If     = 1"));

        // Shift+Tab is the same key; other keys still type.
        text()->setPlainText(QString());
        QTest::keyClick(text(), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClicks(text(), QStringLiteral("x"));
        QCOMPARE(text()->toPlainText(), QStringLiteral("   x"));
    }

    // Saved as UTF-8 with CR LF line ends; loaded back whole, without running it.
    void saveAndLoadRoundTrip() {
        const QString path = dir_.filePath(QStringLiteral("round.tvo"));
        const QString code = QStringLiteral("s = \"\u00e9t\u00e9 \u03c0\"\nloaded = 1\n");
        text()->setPlainText(code);
        dialogs_.nextFile = path;
        panel_->cmd_file_Click(0);
        QCOMPARE(readBytes(path), QStringLiteral("s = \"\u00e9t\u00e9 \u03c0\"\r\nloaded = 1\r\n").toUtf8());

        text()->setPlainText(QStringLiteral("other"));
        panel_->cmd_file(1)->click();
        QCOMPARE(text()->toPlainText(), code);
        QCOMPARE(dialogs_.fileDialogs, QStringList({QStringLiteral("save"), QStringLiteral("open")}));
        const QString filter = QString::fromLatin1(QuickPanel::kScriptFilter);
        QCOMPARE(dialogs_.filters, QStringList({filter, filter}));
        QVERIFY(dialogs_.messages.isEmpty());
        QVERIFY(transcript_.calls.isEmpty());
        QCOMPARE(evalText(engine_, "IsEmpty(loaded)"), QStringLiteral("True"));
    }

    // Files from other editors: CR LF, a byte-order mark, a lone CR, ANSI.
    void loadReadsForeignLineEnds() {
        const QString path = dir_.filePath(QStringLiteral("foreign.tvo"));
        writeBytes(path, QByteArray("\xEF\xBB\xBFx = 1\r\ny = 2\rz = 3"));
        dialogs_.nextFile = path;
        text()->setPlainText(QStringLiteral("replaced without asking"));
        panel_->cmd_file_Click(1);
        QCOMPARE(text()->toPlainText(), QStringLiteral("x = 1\ny = 2\nz = 3"));
        QVERIFY(dialogs_.questions.isEmpty());

        // Not UTF-8: an ANSI file keeps its accented letters.
        writeBytes(path, QByteArray("s = \"\xE9t\xE9\""));
        panel_->cmd_file_Click(1);
        QCOMPARE(text()->toPlainText(), QStringLiteral("s = \"\u00e9t\u00e9\""));
    }

    void cancelledDialogsChangeNothing() {
        const QString path = dir_.filePath(QStringLiteral("kept.tvo"));
        writeBytes(path, QByteArray("old"));
        text()->setPlainText(QStringLiteral("mine"));
        dialogs_.nextFile = QString();
        panel_->cmd_file_Click(0);
        panel_->cmd_file_Click(1);
        QCOMPARE(dialogs_.fileDialogs, QStringList({QStringLiteral("save"), QStringLiteral("open")}));
        QCOMPARE(text()->toPlainText(), QStringLiteral("mine"));
        QCOMPARE(readBytes(path), QByteArray("old"));
        QVERIFY(dialogs_.messages.isEmpty());
    }

    void unwritableAndUnreadableFilesAreReported() {
        text()->setPlainText(QStringLiteral("keep me"));
        const QString badSave = dir_.filePath(QStringLiteral("no-such-dir/x.tvo"));
        dialogs_.nextFile = badSave;
        panel_->cmd_file_Click(0);
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY(dialogs_.messages[0].contains(badSave));
        QVERIFY(!QFile::exists(badSave));

        const QString missing = dir_.filePath(QStringLiteral("missing.tvo"));
        dialogs_.nextFile = missing;
        panel_->cmd_file_Click(1);
        QCOMPARE(dialogs_.messages.size(), 2);
        QVERIFY(dialogs_.messages[1].contains(missing));
        QCOMPARE(text()->toPlainText(), QStringLiteral("keep me"));

        // A folder chosen as the file: neither written nor read.
        dialogs_.nextFile = dir_.path();
        panel_->cmd_file_Click(0);
        panel_->cmd_file_Click(1);
        QCOMPARE(dialogs_.messages.size(), 4);
        QCOMPARE(text()->toPlainText(), QStringLiteral("keep me"));
    }

    // While the window refuses (a script runs), no button does anything;
    // a run ends by handing the keyboard back.
    void refusedWhileTheWindowSaysSo() {
        bool refuse = true;
        int afterRuns = 0;
        panel_->setWindowHooks([&] { return refuse; }, [&] { ++afterRuns; });
        text()->setPlainText(QStringLiteral("MainForm.OPrint 1"));
        dialogs_.nextFile = dir_.filePath(QStringLiteral("refused.tvo"));
        dialogs_.answerYes = true;
        panel_->cmd_quickrun()->click();
        panel_->cmd_file(0)->click();
        panel_->cmd_file(1)->click();
        panel_->cmd_clear()->click();
        QVERIFY(transcript_.calls.isEmpty());
        QVERIFY(dialogs_.fileDialogs.isEmpty() && dialogs_.questions.isEmpty());
        QCOMPARE(text()->toPlainText(), QStringLiteral("MainForm.OPrint 1"));
        QCOMPARE(afterRuns, 0);
        refuse = false;
        text()->setPlainText(QStringLiteral("x = 1"));
        panel_->cmd_quickrun()->click();
        QCOMPARE(afterRuns, 1);
        panel_->setWindowHooks({}, {});
    }

    void clearAsksFirst() {
        text()->setPlainText(QStringLiteral("x = 1"));
        dialogs_.answerYes = false;
        panel_->cmd_clear()->click();
        QCOMPARE(text()->toPlainText(), QStringLiteral("x = 1"));

        dialogs_.answerYes = true;
        panel_->cmd_clear_Click();
        QVERIFY(text()->toPlainText().isEmpty());
        const QString question = QStringLiteral("Are you sure you want to clear the box?");
        QCOMPARE(dialogs_.questions, QStringList({question, question}));
        QVERIFY(transcript_.calls.isEmpty());
    }

    // The colouring: keywords only where they are keywords, quotes and
    // apostrophes inside strings, the number forms.
    void highlighterFindsTokens() {
        auto describe = [](const QString& line) {
            QStringList out;
            const char* names[] = {"kw", "str", "rem", "num"};
            for (const VbsSpan& span : scanVbsLine(line))
                out << QStringLiteral("%1:%2").arg(QLatin1String(names[int(span.kind)]), line.mid(span.start, span.length));
            return out.join(QLatin1Char(' '));
        };
        QCOMPARE(describe(QStringLiteral("If x1 > 2 THEN s = \"it's \"\"q\"\"\" ' note \"x\"")),
                 QStringLiteral("kw:If num:2 kw:THEN str:\"it's \"\"q\"\"\" rem:' note \"x\""));
        QCOMPARE(describe(QStringLiteral("obj.End = [Dim] : rem x")), QStringLiteral("rem:rem x"));
        QCOMPARE(describe(QStringLiteral("remark = &HFF& + &o17 + 1.5E+3 + .5 & \"a\"")),
                 QStringLiteral("num:&HFF& num:&o17 num:1.5E+3 num:.5 str:\"a\""));
        QCOMPARE(describe(QStringLiteral("d = #1/2/2003#: s = \"open")),
                 QStringLiteral("num:#1/2/2003# str:\"open"));
        QVERIFY(describe(QString()).isEmpty());
    }

    // The highlighter is attached to the panel: a keyword gets its format.
    void panelTextIsHighlighted() {
        text()->setPlainText(QStringLiteral("Dim x"));
        const QList<QTextLayout::FormatRange> formats = text()->document()->firstBlock().layout()->formats();
        QVERIFY(!formats.isEmpty());
        QCOMPARE(formats[0].start, 0);
        QCOMPARE(formats[0].length, 3);
    }
};

QTEST_MAIN(TestQuickPanel)
#include "tst_quick_panel.moc"
