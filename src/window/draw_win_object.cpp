#include "window/draw_win_object.h"

#include "engine/conversions.h"
#include "window/surface_canvas.h"

namespace talvoro {

int32_t convertCoordinates(std::initializer_list<const vbs::Variant*> values, float* out) {
    for (const vbs::Variant* value : values) {
        if (int32_t status = vbs::ops::toSingle(*value, *out++)) return status;
    }
    return 0;
}

namespace {

constexpr int32_t kArgumentNotOptional = 449;
constexpr int32_t kWrongArgumentCount = 450;
constexpr int32_t kInvalidArgument = 5;
// A pen wider than this has no use on a 225-pixel surface and would make
// every figure a blot; picture boxes refuse such widths as well.
constexpr int32_t kMaxDrawWidth = 32767;

// The first `count` arguments as floats, then an optional colour argument
// at index `count` (the current foreground colour when it is left out).
int32_t readFigure(vbs::Args& args, int count, float* coords, const SurfaceCanvas& canvas, QColor& color) {
    if (args.size() > count + 1) return kWrongArgumentCount;
    for (int i = 0; i < count; ++i) {
        if (args.missing(i)) return kArgumentNotOptional;
        if (int32_t status = vbs::ops::toSingle(args.at(i), coords[i])) return status;
    }
    color = canvas.foreColor();
    if (args.missing(count)) return 0;
    int32_t bgr = 0;
    if (int32_t status = vbs::ops::toLong(args.at(count), bgr)) return status;
    color = SurfaceCanvas::colorFromLong(bgr);
    return 0;
}

vbs::HostObject::Store colorSetter(SurfaceCanvas& canvas, void (SurfaceCanvas::*set)(const QColor&)) {
    return [&canvas, set](vbs::Args, const vbs::Variant& value, vbs::CallContext&) -> int32_t {
        int32_t bgr = 0;
        if (int32_t status = vbs::ops::toLong(value, bgr)) return status;
        (canvas.*set)(SurfaceCanvas::colorFromLong(bgr));
        return 0;
    };
}

void addProperties(vbs::HostObject& o, SurfaceCanvas& canvas) {
    o.property(u"ForeColor",
               [&canvas](vbs::Args, vbs::Variant& r, vbs::CallContext&) {
                   r = vbs::Variant::long_(SurfaceCanvas::longFromColor(canvas.foreColor()));
                   return 0;
               },
               colorSetter(canvas, &SurfaceCanvas::setForeColor));
    o.property(u"BackColor",
               [&canvas](vbs::Args, vbs::Variant& r, vbs::CallContext&) {
                   r = vbs::Variant::long_(SurfaceCanvas::longFromColor(canvas.backColor()));
                   return 0;
               },
               colorSetter(canvas, &SurfaceCanvas::setBackColor));
    o.property(u"DrawWidth",
               [&canvas](vbs::Args, vbs::Variant& r, vbs::CallContext&) {
                   r = vbs::Variant::integer(static_cast<int16_t>(canvas.drawWidth()));
                   return 0;
               },
               [&canvas](vbs::Args, const vbs::Variant& value, vbs::CallContext&) -> int32_t {
                   int32_t width = 0;
                   if (int32_t status = vbs::ops::toLong(value, width)) return status;
                   if (width < 1 || width > kMaxDrawWidth) return kInvalidArgument;
                   canvas.setDrawWidth(width);
                   return 0;
               });
    o.property(u"ScaleWidth", [&canvas](vbs::Args, vbs::Variant& r, vbs::CallContext&) {
        r = vbs::Variant::single(float(canvas.size().width()));
        return 0;
    });
    o.property(u"ScaleHeight", [&canvas](vbs::Args, vbs::Variant& r, vbs::CallContext&) {
        r = vbs::Variant::single(float(canvas.size().height()));
        return 0;
    });
}

void addFigures(vbs::HostObject& o, SurfaceCanvas& canvas) {
    o.method(u"PSet", [&canvas](vbs::Args a, vbs::Variant&, vbs::CallContext&) -> int32_t {
        float c[2];
        QColor color;
        if (int32_t status = readFigure(a, 2, c, canvas, color)) return status;
        canvas.drawDot(c[0], c[1], color);
        return 0;
    });
    o.method(u"Line", [&canvas](vbs::Args a, vbs::Variant&, vbs::CallContext&) -> int32_t {
        float c[4];
        QColor color;
        if (int32_t status = readFigure(a, 4, c, canvas, color)) return status;
        canvas.drawLine(c[0], c[1], c[2], c[3], color);
        return 0;
    });
    o.method(u"Circle", [&canvas](vbs::Args a, vbs::Variant&, vbs::CallContext&) -> int32_t {
        float c[3];
        QColor color;
        if (int32_t status = readFigure(a, 3, c, canvas, color)) return status;
        canvas.drawCircle(c[0], c[1], c[2], color);
        return 0;
    });
}

}  // namespace

void addDrawWinMembers(vbs::HostObject& object, SurfaceCanvas& canvas, std::function<void()> refresh) {
    object.method(u"Cls", [&canvas](vbs::Args a, vbs::Variant&, vbs::CallContext&) -> int32_t {
        if (a.size() > 0) return kWrongArgumentCount;
        canvas.clear();
        return 0;
    });
    object.method(u"Refresh", [refresh](vbs::Args a, vbs::Variant&, vbs::CallContext&) -> int32_t {
        if (a.size() > 0) return kWrongArgumentCount;
        refresh();
        return 0;
    });
    addProperties(object, canvas);
    addFigures(object, canvas);
}

}  // namespace talvoro
