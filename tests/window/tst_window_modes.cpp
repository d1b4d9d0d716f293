// The window's sizes and modes, its layout, "On Top" and closing with Lock.
// Sizes are outer sizes: the tests compare frameGeometry(), which includes
// the frame the platform reports.
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QWindow>

#include "scripts/quick_panel.h"
#include "window/drawing_surface.h"
#include "window_rig.h"

using talvoro::testing::WindowRig;

namespace {

void showAndSettle(talvoro::MainWindow& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();  // the size applied again once the frame is known
}

QSize outer(const talvoro::MainWindow& window) { return window.frameGeometry().size(); }

}  // namespace

class WindowModes : public QObject {
    Q_OBJECT

private slots:
    void startsNormalWithQuickBandHidden();
    void fourSizesFromTheSettings();
    void widthToggleFollowsTheFlag();
    void mainExtendingIsUndoneByStartupSizing();
    void quickToggleMovesTheFocus();
    void quickPanelSpansTheClientWidth();
    void onTopSetsTheWindowSystemFlag();
    void closingSavesAndLockRefuses();
};

void WindowModes::startsNormalWithQuickBandHidden() {
    WindowRig rig("");
    showAndSettle(*rig.window);
    QCOMPARE(outer(*rig.window), QSize(207, 229));
    QVERIFY(!rig.window->variables().WindowExtended);
    QVERIFY(!rig.window->variables().QuickVisible);
    QVERIFY(!rig.window->chk_ontop()->isChecked());
    QVERIFY(!rig.window->chk_lock()->isChecked());
    QVERIFY(!(rig.window->windowFlags() & Qt::WindowStaysOnTopHint));
    QCOMPARE(rig.window->windowTitle(), QString("Talvoro"));
    QCOMPARE(rig.window->tmr_clear()->interval(), 50);
    QCOMPARE(rig.window->tmr_scan()->interval(), 200);
    QVERIFY(rig.window->tmr_clear()->isActive() && rig.window->tmr_scan()->isActive());
}

void WindowModes::fourSizesFromTheSettings() {
    WindowRig rig("", "WindowNormal=300\r\nWindowExtended=520\r\nNormalHeight=400\r\nQuickVisibleHeight=480\r\n");
    showAndSettle(*rig.window);
    QCOMPARE(outer(*rig.window), QSize(300, 400));
    rig.window->Command2()->click();
    QCOMPARE(outer(*rig.window), QSize(520, 400));
    rig.window->cmd_quick()->click();
    QCOMPARE(outer(*rig.window), QSize(520, 480));
    rig.window->Command2()->click();
    QCOMPARE(outer(*rig.window), QSize(300, 480));
    rig.window->cmd_quick()->click();
    QCOMPARE(outer(*rig.window), QSize(300, 400));
    QCOMPARE(rig.window->Command2()->text(), QString(">"));
    QCOMPARE(rig.window->cmd_quick()->text(), QString("Q"));
}

void WindowModes::widthToggleFollowsTheFlag() {
    WindowRig rig("");
    showAndSettle(*rig.window);
    QCOMPARE(rig.run("MainForm.WindowExtended = True"), QString());
    rig.window->Command2()->click();  // the flag flips to False: normal width, no visible change
    QCOMPARE(outer(*rig.window).width(), 207);
    QVERIFY(!rig.window->variables().WindowExtended);
    rig.window->Command2()->click();
    QCOMPARE(outer(*rig.window).width(), 435);
    QCOMPARE(rig.run("MainForm.NormalWindow"), QString());
    QCOMPARE(outer(*rig.window).width(), 207);
    QCOMPARE(rig.run("MainForm.ExtendWindow"), QString());
    QCOMPARE(outer(*rig.window).width(), 435);
    QVERIFY(rig.window->variables().WindowExtended);
}

void WindowModes::mainExtendingIsUndoneByStartupSizing() {
    WindowRig rig("Sub Main\r\nMainForm.ExtendWindow\r\nEnd Sub\r\n");
    showAndSettle(*rig.window);
    QCOMPARE(outer(*rig.window).width(), 207);
    QVERIFY(rig.window->variables().WindowExtended);
    rig.window->Command2()->click();
    QCOMPARE(outer(*rig.window).width(), 207);
    rig.window->Command2()->click();
    QCOMPARE(outer(*rig.window).width(), 435);
}

void WindowModes::quickToggleMovesTheFocus() {
    WindowRig rig("");
    showAndSettle(*rig.window);
    rig.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
    rig.window->cmd_quick()->click();
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rig.window->quickPanel()->txt_quick()));
    QVERIFY(rig.window->variables().QuickVisible);
    // A capital typed there starts with a lone Shift, which the text box
    // passes up to the window: the focus must stay in the panel.
    QTest::keyClick(rig.window->quickPanel()->txt_quick(), Qt::Key_Shift);
    QTest::keyClicks(nullptr, "Ab");
    QCOMPARE(rig.window->quickPanel()->txt_quick()->toPlainText(), QString("Ab"));
    rig.window->cmd_quick()->click();
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rig.window->txt_input()));
}

void WindowModes::quickPanelSpansTheClientWidth() {
    WindowRig rig("");
    showAndSettle(*rig.window);
    QPlainTextEdit* quick = rig.window->quickPanel()->txt_quick();
    QCOMPARE(quick->width(), rig.window->width());
    rig.window->Command2()->click();
    QCOMPARE(quick->width(), rig.window->width());
    rig.window->Command2()->click();
    QCOMPARE(quick->width(), rig.window->width());
}

void WindowModes::onTopSetsTheWindowSystemFlag() {
    WindowRig rig("");
    showAndSettle(*rig.window);
    rig.window->chk_ontop()->click();
    QVERIFY(rig.window->isVisible());  // the flag is changed without hiding the window
    QVERIFY(rig.window->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    rig.window->chk_ontop()->click();
    QVERIFY(!(rig.window->windowHandle()->flags() & Qt::WindowStaysOnTopHint));
    QVERIFY(rig.window->isVisible());
}

void WindowModes::closingSavesAndLockRefuses() {
    WindowRig rig("");
    showAndSettle(*rig.window);
    rig.window->chk_lock()->setChecked(true);
    QVERIFY(!rig.window->close());
    QVERIFY(rig.window->isVisible());
    QCOMPARE(rig.box.texts, std::vector<QString>{"Calculator is locked from closing"});
    QFile saved(rig.path("defaults.txt"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    QCOMPARE(lines.size(), 9);  // eight lines, each ended by CR LF
    QVERIFY(lines[0].startsWith("TextEditor="));
    QCOMPARE(lines[3], QByteArray("WindowNormal= 207\r"));
    saved.close();
    QFile::remove(rig.path("defaults.txt"));

    rig.window->chk_lock()->setChecked(false);
    QVERIFY(rig.window->close());
    QCOMPARE(rig.box.texts.size(), size_t(1));
    QVERIFY(QFile::exists(rig.path("defaults.txt")));
}

QTEST_MAIN(WindowModes)
#include "tst_window_modes.moc"
