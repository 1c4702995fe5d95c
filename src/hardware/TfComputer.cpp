#include "hardware/TfComputer.h"

#include <QLabel>

#include "hardware/PartsCatalogue.h"
#include "hardware/Shop.h"
#include "widgets/Fonts.h"
#include "widgets/ItemList.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenLanguage.h"

namespace tessaro {

namespace {

constexpr int kClientWidth = 492;
constexpr int kClientHeight = 257;
constexpr int kTitleHeight = 17;
constexpr int kLineStep = 12;
constexpr int kGroupGap = 4;
constexpr int kBottomY = 204;

struct Column {
    int x;
    int width;
    std::initializer_list<Slot> groups;
};

}  // namespace

TfComputer::TfComputer(Game& game)
    : ActivityWindow(game, WindowId::fComputer, tr("Покупка комплектующих"),
                     QSize(kClientWidth, kClientHeight), QStringLiteral("Label6")),
      models_(new ItemList(this)) {
    setObjectName(QStringLiteral("fComputer"));

    const Column columns[] = {
        {3, 129, {kMotherboard, kHardDisk}},
        {135, 119, {kProcessor, kSound}},
        {257, 119, {kMemory, kVideo}},
        {379, 110, {kMonitor, kCdDvd, kModem}},
    };
    for (const Column& column : columns) {
        int y = 3;
        for (Slot slot : column.groups) {
            y = addGroup(slot, column.x, y, column.width) + kGroupGap;
        }
    }

    QFrame* infoBar = addBox(client(), QRect(3, kBottomY, 373, kClientHeight - kBottomY - 3));
    lInfo_ = new InfoLine(QStringLiteral("lInfo"), tr(kDefaultInfo), infoBar);
    lInfo_->setFont(gameFont(8, true));
    lInfo_->setAlignment(Qt::AlignCenter);
    lInfo_->setGeometry(infoBar->rect().adjusted(4, 2, -4, -2));

    placeReturnLabel(QRect(379, kBottomY, 110, kClientHeight - kBottomY - 3));

    connect(models_, &ItemList::pointerMoved, this, &TfComputer::ModelMouseMove);
    connect(models_, &ItemList::pointerLeft, this, &TfComputer::ModelMouseLeave);
    connect(models_, &ItemList::clicked, this, &TfComputer::ModelClick);
    for (const PartModel& model : partsCatalogue()) {
        bindEnabled(models_->label(model.index), game_.computer.itemEnabled[model.index]);
    }
    models_->describeWith([this](int index) { return infoText(index); });
    // The window says as it opens the parts installed and those it cannot sell, which are
    // greyed.
    describeGreyed(*models_, [this](int index) {
        return PartGreyedReason(game_, partsCatalogue()[static_cast<std::size_t>(index)]);
    });
}

QString TfComputer::infoText(int index) const {
    return gameText(InfoText(game_, partsCatalogue()[index]));
}

int TfComputer::addGroup(Slot slot, int x, int y, int width) {
    const QString title = gameText(slotDescription(slot).groupTitle);
    addHeader(title, client(), QRect(x, y, width, kTitleHeight));
    const auto models = modelsOf(slot);
    QFrame* box = addBox(client(), QRect(x, y + kTitleHeight, width,
                                         static_cast<int>(models.size()) * kLineStep + 6));
    box->setAccessibleName(title);
    models_->addColumn(models, models.front().index, box, QRect(2, 3, width - 4, kLineStep));
    return box->geometry().bottom() + 1;
}

void TfComputer::FormShow() {
    run(RefreshOffer);
}

void TfComputer::FormActivate() {
    run(RefreshOffer);
}

void TfComputer::ModelMouseMove(int index) {
    lInfo_->describe(infoText(index), QColor(255, 0, 0));
}

void TfComputer::ModelMouseLeave(int /*index*/) {
    lInfo_->rest();
}

void TfComputer::ModelClick(int index) {
    run(Buy, partsCatalogue()[index]);
}

}  // namespace tessaro
