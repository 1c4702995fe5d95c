#include "widgets/TextLabel.h"

#include <QPainter>
#include <QStyle>

namespace tessaro {

namespace {

// From this density on, the bold that Qt draws no longer reads as bold by itself.
constexpr qreal kDenseScreen = 1.5;

}  // namespace

void drawGameText(QPainter& painter, const QWidget& widget, const QRect& rect, int flags,
                  const QString& text) {
    const QStyle* style = widget.style();
    style->drawItemText(&painter, rect, flags, widget.palette(), widget.isEnabled(), text,
                        widget.foregroundRole());
    const qreal ratio = widget.devicePixelRatioF();
    if (widget.font().bold() && ratio >= kDenseScreen) {
        painter.save();
        painter.translate(1.0 / ratio, 0);
        style->drawItemText(&painter, rect, flags, widget.palette(), widget.isEnabled(), text,
                            widget.foregroundRole());
        painter.restore();
    }
}

TextLabel::TextLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void TextLabel::paintEvent(QPaintEvent* event) {
    // A picture, a frame or a margin is QLabel's to draw; bold text on a dense screen is the
    // game's.
    if (!font().bold() || devicePixelRatioF() < kDenseScreen || text().isEmpty() ||
        !pixmap().isNull() || frameWidth() != 0 || margin() != 0 || indent() > 0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const int flags = QStyle::visualAlignment(layoutDirection(), alignment()) |
                      (wordWrap() ? Qt::TextWordWrap : 0);
    drawGameText(painter, *this, contentsRect(), flags, text());
}

}  // namespace tessaro
