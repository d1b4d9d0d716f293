// The backing image of the drawing surface and the pen it draws with. All
// figures are drawn here first, so the screen can be repainted from it at any
// time; coordinates are pixels from the top-left corner, and whatever falls
// outside the image is cut off.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <cstdint>

namespace talvoro {

class SurfaceCanvas {
public:
    explicit SurfaceCanvas(QSize size);

    const QImage& image() const { return image_; }
    QSize size() const { return visible_; }

    // Scripts see colours as &HBBGGRR Longs (red in the low byte).
    static QColor colorFromLong(int32_t bgr);
    static int32_t longFromColor(const QColor& color);

    QColor foreColor() const { return fore_; }
    void setForeColor(const QColor& c) { fore_ = c; }
    QColor backColor() const { return back_; }
    // A new background colour repaints the whole surface with it, erasing
    // what was drawn, as a picture box does.
    void setBackColor(const QColor& c);
    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int width) { drawWidth_ = width; }

    // Erases everything with the background colour.
    void clear();

    // The visible size changes with the window's layout. The image only ever
    // grows, so shrinking and widening again keeps every drawing.
    void resize(QSize size);

    void drawLine(float x1, float y1, float x2, float y2, const QColor& color);
    void drawDot(float x, float y, const QColor& color);
    void drawCircle(float x, float y, float r, const QColor& color);

private:
    bool mayTouchImage(float left, float top, float right, float bottom) const;

    QImage image_;
    QSize visible_;
    QColor fore_ = Qt::black;
    QColor back_ = Qt::white;
    int drawWidth_ = 1;
};

}  // namespace talvoro
