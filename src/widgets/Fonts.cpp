#include "widgets/Fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace tessaro {

void registerGameFonts() {
    // Only the regular face: Wine's bold Tahoma is hardly bolder than the regular one, while
    // the bold that Qt draws from the regular outlines reads as bold. The page in the browser
    // brings the same file with it.
    for (const QString& path : {QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
                                QStringLiteral(":/fonts/tahoma.ttf")}) {
        if (QFile::exists(path)) {
            QFontDatabase::addApplicationFont(path);
            return;
        }
    }
}

QFont gameFont(int pixelSize, bool bold) {
    // Tahoma alone: given a list of families, Qt would have fontconfig sort every font of the
    // desktop for fallbacks, for each script that it meets, about 2 ms before the start window
    // shows. Where Tahoma is missing, fontconfig picks the sans-serif face (DejaVu Sans on
    // Debian) all the same.
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace tessaro
