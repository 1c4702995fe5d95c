#pragma once

#include <QPointer>
#include <QStringList>
#include <vector>

#include "game/DayClock.h"
#include "widgets/GameWindow.h"

class QKeyEvent;

namespace tessaro {

class ItemButton;
class TfMain;

// Decides, in one place, what a screen reader is told as the game goes on, from the texts the
// windows show: what a sighted player sees change, said once.
// - After the player's action: every line that changed in the main window (his status, his
//   computer and its software) and in the window in play, joined in one announcement; after
//   a message, which the window in play is read anew after, only those of the main window.
// - After the clock: in the main window only a warning that play crossed (a low mood, a debt),
//   the status rising and an activity opening;
//   in the window in play the result of a progress that runs by itself (connected, the line
//   busy, a project finished, a download done, a mission's reward or fine), never its steps:
//   a text that ends in an ellipsis is a step under way, and a gauge is heard as it ends.
// - A window just opened says its own lines as it opens (its description); a greyed item is
//   heard there too, never announced.
// - What the clock ended in a window while another stood over it (a download done under the
//   virus) is said once that window is in play again.
class Announcer {
  public:
    // The player changed the game (the clock did not), and a message box showed: what comes
    // next is his action's outcome.
    void playerActed() { playerActed_ = true; }
    void messageShown() { messageShown_ = true; }
    // The screen has been brought in line with the game, after the player's action or the
    // clock. `main` is nullptr while the main window does not show; `inPlay` while the window
    // in play is not one of the game's own. An item that the action greyed is named where the
    // main window shows nothing of it (an "other" program installed, a project begun); an item
    // that changed nothing says why, in the words it shows under the pointer ("Нельзя
    // установить"). A message told the outcome already.
    void screenChanged(const Game& game, const TfMain* main, const GameWindow* inPlay);
    // The status key (F2, in every window of the game): the lines of the window in play, a
    // progress among them, then the player's status. True when the key was the status key,
    // which no window then sees.
    bool statusKey(const QKeyEvent& key, const TfMain* main, const GameWindow* inPlay) const;
    // A key of the main window's menu (saving, loading, the about window) pressed in an
    // activity window, where the greyed main window takes nothing: a sighted player sees why,
    // and the player is told so in one line. True when it was such a key, which no window
    // then sees.
    bool menuKeyElsewhere(const QKeyEvent& key, const TfMain* main, const GameWindow* inPlay) const;

  private:
    bool playerActed_ = false;
    bool messageShown_ = false;
    QStringList mainShown_;
    Warnings warnings_;
    // The window in play when the screen last changed, and what it showed then.
    QPointer<const GameWindow> inPlayWindow_;
    std::vector<GameWindow::ShownLine> inPlayShown_;
    // The window that another came over while it showed, what it showed since, and what ended
    // there meanwhile.
    QPointer<const GameWindow> beneath_;
    std::vector<GameWindow::ShownLine> beneathShown_;
    QStringList endedBeneath_;
    // Follows the window beneath; what ended there once it is back in play.
    QStringList backFromBeneath(const GameWindow* main, const GameWindow* inPlay);
};

}  // namespace tessaro
