#pragma once

#include "widgets/GameWindow.h"

class QLineEdit;
class QPushButton;

namespace tessaro {

// The first window: the player types his name and starts the game.
class TfStart : public GameWindow {
    Q_OBJECT
  public:
    explicit TfStart(Game& game);

  public slots:
    void Button1Click();
    void eNameKeyPress();
    void FormClose() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void startGame();

    QLineEdit* eName_;
    QPushButton* button1_;
};

}  // namespace tessaro
