#include "titles/TForm1.h"

#include <QLabel>

#include "core/Navigation.h"
#include "titles/AboutAndCongratulations.h"
#include "titles/TitleBar.h"
#include "widgets/ActionLabel.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenLanguage.h"

namespace tessaro {

TForm1::TForm1(Game& game)
    : GameWindow(game, WindowId::Form1, tr("Поздравляем!"), QSize(323, 192)) {
    setObjectName(QStringLiteral("Form1"));
    paintBackground(client(), Qt::white);

    new TitleBar(QStringLiteral("1.0"), 323, client());

    auto* picture = makeLabel(client());
    picture->setObjectName(QStringLiteral("imCongratulations"));
    // The picture's words are drawn in each language (resources/draw_congratulations.sh).
    picture->setPixmap(loadPicture(screenLanguage() == ScreenLanguage::English
                                       ? QStringLiteral("congratulations-en")
                                       : QStringLiteral("congratulations")));
    picture->setGeometry(11, TitleBar::kHeight + 8, 300, 100);

    auto* about = new ActionLabel(QStringLiteral("bAbout"), tr("О программе..."), 11, client());
    about->setGeometry(12, 166, 120, 18);
    auto* quit = new ActionLabel(QStringLiteral("bQuit"), tr("Выход"), 11, client());
    quit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    quit->setGeometry(323 - 12 - 60, 166, 60, 18);
    connect(about, &ActionLabel::clicked, this, &TForm1::bAboutClick);
    connect(quit, &ActionLabel::clicked, this, &TForm1::bQuitClick);
}

void TForm1::bAboutClick() {
    run(ShowAboutAfterWin);
}

void TForm1::bQuitClick() {
    run(QuitProgram);
}

void TForm1::FormClose() {
    // Nothing is left to play once the game is won: closing the window ends the program.
    run(QuitProgram);
}

}  // namespace tessaro
