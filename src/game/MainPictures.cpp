#include "game/MainPictures.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "core/Text.h"
#include "widgets/Fonts.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenLanguage.h"

namespace tessaro {

namespace {

constexpr int kPictureWidth = 100;
constexpr int kPictureHeight = 30;

enum class Look { Resting, Highlighted, Locked };

struct ButtonPicture {
    const char* word;
    QColor tint;
    Look look;
};

// The image list's order: each button's pictures sit where the main window looks for them.
const ButtonPicture kButtonPictures[kButtonPictureCount] = {
    {GAME_TEXT("РАЗРАБОТКА"), QColor(170, 200, 235), Look::Resting},
    {GAME_TEXT("РАЗРАБОТКА"), QColor(170, 200, 235), Look::Highlighted},
    {GAME_TEXT("ОБУЧЕНИЕ"), QColor(235, 215, 160), Look::Resting},
    {GAME_TEXT("ОБУЧЕНИЕ"), QColor(235, 215, 160), Look::Highlighted},
    {GAME_TEXT("ОТДЫХ"), QColor(175, 225, 175), Look::Resting},
    {GAME_TEXT("ОТДЫХ"), QColor(175, 225, 175), Look::Highlighted},
    {"INTERNET", QColor(160, 220, 230), Look::Resting},
    {"INTERNET", QColor(160, 220, 230), Look::Locked},
    {"INTERNET", QColor(160, 220, 230), Look::Highlighted},
    {GAME_TEXT("РАБОТА"), QColor(230, 190, 160), Look::Resting},
    {GAME_TEXT("РАБОТА"), QColor(230, 190, 160), Look::Highlighted},
    {GAME_TEXT("ПРОГРАММЫ"), QColor(205, 185, 230), Look::Resting},
    {GAME_TEXT("ПРОГРАММЫ"), QColor(205, 185, 230), Look::Locked},
    {GAME_TEXT("ПРОГРАММЫ"), QColor(205, 185, 230), Look::Highlighted},
    {GAME_TEXT("КОМПЬЮТЕР"), QColor(200, 210, 220), Look::Resting},
    {GAME_TEXT("КОМПЬЮТЕР"), QColor(200, 210, 220), Look::Highlighted},
};

QColor greyed(const QColor& colour) {
    const int grey = qGray(colour.rgb());
    return QColor(grey, grey, grey).lighter(115);
}

void drawBackground(QPainter& painter, QColor tint, bool locked) {
    if (locked) {
        tint = greyed(tint);
    }
    QLinearGradient gradient(0, 0, kPictureWidth, kPictureHeight);
    gradient.setColorAt(0, tint.lighter(125));
    gradient.setColorAt(1, tint);
    painter.fillRect(0, 0, kPictureWidth, kPictureHeight, gradient);
    // A faint circuit of lines and pads behind the word.
    painter.setPen(QPen(tint.darker(118), 1));
    for (int x = 6; x < kPictureWidth; x += 14) {
        const int y = 4 + (x * 7) % 22;
        painter.drawLine(x, y, x + 8, y);
        painter.drawLine(x + 8, y, x + 8, y + 5);
        painter.drawEllipse(QPoint(x + 8, y + 6), 1, 1);
    }
}

QPixmap drawButtonPicture(const ButtonPicture& picture, qreal ratio) {
    QPixmap pixmap = transparentPixmap(kPictureWidth, kPictureHeight, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawBackground(painter, picture.tint, picture.look == Look::Locked);

    const QString word = gameText(picture.word);
    QFont font = gameFont(18, true);
    font.setItalic(true);
    while (QFontMetrics(font).horizontalAdvance(word) > kPictureWidth - 12 &&
           font.pixelSize() > 9) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    // The word is the regular outline drawn with a pen of its own: the synthetic bold of the
    // font thins the second stroke of «Ы», whose outline runs the other way round.
    const QFontMetrics metrics(font);
    QFont outlineFont = font;
    outlineFont.setBold(false);
    QPainterPath outline;
    outline.addText((kPictureWidth - metrics.horizontalAdvance(word)) / 2.0,
                    (kPictureHeight - metrics.height()) / 2.0 + metrics.ascent(), outlineFont,
                    word);
    const auto drawWord = [&painter, &outline](const QColor& colour, QPointF offset) {
        const QPainterPath placed = outline.translated(offset);
        painter.fillPath(placed, colour);
        painter.strokePath(placed, QPen(colour, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    };
    drawWord(QColor(255, 255, 255, 170), QPointF(1, 1));
    QColor ink(96, 96, 96);
    if (picture.look == Look::Highlighted) {
        ink = QColor(210, 0, 0);
    } else if (picture.look == Look::Locked) {
        ink = QColor(150, 150, 150);
    }
    drawWord(ink, QPointF(0, 0));
    return pixmap;
}

}  // namespace

QString buttonWord(int picture) {
    return gameText(kButtonPictures[static_cast<std::size_t>(picture)].word);
}

QVector<QPixmap> drawButtonPictures(qreal ratio) {
    QVector<QPixmap> pictures;
    pictures.reserve(kButtonPictureCount);
    for (const ButtonPicture& picture : kButtonPictures) {
        pictures.append(drawButtonPicture(picture, ratio));
    }
    return pictures;
}

namespace {

QPixmap drawMenuPicture(MenuIcon icon, qreal ratio) {
    QPixmap pixmap = transparentPixmap(16, 16, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    switch (icon) {
        case MenuIcon::NewGame: {
            QPainterPath sheet;
            sheet.moveTo(3.5, 1.5);
            sheet.lineTo(10.5, 1.5);
            sheet.lineTo(13.5, 4.5);
            sheet.lineTo(13.5, 14.5);
            sheet.lineTo(3.5, 14.5);
            sheet.closeSubpath();
            painter.fillPath(sheet, Qt::white);
            painter.drawPath(sheet);
            painter.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
            painter.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
            painter.setPen(QPen(QColor(230, 170, 0), 1.5));
            painter.drawLine(QPointF(6, 9), QPointF(11, 9));
            painter.drawLine(QPointF(8.5, 6.5), QPointF(8.5, 11.5));
            break;
        }
        case MenuIcon::Save:
            painter.fillRect(QRectF(1.5, 1.5, 13, 13), QColor(40, 80, 160));
            painter.drawRect(QRectF(1.5, 1.5, 13, 13));
            painter.fillRect(QRectF(4, 2, 8, 5), Qt::white);
            painter.fillRect(QRectF(4, 10, 8, 4.5), QColor(200, 200, 200));
            break;
        case MenuIcon::Load: {
            painter.setBrush(QColor(240, 200, 80));
            painter.drawRect(QRectF(1.5, 4.5, 13, 9));
            painter.drawRect(QRectF(1.5, 2.5, 5, 2));
            painter.setBrush(QColor(250, 225, 130));
            QPolygonF flap(
                {QPointF(3.5, 7.5), QPointF(15, 7.5), QPointF(13, 13.5), QPointF(1.5, 13.5)});
            painter.drawPolygon(flap);
            break;
        }
    }
    return pixmap;
}

}  // namespace

QIcon drawMenuIcon(MenuIcon icon) {
    // The menu takes whichever the screen needs.
    QIcon drawn;
    drawn.addPixmap(drawMenuPicture(icon, 1.0));
    drawn.addPixmap(drawMenuPicture(icon, 2.0));
    return drawn;
}

}  // namespace tessaro
