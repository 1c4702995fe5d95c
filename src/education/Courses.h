#pragma once

#include <array>
#include <string>

#include "core/GameState.h"

namespace tessaro {

// What a course needs besides money: nothing, an installed environment, or an installed
// other program.
enum class CourseNeed { Nothing, Environment, OtherProgram };

// One course, with what it costs and needs and the texts the window shows for it.
struct Course {
    int index;  // its Knowledge flag
    const char* control;
    const char* caption;
    int price;
    CourseNeed need;
    int needCode;             // the IdeId that must be installed, or the ExtraSoft index
    const char* installLine;  // "Установить ..." for a course that needs a program
};

const std::array<Course, kCourseCount>& courseCatalogue();

// Why a course is greyed, where the player owns the reason: taken. Nothing otherwise.
const char* CourseGreyedReason(const GameState& state, int index);

// Money strictly above the price, and the program the course needs installed.
bool CourseCondition(const GameState& state, const Course& course);

// The verdict under the pointer.
std::string CourseVerdict(const GameState& state, const Course& course);
// The two requirement lines: the program to install and the price, or the price alone.
std::array<std::string, 2> CourseLines(const Course& course);

// Showing the window offers exactly the courses not yet taken.
void RefreshCourses(GameState& state);

// A click on a course: taken when it is on offer and its condition holds; otherwise
// nothing happens.
void TakeCourse(Game& game, const Course& course);

}  // namespace tessaro
