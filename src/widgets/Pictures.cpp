#include "widgets/Pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <map>

namespace tessaro {

namespace {

// The program's icon on a grid of 32 × 32: a monitor on its stand with a green "T" on the
// screen. The same shapes make the title bars' icon, the windows' icon and the icon files
// that are installed with the game, so every one of them looks the same.
constexpr qreal kProgramIconGrid = 32;
const QColor kIconOutline(30, 30, 30);
constexpr qreal kIconOutlineWidth = 1.5;

struct IconShape {
    QRectF box;
    qreal radius;
    QColor fill;
    bool outlined;
};

const IconShape kProgramIconShapes[] = {
    {{14, 21, 4, 3}, 0, QColor(200, 200, 200), true},           // the neck
    {{9, 24, 14, 5}, 1, QColor(200, 200, 200), true},           // the stand
    {{3, 3, 26, 19}, 2, QColor(220, 220, 220), true},           // the monitor
    {{6, 6, 20, 13}, 0, QColor(20, 40, 90), true},              // its screen
    {{10.5, 8.5, 11, 2.5}, 0, QColor(120, 255, 120), false},    // the T's bar
    {{14.75, 8.5, 2.5, 8.5}, 0, QColor(120, 255, 120), false},  // the T's stem
};

void paintProgramIcon(QPainter& painter, qreal size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kProgramIconGrid, size / kProgramIconGrid);
    for (const IconShape& shape : kProgramIconShapes) {
        painter.setPen(shape.outlined ? QPen(kIconOutline, kIconOutlineWidth) : QPen(Qt::NoPen));
        painter.setBrush(shape.fill);
        painter.drawRoundedRect(shape.box, shape.radius, shape.radius);
    }
    painter.restore();
}

// Draws the program's icon at whatever size and density a window or the desktop asks for.
// Every window carries the same icon, in all its sizes, from the moment it is made: each size
// is drawn once.
class ProgramIconEngine final : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->translate(rect.topLeft());
        paintProgramIcon(*painter, qMin(rect.width(), rect.height()));
        painter->restore();
    }
    // Qt's own pixmap here would have no transparent ground.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        QPixmap& drawn = drawn_[side];
        if (drawn.isNull()) {
            drawn = drawProgramIcon(side, 1.0);
        }
        return drawn;
    }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("tessaro-program-icon"); }
    bool isNull() override { return false; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

  private:
    std::map<int, QPixmap> drawn_;
};

}  // namespace

QPixmap transparentPixmap(int width, int height, qreal ratio) {
    QPixmap pixmap(QSize(qRound(width * ratio), qRound(height * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

qreal screenRatio() {
    return QGuiApplication::instance() != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap loadPicture(const QString& name) {
    const QString large = QStringLiteral(":/pictures/%1@2x.jpg").arg(name);
    if (screenRatio() > 1.0 && QFile::exists(large)) {
        QPixmap picture(large);
        picture.setDevicePixelRatio(2.0);
        return picture;
    }
    return QPixmap(QStringLiteral(":/pictures/%1.jpg").arg(name));
}

QPixmap drawProgramIcon(int size, qreal ratio) {
    QPixmap pixmap = transparentPixmap(size, size, ratio);
    QPainter painter(&pixmap);
    paintProgramIcon(painter, size);
    return pixmap;
}

QByteArray programIconSvg() {
    QByteArray svg = QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 32 32\">\n");
    for (const IconShape& shape : kProgramIconShapes) {
        const QRectF& box = shape.box;
        svg += QStringLiteral(
                   "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                   "fill=\"%6\"")
                   .arg(box.x())
                   .arg(box.y())
                   .arg(box.width())
                   .arg(box.height())
                   .arg(shape.radius)
                   .arg(shape.fill.name())
                   .toUtf8();
        svg += shape.outlined ? QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"/>\n")
                                    .arg(kIconOutline.name())
                                    .arg(kIconOutlineWidth)
                                    .toUtf8()
                              : QByteArrayLiteral(" stroke=\"none\"/>\n");
    }
    svg += "</svg>\n";
    return svg;
}

QIcon programIcon() {
    return QIcon(new ProgramIconEngine);
}

QPixmap drawComputerIcon(qreal ratio) {
    return drawProgramIcon(16, ratio);
}

}  // namespace tessaro
