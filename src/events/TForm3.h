#pragma once

#include "widgets/ActivityWindow.h"

namespace tessaro {

class ItemList;

// The rest window: five ways to buy back the mood.
class TForm3 : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TForm3(Game& game);

  public slots:
    void ActivityMouseMove(int index);
    void ActivityMouseLeave(int index);
    void ActivityClick(int index);

  private:
    ItemList* activities_;
    QLabel* lCost_ = nullptr;
};

}  // namespace tessaro
