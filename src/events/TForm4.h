#pragma once

#include "widgets/GameWindow.h"

namespace tessaro {

// The window of a virus attack: kill it with the antivirus, or leave it.
class TForm4 : public GameWindow {
    Q_OBJECT
  public:
    explicit TForm4(Game& game);

  public slots:
    void FormShow() override;
    void FormClose() override;
    void Label1Click();
    void Label2Click();

  private:
    // The question, and after the answer its outcome, which a screen reader is told.
    QLabel* lKill_ = nullptr;
};

}  // namespace tessaro
