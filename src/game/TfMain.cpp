#include "game/TfMain.h"

#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Navigation.h"
#include "game/Activities.h"
#include "game/MainPictures.h"
#include "persistence/SavedGame.h"
#include "widgets/Fonts.h"
#include "widgets/PictureButton.h"
#include "widgets/Pictures.h"

namespace tessaro {

namespace {

constexpr int kClientWidth = 452;
constexpr int kClientHeight = 331;
constexpr int kPanelWidth = 332;
constexpr int kRowHeight = 15;
constexpr int kValueX = 128;

QWidget* makeBar(const QString& name, QWidget* parent, const QRect& geometry) {
    auto* bar = new QWidget(parent);
    bar->setObjectName(name);
    paintBackground(bar, kMoneyGreen);
    bar->setGeometry(geometry);
    return bar;
}

}  // namespace

TfMain::TfMain(Game& game)
    : GameWindow(game, WindowId::fMain, QStringLiteral("Tessaro 1.1"),
                 QSize(kClientWidth, kClientHeight)),
      pictures_(drawButtonPictures()) {
    setObjectName(QStringLiteral("fMain"));
    setFont(gameFont(9));
    // While an activity window is open the main window takes no input, yet the player still
    // reads his money and parts on it: its texts keep their colour when it is disabled.
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::WindowText,
                     colours.color(QPalette::Active, QPalette::WindowText));
    setPalette(colours);
    createDataPanel();
    createComputerPanel();
    createButtonColumn();
    createMenu();
    trackPointerOverBackground();
    redrawButtons(nullptr);
}

void TfMain::trackPointerOverBackground() {
    QList<QWidget*> areas = client()->findChildren<QWidget*>();
    areas.append(client());
    for (QWidget* area : areas) {
        if (qobject_cast<PictureButton*>(area) == nullptr) {
            area->setMouseTracking(true);
            area->installEventFilter(this);
        }
    }
}

QLabel* TfMain::addRow(const QString& caption, const QString& valueName, int y, int valueX) {
    QLabel* label = addLabel(caption, client(), QRect(10, y, valueX - 12, kRowHeight), 9);
    QLabel* value = addLabel(QString(), client(),
                             QRect(valueX, y, kPanelWidth - valueX - 4, kRowHeight), 9, true);
    value->setObjectName(valueName);
    // A screen reader reads the value with what it is.
    label->setBuddy(value);
    rows_.emplace_back(label, value);
    return value;
}

QStringList TfMain::statusParts() const {
    QStringList parts = {lMoney_->accessibleName(), gMood_->accessibleName(),
                         lDay_->accessibleName()};
    // The rows of the player's data, in their order: status, experience and job.
    for (const auto& [caption, value] : rows_) {
        const QString name = value->objectName();
        if (name == QLatin1String("lExpansion") || name == QLatin1String("lStatus") ||
            name == QLatin1String("lJob")) {
            parts.append(caption->text() + QLatin1Char(' ') + value->text());
        }
    }
    return parts;
}

QStringList TfMain::shownState() const {
    QStringList parts = statusParts();
    // The computer and its software: the rows below the player's data.
    for (std::size_t row = computerRows_; row < rows_.size(); ++row) {
        parts.append(rows_[row].first->text() + QLatin1Char(' ') + rows_[row].second->text());
    }
    // The activities that open on the way, each said as it opens.
    for (const WindowId activity : {WindowId::fSoftware, WindowId::fInternet}) {
        const bool open = ButtonUnlocked(game_, activity) && !ButtonShowsLocked(game_, activity);
        parts.append(open ? tr("%1 — доступно").arg(button(activity)->accessibleName())
                          : QString());
    }
    return parts;
}

void TfMain::createDataPanel() {
    QWidget* heading =
        makeBar(QStringLiteral("dataHeading"), client(), QRect(4, 4, kPanelWidth - 4, 18));
    addLabel(tr("Ваши данные"), heading, QRect(6, 0, 200, 18), 11, true);

    MainCaptions& main = game_.main;
    int y = 25;
    bindName(addRow(tr("Имя:"), QStringLiteral("lName"), y, kValueX), main.lName);
    y += kRowHeight;
    bind(addRow(tr("Статус:"), QStringLiteral("lStatus"), y, kValueX), main.lStatus);
    y += kRowHeight;
    bind(addRow(tr("Опыт:"), QStringLiteral("lExpansion"), y, kValueX), main.lExpansion);
    y += kRowHeight;
    bind(addRow(tr("Работа:"), QStringLiteral("lJob"), y, kValueX), main.lJob);
    y += kRowHeight;
    // The dollar sign stands in a label of its own in front of the figure.
    QLabel* money = addRow(tr("Деньги:"), QStringLiteral("lMoney"), y, kValueX + 8);
    lMoney_ = money;
    bind(money, main.lMoney);
    // A screen reader reads the value with what it is.
    bindValue(main.lMoney, [money](const std::string& value) {
        money->setAccessibleName(tr("Деньги: $%1").arg(QString::fromStdString(value)));
    });
    addLabel(QStringLiteral("$"), client(), QRect(kValueX, y, 8, kRowHeight), 9, true);
    y += kRowHeight;
    addLabel(tr("Настроение:"), client(), QRect(10, y, kValueX - 12, kRowHeight), 9);
    gMood_ = addGauge(QStringLiteral("gMood"), tr("Настроение"), client(),
                      QRect(kValueX, y + 2, 150, kRowHeight - 3), main.gMood);
}

void TfMain::createComputerPanel() {
    QWidget* heading =
        makeBar(QStringLiteral("computerHeading"), client(), QRect(4, 118, kPanelWidth - 4, 18));
    auto* icon = makeLabel(heading);
    icon->setObjectName(QStringLiteral("computerIcon"));
    icon->setPixmap(drawComputerIcon());
    icon->setGeometry(4, 1, 16, 16);
    addLabel(tr("Компьютер"), heading, QRect(24, 0, 200, 18), 11, true);

    struct Row {
        const char* caption;
        const char* name;
    };
    static constexpr Row kHardwareRows[kSlotCount] = {
        {QT_TR_NOOP("Системная плата:"), "lMotherboard"},
        {QT_TR_NOOP("Процессор:"), "lProcessor"},
        {QT_TR_NOOP("Оперативная память:"), "lMemory"},
        {QT_TR_NOOP("Жесткий диск:"), "lHDD"},
        {QT_TR_NOOP("Видеокарта:"), "lVideo"},
        {QT_TR_NOOP("Звуковая карта:"), "lSound"},
        {QT_TR_NOOP("Монитор:"), "lMonitor"},
        {QT_TR_NOOP("CD/DVD-Устройство:"), "lCDDVDD"},
        {QT_TR_NOOP("Модем:"), "lModem"},
    };
    MainCaptions& main = game_.main;
    computerRows_ = rows_.size();
    int y = 139;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        bind(addRow(tr(kHardwareRows[slot].caption), QLatin1String(kHardwareRows[slot].name), y,
                    kValueX),
             main.hardware[slot]);
        y += kRowHeight;
    }
    bind(addRow(tr("Операционная система:"), QStringLiteral("lOS"), y, kValueX), main.lOS);
    y += kRowHeight;
    bind(addRow(tr("Среда разработки:"), QStringLiteral("lIDE"), y, kValueX), main.lIDE);
    y += kRowHeight;
    bind(addRow(tr("Антивирус:"), QStringLiteral("lAV"), y, kValueX), main.lAV);
}

void TfMain::createButtonColumn() {
    QWidget* column =
        makeBar(QStringLiteral("buttonColumn"), client(),
                QRect(kPanelWidth + 6, 0, kClientWidth - kPanelWidth - 6, kClientHeight));
    struct Definition {
        const char* name;
        WindowId activity;
        int resting;
        int highlighted;
        int locked;
        void (TfMain::*click)();
    };
    static constexpr Definition kButtons[7] = {
        {"bJobImage", WindowId::fJob, 9, 10, -1, &TfMain::bJobImageClick},
        {"bComputerImage", WindowId::fComputer, 14, 15, -1, &TfMain::bComputerImageClick},
        {"bSoftwareImage", WindowId::fSoftware, 11, 13, 12, &TfMain::bSoftwareImageClick},
        {"bEducationImage", WindowId::fEducation, 2, 3, -1, &TfMain::bEducationImageClick},
        {"bInternetImage", WindowId::fInternet, 6, 8, 7, &TfMain::bInternetImageClick},
        {"bDeveloperImage", WindowId::fDeveloper, 0, 1, -1, &TfMain::bDeveloperImageClick},
        {"bRestImage", WindowId::Form3, 4, 5, -1, &TfMain::bRestImageClick},
    };
    const int x = (column->width() - 102) / 2;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const Definition& definition = kButtons[i];
        auto* control = new PictureButton(QLatin1String(definition.name),
                                          buttonWord(definition.resting), column);
        control->move(x, 6 + static_cast<int>(i) * 38);
        buttons_[i] = {definition.activity, control, definition.resting, definition.highlighted,
                       definition.locked};
        connect(control, &PictureButton::clicked, this, definition.click);
        if (const bool* enabled = buttonEnabledFlag(game_, definition.activity)) {
            bindEnabled(control, *enabled);
        }
        connect(control, &PictureButton::mouseMoved, this,
                [this, control] { redrawButtons(control); });
        connect(control, &PictureButton::mouseLeft, this, [this] { redrawButtons(nullptr); });
    }

    QLabel* dayCaption = addLabel(tr("ДЕНЬ"), column, QRect(0, 274, column->width(), 16), 11, true);
    dayCaption->setObjectName(QStringLiteral("dayCaption"));
    dayCaption->setAlignment(Qt::AlignCenter);
    QLabel* day = addLabel(QString(), column, QRect(), 16, true);
    day->setObjectName(QStringLiteral("lDay"));
    day->setAlignment(Qt::AlignCenter);
    day->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    day->setAutoFillBackground(true);
    day->setBackgroundRole(QPalette::Base);
    day->setGeometry((column->width() - 57) / 2, 292, 57, 30);
    bind(day, game_.main.lDay);
    lDay_ = day;
    bindValue(game_.main.lDay, [day](const std::string& value) {
        day->setAccessibleName(tr("День %1").arg(QString::fromStdString(value)));
    });
}

void TfMain::createMenu() {
    menu_ = new QMenuBar(this);
    menu_->setObjectName(QStringLiteral("mMenu"));
    frameLayout()->setMenuBar(menu_);
    // The underlined letters open the menu with Alt. Saving, loading and the about window get
    // the platform's shortcuts; "Новая" and "Выход" end the game without asking, so a slip of
    // the fingers must not reach them.
    QMenu* gameMenu = menu_->addMenu(tr("&Игра"));
    gameMenu->addAction(drawMenuIcon(MenuIcon::NewGame), tr("&Новая"), this, &TfMain::mNewClick)
        ->setObjectName(QStringLiteral("mNew"));
    QAction* save = gameMenu->addAction(drawMenuIcon(MenuIcon::Save), tr("&Сохранить"), this,
                                        &TfMain::mSaveClick);
    save->setObjectName(QStringLiteral("mSave"));
    save->setShortcut(QKeySequence::Save);
    QAction* load = gameMenu->addAction(drawMenuIcon(MenuIcon::Load), tr("&Загрузить"), this,
                                        &TfMain::mLoadClick);
    load->setObjectName(QStringLiteral("mLoad"));
    load->setShortcut(QKeySequence::Open);
    gameMenu->addSeparator();
    gameMenu->addAction(tr("В&ыход"), this, &TfMain::mExitClick)
        ->setObjectName(QStringLiteral("mExit"));
    QMenu* help = menu_->addMenu(tr("&Помощь"));
    QAction* about = help->addAction(tr("&О программе..."), this, &TfMain::mAboutClick);
    about->setObjectName(QStringLiteral("mAbout"));
    about->setShortcut(QKeySequence(Qt::Key_F1));
}

PictureButton* TfMain::button(WindowId activity) const {
    for (const Button& button : buttons_) {
        if (button.activity == activity) {
            return button.control;
        }
    }
    return nullptr;
}

void TfMain::redrawButtons(const PictureButton* underPointer) {
    for (const Button& button : buttons_) {
        int index = ButtonShowsLocked(game_, button.activity) ? button.locked : button.resting;
        if (button.control == underPointer && button.control->isEnabled()) {
            index = button.highlighted;
        }
        button.control->setPicture(index, pictures_[index]);
    }
}

void TfMain::FormClose() {
    run(QuitProgram);
}

void TfMain::FormActivate() {
    run(MainWindowActivated);
}

void TfMain::FormMouseMove() {
    redrawButtons(nullptr);
}

bool TfMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        FormMouseMove();
    }
    return GameWindow::eventFilter(watched, event);
}

void TfMain::bJobImageClick() {
    run(OpenActivity, WindowId::fJob);
}

void TfMain::bComputerImageClick() {
    run(OpenActivity, WindowId::fComputer);
}

void TfMain::bSoftwareImageClick() {
    run(OpenActivity, WindowId::fSoftware);
}

void TfMain::bEducationImageClick() {
    run(OpenActivity, WindowId::fEducation);
}

void TfMain::bInternetImageClick() {
    run(OpenActivity, WindowId::fInternet);
}

void TfMain::bDeveloperImageClick() {
    run(OpenActivity, WindowId::fDeveloper);
}

void TfMain::bRestImageClick() {
    run(OpenActivity, WindowId::Form3);
}

void TfMain::mNewClick() {
    run(RestartProgram);
}

void TfMain::mSaveClick() {
    run(SaveGame);
}

void TfMain::mLoadClick() {
    run(LoadGame);
}

void TfMain::mExitClick() {
    run(QuitProgram);
}

void TfMain::mAboutClick() {
    run(ShowAbout);
}

}  // namespace tessaro
