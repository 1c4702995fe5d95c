#include "titles/TfStart.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/Navigation.h"
#include "titles/NameValidator.h"
#include "titles/StartGame.h"
#include "titles/TitleBar.h"
#include "widgets/Fonts.h"

namespace tessaro {

TfStart::TfStart(Game& game)
    : GameWindow(game, WindowId::fStart, QStringLiteral("Tessaro 1.1"), QSize(305, 121)) {
    setObjectName(QStringLiteral("fStart"));
    new TitleBar(QStringLiteral("1.1"), 305, client());

    auto* panel = new QFrame(client());
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setGeometry(6, TitleBar::kHeight + 5, 293, 121 - TitleBar::kHeight - 11);

    auto* prompt = makeLabel(panel, tr("Введите ваше имя:"));
    prompt->setFont(gameFont(11));
    prompt->setGeometry(8, 9, 110, 18);

    eName_ = new QLineEdit(panel);
    eName_->setObjectName(QStringLiteral("eName"));
    eName_->setAccessibleName(tr("Введите ваше имя:"));
    eName_->setFont(gameFont(9, true));
    eName_->setValidator(new NameValidator(eName_));
    eName_->setGeometry(120, 7, 165, 22);
    // The name is typed at once.
    setInitialFocus(eName_);

    button1_ = new QPushButton(tr("Начать игру"), panel);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setFont(gameFont(11));
    button1_->setGeometry(8, 36, 277, 26);
    // Return and Enter take it, as they take every item; outside a dialog Qt's button would
    // take only Space.
    button1_->setAutoDefault(true);

    connect(button1_, &QPushButton::clicked, this, &TfStart::Button1Click);
    // Return in the box starts the game and goes no further: the box would pass it on to its
    // window, and the window that the game shows would take it as its own.
    eName_->installEventFilter(this);
}

bool TfStart::eventFilter(QObject* watched, QEvent* event) {
    if (watched == eName_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            eNameKeyPress();
            return true;
        }
    }
    return GameWindow::eventFilter(watched, event);
}

void TfStart::Button1Click() {
    startGame();
}

void TfStart::eNameKeyPress() {
    startGame();
}

void TfStart::startGame() {
    run(StartGame, eName_->text().toStdString());
}

void TfStart::FormClose() {
    // Closing the start window before a game has begun ends the program.
    run(QuitProgram);
}

}  // namespace tessaro
