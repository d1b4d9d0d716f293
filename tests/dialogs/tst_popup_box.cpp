// WScript.Shell's Popup box in the window: a button pressed in time answers
// as MsgBox does; a box nobody answers closes itself and answers -1.
#include <QtTest>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "dialogs/script_dialogs.h"

using namespace talvoro;

namespace {

// Presses `button` of the next modal message box once it shows.
void pressWhenShown(QMessageBox::StandardButton button) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        poll->stop();
        poll->deleteLater();
        box->button(button)->click();
    });
    poll->start();
}

}  // namespace

class PopupBoxTest : public QObject {
    Q_OBJECT
private slots:
    void pressedButtonAnswersLikeMsgBox() {
        PopupBox popup = windowPopup(nullptr);
        pressWhenShown(QMessageBox::No);
        QCOMPARE(popup(u"Go on?", 30, u"Question", 4), 7);  // vbYesNo, answered vbNo
    }
    void unansweredBoxTimesOut() {
        PopupBox popup = windowPopup(nullptr);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(popup(u"Nobody answers", 1, u"", 0), -1);
        QVERIFY(clock.elapsed() >= 900);
    }
    void stoppingScriptSeesNoBox() {
        PopupBox popup = windowPopup(nullptr, [] { return true; });
        QCOMPARE(popup(u"Never shown", 0, u"", 1), 2);  // as Cancel, at once
    }
};

QTEST_MAIN(PopupBoxTest)
#include "tst_popup_box.moc"
