// The faces of the window's and the input box's captions. The layouts' sizes
// were made for "MS Sans Serif", a Windows bitmap face that Linux desktops
// lack; Liberation Sans has Arial's widths, which are close to it.
#pragma once

#include <QFont>

class QApplication;

namespace talvoro {

// The sans-serif face of the captions at `points`, asked for by family names
// in order of preference, so that no face from the desktop's own fallback
// (which may be wider, or monospaced on a bare system) is picked first.
QFont captionFont(qreal points);

// Makes the 8-point caption face the font of the whole application, before
// the window is built.
void useWindowFont(QApplication& app);

}  // namespace talvoro
