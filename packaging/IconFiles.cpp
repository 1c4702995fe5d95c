// Writes the program's icon files for the desktop's icon theme:
//   tessaro_icon_files FOLDER NAME SIZE...
// gives FOLDER/hicolor/SIZExSIZE/apps/NAME.png for every size and
// FOLDER/hicolor/scalable/apps/NAME.svg, all drawn by the game's own code.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "widgets/Pictures.h"

namespace {

bool writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
           file.flush();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s FOLDER NAME SIZE...\n", argv[0]);
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor/");
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        const QString path = folder + QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name);
        QDir().mkpath(QFileInfo(path).path());
        if (size <= 0 || !tessaro::drawProgramIcon(size, 1.0).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString svg = folder + QStringLiteral("scalable/apps/%1.svg").arg(name);
    if (!writeFile(svg, tessaro::programIconSvg())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg));
        return 1;
    }
    return 0;
}
