// The drawing surface (pic_draw): a white picture area on which scripts draw
// lines, dots and circles. Everything drawn goes into a backing image first,
// so drawings survive repaints, dialogs covering the surface, and the window
// hiding the surface in its normal width; the screen is refreshed from the
// image by Refresh (the window's 50 ms tick) and by ordinary repaints.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "engine/object.h"
#include "engine/variant.h"

namespace talvoro {

class DrawingSurface : public QWidget {
    Q_OBJECT

public:
    // The surface's size in the window's layout, in pixels.
    static constexpr int kWidth = 225;
    static constexpr int kHeight = 201;

    explicit DrawingSurface(QWidget* parent = nullptr);
    ~DrawingSurface() override;

    // MainForm's drawing calls. Each argument is converted to a 32-bit float
    // first; if one does not convert, nothing is drawn and the conversion's
    // error number (13 Type mismatch, 6 Overflow) is returned. 0 on success.
    int32_t DrawLine(const vbs::Variant& x1, const vbs::Variant& y1, const vbs::Variant& x2,
                     const vbs::Variant& y2);
    int32_t DrawDot(const vbs::Variant& x1, const vbs::Variant& y1);
    int32_t DrawCircle(const vbs::Variant& x, const vbs::Variant& y, const vbs::Variant& r);

    // The surface as scripts see it under the name "DrawWin": Cls, ForeColor,
    // BackColor, DrawWidth, ScaleWidth, ScaleHeight, PSet, Line, Circle,
    // Refresh. Owned by the surface; valid as long as the surface lives.
    vbs::Dispatch* scriptObject();

    // What has been drawn so far.
    const QImage& image() const;

    // Repaints the screen from the backing image.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace talvoro
