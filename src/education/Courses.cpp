#include "education/Courses.h"

#include "core/MainLabels.h"
#include "core/Templates.h"

namespace tessaro {

namespace {

using N = CourseNeed;

// In the order of the Knowledge flags, which is the screen order, group by group. The texts
// name the programs in the course's own words ("Borland Kylix 1.0", "Microsoft Office 98").
// clang-format off
constexpr std::array<Course, kCourseCount> kCourses = {{
    {0, "edOSW9X", "Microsoft Windows 9x/Me", 200, N::Nothing, 0, nullptr},
    {1, "edOSW2K", "Microsoft Windows 2000/XP", 400, N::Nothing, 0, nullptr},
    {2, "edOSLX", "Linux/Unix", 1000, N::Nothing, 0, nullptr},
    {3, "edDVD7", "Borland Delphi", 200, N::Environment, 1, GAME_TEXT("Установить Borland Delphi 7.0")},
    {4, "edDVCB", "Borland C++ Builder", 350, N::Environment, 2, GAME_TEXT("Установить Borland C++ Builder 6.0")},
    {5, "edDVKL", "Borland Kylix", 1000, N::Environment, 3, GAME_TEXT("Установить Borland Kylix 1.0")},
    {6, "edDVVB", "Microsoft Visual Basic.net", 1000, N::Environment, 4, GAME_TEXT("Установить Microsoft Visual Basic.net")},
    {7, "edWHTML", "Hyper Text Markup Language (HTML)", 100, N::Nothing, 0, nullptr},
    {8, "edWPHP", "Personal Home Page Tool (PHP)", 400, N::Nothing, 0, nullptr},
    {9, "edWPERL", "Practical Extraction and Report Language (Perl)", 400, N::Nothing, 0, nullptr},
    {10, "edWSQL", "MySQL Server", 300, N::Nothing, 0, nullptr},
    {11, "edWAPCH", "Apache Web Server", 100, N::Nothing, 0, nullptr},
    {12, "edOTDW", "Macromedia Dreamweaver", 150, N::OtherProgram, 1, GAME_TEXT("Установить Macromedia Dreamweaver MX")},
    {13, "edOTFLSH", "Macromedia Flash", 300, N::OtherProgram, 0, GAME_TEXT("Установить Macromedia Flash MX")},
    {14, "edOTPSH", "Adobe Photoshop", 200, N::OtherProgram, 4, GAME_TEXT("Установить Adobe Photoshop 7.0")},
    {15, "edOT3DS", "3D Studio MAX", 400, N::OtherProgram, 3, GAME_TEXT("Установить 3D Studio MAX 5.0")},
    {16, "edOTOFC", "Microsoft Office 98", 50, N::OtherProgram, 2, GAME_TEXT("Установить Microsoft Office 98")},
}};
// clang-format on

constexpr bool coursesAreInOrder() {
    for (int i = 0; i < kCourseCount; ++i) {
        const Course& course = kCourses[static_cast<std::size_t>(i)];
        if (course.index != i || (course.need == N::Nothing) != (course.installLine == nullptr)) {
            return false;
        }
    }
    return true;
}
static_assert(coursesAreInOrder(),
              "courses in Knowledge order; a course that needs a program "
              "names it");

bool programInstalled(const GameState& state, const Course& course) {
    switch (course.need) {
        case N::Nothing:
            return true;
        case N::Environment:
            return state.IdeId == course.needCode;
        case N::OtherProgram:
            return state.ExtraSoft[static_cast<std::size_t>(course.needCode)];
    }
    return false;
}

std::string priceLine(const Course& course) {
    return fillIn(kCoursePriceText, {std::to_string(course.price)});
}

}  // namespace

const std::array<Course, kCourseCount>& courseCatalogue() {
    return kCourses;
}

bool CourseCondition(const GameState& state, const Course& course) {
    return state.Money > course.price && programInstalled(state, course);
}

// The verdicts stand apart from the rule: the translation tools take a text inside a function
// that returns a std::string for a text of std's.
constexpr const char* kCoursePossible = GAME_TEXT("Обучение возможно");
constexpr const char* kCourseImpossible = GAME_TEXT("Обучение невозможно");
constexpr const char* kFirstCourseImpossible = GAME_TEXT("Не все условия были выполнены");

std::string CourseVerdict(const GameState& state, const Course& course) {
    if (CourseCondition(state, course)) {
        return kCoursePossible;
    }
    // The first course words its refusal on its own.
    return course.index == 0 ? kFirstCourseImpossible : kCourseImpossible;
}

std::array<std::string, 2> CourseLines(const Course& course) {
    if (course.installLine == nullptr) {
        return {priceLine(course), ""};
    }
    return {course.installLine, priceLine(course)};
}

void RefreshCourses(GameState& state) {
    for (int i = 0; i < kCourseCount; ++i) {
        const auto flag = static_cast<std::size_t>(i);
        state.education.itemEnabled[flag] = !state.Knowledge[flag];
    }
}

void TakeCourse(Game& game, const Course& course) {
    const auto flag = static_cast<std::size_t>(course.index);
    if (!game.education.itemEnabled[flag] || !CourseCondition(game, course)) {
        return;
    }
    changeMoney(game, -course.price);
    game.Knowledge[flag] = true;
    game.education.itemEnabled[flag] = false;
}

const char* CourseGreyedReason(const GameState& state, int index) {
    return state.Knowledge[static_cast<std::size_t>(index)] ? GAME_TEXT("пройдено") : nullptr;
}

}  // namespace tessaro
