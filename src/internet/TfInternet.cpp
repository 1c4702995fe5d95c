#include "internet/TfInternet.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>

#include "internet/Dialup.h"
#include "internet/InternetPictures.h"
#include "internet/Market.h"
#include "internet/Missions.h"
#include "internet/Utilities.h"
#include "widgets/Accessibility.h"
#include "widgets/Fonts.h"
#include "widgets/ItemList.h"
#include "widgets/ScreenLanguage.h"

namespace tessaro {

namespace {

constexpr int kClientWidth = 510;
constexpr int kClientHeight = 271;
constexpr int kHeaderHeight = 17;
constexpr int kLeftWidth = 182;
constexpr int kRightX = 188;
constexpr int kRightWidth = 319;

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

QWidget* addSite(const char* name, QWidget* parent, const QRect& geometry) {
    auto* site = new QFrame(parent);
    site->setObjectName(QLatin1String(name));
    site->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    paintBackground(site, Qt::white);
    site->setGeometry(geometry);
    return site;
}

}  // namespace

TfInternet::TfInternet(Game& game)
    : ActivityWindow(game, WindowId::fInternet, tr("Интернет"), QSize(kClientWidth, kClientHeight),
                     QStringLiteral("Label6")),
      utilities_(new ItemList(this)),
      missions_(new ItemList(this)) {
    setObjectName(QStringLiteral("fInternet"));
    InternetCaptions& internet = game_.internet;

    createConnection();
    const QRect siteArea(kRightX, 3, kRightWidth, 112);
    bindVisible(createToolsSite(siteArea), internet.grToolsVisible);
    bindVisible(createMarketSite(siteArea), internet.grMarketVisible);
    addHeader(tr("Взлом"), client(),
              QRect(kRightX, siteArea.bottom() + 4, kRightWidth, kHeaderHeight));
    bindVisible(createMissions(QRect(kRightX, siteArea.bottom() + 4 + kHeaderHeight, kRightWidth,
                                     kClientHeight - siteArea.bottom() - 7 - kHeaderHeight)),
                internet.grHackVisible);
    placeReturnLabel(QRect(3, kClientHeight - 35, kLeftWidth, 32));
    describeWith(
        {{connectionLine_}, {toolsHeading_}, marketLine_, {downloadLine_}, {missionLine_}});
    // Last, the utilities bought, which are greyed: said while the site shows them.
    describeGreyed(*utilities_, [this](int index) { return UtilityGreyedReason(game_, index); });
}

void TfInternet::createConnection() {
    InternetCaptions& internet = game_.internet;
    auto* lConnect = new ActionLabel(QStringLiteral("lConnect"), QString(), 12, client(),
                                     QColor(0, 0, 0), QColor(255, 255, 255));
    lConnect->setAlignment(Qt::AlignCenter);
    lConnect->setGeometry(3, 3, kLeftWidth, 22);
    bind(lConnect, internet.lConnect);
    bindEnabled(lConnect, internet.lConnectEnabled);
    connect(lConnect, &ActionLabel::clicked, this, &TfInternet::lConnectClick);

    QLabel* info = addLabel(QString(), client(), QRect(3, 26, kLeftWidth, 30), 8, true, kRed);
    info->setObjectName(QStringLiteral("lConnectInfo"));
    info->setAlignment(Qt::AlignCenter);
    info->setWordWrap(true);
    bind(info, internet.lConnectInfo);
    // A screen reader hears the connection itself where the line is empty.
    const auto sayConnection = [this, info](const auto& /*changed*/) {
        const std::string& dialling = game_.internet.lConnectInfo;
        info->setAccessibleName(!dialling.empty() ? gameText(dialling)
                                : game_.Connected ? tr("Подключено к сети")
                                                  : tr("Нет подключения к сети"));
    };
    bindValue(internet.lConnectInfo, sayConnection);
    bindValue(game_.Connected, sayConnection);
    connectionLine_ = info;

    addHeader(tr("Web-серфинг"), client(), QRect(3, 60, kLeftWidth, kHeaderHeight));
    // The two sites, named by addresses of the game's own internet.
    const struct {
        const char* control;
        const char* address;
        int y;
        const bool& enabled;
        void (TfInternet::*click)();
    } sites[] = {
        {"surfTools", "www.hacktools.example", 80, internet.surfToolsEnabled,
         &TfInternet::surfToolsClick},
        {"surfMarket", "www.softmarket.example", 96, internet.surfMarketEnabled,
         &TfInternet::surfMarketClick},
    };
    for (const auto& site : sites) {
        auto* label =
            new ActionLabel(QLatin1String(site.control), QLatin1String(site.address), 9, client());
        label->setGeometry(3, site.y, kLeftWidth, 15);
        label->setAlignment(Qt::AlignCenter);
        bindEnabled(label, site.enabled);
        connect(label, &ActionLabel::clicked, this, site.click);
    }

    auto* globe = makeLabel(client());
    globe->setPixmap(drawGlobePicture(72));
    globe->setGeometry((kLeftWidth - 72) / 2 + 3, 130, 72, 72);
}

QWidget* TfInternet::createToolsSite(const QRect& area) {
    InternetCaptions& internet = game_.internet;
    QWidget* site = addSite("grTools", client(), area);
    QLabel* heading =
        addLabel(tr("Скачать утилиты"), site, QRect(0, 3, area.width(), 16), 11, true, kRed);
    heading->setAlignment(Qt::AlignCenter);
    toolsHeading_ = heading;
    for (const Utility& utility : utilities()) {
        ActionLabel* label =
            utilities_->add(utility.index, utility.control, utility.caption, site,
                            QRect(4, 21 + utility.index * 12, area.width() - 8, 12));
        bindEnabled(label, internet.toolEnabled[static_cast<std::size_t>(utility.index)]);
    }
    utilities_->describeWith(
        [](int index) { return gameText(utilities()[static_cast<std::size_t>(index)].costText); });
    connect(utilities_, &ItemList::pointerMoved, this, &TfInternet::UtilityMouseMove);
    connect(utilities_, &ItemList::pointerLeft, this, &TfInternet::UtilityMouseLeave);
    connect(utilities_, &ItemList::clicked, this, &TfInternet::UtilityClick);

    lCost_ = addLabel(QString(), site, QRect(4, 82, area.width() - 8, 13), 8, true, kRed);
    lCost_->setObjectName(QStringLiteral("lCost"));
    lCost_->setAlignment(Qt::AlignCenter);
    lCost_->hide();

    QProgressBar* gauge =
        addGauge(QStringLiteral("gSoftLoad"), tr("Загрузка"), site,
                 QRect(8, 96, area.width() - 16, 12), internet.gSoftLoad, GaugeFrame::GreyGround);
    bindVisible(gauge, internet.gSoftLoadVisible);
    downloadLine_ = gauge;
    return site;
}

QWidget* TfInternet::createMarketSite(const QRect& area) {
    InternetCaptions& internet = game_.internet;
    QWidget* site = addSite("grMarket", client(), area);
    QLabel* heading =
        addLabel(tr("Имеющийся проект"), site, QRect(0, 3, area.width(), 16), 11, true, kBlack);
    heading->setAlignment(Qt::AlignCenter);
    QLabel* project = addLabel(QString(), site, QRect(4, 28, area.width() - 8, 15), 9, false,
                               QColor(128, 128, 128));
    project->setObjectName(QStringLiteral("lNowProject"));
    project->setAlignment(Qt::AlignCenter);
    bind(project, internet.lNowProject);
    marketLine_ = {heading, project};

    auto* sell = new ActionLabel(QStringLiteral("lSell"), tr("Попытаться продать проект"), 9, site,
                                 kActionGrey, kRed);
    sell->setAlignment(Qt::AlignCenter);
    sell->setGeometry(4, 56, area.width() - 8, 16);
    bindVisible(sell, internet.saleVisible);
    bindEnabled(sell, internet.saleEnabled);
    connect(sell, &ActionLabel::clicked, this, &TfInternet::lSellClick);
    return site;
}

QWidget* TfInternet::createMissions(const QRect& area) {
    InternetCaptions& internet = game_.internet;
    QWidget* group = addSite("grHack", client(), area);
    QLabel* heading =
        addLabel(tr("Задания"), group, QRect(0, 2, area.width(), 14), 9, true, kBlack);
    heading->setAlignment(Qt::AlignCenter);
    for (const MissionInfo& mission : missions()) {
        const int index = mission.number - 1;
        ActionLabel* label = missions_->add(index, mission.control, mission.caption, group,
                                            QRect(4, 16 + index * 12, area.width() - 8, 12));
        bindEnabled(label, internet.missionEnabled[static_cast<std::size_t>(index)]);
    }
    missions_->describeWith([](int index) {
        QStringList needs;
        for (const char* line : missions()[static_cast<std::size_t>(index)].lines) {
            needs.append(gameText(line));
        }
        return spokenLines(needs);
    });
    connect(missions_, &ItemList::pointerMoved, this, &TfInternet::MissionMouseMove);
    connect(missions_, &ItemList::pointerLeft, this, &TfInternet::MissionMouseLeave);
    connect(missions_, &ItemList::clicked, this, &TfInternet::MissionClick);

    QFrame* lines = addBox(group, QRect(4, 76, area.width() - 8, area.height() - 78));
    lines->setObjectName(QStringLiteral("GroupBox2"));
    const char* names[] = {"hLine1", "hLine2", "hLine3", "hLine4"};
    for (int i = 0; i < 4; ++i) {
        QLabel* line = addLabel(QString(), lines, QRect(4, 1 + i * 10, lines->width() - 8, 12), 8,
                                true, kActionGrey);
        line->setObjectName(QLatin1String(names[i]));
        bind(line, internet.hLine[static_cast<std::size_t>(i)]);
    }
    QLabel* status = addLabel(QString(), lines, QRect(4, 1 + 4 * 10, lines->width() - 8, 12), 8,
                              true, kActionGrey);
    status->setObjectName(QStringLiteral("hLine6"));
    bind(status, internet.hLine6);
    missionLine_ = status;
    return group;
}

void TfInternet::FormShow() {
    run(InternetShown);
}

void TfInternet::FormClose() {
    run(CloseInternet);
}

void TfInternet::lConnectClick() {
    run(ConnectClick);
}

void TfInternet::surfToolsClick() {
    run(SurfTools);
}

void TfInternet::surfMarketClick() {
    run(SurfMarket);
}

void TfInternet::UtilityMouseMove(int index) {
    lCost_->setText(gameText(utilities()[static_cast<std::size_t>(index)].costText));
    lCost_->show();
}

void TfInternet::UtilityMouseLeave(int /*index*/) {
    lCost_->hide();
    lCost_->clear();
}

void TfInternet::UtilityClick(int index) {
    run(BuyUtility, index);
}

void TfInternet::MissionMouseMove(int index) {
    run(ShowMissionNeeds, index + 1);
}

void TfInternet::MissionMouseLeave(int index) {
    run(HideMissionNeeds, index + 1);
}

void TfInternet::MissionClick(int index) {
    run(StartMission, index + 1);
}

void TfInternet::lSellClick() {
    run(TrySell);
}

}  // namespace tessaro
