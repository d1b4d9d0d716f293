// talvoro: the calculator window. It takes no arguments and reads no
// environment of its own; the settings file and the script library lie
// beside the executable.
#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

#include "window/main_window.h"

namespace {

// The window's controls ask for "MS Sans Serif"; where the bitmap face is
// installed outside the font path, it is added by hand.
constexpr char kSansSerifFace[] = "/usr/share/wine/fonts/sserife.fon";

QFont windowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    return font;
}

void loadWindowFont(QApplication& app) {
    const QString face = QString::fromLatin1(kSansSerifFace);
    if (QFile::exists(face)) {
        const int id = QFontDatabase::addApplicationFont(face);
        // Some Qt builds take the bitmap face for a fixed-pitch one and draw
        // it as such, which no longer fits the captions; the desktop's sans
        // face then serves better.
        if (id >= 0 && QFontInfo(windowFont()).fixedPitch()) QFontDatabase::removeApplicationFont(id);
    }
    app.setFont(windowFont());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    loadWindowFont(app);
    talvoro::MainWindow window;
    window.show();
    return app.exec();
}
