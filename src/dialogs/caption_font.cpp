#include "dialogs/caption_font.h"

#include <QStringList>

namespace talvoro {

QFont captionFont(qreal points) {
    QFont font;
    // "MS Sans Serif" first for a system that has it as an outline face; the
    // desktop's usual sans-serif face is wider and cuts captions off in the
    // layout's 17-pixel rows ("On Top" loses its last letter).
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

}  // namespace talvoro
