#include "window/window_font.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace talvoro {

namespace {

// Where the bitmap "MS Sans Serif" lies outside the font path when the
// system has it; it is added by hand.
constexpr char kSansSerifFace[] = "/usr/share/wine/fonts/sserife.fon";

QFont windowFont() {
    QFont font;
    // Liberation Sans has Arial's widths, close to the bitmap face's; the
    // desktop's usual sans-serif face is wider and cuts captions off in the
    // layout's 17-pixel rows ("On Top" loses its last letter).
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

}  // namespace

void useWindowFont(QApplication& app) {
    const QString face = QString::fromLatin1(kSansSerifFace);
    if (QFile::exists(face)) {
        const int id = QFontDatabase::addApplicationFont(face);
        // Some Qt builds take the bitmap face for a fixed-pitch one and draw
        // it as such, which no longer fits the captions; the fallback faces
        // then serve better.
        if (id >= 0 && QFontInfo(windowFont()).fixedPitch()) QFontDatabase::removeApplicationFont(id);
    }
    app.setFont(windowFont());
}

}  // namespace talvoro
