// The input box: GetIVal / GetIStr driven through the real modal dialog. A
// poller armed before each question finds the dialog once exec() runs and
// answers it; the refusal message goes to a recording fake.
#include <QtTest>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "dialogs/input_box.h"
#include "dialogs/question_dialog.h"
#include "engine/values/ops.h"

using namespace talvoro;
using vbs::Variant;

namespace {

class RecordingMessageBox : public MessageBox {
public:
    void showMessage(const std::u16string& text, const std::u16string& title) override {
        texts.push_back(text);
        titles.push_back(title);
    }
    std::vector<std::u16string> texts;
    std::vector<std::u16string> titles;
};

// Runs `act` on the question dialog once it is showing modally and has been
// activated (focus checks need the activation, which can come a little after
// the dialog is shown on a busy machine).
void whenQuestionAppears(std::function<void(frm_question&)> act) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(5);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto* dialog = qobject_cast<frm_question*>(QApplication::activeModalWidget());
        const bool ready = dialog && dialog->isActiveWindow() && QApplication::focusWidget() != nullptr;
        if (!ready && clock->elapsed() < 5000) return;
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (dialog) act(*dialog);
        else qWarning("no question dialog within 5 s");
    });
    poll->start();
}

template <typename T>
T* control(frm_question& d, const char* name) {
    T* found = d.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("control %s missing", name);
    return found;
}

QLineEdit* answerField(frm_question& d) { return control<QLineEdit>(d, "txt_input"); }
QComboBox* previous(frm_question& d) { return control<QComboBox>(d, "cmb_prev"); }

// Types `answer` and clicks "OK".
void answerWith(frm_question& d, const QString& answer) {
    QTest::keyClicks(answerField(d), answer);
    control<QPushButton>(d, "Command1")->click();
}

Variant question(const char16_t* text) { return Variant::string(std::u16string_view(text)); }

double asNumber(const Variant& v) {
    double d = -12345;
    if (vbs::ops::toDouble(v, d) != 0) qWarning("not a number");
    return d;
}

// The pixels a label's text covers when drawn at `size`: a line cut off at
// the label's edge covers fewer than with room to spare.
int inkOf(const QLabel& label, QSize size) {
    QLabel copy;
    copy.setFont(label.font());
    copy.setAlignment(label.alignment());
    copy.setWordWrap(label.wordWrap());
    copy.setText(label.text());
    copy.resize(size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    copy.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += image.pixel(x, y) != qRgb(255, 255, 255);
    return ink;
}

QStringList comboEntries(frm_question& d) {
    QStringList entries;
    for (int i = 0; i < previous(d)->count(); ++i) entries << previous(d)->itemText(i);
    return entries;
}

std::vector<std::u16string> listOf(std::initializer_list<const char16_t*> items) {
    std::vector<std::u16string> out;
    for (const char16_t* item : items) out.emplace_back(item);
    return out;
}

}  // namespace

class InputBoxTest : public QObject {
    Q_OBJECT

    RecordingMessageBox box;

private slots:
    void init() {
        box.texts.clear();
        box.titles.clear();
    }

    // Must run first: nothing has been confirmed yet in this process.
    void closingBeforeAnyAnswerReturnsEmpty() {
        ResetAnswerList();
        whenQuestionAppears([](frm_question& d) { d.close(); });
        QVERIFY(GetIVal(question(u"Number?"), box).isEmpty());
        whenQuestionAppears([](frm_question& d) { d.close(); });
        QCOMPARE(GetIStr(question(u"Text?"), box), std::u16string());
        QCOMPARE(AnswerList(), listOf({u""}));
    }

    void dialogLayoutFontsAndTabOrder() {
        ResetAnswerList();
        whenQuestionAppears([](frm_question& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Input Box"));
            QCOMPARE(d.size(), QSize(466, 86));
            QCOMPARE(control<QLabel>(d, "lbl_question")->geometry(), QRect(0, 0, 465, 33));
            QCOMPARE(answerField(d)->geometry(), QRect(0, 40, 409, 19));
            QCOMPARE(control<QPushButton>(d, "Command1")->geometry(), QRect(416, 40, 49, 17));
            QCOMPARE(previous(d)->geometry(), QRect(0, 64, 409, 21));
            QCOMPARE(control<QPushButton>(d, "Command2")->geometry(), QRect(416, 64, 49, 17));
            QCOMPARE(control<QPushButton>(d, "Command1")->text(), QStringLiteral("OK"));
            QCOMPARE(control<QPushButton>(d, "Command2")->text(), QStringLiteral("Use this"));
            const QFont label = control<QLabel>(d, "lbl_question")->font();
            QVERIFY(label.bold());
            QCOMPARE(label.pointSizeF(), 8.25);
            QCOMPARE(answerField(d)->font().pointSizeF(), 9.75);
            QCOMPARE(previous(d)->font().pointSizeF(), 9.75);

            // The answer field has the focus, and Tab walks OK, the list, "Use this".
            QCOMPARE(QApplication::focusWidget(), answerField(d));
            const char* order[] = {"Command1", "cmb_prev", "Command2", "txt_input"};
            for (const char* name : order) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QWidget* expected = d.findChild<QWidget*>(QString::fromLatin1(name));
                QWidget* focused = QApplication::focusWidget();
                QVERIFY2(focused == expected || expected->isAncestorOf(focused), name);
            }
            answerWith(d, QStringLiteral("1"));
        });
        QCOMPARE(asNumber(GetIVal(question(u"Layout"), box)), 1.0);
    }

    void numberAnswerIsEvaluatedAndRememberedAsTyped() {
        ResetAnswerList();
        QString label;
        whenQuestionAppears([&](frm_question& d) {
            label = control<QLabel>(d, "lbl_question")->text();
            answerWith(d, QStringLiteral("2*3"));
        });
        const Variant value = GetIVal(question(u"How many?"), box);
        QCOMPARE(label, QStringLiteral("How many?"));
        QCOMPARE(asNumber(value), 6.0);
        QCOMPARE(AnswerList(), listOf({u"2*3", u""}));
        QVERIFY(box.texts.empty());

        // The question may be any value: a number asks with its text form.
        whenQuestionAppears([&](frm_question& d) {
            label = control<QLabel>(d, "lbl_question")->text();
            answerWith(d, QStringLiteral("Sqr(16) + Len(\"ab\")"));
        });
        QCOMPARE(asNumber(GetIVal(Variant::double_(2.5), box)), 6.0);
        QCOMPARE(label, QStringLiteral("2.5"));
    }

    void invalidNumberAnswerIsRefusedUntilCorrected() {
        ResetAnswerList();
        bool stayedOpen = false;
        QString selected;
        int selectionStart = -1, caret = -1;
        whenQuestionAppears([&](frm_question& d) {
            answerWith(d, QStringLiteral("2*"));
            stayedOpen = d.isVisible();
            selected = answerField(d)->selectedText();
            selectionStart = answerField(d)->selectionStart();
            caret = answerField(d)->cursorPosition();
            answerWith(d, QStringLiteral("1/0"));  // a run-time error is refused as well
            answerField(d)->setText(QStringLiteral("7"));
            control<QPushButton>(d, "Command1")->click();
        });
        QCOMPARE(asNumber(GetIVal(question(u"Value"), box)), 7.0);
        QVERIFY(stayedOpen);
        QCOMPARE(selected, QStringLiteral("2*"));
        QCOMPARE(selectionStart, 0);
        QCOMPARE(caret, 0);
        QCOMPARE(box.texts, listOf({u"You must enter a numeric value or valid expression",
                                    u"You must enter a numeric value or valid expression"}));
        QCOMPARE(box.titles, listOf({u"", u""}));  // the application's title
        QCOMPARE(AnswerList(), listOf({u"7", u""}));
    }

    void numberQuestionAcceptsAnyValue() {
        ResetAnswerList();
        whenQuestionAppears([](frm_question& d) { answerWith(d, QStringLiteral("\"hello\"")); });
        const Variant value = GetIVal(question(u"Anything"), box);
        QVERIFY(value.isString());
        QCOMPARE(value.asString(), std::u16string(u"hello"));
        QVERIFY(box.texts.empty());
    }

    void textAnswerIsTakenAsTyped() {
        ResetAnswerList();
        whenQuestionAppears([](frm_question& d) { answerWith(d, QStringLiteral("  2*3 ")); });
        QCOMPARE(GetIStr(question(u"Name"), box), std::u16string(u"  2*3 "));
        whenQuestionAppears([](frm_question& d) { answerWith(d, QString()); });
        QCOMPARE(GetIStr(question(u"Name"), box), std::u16string());
        QCOMPARE(AnswerList(), listOf({u"  2*3 ", u"", u""}));  // the empty answer is kept
    }

    void useThisCopiesThePreviousAnswer() {
        ResetAnswerList();
        QString afterUse;
        int entries = -1;
        whenQuestionAppears([&](frm_question& d) {
            entries = previous(d)->count();
            QTest::keyClicks(answerField(d), QStringLiteral("typed"));
            control<QPushButton>(d, "Command2")->click();
            afterUse = answerField(d)->text();
            answerWith(d, QStringLiteral("first"));
        });
        GetIStr(question(u"One"), box);
        QCOMPARE(entries, 0);
        QCOMPARE(afterUse, QString());  // an empty list empties the field

        QString shown;
        int caret = -1;
        bool focused = false;
        whenQuestionAppears([&](frm_question& d) {
            shown = previous(d)->currentText();
            QVERIFY(answerField(d)->text().isEmpty());
            QTest::keyClicks(answerField(d), QStringLiteral("zzz"));
            control<QPushButton>(d, "Command2")->click();
            afterUse = answerField(d)->text();
            caret = answerField(d)->cursorPosition();
            focused = answerField(d)->hasFocus();
            control<QPushButton>(d, "Command1")->click();
        });
        QCOMPARE(GetIStr(question(u"Two"), box), std::u16string(u"first"));
        QCOMPARE(shown, QStringLiteral("first"));
        QCOMPARE(afterUse, QStringLiteral("first"));
        QCOMPARE(caret, 5);
        QVERIFY(focused);

        // The hint text is never copied.
        whenQuestionAppears([&](frm_question& d) {
            previous(d)->setEditText(QString::fromUtf16(frm_question::kSelectHint));
            QTest::keyClicks(answerField(d), QStringLiteral("kept"));
            control<QPushButton>(d, "Command2")->click();
            afterUse = answerField(d)->text();
            control<QPushButton>(d, "Command1")->click();
        });
        GetIStr(question(u"Three"), box);
        QCOMPARE(afterUse, QStringLiteral("kept"));
    }

    void oneListNewestFirstWithDuplicates() {
        ResetAnswerList();
        whenQuestionAppears([](frm_question& d) { answerWith(d, QStringLiteral("same")); });
        GetIStr(question(u"a"), box);
        whenQuestionAppears([](frm_question& d) { answerWith(d, QStringLiteral("1+1")); });
        GetIVal(question(u"b"), box);
        whenQuestionAppears([](frm_question& d) { answerWith(d, QStringLiteral("same")); });
        GetIStr(question(u"c"), box);
        QStringList entries;
        whenQuestionAppears([&](frm_question& d) {
            entries = comboEntries(d);
            answerWith(d, QStringLiteral("end"));
        });
        GetIStr(question(u"d"), box);
        QCOMPARE(entries, QStringList({"same", "1+1", "same"}));
        QCOMPARE(AnswerList(), listOf({u"same", u"1+1", u"same", u"end", u""}));
    }

    void enterAndLineFeedConfirm_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+J") << int(Qt::Key_J) << int(Qt::ControlModifier);
    }

    void enterAndLineFeedConfirm() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        ResetAnswerList();
        bool confirmedByKey = false;
        whenQuestionAppears([&](frm_question& d) {
            QTest::keyClicks(answerField(d), QStringLiteral("3+4"));
            QTest::keyClick(answerField(d), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            confirmedByKey = !d.isVisible();
            if (!confirmedByKey) d.close();  // fail below rather than hang
        });
        const Variant sum = GetIVal(question(u"Sum"), box);
        QVERIFY(confirmedByKey);
        QCOMPARE(asNumber(sum), 7.0);
        QCOMPARE(AnswerList(), listOf({u"3+4", u""}));

        // A refused answer is refused the same way.
        whenQuestionAppears([&](frm_question& d) {
            QTest::keyClicks(answerField(d), QStringLiteral("3+"));
            QTest::keyClick(answerField(d), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QVERIFY(d.isVisible());
            answerField(d)->setText(QStringLiteral("5"));
            QTest::keyClick(answerField(d), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        });
        QCOMPARE(asNumber(GetIVal(question(u"Sum"), box)), 5.0);
        QCOMPARE(box.texts.size(), size_t(1));
    }

    void escapeAndEnterElsewhereDoNothing() {
        ResetAnswerList();
        bool openAfterKeys = false;
        whenQuestionAppears([&](frm_question& d) {
            QTest::keyClicks(answerField(d), QStringLiteral("9"));
            QTest::keyClick(answerField(d), Qt::Key_Escape);
            QTest::keyClick(&d, Qt::Key_Escape);
            // No default button: Enter on a button or in the list confirms nothing.
            QTest::keyClick(control<QPushButton>(d, "Command2"), Qt::Key_Return);
            QTest::keyClick(previous(d), Qt::Key_Return);
            openAfterKeys = d.isVisible() && answerField(d)->text() == QStringLiteral("9");
            if (!d.isVisible()) return;
            answerField(d)->setText(QStringLiteral("9"));
            control<QPushButton>(d, "Command1")->click();
        });
        QCOMPARE(asNumber(GetIVal(question(u"Keys"), box)), 9.0);
        QVERIFY(openAfterKeys);
        QCOMPARE(AnswerList(), listOf({u"9", u""}));
    }

    void closingReturnsThePreviousAnswerOfThatKind() {
        ResetAnswerList();
        whenQuestionAppears([](frm_question& d) { answerWith(d, QStringLiteral("10*10")); });
        GetIVal(question(u"n"), box);
        whenQuestionAppears([](frm_question& d) { answerWith(d, QStringLiteral("words")); });
        GetIStr(question(u"s"), box);

        whenQuestionAppears([](frm_question& d) {
            QTest::keyClicks(answerField(d), QStringLiteral("5"));
            d.close();
        });
        QCOMPARE(asNumber(GetIVal(question(u"n"), box)), 100.0);
        whenQuestionAppears([](frm_question& d) {
            QTest::keyClicks(answerField(d), QStringLiteral("other"));
            d.close();
        });
        QCOMPARE(GetIStr(question(u"s"), box), std::u16string(u"words"));
        QCOMPARE(AnswerList(), listOf({u"10*10", u"words", u""}));
    }

    // A question of a window that stays on top stands over it and stays on
    // top too; it would otherwise open behind the window.
    void questionOfATopmostWindowIsTopmost() {
        QWidget window;
        bool onTop = false;
        QWidget* owner = nullptr;
        auto look = [&](frm_question& d) {
            onTop = d.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            owner = d.parentWidget();
            answerWith(d, QStringLiteral("1"));
        };
        whenQuestionAppears(look);
        GetIVal(question(u"plain"), box, &window);
        QVERIFY(!onTop);
        QCOMPARE(owner, &window);
        window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        whenQuestionAppears(look);
        GetIStr(question(u"on top"), box, &window);
        QVERIFY(onTop);
    }

    // A question longer than its two lines makes the box taller: every line
    // is drawn whole inside the label, and the answer rows keep their places
    // below it. Short questions keep the layout's sizes (above).
    void longQuestionsShowEveryLine_data() {
        QTest::addColumn<QString>("text");
        QString paragraph;
        for (int i = 1; i <= 12; ++i) paragraph += QStringLiteral("Sentence %1 of a question that goes on. ").arg(i);
        QTest::newRow("wrapped") << paragraph;
        QTest::newRow("CR LF lines") << QStringLiteral("Line 1\r\nLine 2\r\nLine 3\r\nLine 4\r\nLine 5");
        QTest::newRow("a word longer than a line")
            << "Load which file?\r\n" + QString(3, ' ') + "/home/" + QString(160, 'x') + "/library.tvo\r\nIt is\r\nread now.";
    }

    void longQuestionsShowEveryLine() {
        QFETCH(QString, text);
        frm_question d(text.toStdU16String(), false, box);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        auto* label = control<QLabel>(d, "lbl_question");
        // Wrapped as the label wraps it, no line is wider than the label...
        const QRect wrapped = QFontMetrics(label->font())
                                  .boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
        QVERIFY(wrapped.width() <= label->width());
        // ...and every line is drawn whole: more room below draws no more.
        const int ink = inkOf(*label, label->size());
        QVERIFY(ink > 0);
        QCOMPARE(ink, inkOf(*label, label->size() + QSize(0, 200)));
        QVERIFY(ink > inkOf(*label, QSize(465, 33)));  // two lines would not hold it
        QVERIFY(d.rect().contains(label->geometry()));
        const int grown = label->height() - 33;
        QVERIFY(grown > 0);
        QCOMPARE(d.size(), QSize(466, 86 + grown));
        QCOMPARE(answerField(d)->geometry(), QRect(0, 40 + grown, 409, 19));
        QCOMPARE(previous(d)->geometry(), QRect(0, 64 + grown, 409, 21));
    }
};

QTEST_MAIN(InputBoxTest)
#include "tst_input_box.moc"
