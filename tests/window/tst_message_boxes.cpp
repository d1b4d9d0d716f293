// The message boxes the window shows: a script's MsgBox with VBScript's button
// sets, icons and return values, the window's own notices, and Ctrl+C copying
// a box's title and text. Modal boxes are answered by a poller armed before
// the call, once exec() has shown them.
#include <QtTest>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <functional>

#include "dialogs/copyable_message_box.h"
#include "dialogs/message_boxes.h"
#include "window/window_dialogs.h"
#include "dialogs/script_dialogs.h"

using namespace talvoro;

namespace {

// Runs `act` on the modal message box once it shows. When none comes within
// 5 s, `act` never runs and the caller's checks of what it recorded fail.
void whenBoxAppears(std::function<void(QMessageBox&)> act) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(5);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box && clock->elapsed() < 5000) return;
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (box) act(*box);
        else qWarning("no message box within 5 s");
    });
    poll->start();
}

// Ctrl+C on the box, then what the clipboard holds.
QString copyWithKeyboard(QMessageBox& box) {
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    return QGuiApplication::clipboard()->text();
}

}  // namespace

class MessageBoxes : public QObject {
    Q_OBJECT

private slots:
    void buttonSetsIconsAndDefaults_data();
    void buttonSetsIconsAndDefaults();
    void returnValuesFollowThePressedButton();
    void scriptMsgBoxAnswersAndCopies();
    void windowNoticeCopiesWithTheApplicationTitle();
    void copyingLeavesTheBoxOpen();
    void boxesAreCentredAndWideEnoughForTheirTitle();
    void boxesShowOverTheDialogBeingAnswered();
    void clearQuestionHasNoIcon();
};

void MessageBoxes::buttonSetsIconsAndDefaults_data() {
    using B = QMessageBox;
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("expectedButtons");
    QTest::addColumn<int>("expectedDefault");
    QTest::addColumn<int>("expectedIcon");
    QTest::newRow("vbOKOnly") << 0 << int(B::Ok) << int(B::Ok) << int(B::NoIcon);
    QTest::newRow("vbOKCancel + vbCritical") << 1 + 16 << int(B::Ok | B::Cancel) << int(B::Ok) << int(B::Critical);
    QTest::newRow("vbAbortRetryIgnore, 3rd default") << 2 + 512 << int(B::Abort | B::Retry | B::Ignore)
                                                     << int(B::Ignore) << int(B::NoIcon);
    QTest::newRow("vbYesNoCancel + vbQuestion") << 3 + 32 << int(B::Yes | B::No | B::Cancel) << int(B::Yes)
                                                << int(B::Question);
    QTest::newRow("vbYesNo, 2nd default, vbExclamation") << 4 + 256 + 48 << int(B::Yes | B::No) << int(B::No)
                                                         << int(B::Warning);
    QTest::newRow("vbRetryCancel + vbInformation") << 5 + 64 << int(B::Retry | B::Cancel) << int(B::Retry)
                                                   << int(B::Information);
    // A default beyond the set's last button falls back to the first one;
    // an unknown set is OK only.
    QTest::newRow("vbOKOnly, 4th default") << 768 << int(B::Ok) << int(B::Ok) << int(B::NoIcon);
    QTest::newRow("set 6 is unknown") << 6 << int(B::Ok) << int(B::Ok) << int(B::NoIcon);
}

void MessageBoxes::buttonSetsIconsAndDefaults() {
    QFETCH(int, buttons);
    QFETCH(int, expectedButtons);
    QFETCH(int, expectedDefault);
    QFETCH(int, expectedIcon);
    const MsgBoxStyle style = msgBoxStyle(buttons);
    QCOMPARE(int(style.buttons), expectedButtons);
    QCOMPARE(int(style.defaultButton), expectedDefault);
    QCOMPARE(int(style.icon), expectedIcon);
}

void MessageBoxes::returnValuesFollowThePressedButton() {
    QCOMPARE(msgBoxResult(QMessageBox::Ok), 1);
    QCOMPARE(msgBoxResult(QMessageBox::Cancel), 2);
    QCOMPARE(msgBoxResult(QMessageBox::Abort), 3);
    QCOMPARE(msgBoxResult(QMessageBox::Retry), 4);
    QCOMPARE(msgBoxResult(QMessageBox::Ignore), 5);
    QCOMPARE(msgBoxResult(QMessageBox::Yes), 6);
    QCOMPARE(msgBoxResult(QMessageBox::No), 7);
    QCOMPARE(msgBoxResult(QMessageBox::NoButton), 2);  // closed with the title bar: as Cancel
}

void MessageBoxes::scriptMsgBoxAnswersAndCopies() {
    QWidget parent;
    const vbs::HostHooks hooks = windowDialogHooks(&parent);
    QString copied;
    QString shownTitle;
    whenBoxAppears([&](QMessageBox& box) {
        shownTitle = box.windowTitle();
        copied = copyWithKeyboard(box);
        QTest::keyClick(&box, Qt::Key_Return);  // the default button: No
    });
    const int answer = hooks.msgBox(u"Delete all?", 4 + 256, u"Files");
    QCOMPARE(answer, 7);
    QCOMPARE(shownTitle, QString("Files"));
    QCOMPARE(copied, QString("Files\n\nDelete all?"));
}

void MessageBoxes::windowNoticeCopiesWithTheApplicationTitle() {
    QWidget parent;
    QtMessageBox notices(&parent);
    QString copied;
    whenBoxAppears([&](QMessageBox& box) {
        copied = copyWithKeyboard(box);
        box.accept();
    });
    notices.showMessage(u"Calculator is locked from closing", u"");
    QCOMPARE(copied, QString("Talvoro\n\nCalculator is locked from closing"));
}

void MessageBoxes::copyingLeavesTheBoxOpen() {
    CopyableMessageBox box(QMessageBox::NoIcon, "T", "line 1\nline 2", QMessageBox::Ok);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(copyWithKeyboard(box), QString("T\n\nline 1\nline 2"));
    QVERIFY(box.isVisible());
    // Clicking the text first does not keep Ctrl+C from copying all of it.
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    QVERIFY(label != nullptr);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    QGuiApplication::clipboard()->clear();
    QWidget* keyboard = QApplication::focusWidget() ? QApplication::focusWidget() : &box;
    QTest::keyClick(keyboard, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("T\n\nline 1\nline 2"));
    // Other keys still reach the box: Escape closes an OK-only box.
    QTest::keyClick(&box, Qt::Key_Escape);
    QTRY_VERIFY(!box.isVisible());
}

// Over the screen while the window is not shown yet (the start-up's boxes),
// over the window once it is; never narrower than the title needs.
void MessageBoxes::boxesAreCentredAndWideEnoughForTheirTitle() {
    QWidget window;
    QtMessageBox notices(&window);
    QRect place;
    int needed = 0;
    auto measure = [&](QMessageBox& box) {
        place = box.frameGeometry();
        needed = static_cast<CopyableMessageBox&>(box).titleWidth();
        box.accept();
    };
    whenBoxAppears(measure);
    notices.showMessage(u"Ok", u"A title much longer than the text");
    const QRect screen = window.screen()->availableGeometry();
    QVERIFY(place.width() >= needed);
    QVERIFY(needed > QFontMetrics(window.font()).horizontalAdvance("A title much longer than the text"));
    QVERIFY((place.center() - screen.center()).manhattanLength() <= 4);

    window.setGeometry(screen.left() + 40, screen.top() + 60, 300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    whenBoxAppears(measure);
    notices.showMessage(u"Over the window", u"");
    QVERIFY((place.center() - window.frameGeometry().center()).manhattanLength() <= 4);
}

// The input box refusing an answer: the box belongs to the dialog, above
// it, and stays on top with it.
void MessageBoxes::boxesShowOverTheDialogBeingAnswered() {
    QWidget window;
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QDialog question(&window);
    question.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QtMessageBox notices(&window);
    QWidget* owner = nullptr;
    bool onTop = false;
    QTimer::singleShot(0, &question, [&] {
        whenBoxAppears([&](QMessageBox& box) {
            owner = box.parentWidget();
            onTop = box.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            box.accept();
        });
        notices.showMessage(u"You must enter a numeric value or valid expression", u"");
        question.accept();
    });
    question.exec();
    QCOMPARE(owner, static_cast<QWidget*>(&question));
    QVERIFY(onTop);
}

void MessageBoxes::clearQuestionHasNoIcon() {
    QWidget window;
    QtWindowDialogs dialogs(&window);
    int icon = -1;
    whenBoxAppears([&](QMessageBox& box) {
        icon = box.icon();
        box.button(QMessageBox::Yes)->click();
    });
    QVERIFY(dialogs.askYesNo("Are you sure you want to clear the box?"));
    QCOMPARE(icon, int(QMessageBox::NoIcon));
}

QTEST_MAIN(MessageBoxes)
#include "tst_message_boxes.moc"
