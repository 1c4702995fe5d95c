#include "core/GameWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Fonts.h"
#include "core/Navigation.h"
#include "core/Pictures.h"

namespace tessaro {

void paintBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
}

QLabel* addHeader(const QString& text, QWidget* parent, const QRect& geometry, HeaderLook look,
                  int pixelSize) {
    auto* header = new QLabel(text, parent);
    header->setFont(gameFont(pixelSize, true));
    header->setAlignment(Qt::AlignCenter);
    header->setAutoFillBackground(true);
    if (look == HeaderLook::WhiteOnHighlight) {
        header->setBackgroundRole(QPalette::Highlight);
        header->setForegroundRole(QPalette::HighlightedText);
    } else {
        paintBackground(header, kMoneyGreen);
        QPalette colours = header->palette();
        colours.setColor(QPalette::WindowText, Qt::black);
        header->setPalette(colours);
    }
    header->setGeometry(geometry);
    return header;
}

QFrame* addBox(QWidget* parent, const QRect& geometry) {
    auto* box = new QFrame(parent);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box->setGeometry(geometry);
    return box;
}

GameWindow::GameWindow(Game& game, WindowId id, const QString& caption, QSize clientSize)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      game_(game),
      id_(id),
      layout_(new QVBoxLayout(this)),
      client_(new QWidget(this)) {
    setWindowTitle(caption);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(clientSize);
    layout_->addWidget(client_);
}

void GameWindow::render() {
    for (const auto& refresh : bindings_) {
        refresh();
    }
}

void GameWindow::bind(QLabel* label, const std::string& source) {
    bindValue(source,
              [label](const std::string& text) { label->setText(QString::fromStdString(text)); });
}

void GameWindow::bindEnabled(QWidget* widget, const bool& source) {
    bindValue(source, [widget](bool enabled) {
        // Qt would hand the focus of a control being disabled to the next one as if the
        // player had pressed Tab, which lights it up; the window keeps the focus instead.
        if (!enabled && widget->hasFocus()) {
            widget->window()->setFocus(Qt::OtherFocusReason);
        }
        widget->setEnabled(enabled);
    });
}

void GameWindow::bindVisible(QWidget* widget, const bool& source) {
    bindValue(source, [widget](bool visible) { widget->setVisible(visible); });
}

void GameWindow::bindColour(QLabel* label, const Rgb& source) {
    bindValue(source, [label](const Rgb& colour) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
        label->setPalette(colours);
    });
}

QProgressBar* GameWindow::addGauge(const QString& name, QWidget* parent, const QRect& geometry,
                                   const int& source, GaugeFrame frame) {
    auto* gauge = new QProgressBar(parent);
    gauge->setObjectName(name);
    gauge->setRange(0, 100);
    gauge->setAlignment(Qt::AlignCenter);
    gauge->setFont(gameFont(8, true));
    const QString ground = frame == GaugeFrame::Line
                               ? QStringLiteral("border: 1px solid grey; background: white;")
                           : frame == GaugeFrame::GreyGround
                               ? QStringLiteral("border: none; background: rgb(235, 235, 235);")
                               : QStringLiteral("border: none; background: white;");
    gauge->setStyleSheet(QStringLiteral("QProgressBar { %1 color: black; }"
                                        "QProgressBar::chunk { background: rgb(192, 220, 192); }")
                             .arg(ground));
    gauge->setGeometry(geometry);
    bindValue(source, [gauge](int percent) { gauge->setValue(std::clamp(percent, 0, 100)); });
    return gauge;
}

void GameWindow::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    adjustSize();
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void GameWindow::FormClose() {
    run(HideWindow, id_);
}

void GameWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Only the game shows a window; a window that the desktop brings back is not shown anew.
    if (!event->spontaneous()) {
        FormShow();
    }
}

void GameWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
}

void GameWindow::closeEvent(QCloseEvent* event) {
    // The window hides only if its close rule says so, when the shell brings it in line.
    event->ignore();
    FormClose();
}

}  // namespace tessaro
