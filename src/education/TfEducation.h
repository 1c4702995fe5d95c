#pragma once

#include "widgets/ActivityWindow.h"

namespace tessaro {

class ItemList;

// Taking courses: seventeen courses in four groups, what the one under the pointer needs and
// whether it can be taken now.
class TfEducation : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TfEducation(Game& game);

  public slots:
    void FormShow() override;
    void CourseMouseMove(int index);
    void CourseMouseLeave(int index);
    void CourseClick(int index);

  private:
    void addGroup(const QString& title, int first, int count, const QRect& area);
    void clearLines();
    // The requirement lines and the verdict that the window shows of a course.
    QStringList shownLines(int index) const;

    ItemList* courses_;
    QLabel* lLine1_ = nullptr;
    QLabel* lLine2_ = nullptr;
    QLabel* lAllowed_ = nullptr;
};

}  // namespace tessaro
