#include "window/drawing_surface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "window/draw_win_object.h"
#include "window/surface_canvas.h"

namespace talvoro {

struct DrawingSurface::State {
    SurfaceCanvas canvas{QSize(kWidth, kHeight)};
    vbs::HostObjectRef scriptObject{new vbs::HostObject(u"PictureBox")};
};

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent), state_(std::make_unique<State>()) {
    setObjectName(QStringLiteral("pic_draw"));
    resize(kWidth, kHeight);
    // The image paints every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    addDrawWinMembers(*state_->scriptObject.get(), state_->canvas, [this] { Refresh(); });
}

DrawingSurface::~DrawingSurface() = default;

int32_t DrawingSurface::DrawLine(const vbs::Variant& x1, const vbs::Variant& y1, const vbs::Variant& x2,
                                 const vbs::Variant& y2) {
    float c[4];
    if (int32_t status = convertCoordinates({&x1, &y1, &x2, &y2}, c)) return status;
    state_->canvas.drawLine(c[0], c[1], c[2], c[3], state_->canvas.foreColor());
    return 0;
}

int32_t DrawingSurface::DrawDot(const vbs::Variant& x1, const vbs::Variant& y1) {
    float c[2];
    if (int32_t status = convertCoordinates({&x1, &y1}, c)) return status;
    state_->canvas.drawDot(c[0], c[1], state_->canvas.foreColor());
    return 0;
}

int32_t DrawingSurface::DrawCircle(const vbs::Variant& x, const vbs::Variant& y, const vbs::Variant& r) {
    float c[3];
    if (int32_t status = convertCoordinates({&x, &y, &r}, c)) return status;
    state_->canvas.drawCircle(c[0], c[1], c[2], state_->canvas.foreColor());
    return 0;
}

vbs::Dispatch* DrawingSurface::scriptObject() { return state_->scriptObject.get(); }

const QImage& DrawingSurface::image() const { return state_->canvas.image(); }

void DrawingSurface::Refresh() { update(); }

void DrawingSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), state_->canvas.image(), event->rect());
}

void DrawingSurface::resizeEvent(QResizeEvent* event) {
    state_->canvas.resize(event->size());
    QWidget::resizeEvent(event);
}

}  // namespace talvoro
