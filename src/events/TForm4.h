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
};

}  // namespace tessaro
