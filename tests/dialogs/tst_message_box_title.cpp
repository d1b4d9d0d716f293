// A message box's title shows whole in the title bar: the box is at least
// as wide as the title drawn bold at 11 points, the largest of the desktops'
// usual title faces, and the room the title bar's icon and buttons take. The start-up's
// "Failed to open script file" is the program's narrowest box.
#include <QtTest>

#include "dialogs/copyable_message_box.h"

using talvoro::CopyableMessageBox;

class MessageBoxTitle : public QObject {
    Q_OBJECT

private slots:
    void titleFitsTheBox_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("start-up open failure") << "Talvoro" << "Failed to open script file";
        QTest::newRow("long title") << "A title much longer than the text of the box" << "Ok";
    }

    void titleFitsTheBox() {
        QFETCH(QString, title);
        QFETCH(QString, text);
        CopyableMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QFont titleBar = box.font();
        titleBar.setPointSizeF(11);
        titleBar.setBold(true);
        // Beside the title, Openbox's title bar (11-point title) took 145
        // pixels for its icon, three buttons and padding.
        constexpr int kMeasuredRoom = 145;
        const int needed = QFontMetrics(titleBar).horizontalAdvance(title) + kMeasuredRoom;
        QVERIFY2(box.frameGeometry().width() >= needed,
                 qPrintable(QString("%1 < %2").arg(box.frameGeometry().width()).arg(needed)));
    }
};

QTEST_MAIN(MessageBoxTitle)
#include "tst_message_box_title.moc"
