// Every caption of the window and the input box is drawn whole, with Debian's
// fonts, at the layout's fixed sizes. ctest runs this twice: on a 96 DPI
// screen and on a 2x scaled one (QT_SCALE_FACTOR=2), where the same logical
// layout is drawn with twice the pixels and the fonts hint differently.
//
// A caption's pixels are found by drawing the control with and without its
// text and comparing. They must exist (the text is visible), and they must
// cover as much as when the same control is drawn with plenty of room: a
// caption cut off at its control's edge covers less.
#include <QtTest>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

#include "dialogs/question_dialog.h"
#include "window/main_window.h"
#include "window/window_font.h"
#include "window_rig.h"

using talvoro::testing::RecordingBox;
using talvoro::testing::WindowRig;

namespace {

// The room added around a control to draw its caption uncut.
constexpr int kExtraRoom = 400;

QString captionOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return {};
}

void setCaption(QWidget* w, const QString& text) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(text);
    if (auto* l = qobject_cast<QLabel*>(w)) l->setText(text);
}

// The rectangle, in device pixels, where the two drawings differ.
QRect differingPixels(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

// The pixels, in device pixels, that the caption of `w` covers at its
// current size.
QRect inkedCaption(QWidget* w) {
    const QString caption = captionOf(w);
    const QImage withText = w->grab().toImage();
    setCaption(w, QString());
    const QImage without = w->grab().toImage();
    setCaption(w, caption);
    return differingPixels(withText, without);
}

struct CaptionCheck {
    QRect atLayoutSize;
    QRect withRoom;
};

// The caption drawn at the layout's size, and drawn again with room to spare
// (a label that wraps its words gets only more height, or it would wrap
// differently).
CaptionCheck inspect(QWidget* w) {
    CaptionCheck check;
    check.atLayoutSize = inkedCaption(w);
    const QSize layoutSize = w->size();
    auto* label = qobject_cast<QLabel*>(w);
    const bool wraps = label != nullptr && label->wordWrap();
    w->resize(layoutSize.width() + (wraps ? 0 : kExtraRoom), layoutSize.height() + kExtraRoom);
    check.withRoom = inkedCaption(w);
    w->resize(layoutSize);
    return check;
}

// Every button and label under `root` that has a caption.
QList<QWidget*> captionedControls(QWidget* root) {
    QList<QWidget*> found;
    for (QWidget* w : root->findChildren<QWidget*>())
        if (!captionOf(w).isEmpty()) found << w;
    return found;
}

void verifyAllFit(QWidget* root, int expectedAtLeast) {
    const QList<QWidget*> controls = captionedControls(root);
    QVERIFY2(controls.size() >= expectedAtLeast, qPrintable(QString("only %1 captioned controls").arg(controls.size())));
    QStringList faults;
    for (QWidget* w : controls) {
        const CaptionCheck c = inspect(w);
        const QString where =
            QString("%1 \"%2\" (%3x%4)").arg(w->objectName(), captionOf(w)).arg(w->width()).arg(w->height());
        if (c.atLayoutSize.isEmpty()) faults << where + ": no text drawn";
        else if (c.atLayoutSize.size() != c.withRoom.size())
            faults << where + QString(": text covers %1x%2 device pixels, %3x%4 with room to spare")
                                  .arg(c.atLayoutSize.width()).arg(c.atLayoutSize.height())
                                  .arg(c.withRoom.width()).arg(c.withRoom.height());
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

}  // namespace

class CaptionsFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { talvoro::useWindowFont(*qApp); }
    void mainWindowCaptions();
    void inputBoxCaptions();
    void aTooLongCaptionIsCaught();
    void captionsKeepAProportionalFaceAfterTheInputBox();
};

void CaptionsFit::mainWindowCaptions() {
    WindowRig rig("");
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
    // On Top, Reload, Functions, Q, >, Lock, Output to Clipboard, and the
    // quick panel's Run, Clear, Save, Load.
    verifyAllFit(rig.window.get(), 11);
}

void CaptionsFit::inputBoxCaptions() {
    RecordingBox box;
    talvoro::frm_question dialog(u"How many apples are there in the basket today?", true, box);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The question and the buttons.
    verifyAllFit(&dialog, 2);
}

// The check itself: a caption far wider than its button must be reported.
void CaptionsFit::aTooLongCaptionIsCaught() {
    QWidget root;
    root.resize(100, 40);
    auto* b = new QPushButton("A caption far too long for it", &root);
    b->setGeometry(0, 0, 40, 17);
    root.show();
    QVERIFY(QTest::qWaitForWindowExposed(&root));
    const CaptionCheck c = inspect(b);
    QVERIFY(!c.atLayoutSize.isEmpty());
    QVERIFY(c.atLayoutSize.width() < c.withRoom.width());
    QCOMPARE(b->size(), QSize(40, 17));
}

// The captions' face is a proportional sans-serif one, and showing the input
// box (whose question has a face of its own) does not change the window's.
void CaptionsFit::captionsKeepAProportionalFaceAfterTheInputBox() {
    WindowRig rig("");
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
    auto* button = rig.window->findChild<QPushButton*>();
    QVERIFY(button != nullptr);
    const QFontInfo before(button->font());
    QVERIFY2(!before.fixedPitch(), qPrintable(before.family()));
    QVERIFY2(before.family() == "Liberation Sans" || before.family() == "Arial", qPrintable(before.family()));
    {
        RecordingBox box;
        talvoro::frm_question dialog(u"Radius?", true, box);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QFontInfo question(dialog.findChild<QLabel*>("lbl_question")->font());
        QCOMPARE(question.family(), before.family());
        QVERIFY(question.bold());
    }
    rig.window->ExtendWindow();
    QCoreApplication::processEvents();
    const QFontInfo after(button->font());
    QCOMPARE(after.family(), before.family());
    QVERIFY(!after.fixedPitch());
    verifyAllFit(rig.window.get(), 11);
}

QTEST_MAIN(CaptionsFit)
#include "tst_captions_fit.moc"
