#include "window/window_font.h"

#include <QApplication>

#include "dialogs/caption_font.h"

namespace talvoro {

void useWindowFont(QApplication& app) { app.setFont(captionFont(8)); }

}  // namespace talvoro
