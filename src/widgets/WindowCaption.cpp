#include "widgets/WindowCaption.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "widgets/Fonts.h"
#include "widgets/Pictures.h"

namespace tessaro {

WindowCaption::WindowCaption(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("windowCaption"));
    setFocusPolicy(Qt::NoFocus);
    setFont(gameFont(11, true));
    setFixedHeight(kHeight);
    // Whether the window is in play depends on the program being active, which changes with no
    // event to the caption: the first window that the compositor activates shows it so.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, qOverload<>(&QWidget::update));
}

bool WindowCaption::drawnByTheGame() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void WindowCaption::addTo(QWidget* window) {
    if (!drawnByTheGame()) {
        return;
    }
    // Of the platform it asks only its kind of window: a title or a close box asked too would
    // bring the platform's frame back.
    window->setWindowFlags(window->windowType() | Qt::FramelessWindowHint);
    // The window's own layout, its menu bar first, keeps below the caption, which follows the
    // window's width.
    const QMargins margins = window->contentsMargins();
    window->setContentsMargins(margins.left(), margins.top() + kHeight, margins.right(),
                               margins.bottom());
    window->installEventFilter(new WindowCaption(window));
}

bool WindowCaption::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && event->type() == QEvent::Resize) {
        setGeometry(0, 0, window()->width(), kHeight);
    }
    return false;
}

bool WindowCaption::windowInPlay() const {
    const QWidget* own = window();
    if (!own->isEnabled() || QGuiApplication::applicationState() != Qt::ApplicationActive) {
        return false;
    }
    // No window of the game stands over it.
    for (const QWindow* other : QGuiApplication::topLevelWindows()) {
        if (other->isVisible() && other->transientParent() == own->windowHandle()) {
            return false;
        }
    }
    return true;
}

QRect WindowCaption::closeBox() const {
    return QRect(width() - kHeight + 3, 3, kHeight - 6, kHeight - 6);
}

void WindowCaption::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::EnabledChange) {
        update();
    }
}

void WindowCaption::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // The window in play's caption in the highlight colour, the others grey, as a desktop
    // draws the active window and the windows behind it.
    const bool inPlay = windowInPlay();
    painter.fillRect(rect(), inPlay ? palette().color(QPalette::Active, QPalette::Highlight)
                                    : QColor(128, 128, 128));
    painter.drawPixmap(QRect(4, 3, 16, 16), drawProgramIcon(16, devicePixelRatioF()));
    painter.setPen(inPlay ? palette().color(QPalette::Active, QPalette::HighlightedText)
                          : QColor(224, 224, 224));
    painter.drawText(rect().adjusted(26, 0, -kHeight - 4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     window()->windowTitle());
    // The close box: a cross on a raised square, as a dialog's close box.
    const QRect box = closeBox();
    painter.fillRect(box, palette().color(QPalette::Active, QPalette::Button));
    painter.setPen(palette().color(QPalette::Active, QPalette::Light));
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(palette().color(QPalette::Active, QPalette::Dark));
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::ButtonText), 2));
    const QRect cross = box.adjusted(4, 4, -4, -4);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

void WindowCaption::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !closeBox().contains(event->position().toPoint()) &&
        window()->windowHandle() != nullptr) {
        // The compositor moves the window; a client cannot place itself on Wayland.
        window()->windowHandle()->startSystemMove();
    }
}

void WindowCaption::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && closeBox().contains(event->position().toPoint())) {
        window()->close();
    }
}

}  // namespace tessaro
