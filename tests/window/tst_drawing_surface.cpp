// The drawing surface, checked on the pixels of its backing image: the three
// MainForm drawing calls with their argument conversion and clipping, and the
// members scripts reach through "DrawWin".
#include <QtTest>

#include "engine/script_engine.h"
#include "window/drawing_surface.h"

using talvoro::DrawingSurface;
using vbs::Variant;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

Variant num(double d) { return Variant::double_(d); }
Variant text(const char16_t* s) { return Variant::string(std::u16string_view(s)); }

int countNotWhite(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != kWhite;
    return n;
}

// Runs script statements with the surface registered as "DrawWin"; returns
// the error number (0 when the statements ran).
int32_t run(vbs::ScriptEngine& engine, const char16_t* statements) {
    try {
        engine.ExecuteStatement(statements);
        return 0;
    } catch (const vbs::ScriptException& e) {
        return e.error().number;
    }
}

}  // namespace

class DrawingSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void startsWhiteAtItsLayoutSize() {
        DrawingSurface surface;
        QCOMPARE(surface.image().size(), QSize(DrawingSurface::kWidth, DrawingSurface::kHeight));
        QCOMPARE(countNotWhite(surface.image()), 0);
    }

    void lineColoursThePixelsBetweenItsEnds() {
        DrawingSurface surface;
        QCOMPARE(surface.DrawLine(num(10), num(10), num(100), num(50)), 0);
        const QImage& image = surface.image();
        QCOMPARE(image.pixel(10, 10), kBlack);
        QCOMPARE(image.pixel(100, 50), kBlack);
        QCOMPARE(image.pixel(55, 30), kBlack);  // on the line's middle
        QCOMPARE(image.pixel(10, 50), kWhite);
        QCOMPARE(image.pixel(100, 10), kWhite);
        // One pixel wide: about one pixel per column from x = 10 to 100.
        const int drawn = countNotWhite(image);
        QVERIFY2(drawn >= 91 && drawn <= 100, qPrintable(QString::number(drawn)));
    }

    void dotIsOnePixelAtTheDefaultWidth() {
        DrawingSurface surface;
        QCOMPARE(surface.DrawDot(num(5), num(7)), 0);
        QCOMPARE(surface.image().pixel(5, 7), kBlack);
        QCOMPARE(countNotWhite(surface.image()), 1);
    }

    void circleIsAWholeOutlineAroundItsCentre() {
        DrawingSurface surface;
        QCOMPARE(surface.DrawCircle(num(100), num(100), num(50)), 0);
        const QImage& image = surface.image();
        for (QPoint p : {QPoint(150, 100), QPoint(50, 100), QPoint(100, 50), QPoint(100, 150)})
            QVERIFY2(image.pixel(p) == kBlack || image.pixel(p + QPoint(p.x() < 100 ? 1 : (p.x() > 100 ? -1 : 0),
                                                                        p.y() < 100 ? 1 : (p.y() > 100 ? -1 : 0))) == kBlack,
                     qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        QCOMPARE(image.pixel(100, 100), kWhite);  // outline only, not filled
        QCOMPARE(image.pixel(130, 100), kWhite);
    }

    void textThatReadsAsANumberDrawsAsThatNumber() {
        DrawingSurface byNumber, byText;
        byNumber.DrawLine(num(10), num(10), num(100), num(50));
        QCOMPARE(byText.DrawLine(text(u"10"), text(u" 10 "), text(u"100"), text(u"50")), 0);
        QCOMPARE(byText.image(), byNumber.image());

        byNumber.DrawCircle(num(60), num(60), num(20));
        byText.DrawCircle(text(u"60"), Variant::integer(60), text(u"2E1"));
        QCOMPARE(byText.image(), byNumber.image());
    }

    void refusedArgumentDrawsNothing_data() {
        QTest::addColumn<int>("figure");  // 0 line, 1 dot, 2 circle
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("overflow");
        const int arity[] = {4, 2, 3};
        const char* names[] = {"DrawLine", "DrawDot", "DrawCircle"};
        for (int figure = 0; figure < 3; ++figure)
            for (int position = 0; position < arity[figure]; ++position) {
                QTest::addRow("%s arg %d text", names[figure], position) << figure << position << false;
                QTest::addRow("%s arg %d overflow", names[figure], position) << figure << position << true;
            }
    }

    void refusedArgumentDrawsNothing() {
        QFETCH(int, figure);
        QFETCH(int, position);
        QFETCH(bool, overflow);
        DrawingSurface surface;
        Variant args[4] = {num(10), num(10), num(100), num(50)};
        args[position] = overflow ? num(1e300) : text(u"abc");
        int32_t status = -1;
        if (figure == 0) status = surface.DrawLine(args[0], args[1], args[2], args[3]);
        if (figure == 1) status = surface.DrawDot(args[0], args[1]);
        if (figure == 2) status = surface.DrawCircle(args[0], args[1], args[2]);
        QCOMPARE(status, overflow ? 6 : 13);
        QCOMPARE(countNotWhite(surface.image()), 0);
    }

    void figuresOutsideAreCutAtTheEdges() {
        DrawingSurface surface;
        surface.DrawLine(num(-500), num(-20), num(-10), num(-300));
        surface.DrawDot(num(225), num(5));
        surface.DrawDot(num(-3), num(-3));
        surface.DrawCircle(num(400), num(400), num(100));
        surface.DrawCircle(num(110), num(100), num(1000));  // encloses the whole surface
        QCOMPARE(countNotWhite(surface.image()), 0);

        // A line across the whole surface, from far outside on both sides.
        surface.DrawLine(num(-1e30), num(100), num(1e30), num(100));
        QCOMPARE(surface.image().pixel(0, 100), kBlack);
        QCOMPARE(surface.image().pixel(224, 100), kBlack);
        QCOMPARE(countNotWhite(surface.image()), 225);

        // Steep and diagonal lines from far away cross the surface where they should.
        DrawingSurface far;
        far.DrawLine(num(-3e38), num(-3e38), num(3e38), num(3e38));
        QCOMPARE(far.image().pixel(120, 120), kBlack);
        QCOMPARE(far.image().pixel(120, 121), kWhite);
        far.DrawLine(num(30), num(-1e25), num(30), num(1e25));
        QCOMPARE(far.image().pixel(30, 0), kBlack);
        QCOMPARE(far.image().pixel(30, 200), kBlack);

        // A circle partly outside shows its inside arc.
        DrawingSurface other;
        other.DrawCircle(num(0), num(0), num(50));
        QVERIFY(countNotWhite(other.image()) > 50);
        QCOMPARE(other.image().pixel(0, 0), kWhite);
    }

    void drawingsSurviveResizingAndReachTheScreen() {
        DrawingSurface surface;
        surface.show();  // a hidden widget gets its resize events only when shown
        QVERIFY(QTest::qWaitForWindowExposed(&surface));
        surface.DrawLine(num(10), num(10), num(100), num(50));
        surface.resize(40, 40);
        surface.resize(DrawingSurface::kWidth, DrawingSurface::kHeight);
        QCOMPARE(surface.image().pixel(100, 50), kBlack);
        surface.resize(300, 250);  // wider than the image: the new part is white
        QCOMPARE(surface.image().pixel(100, 50), kBlack);
        QCOMPARE(surface.image().pixel(290, 240), kWhite);
        QCOMPARE(surface.DrawDot(num(280), num(230)), 0);  // and can be drawn on
        QCOMPARE(surface.image().pixel(280, 230), kBlack);

        // What is painted on the screen is the image.
        surface.resize(DrawingSurface::kWidth, DrawingSurface::kHeight);
        const QImage screen = surface.grab().toImage();
        QCOMPARE(screen.pixel(55, 30), kBlack);
        QCOMPARE(screen.pixel(10, 50), kWhite);
    }

    void drawWinColoursAreBgrLongs() {
        DrawingSurface surface;
        vbs::ScriptEngine engine;
        engine.AddObject(u"DrawWin", surface.scriptObject());
        QCOMPARE(engine.Eval(u"DrawWin.ForeColor").asLong(), 0);
        QCOMPARE(engine.Eval(u"DrawWin.BackColor").asLong(), 0xFFFFFF);
        QCOMPARE(run(engine, u"DrawWin.ForeColor = RGB(255, 0, 0)"), 0);
        QCOMPARE(engine.Eval(u"DrawWin.ForeColor").asLong(), 255);
        surface.DrawDot(num(3), num(3));
        QCOMPARE(surface.image().pixel(3, 3), qRgb(255, 0, 0));

        // A colour argument is for that figure only.
        QCOMPARE(run(engine, u"DrawWin.Line 0, 20, 50, 20, RGB(0, 0, 255)"), 0);
        QCOMPARE(surface.image().pixel(25, 20), qRgb(0, 0, 255));
        QCOMPARE(run(engine, u"DrawWin.PSet 7, 7, &H00FF00&"), 0);
        QCOMPARE(surface.image().pixel(7, 7), qRgb(0, 255, 0));
        QCOMPARE(run(engine, u"DrawWin.Circle 100, 100, 30"), 0);
        QCOMPARE(surface.image().pixel(130, 100), qRgb(255, 0, 0));
    }

    void drawWinClearingAndBackground() {
        DrawingSurface surface;
        vbs::ScriptEngine engine;
        engine.AddObject(u"DrawWin", surface.scriptObject());
        surface.DrawLine(num(10), num(10), num(100), num(50));
        QCOMPARE(run(engine, u"DrawWin.Cls"), 0);
        QCOMPARE(countNotWhite(surface.image()), 0);

        QCOMPARE(run(engine, u"DrawWin.BackColor = RGB(0, 0, 128)"), 0);
        QCOMPARE(surface.image().pixel(200, 190), qRgb(0, 0, 128));
        surface.DrawDot(num(1), num(1));
        QCOMPARE(run(engine, u"DrawWin.Cls"), 0);
        QCOMPARE(surface.image().pixel(1, 1), qRgb(0, 0, 128));
    }

    void drawWinWidthAndScale() {
        DrawingSurface surface;
        vbs::ScriptEngine engine;
        engine.AddObject(u"DrawWin", surface.scriptObject());
        QCOMPARE(engine.Eval(u"DrawWin.ScaleWidth = 225 And DrawWin.ScaleHeight = 201").asLong() != 0, true);
        QCOMPARE(engine.Eval(u"DrawWin.DrawWidth").asLong() & 0xFFFF, 1);

        QCOMPARE(run(engine, u"DrawWin.DrawWidth = 5"), 0);
        surface.DrawLine(num(20), num(100), num(200), num(100));  // MainForm's calls use it too
        for (int y = 98; y <= 102; ++y) QCOMPARE(surface.image().pixel(110, y), kBlack);
        QCOMPARE(surface.image().pixel(110, 104), kWhite);
        surface.DrawDot(num(50), num(50));  // a dot as wide as the pen
        QCOMPARE(surface.image().pixel(51, 50), kBlack);
        QCOMPARE(surface.image().pixel(50, 51), kBlack);

        QCOMPARE(run(engine, u"DrawWin.DrawWidth = 0"), 5);
        QCOMPARE(engine.Eval(u"DrawWin.DrawWidth").asLong() & 0xFFFF, 5);
    }

    void drawWinRefusesBadArguments() {
        DrawingSurface surface;
        vbs::ScriptEngine engine;
        engine.AddObject(u"DrawWin", surface.scriptObject());
        QCOMPARE(run(engine, u"DrawWin.Line 1, 1, \"abc\", 50"), 13);
        QCOMPARE(run(engine, u"DrawWin.Circle 50, 50, 10, \"red\""), 13);
        QCOMPARE(run(engine, u"DrawWin.PSet 1"), 449);
        QCOMPARE(run(engine, u"DrawWin.ForeColor = \"abc\""), 13);
        QCOMPARE(countNotWhite(surface.image()), 0);
        QCOMPARE(engine.Eval(u"DrawWin.ForeColor").asLong(), 0);
        // Text numbers are fine here as well.
        QCOMPARE(run(engine, u"DrawWin.PSet \"4\", \"6\""), 0);
        QCOMPARE(surface.image().pixel(4, 6), kBlack);
    }
};

QTEST_MAIN(DrawingSurfaceTest)
#include "tst_drawing_surface.moc"
