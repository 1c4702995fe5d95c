#include "hardware/TfComputer.h"

#include <QEvent>
#include <QLabel>

#include "core/Fonts.h"
#include "core/Pictures.h"
#include "hardware/PartsCatalogue.h"
#include "hardware/Shop.h"

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
    : ActivityWindow(game, WindowId::fComputer, QStringLiteral("Покупка комплектующих"),
                     QSize(kClientWidth, kClientHeight), QStringLiteral("Label6")) {
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

    auto* infoBar = new QFrame(client());
    infoBar->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    infoBar->setGeometry(3, kBottomY, 373, kClientHeight - kBottomY - 3);
    lInfo_ = new QLabel(infoBar);
    lInfo_->setObjectName(QStringLiteral("lInfo"));
    lInfo_->setFont(gameFont(8, true));
    lInfo_->setAlignment(Qt::AlignCenter);
    lInfo_->setGeometry(infoBar->rect().adjusted(4, 2, -4, -2));
    setInfo(QString::fromUtf8(kDefaultInfo), palette().color(QPalette::WindowText));

    auto* returnBox = new QFrame(client());
    returnBox->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    paintBackground(returnBox, kMoneyGreen);
    returnBox->setGeometry(379, kBottomY, 110, kClientHeight - kBottomY - 3);
    returnLabel()->setParent(returnBox);
    returnLabel()->setGeometry(returnBox->rect());
    returnLabel()->show();

    render();
}

int TfComputer::addGroup(Slot slot, int x, int y, int width) {
    auto* title = new QLabel(QString::fromUtf8(SlotDescription(slot).groupTitle), client());
    title->setFont(gameFont(12, true));
    title->setAlignment(Qt::AlignCenter);
    title->setAutoFillBackground(true);
    title->setBackgroundRole(QPalette::Highlight);
    title->setForegroundRole(QPalette::HighlightedText);
    title->setGeometry(x, y, width, kTitleHeight);

    const auto models = ModelsOf(slot);
    auto* box = new QFrame(client());
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box->setGeometry(x, y + kTitleHeight, width, static_cast<int>(models.size()) * kLineStep + 6);
    for (const PartModel& model : models) {
        auto* label =
            new ActionLabel(QLatin1String(model.control), QString::fromUtf8(model.caption), 8, box);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(2, 3 + (model.level - 1) * kLineStep, width - 4, kLineStep);
        const int index = model.index;
        connect(label, &ActionLabel::mouseMoved, this, [this, index] { ModelMouseMove(index); });
        connect(label, &ActionLabel::mouseLeft, this, [this, index] { ModelMouseLeave(index); });
        connect(label, &ActionLabel::clicked, this, [this, index] { ModelClick(index); });
        labels_[index] = label;
    }
    return box->geometry().bottom() + 1;
}

void TfComputer::render() {
    ActivityWindow::render();
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setEnabled(game_.computer.itemEnabled[i]);
    }
}

void TfComputer::setInfo(const QString& text, const QColor& color) {
    lInfo_->setText(text);
    QPalette colours = lInfo_->palette();
    colours.setColor(QPalette::WindowText, color);
    lInfo_->setPalette(colours);
}

void TfComputer::FormShow() {
    RefreshOffer(game_);
    emit changed();
}

void TfComputer::FormActivate() {
    RefreshOffer(game_);
    emit changed();
}

void TfComputer::ModelMouseMove(int index) {
    const PartModel& model = PartsCatalogue()[index];
    setInfo(QString::fromStdString(InfoText(game_, model)), QColor(255, 0, 0));
}

void TfComputer::ModelMouseLeave(int /*index*/) {
    setInfo(QString::fromUtf8(kDefaultInfo), QColor(0, 0, 0));
}

void TfComputer::ModelClick(int index) {
    Buy(game_, PartsCatalogue()[index]);
    emit changed();
}

void TfComputer::showEvent(QShowEvent* event) {
    ActivityWindow::showEvent(event);
    FormShow();
}

void TfComputer::changeEvent(QEvent* event) {
    ActivityWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
}

}  // namespace tessaro
