#include "events/TForm4.h"

#include <QLabel>

#include "events/Virus.h"
#include "widgets/ActionLabel.h"
#include "widgets/Fonts.h"
#include "widgets/Pictures.h"

namespace tessaro {

TForm4::TForm4(Game& game)
    : GameWindow(game, WindowId::Form4, tr("Обнаружен вирус..."), QSize(319, 143)) {
    setObjectName(QStringLiteral("Form4"));
    paintBackground(client(), Qt::white);

    auto* picture = makeLabel(client());
    picture->setObjectName(QStringLiteral("imVirus"));
    picture->setPixmap(loadPicture(QStringLiteral("virus")));
    picture->setGeometry(10, 24, 96, 96);

    auto* lKill = makeLabel(client());
    lKill->setObjectName(QStringLiteral("lKill"));
    lKill->setFont(gameFont(11, true));
    lKill->setWordWrap(true);
    setTextColour(lKill, QColor(255, 0, 0));
    lKill->setGeometry(116, 24, 196, 48);
    bind(lKill, game_.virus.lKill);

    auto* kill =
        new ActionLabel(QStringLiteral("Label1"), tr("Уничтожить антивирусом"), 11, client());
    kill->setGeometry(116, 82, 196, 18);
    bindEnabled(kill, game_.virus.killEnabled);
    connect(kill, &ActionLabel::clicked, this, &TForm4::Label1Click);
    auto* leave = new ActionLabel(QStringLiteral("Label2"), tr("Оставить"), 11, client());
    leave->setGeometry(116, 104, 196, 18);
    bindEnabled(leave, game_.virus.leaveEnabled);
    connect(leave, &ActionLabel::clicked, this, &TForm4::Label2Click);
    // An answer greyed, which the Tab order passes over. The outcome is not among them: the
    // answer greys both, the focus falls on the window, and a screen reader reads the window
    // anew, the outcome with it.
    describeWith({{kill}, {leave}});
}

void TForm4::FormShow() {
    run(VirusShown);
}

void TForm4::FormClose() {
    run(CloseVirusWindow);
}

void TForm4::Label1Click() {
    run(KillVirus);
}

void TForm4::Label2Click() {
    run(LeaveVirus);
}

}  // namespace tessaro
