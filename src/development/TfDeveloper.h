#pragma once

#include <array>

#include "core/DeveloperState.h"
#include "widgets/ActivityWindow.h"

class QProgressBar;
class QRadioButton;

namespace tessaro {

class ItemList;

// Writing programs for sale: a language, a kind of program, and the days of work on the
// gauge; days go on passing while it is open.
class TfDeveloper : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TfDeveloper(Game& game);

  public slots:
    void FormActivate() override;
    void LanguageClick(int language);
    void ProjectClick(int index);

  private:
    ItemList* projects_;
    std::array<QRadioButton*, kLanguageCount> languages_{};
    QProgressBar* gProgress_ = nullptr;
};

}  // namespace tessaro
