#include "titles/TForm2.h"

#include <QKeyEvent>
#include <QLabel>

#include "titles/AboutAndCongratulations.h"
#include "titles/AboutPictures.h"
#include "titles/TitleBar.h"
#include "widgets/ActionLabel.h"
#include "widgets/Fonts.h"

namespace tessaro {

TForm2::TForm2(Game& game)
    : GameWindow(game, WindowId::Form2, tr("О программе..."), QSize(274, 164)) {
    setObjectName(QStringLiteral("Form2"));
    paintBackground(client(), Qt::white);

    const auto* title = new TitleBar(QStringLiteral("1.1"), 274, client());

    const int top = TitleBar::kHeight + 6;
    auto* portrait = makeLabel(client());
    portrait->setFrameStyle(QFrame::Box | QFrame::Plain);
    portrait->setPixmap(drawTeamPortrait());
    portrait->setGeometry(8, top, 66, 74);
    auto* picture = makeLabel(client());
    picture->setPixmap(drawTeamPicture());
    picture->setGeometry(84, top, 80, 48);
    auto* logo = makeLabel(client());
    logo->setPixmap(drawTeamLogo());
    logo->setGeometry(240, top, 24, 24);

    QLabel* developerCaption =
        addLabel(tr("Разработчик:"), client(), QRect(84, top + 54, 70, 14), 8, false);
    QLabel* developer =
        addLabel(tr("Команда Tessaro"), client(), QRect(154, top + 54, 116, 14), 8, true);
    developer->setObjectName(QStringLiteral("lDeveloper"));
    QLabel* emailCaption =
        addLabel(QStringLiteral("E-mail:"), client(), QRect(84, top + 68, 70, 14), 8, false);
    QLabel* email = addLabel(QStringLiteral("team@tessaro.example.org"), client(),
                             QRect(124, top + 68, 146, 14), 8, true);
    email->setObjectName(QStringLiteral("lEmail"));
    setTextColour(email, QColor(0, 0, 128));
    describeWith({title->words(), {developerCaption, developer}, {emailCaption, email}});

    auto* quit = new ActionLabel(QStringLiteral("Label8"), tr("Выход"), 11, client());
    quit->setAlignment(Qt::AlignCenter);
    quit->setGeometry(107, 142, 60, 18);
    connect(quit, &ActionLabel::clicked, this, &TForm2::Label8Click);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        Label8Click();
        return;
    }
    GameWindow::keyPressEvent(event);
}

void TForm2::Label8Click() {
    run(LeaveAbout);
}

void TForm2::FormClose() {
    Label8Click();
}

}  // namespace tessaro
