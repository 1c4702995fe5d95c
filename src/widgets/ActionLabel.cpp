#include "widgets/ActionLabel.h"

#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "widgets/Fonts.h"
#include "widgets/TextLabel.h"

namespace tessaro {

ActionLabel::ActionLabel(const QString& objectName, const QString& text, int pixelSize,
                         QWidget* parent, QColor resting, QColor hover)
    : ItemButton(parent), resting_(resting), hover_(hover) {
    setText(text);
    setObjectName(objectName);
    setFont(gameFont(pixelSize, true));
    // The colours are the label's own, whatever background its parent paints.
    setForegroundRole(QPalette::WindowText);
    setBackgroundRole(QPalette::Window);
    setFontColor(resting_);
}

void ActionLabel::setText(const QString& text) {
    ItemButton::setText(text);
    setShortcut(QKeySequence());
}

void ActionLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

int ActionLabel::textFlags() const {
    return static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment_));
}

QSize ActionLabel::sizeHint() const {
    return {fontMetrics().horizontalAdvance(text()), fontMetrics().height()};
}

QColor ActionLabel::fontColor() const {
    return palette().color(QPalette::Active, QPalette::WindowText);
}

void ActionLabel::setFontColor(const QColor& color) {
    // Only the enabled groups: a disabled item keeps the style's greyed text.
    QPalette colours = palette();
    colours.setColor(QPalette::Active, QPalette::WindowText, color);
    colours.setColor(QPalette::Inactive, QPalette::WindowText, color);
    setPalette(colours);
}

void ActionLabel::highlight(bool on, bool byKeyboard) {
    // The keyboard's focus takes the pointer's colour where it reads on the ground (Connect
    // turns white under the pointer, on light grey); else the resting colour, within the
    // dotted frame.
    const bool reads = !byKeyboard || contrast(hover_, ground()) >= kReadableContrast;
    setFontColor(on && reads ? hover_ : resting_);
}

namespace {

// The relative luminance of a colour, and the contrast of two, as the web's accessibility
// guidelines measure them: 1 for the same colour, 21 for black on white.
double luminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

}  // namespace

double contrast(const QColor& one, const QColor& other) {
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ActionLabel::ground() const {
    // The colour the label stands on: its own, or that of the nearest box that paints one.
    for (const QWidget* widget = this; widget != nullptr; widget = widget->parentWidget()) {
        if (widget->autoFillBackground() || widget->isWindow()) {
            return widget->palette().color(widget->backgroundRole());
        }
    }
    return palette().color(QPalette::Window);
}

void ActionLabel::paintEvent(QPaintEvent* /*event*/) {
    // Drawn as a plain label draws its text, not as a document: a document's line is only as
    // tall as the font's line height and clips what reaches above it. Tahoma's capitals and
    // accents reach higher than that at small sizes and would lose their top rows.
    QPainter painter(this);
    const int flags = textFlags();
    drawGameText(painter, *this, contentsRect(), flags, text());
    if (showsKeyboardFocus()) {
        drawFocusFrame(painter, flags);
    }
}

void ActionLabel::drawFocusFrame(QPainter& painter, int flags) const {
    // A dotted frame along the label's edges. The text fills the label's height, and its
    // capitals, accents and the tail of a "g" reach the edges: the frame leaves a pixel of
    // room around every letter rather than cross it.
    const qreal ratio = devicePixelRatioF();
    QImage ink(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    ink.setDevicePixelRatio(ratio);
    ink.fill(Qt::transparent);
    {
        QPainter text(&ink);
        text.setFont(font());
        drawGameText(text, *this, contentsRect(), flags, this->text());
    }
    const auto nearInk = [&ink, ratio](int x, int y) {
        const QRect around(QPoint(qFloor((x - 1) * ratio), qFloor((y - 1) * ratio)),
                           QPoint(qCeil((x + 2) * ratio) - 1, qCeil((y + 2) * ratio) - 1));
        const QRect inside = around.intersected(ink.rect());
        for (int row = inside.top(); row <= inside.bottom(); ++row) {
            for (int column = inside.left(); column <= inside.right(); ++column) {
                if (qAlpha(ink.pixel(column, row)) > 16) {
                    return true;
                }
            }
        }
        return false;
    };
    const QColor colour = palette().color(QPalette::WindowText);
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0 && !nearInk(x, y)) {
            painter.fillRect(QRect(x, y, 1, 1), colour);
        }
    };
    const int right = width() - 1;
    const int bottom = height() - 1;
    for (int x = 0; x <= right; ++x) {
        dot(x, 0);
        dot(x, bottom);
    }
    for (int y = 1; y < bottom; ++y) {
        dot(0, y);
        dot(right, y);
    }
}

}  // namespace tessaro
