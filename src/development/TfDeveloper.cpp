#include "development/TfDeveloper.h"

#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <algorithm>

#include "development/Project.h"
#include "widgets/Fonts.h"
#include "widgets/ItemList.h"
#include "widgets/ScreenLanguage.h"

namespace tessaro {

namespace {

constexpr int kClientWidth = 314;
constexpr int kClientHeight = 242;
constexpr int kHeaderHeight = 17;
constexpr int kColumnWidth = 152;

}  // namespace

TfDeveloper::TfDeveloper(Game& game)
    : ActivityWindow(game, WindowId::fDeveloper, tr("Разработка программ"),
                     QSize(kClientWidth, kClientHeight), QStringLiteral("lReturn")),
      projects_(new ItemList(this)) {
    setObjectName(QStringLiteral("fDeveloper"));
    DeveloperCaptions& developer = game_.developer;

    addHeader(tr("Язык разработки"), client(), QRect(3, 3, kClientWidth - 6, kHeaderHeight));
    QFrame* languageBox = addBox(client(), QRect(3, 3 + kHeaderHeight, kClientWidth - 6, 54));
    for (int i = 0; i < kLanguageCount; ++i) {
        const Language& language = languages()[static_cast<std::size_t>(i)];
        auto* radio = new QRadioButton(gameText(language.caption), languageBox);
        radio->setObjectName(QLatin1String(language.control));
        radio->setFont(gameFont(9));
        radio->setGeometry(6 + (i % 2) * kColumnWidth, 3 + (i / 2) * 16, kColumnWidth - 8, 16);
        connect(radio, &QRadioButton::clicked, this, [this, i] { LanguageClick(i); });
        bindEnabled(radio, developer.languageEnabled[static_cast<std::size_t>(i)]);
        languages_[static_cast<std::size_t>(i)] = radio;
    }
    bindValue(developer.selectedLanguage, [this](int language) {
        if (language >= 0 && language < kLanguageCount) {
            languages_[static_cast<std::size_t>(language)]->setChecked(true);
        }
    });

    const int projectsY = languageBox->geometry().bottom() + 4;
    addHeader(tr("Объект разработки"), client(),
              QRect(3, projectsY, kClientWidth - 6, kHeaderHeight));
    QFrame* projectBox =
        addBox(client(), QRect(3, projectsY + kHeaderHeight, kClientWidth - 6, 4 * 13 + 6));
    for (const ProjectKindInfo& kind : projectKinds()) {
        const int index = kind.kind - 1;
        ActionLabel* label = projects_->add(
            index, kind.control, kind.caption, projectBox,
            QRect(2 + (index / 4) * kColumnWidth, 3 + (index % 4) * 13, kColumnWidth - 4, 13));
        bindEnabled(label, developer.projectEnabled[static_cast<std::size_t>(index)]);
    }
    connect(projects_, &ItemList::clicked, this, &TfDeveloper::ProjectClick);

    const int nowY = projectBox->geometry().bottom() + 6;
    auto* nowCaption = makeLabel(client(), tr("Имеющийся проект:"));
    nowCaption->setFont(gameFont(9));
    nowCaption->setGeometry(8, nowY, 104, 15);
    auto* lNowProject = makeLabel(client());
    lNowProject->setObjectName(QStringLiteral("lNowProject"));
    lNowProject->setFont(gameFont(9, true));
    lNowProject->setGeometry(114, nowY, kClientWidth - 122, 15);
    bind(lNowProject, developer.lNowProject);

    gProgress_ = addGauge(QStringLiteral("gProgress"), tr("Готовность проекта"), client(),
                          QRect(8, nowY + 20, kClientWidth - 16, 14), developer.gProgress);
    bindVisible(gProgress_, developer.gProgressVisible);
    describeWith({{nowCaption, lNowProject}, {gProgress_}});

    placeReturnLabel(QRect(3, kClientHeight - 33, kClientWidth - 6, 30));
}

void TfDeveloper::FormActivate() {
    run(DeveloperActivated);
}

void TfDeveloper::LanguageClick(int language) {
    run(SelectLanguage, language);
}

void TfDeveloper::ProjectClick(int index) {
    run(StartProject, index + 1);
}

}  // namespace tessaro
