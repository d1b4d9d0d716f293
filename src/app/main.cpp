// talvoro: the calculator window. It takes no arguments and reads no
// environment of its own; the settings file and the script library lie
// beside the executable.
#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>

#include "window/main_window.h"

namespace {

// The window's controls ask for "MS Sans Serif"; where the bitmap face is
// installed outside the font path, it is added by hand.
constexpr char kSansSerifFace[] = "/usr/share/wine/fonts/sserife.fon";

void loadWindowFont(QApplication& app) {
    if (QFile::exists(QString::fromLatin1(kSansSerifFace)))
        QFontDatabase::addApplicationFont(QString::fromLatin1(kSansSerifFace));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    app.setFont(font);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    loadWindowFont(app);
    talvoro::MainWindow window;
    window.show();
    return app.exec();
}
