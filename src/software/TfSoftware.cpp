#include "software/TfSoftware.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>

#include "software/Installation.h"
#include "software/SoftwareCatalogue.h"
#include "software/SoftwarePictures.h"
#include "widgets/Accessibility.h"
#include "widgets/Fonts.h"
#include "widgets/ItemList.h"
#include "widgets/ScreenLanguage.h"

namespace tessaro {

namespace {

constexpr int kClientWidth = 314;
constexpr int kClientHeight = 313;
constexpr int kHeaderHeight = 17;
constexpr int kLineStep = 12;
constexpr int kLeftX = 3;
constexpr int kRightX = 158;
constexpr int kColumnWidth = 153;
constexpr int kPanelY = 178;

}  // namespace

TfSoftware::TfSoftware(Game& game)
    : ActivityWindow(game, WindowId::fSoftware, tr("Установка программ"),
                     QSize(kClientWidth, kClientHeight), QStringLiteral("Label3")),
      items_(new ItemList(this)),
      cdPictures_(drawCdPictures()) {
    setObjectName(QStringLiteral("fSoftware"));

    addGroup(tr("Операционная система"), {osW98, osW2K, osWXP, osL9, osLH},
             QRect(kLeftX, 3, kColumnWidth, 0));
    addGroup(tr("Среда разработки"), {dvD7, dvCB, dvKL, dvVB}, QRect(kRightX, 3, kColumnWidth, 0));
    addGroup(tr("Антивирус"), {avDW, avNA, avKA}, QRect(kRightX, 80, kColumnWidth, 0));
    addGroup(tr("Другое"), {lFlash, lDreamweaver, lOffice, l3dsmax, lPhotoshop},
             QRect(kLeftX, 92, kColumnWidth, 0));
    placeReturnLabel(QRect(kRightX, 142, kColumnWidth, 33));
    createRequirementsPanel();

    connect(items_, &ItemList::pointerMoved, this, &TfSoftware::ItemMouseMove);
    connect(items_, &ItemList::pointerLeft, this, &TfSoftware::ItemMouseLeave);
    connect(items_, &ItemList::clicked, this, &TfSoftware::ItemClick);
    for (const SoftwareItem& item : softwareCatalogue()) {
        bindEnabled(items_->label(item.index), game_.software.itemEnabled[item.index]);
    }
    items_->describeWith([this](int index) { return description(index); });
}

void TfSoftware::addGroup(const QString& title, std::initializer_list<int> items,
                          const QRect& area) {
    addHeader(title, client(), QRect(area.x(), area.y(), area.width(), kHeaderHeight));
    QFrame* box = addBox(client(), QRect(area.x(), area.y() + kHeaderHeight, area.width(),
                                         static_cast<int>(items.size()) * kLineStep + 6));
    box->setAccessibleName(title);
    int line = 0;
    for (int index : items) {
        const SoftwareItem& item = softwareItem(static_cast<SoftwareIndex>(index));
        items_->add(index, item.control, item.caption, box,
                    QRect(2, 3 + line * kLineStep, area.width() - 4, kLineStep));
        ++line;
    }
}

void TfSoftware::createRequirementsPanel() {
    QFrame* panel =
        addBox(client(), QRect(kLeftX, kPanelY, kClientWidth - 6, kClientHeight - kPanelY - 3));
    auto* decoration = makeLabel(panel);
    decoration->setPixmap(drawProgramIcon(16));
    decoration->setGeometry(6, 4, 16, 16);
    auto* title = makeLabel(panel, tr("Системные требования"));
    title->setFont(gameFont(11, true));
    title->setGeometry(26, 3, 200, 17);

    const char* names[6] = {"lNeedProcessor", "lNeedMemory",    "lNeedVideo",
                            "lNeedMonitor",   "lNeedFreeSpace", "lNeedSound"};
    for (int i = 0; i < 6; ++i) {
        auto* line = makeLabel(panel);
        line->setObjectName(QLatin1String(names[i]));
        line->setFont(gameFont(9));
        line->setGeometry(8, 20 + i * 12, 236, 12);
        lines_[static_cast<std::size_t>(i)] = line;
    }

    imCD_ = makeLabel(panel);
    imCD_->setObjectName(QStringLiteral("imCD"));
    imCD_->setGeometry(250, 30, 47, 47);
    imCD_->setPixmap(cdPictures_[kCdNeutral]);

    auto* spaceTitle = makeLabel(panel, tr("Свободное дисковое пространство"));
    spaceTitle->setFont(gameFont(9, true));
    spaceTitle->setGeometry(8, 96, 290, 13);
    gFreeSpace_ = addGauge(QStringLiteral("gFreeSpace"), spaceTitle->text(), panel,
                           QRect(8, 111, 290, 14), game_.software.gFreeSpace, GaugeFrame::Line);
    // The gauge says what it measures in its own name: its title labels it.
    spaceTitle->setBuddy(gFreeSpace_);
    describeWith({{gFreeSpace_}});
}

void TfSoftware::setLines(const std::array<const char*, 6>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines_[i]->setText(gameText(lines[i]));
    }
}

void TfSoftware::FormShow() {
    run(RefreshFreeSpace);
}

void TfSoftware::FormActivate() {
    run(RefreshFreeSpace);
}

void TfSoftware::ItemMouseMove(int index) {
    const SoftwareItem& item = softwareItem(static_cast<SoftwareIndex>(index));
    setLines(item.lines);
    const bool installable = PictureShowsInstallable(game_, item);
    imCD_->setPixmap(cdPictures_[installable ? kCdInstallable : kCdNotInstallable]);
    imCD_->setAccessibleName(cdVerdict(installable));
}

QString TfSoftware::cdVerdict(bool installable) {
    return installable ? tr("Можно установить") : tr("Нельзя установить");
}

QString TfSoftware::description(int index) const {
    const SoftwareItem& item = softwareItem(static_cast<SoftwareIndex>(index));
    QStringList shown;
    for (const char* line : item.lines) {
        shown.append(gameText(line));
    }
    shown.append(cdVerdict(PictureShowsInstallable(game_, item)));
    return spokenLines(shown);
}

void TfSoftware::ItemMouseLeave(int /*index*/) {
    setLines({"", "", "", "", "", ""});
    imCD_->setPixmap(cdPictures_[kCdNeutral]);
    imCD_->setAccessibleName(QString());
}

void TfSoftware::ItemClick(int index) {
    run(Install, softwareItem(static_cast<SoftwareIndex>(index)));
}

}  // namespace tessaro
