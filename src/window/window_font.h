// The font of the window's buttons, check boxes and boxes, set once for the
// whole application before the window is built.
#pragma once

class QApplication;

namespace talvoro {

// Asks for "MS Sans Serif" at 8 points, the face the layout's sizes were made
// for, and falls back to a sans-serif face with the same narrow widths.
void useWindowFont(QApplication& app);

}  // namespace talvoro
