// talvoro: the calculator window. It takes no arguments and reads no
// environment of its own; the settings file and the script library lie
// beside the executable.
#include <QApplication>

#include "window/main_window.h"
#include "window/window_font.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    talvoro::useWindowFont(app);
    talvoro::MainWindow window;
    window.show();
    return app.exec();
}
