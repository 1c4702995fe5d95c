#pragma once

#include <array>

#include "core/JobState.h"
#include "widgets/ActivityWindow.h"

namespace tessaro {

class ItemList;

// Looking for a job: nine offers with their wages, the courses the one under the pointer
// needs, and whether the player's knowledge gets it.
class TfJob : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TfJob(Game& game);

  public slots:
    void FormShow() override;
    void OfferMouseMove(int index);
    void OfferMouseLeave(int index);
    void OfferClick(int index);

  private:
    void clearLines();
    // The requirement lines and the verdict that the window shows of an offer.
    QStringList shownLines(int index) const;

    ItemList* offers_;
    std::array<QLabel*, kJobCount> wages_{};
    std::array<QLabel*, 5> lines_{};
    QLabel* lInfo_ = nullptr;
};

}  // namespace tessaro
