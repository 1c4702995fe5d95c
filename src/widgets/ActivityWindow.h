#pragma once

#include "widgets/ActionLabel.h"
#include "widgets/GameWindow.h"

namespace tessaro {

// A window opened by one of the main window's picture buttons. Its return label
// "Вернуться" and its close box both give the player back the main window and the clock.
class ActivityWindow : public GameWindow {
    Q_OBJECT
  public:
    enum class ReturnLook { Grey, WhiteOnHighlight };

    ActivityWindow(Game& game, WindowId id, const QString& caption, QSize clientSize,
                   const QString& returnLabelName, ReturnLook look = ReturnLook::Grey);

    ActionLabel* returnLabel() const { return returnLabel_; }

  protected:
    // Escape does what the return label does, while it may be used.
    void keyPressEvent(QKeyEvent* event) override;
    // Puts the return label into a sunken money-green box, or for the white label a box of
    // the highlight colour, at `geometry`.
    void placeReturnLabel(const QRect& geometry);

  public slots:
    void FormClose() override;
    void returnLabelClick();

  private:
    ActionLabel* returnLabel_;
};

}  // namespace tessaro
