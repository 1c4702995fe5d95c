#include "education/TfEducation.h"

#include <QLabel>
#include <span>

#include "education/Courses.h"
#include "widgets/Accessibility.h"
#include "widgets/Fonts.h"
#include "widgets/ItemList.h"
#include "widgets/ScreenLanguage.h"

namespace tessaro {

namespace {

constexpr int kClientWidth = 377;
constexpr int kClientHeight = 248;
constexpr int kHeaderHeight = 17;
constexpr int kLineStep = 12;
constexpr int kLeftX = 3;
constexpr int kLeftWidth = 150;
constexpr int kRightX = 156;
constexpr int kRightWidth = 218;
constexpr int kPanelY = 178;

QLabel* addLine(const char* name, QWidget* parent, const QRect& geometry, bool red) {
    QLabel* line =
        addLabel(QString(), parent, geometry, 9, red, red ? QColor(255, 0, 0) : QColor());
    line->setObjectName(QLatin1String(name));
    if (red) {
        line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return line;
}

}  // namespace

TfEducation::TfEducation(Game& game)
    : ActivityWindow(game, WindowId::fEducation, tr("Обучение"), QSize(kClientWidth, kClientHeight),
                     QStringLiteral("Label21"), ReturnLook::WhiteOnHighlight),
      courses_(new ItemList(this)) {
    setObjectName(QStringLiteral("fEducation"));

    addGroup(tr("Операционные системы"), 0, 3, QRect(kLeftX, 3, kLeftWidth, 0));
    addGroup(tr("Среда разработки"), 3, 4, QRect(kLeftX, 69, kLeftWidth, 0));
    addGroup(tr("Web-технологии"), 7, 5, QRect(kRightX, 3, kRightWidth, 0));
    addGroup(tr("Другое"), 12, 5, QRect(kRightX, 93, kRightWidth, 0));
    placeReturnLabel(QRect(kLeftX, 147, kLeftWidth, 28));

    QFrame* panel =
        addBox(client(), QRect(kLeftX, kPanelY, kClientWidth - 6, kClientHeight - kPanelY - 3));
    auto* title = makeLabel(panel, tr("Требования"));
    title->setFont(gameFont(11, true));
    title->setGeometry(8, 4, 120, 17);
    lAllowed_ = addLine("lAllowed", panel, QRect(130, 4, panel->width() - 138, 17), true);
    lLine1_ = addLine("lLine1", panel, QRect(8, 24, panel->width() - 16, 15), false);
    lLine2_ = addLine("lLine2", panel, QRect(8, 40, panel->width() - 16, 15), false);

    connect(courses_, &ItemList::pointerMoved, this, &TfEducation::CourseMouseMove);
    connect(courses_, &ItemList::pointerLeft, this, &TfEducation::CourseMouseLeave);
    connect(courses_, &ItemList::clicked, this, &TfEducation::CourseClick);
    for (const Course& course : courseCatalogue()) {
        bindEnabled(courses_->label(course.index),
                    game_.education.itemEnabled[static_cast<std::size_t>(course.index)]);
    }
    courses_->describeWith([this](int index) { return spokenLines(shownLines(index)); });
    // The window says as it opens the courses taken, which are greyed.
    describeGreyed(*courses_, [this](int index) { return CourseGreyedReason(game_, index); });
}

void TfEducation::addGroup(const QString& title, int first, int count, const QRect& area) {
    addHeader(title, client(), QRect(area.x(), area.y(), area.width(), kHeaderHeight),
              HeaderLook::BlackOnMoneyGreen, 11);
    QFrame* box = addBox(
        client(), QRect(area.x(), area.y() + kHeaderHeight, area.width(), count * kLineStep + 6));
    box->setAccessibleName(title);
    const std::span<const Course> courses(courseCatalogue().data() + first,
                                          static_cast<std::size_t>(count));
    courses_->addColumn(courses, first, box, QRect(2, 3, area.width() - 4, kLineStep));
}

void TfEducation::clearLines() {
    lLine1_->clear();
    lLine2_->clear();
    lAllowed_->clear();
}

void TfEducation::FormShow() {
    run(RefreshCourses);
}

void TfEducation::CourseMouseMove(int index) {
    const QStringList shown = shownLines(index);
    lLine1_->setText(shown[0]);
    lLine2_->setText(shown[1]);
    lAllowed_->setText(shown[2]);
}

QStringList TfEducation::shownLines(int index) const {
    const Course& course = courseCatalogue()[static_cast<std::size_t>(index)];
    const auto lines = CourseLines(course);
    return {gameText(lines[0]), gameText(lines[1]), gameText(CourseVerdict(game_, course))};
}

void TfEducation::CourseMouseLeave(int /*index*/) {
    clearLines();
}

void TfEducation::CourseClick(int index) {
    run(TakeCourse, courseCatalogue()[static_cast<std::size_t>(index)]);
}

}  // namespace tessaro
