#include "window/surface_canvas.h"

#include <QLineF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace talvoro {

namespace {

// Moves the ends of a segment onto the range [low, high] of one axis, along
// the segment. False when the segment lies wholly on one side of the range.
bool clipAxis(double& a1, double& b1, double& a2, double& b2, double low, double high) {
    if ((a1 < low && a2 < low) || (a1 > high && a2 > high)) return false;
    // The slope of the original ends; each end slides along it from itself.
    const double slope = (b2 - b1) / (a2 - a1);
    auto moveEnd = [&](double& a, double& b) {
        const double edge = a < low ? low : high;
        b += (edge - a) * slope;
        a = edge;
    };
    if (a1 < low || a1 > high) moveEnd(a1, b1);
    if (a2 < low || a2 > high) moveEnd(a2, b2);
    return true;
}

bool clipShortSegment(QLineF& line, const QRectF& box) {
    double x1 = line.x1(), y1 = line.y1(), x2 = line.x2(), y2 = line.y2();
    if (!clipAxis(x1, y1, x2, y2, box.left(), box.right())) return false;
    if (!clipAxis(y1, x1, y2, x2, box.top(), box.bottom())) return false;
    line = QLineF(x1, y1, x2, y2);
    return true;
}

bool boundsTouch(QPointF a, QPointF b, const QRectF& box) {
    return std::max(a.x(), b.x()) >= box.left() && std::min(a.x(), b.x()) <= box.right() &&
           std::max(a.y(), b.y()) >= box.top() && std::min(a.y(), b.y()) <= box.bottom();
}

// The visible part of a segment, so the rasteriser never sees coordinates
// beyond its fixed-point range. Ends far away (up to 3E+38) would lose the
// line's position near the surface to rounding in any slope, so a long
// segment is halved, keeping the halves that may cross the box, until the
// pieces are short enough to clip by slope exactly.
bool clipSegment(QLineF& line, const QRectF& box) {
    constexpr double kShortEnough = 1e6;
    if (!boundsTouch(line.p1(), line.p2(), box)) return false;
    if (std::max(std::fabs(line.dx()), std::fabs(line.dy())) <= kShortEnough) return clipShortSegment(line, box);
    const QPointF middle(line.x1() / 2 + line.x2() / 2, line.y1() / 2 + line.y2() / 2);
    QLineF first(line.p1(), middle), second(middle, line.p2());
    const bool firstSeen = clipSegment(first, box);
    const bool secondSeen = clipSegment(second, box);
    if (firstSeen && secondSeen) line = QLineF(first.p1(), second.p2());
    else if (firstSeen) line = first;
    else if (secondSeen) line = second;
    return firstSeen || secondSeen;
}

// Round ends make a wide dot round and wide lines meet without gaps.
QPen surfacePen(const QColor& color, int width) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace

SurfaceCanvas::SurfaceCanvas(QSize size)
    : image_(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32), visible_(size) {
    image_.fill(back_);
}

QColor SurfaceCanvas::colorFromLong(int32_t bgr) {
    const auto v = static_cast<uint32_t>(bgr);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

int32_t SurfaceCanvas::longFromColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

void SurfaceCanvas::setBackColor(const QColor& c) {
    back_ = c;
    clear();
}

void SurfaceCanvas::clear() { image_.fill(back_); }

void SurfaceCanvas::resize(QSize size) {
    visible_ = size;
    const QSize needed = image_.size().expandedTo(size);
    if (needed == image_.size()) return;
    QImage larger(needed, QImage::Format_RGB32);
    larger.fill(back_);
    QPainter painter(&larger);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = std::move(larger);
}

// A cheap test on the figure's bounding box, widened by the pen, so figures
// wholly outside never reach the painter.
bool SurfaceCanvas::mayTouchImage(float left, float top, float right, float bottom) const {
    const float margin = float(drawWidth_);
    return right + margin >= 0.0f && bottom + margin >= 0.0f && left - margin <= float(image_.width()) &&
           top - margin <= float(image_.height());
}


void SurfaceCanvas::drawLine(float x1, float y1, float x2, float y2, const QColor& color) {
    if (!mayTouchImage(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2))) return;
    QLineF line(x1, y1, x2, y2);
    const double margin = drawWidth_ + 2.0;
    if (!clipSegment(line, QRectF(image_.rect()).adjusted(-margin, -margin, margin, margin))) return;
    QPainter painter(&image_);
    painter.setPen(surfacePen(color, drawWidth_));
    painter.drawLine(line);
}

void SurfaceCanvas::drawDot(float x, float y, const QColor& color) {
    if (!mayTouchImage(x, y, x, y)) return;
    QPainter painter(&image_);
    painter.setPen(surfacePen(color, drawWidth_));
    painter.drawPoint(QPointF(x, y));
}

void SurfaceCanvas::drawCircle(float x, float y, float r, const QColor& color) {
    const float radius = std::fabs(r);
    if (!mayTouchImage(x - radius, y - radius, x + radius, y + radius)) return;
    // A circle that encloses the whole image passes outside it everywhere.
    const double reach = radius - drawWidth_ - 2.0;
    const double w = image_.width(), h = image_.height();
    const double farX = std::max(std::fabs(double(x)), std::fabs(w - x));
    const double farY = std::max(std::fabs(double(y)), std::fabs(h - y));
    if (reach > 0 && farX * farX + farY * farY < reach * reach) return;
    QPainter painter(&image_);
    painter.setPen(surfacePen(color, drawWidth_));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(x, y), radius, radius);
}

}  // namespace talvoro
