// Writes the program's icon files for the desktop's icon theme:
//   tessaro_icon_files FOLDER NAME SIZE...
// gives FOLDER/hicolor/SIZExSIZE/apps/NAME.png for every size,
// FOLDER/hicolor/scalable/apps/NAME.svg, and FOLDER/NAME.ico for Windows with every size up to
// 256, all drawn by the game's own code.
#include <QBuffer>
#include <QDataStream>
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

// A Windows icon of PNG pictures: the directory of the pictures, then each picture.
QByteArray windowsIcon(const QList<QByteArray>& pictures, const QList<int>& sizes) {
    QByteArray icon;
    QDataStream out(&icon, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto count = static_cast<quint16>(pictures.size());
    out << quint16{0} << quint16{1} << count;
    quint32 offset = 6 + 16 * quint32{count};
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        // A size of 256 is written as 0.
        const auto side = static_cast<quint8>(sizes[i] % 256);
        const auto bytes = static_cast<quint32>(pictures[i].size());
        out << side << side << quint8{0} << quint8{0} << quint16{1} << quint16{32} << bytes
            << offset;
        offset += bytes;
    }
    for (const QByteArray& picture : pictures) {
        out.writeRawData(picture.constData(), static_cast<int>(picture.size()));
    }
    return icon;
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
    QList<QByteArray> pictures;
    QList<int> sizes;
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        const QString path = folder + QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name);
        QByteArray png;
        QBuffer buffer(&png);
        if (size <= 0 || !buffer.open(QIODevice::WriteOnly) ||
            !tessaro::drawProgramIcon(size, 1.0).save(&buffer, "PNG") || !writeFile(path, png)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        if (size <= 256) {
            pictures.append(png);
            sizes.append(size);
        }
    }
    const QString ico = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/%1.ico").arg(name);
    if (!writeFile(ico, windowsIcon(pictures, sizes))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ico));
        return 1;
    }
    const QString svg = folder + QStringLiteral("scalable/apps/%1.svg").arg(name);
    if (!writeFile(svg, tessaro::programIconSvg())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg));
        return 1;
    }
    return 0;
}
