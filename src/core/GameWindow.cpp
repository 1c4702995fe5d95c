#include "core/GameWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace tessaro {

void paintBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
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
    for (Binding& binding : bindings_) {
        if (binding.shown != *binding.source) {
            binding.shown = *binding.source;
            binding.label->setText(QString::fromStdString(binding.shown));
        }
    }
}

void GameWindow::bind(QLabel* label, const std::string& source) {
    bindings_.push_back({label, &source, source});
    label->setText(QString::fromStdString(source));
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
    game_.window(id_).shown = false;
}

void GameWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    FormClose();
    emit changed();
}

}  // namespace tessaro
