#include "core/Fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace tessaro {

void registerGameFonts() {
    // Only the regular face: Wine's bold Tahoma is hardly bolder than the regular one, while
    // the bold that Qt draws from the regular outlines reads as bold.
    const QString path = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(path)) {
        QFontDatabase::addApplicationFont(path);
    }
}

QFont gameFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace tessaro
