#include "events/TForm3.h"

#include <QLabel>

#include "events/Leisure.h"
#include "widgets/Accessibility.h"
#include "widgets/Fonts.h"
#include "widgets/ItemList.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenLanguage.h"

namespace tessaro {

namespace {

constexpr int kClientWidth = 217;
constexpr int kClientHeight = 275;

}  // namespace

TForm3::TForm3(Game& game)
    : ActivityWindow(game, WindowId::Form3, tr("Отдых"), QSize(kClientWidth, kClientHeight),
                     QStringLiteral("Label2")),
      activities_(new ItemList(this)) {
    setObjectName(QStringLiteral("Form3"));

    addHeader(tr("Отдых"), client(), QRect(3, 3, kClientWidth - 6, 18));
    QFrame* box = addBox(client(), QRect(3, 21, kClientWidth - 6, kActivityCount * 15 + 6));
    for (int i = 0; i < kActivityCount; ++i) {
        const Activity& activity = activities()[static_cast<std::size_t>(i)];
        activities_->add(i, activity.control, activity.caption, box,
                         QRect(2, 3 + i * 15, box->width() - 4, 15));
    }
    activities_->describeWith(
        [](int index) { return gameText(activities()[static_cast<std::size_t>(index)].costText); });
    connect(activities_, &ItemList::pointerMoved, this, &TForm3::ActivityMouseMove);
    connect(activities_, &ItemList::pointerLeft, this, &TForm3::ActivityMouseLeave);
    connect(activities_, &ItemList::clicked, this, &TForm3::ActivityClick);

    auto* picture = makeLabel(client());
    picture->setObjectName(QStringLiteral("imRest"));
    picture->setFrameStyle(QFrame::Box | QFrame::Plain);
    picture->setPixmap(loadPicture(QStringLiteral("rest")));
    picture->setGeometry((kClientWidth - 202) / 2, box->geometry().bottom() + 5, 202, 112);

    lCost_ = makeLabel(client());
    lCost_->setObjectName(QStringLiteral("lCost"));
    lCost_->setFont(gameFont(11, true));
    lCost_->setAlignment(Qt::AlignCenter);
    setTextColour(lCost_, QColor(255, 0, 0));
    lCost_->setGeometry(3, picture->geometry().bottom() + 4, kClientWidth - 6, 18);

    placeReturnLabel(QRect(3, kClientHeight - 33, kClientWidth - 6, 30));
}

void TForm3::ActivityMouseMove(int index) {
    lCost_->setText(gameText(activities()[static_cast<std::size_t>(index)].costText));
}

void TForm3::ActivityMouseLeave(int /*index*/) {
    lCost_->clear();
}

void TForm3::ActivityClick(int index) {
    run(DoActivity, index);
}

}  // namespace tessaro
