// The face of the window's and the dialogs' captions. The layouts' sizes
// were made for "MS Sans Serif", a Windows bitmap face that Linux desktops
// lack; Liberation Sans has Arial's widths, which are close to it.
#pragma once

#include <QFont>

namespace talvoro {

// The sans-serif face of the captions at `points`, asked for by family names
// in order of preference, so that no face from the desktop's own fallback
// (which may be wider, or monospaced on a bare system) is picked first.
QFont captionFont(qreal points);

}  // namespace talvoro
