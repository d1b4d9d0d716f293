// The script object "DrawWin": the members of the drawing surface that
// scripts written for a picture box expect (Cls, ForeColor, BackColor,
// DrawWidth, ScaleWidth, ScaleHeight, PSet, Line, Circle, Refresh). It only
// translates script values; the drawing itself is done by the canvas.
#pragma once

#include <functional>
#include <initializer_list>

#include "engine/host_object.h"
#include "engine/variant.h"

namespace talvoro {

// Converts each value to a 32-bit float, in order, into `out` (room for as
// many as given). Returns the first conversion's error (13 for text that is
// not a number, 6 for a value out of range), 0 when all converted, so that
// a caller can refuse the whole figure before drawing any of it.
int32_t convertCoordinates(std::initializer_list<const vbs::Variant*> values, float* out);

class SurfaceCanvas;

// Gives `object` the members that draw on `canvas`; `refresh` repaints the
// screen. The canvas must outlive the object's use by scripts.
void addDrawWinMembers(vbs::HostObject& object, SurfaceCanvas& canvas, std::function<void()> refresh);

}  // namespace talvoro
