// The application's font: the 8-point caption face, for every widget.
#pragma once

class QApplication;

namespace talvoro {

// Makes the 8-point caption face the font of the whole application, before
// the window is built.
void useWindowFont(QApplication& app);

}  // namespace talvoro
