#pragma once

#include "core/GameState.h"

namespace tessaro {

inline constexpr int kOnlineWageCost = 5;  // dollars a day that the connection costs

// The internet window is shown: the download speed from the modem, an empty status line,
// the sale offered for any project, the utilities already owned closed.
void InternetShown(Game& game);

// A click on `lConnect`: dials when offline, hangs up when online.
void ConnectClick(Game& game);

// A tick of `tConnect`, every 100 ms of a dial attempt: the attempt's stages, then the busy
// line or the connection.
void DialTick(Game& game);

// The site labels: each shows its site and hides the other.
void SurfTools(GameState& state);
void SurfMarket(GameState& state);

// A loaded game that was saved online comes back offline, with the wage the connection took:
// a load shows the main window, and the connection lives only while the internet window is
// open, which hangs up as it closes.
void HangUpAfterLoad(GameState& state);

// The close box or "Вернуться": hangs up, cancels a dial attempt, and gives the main window
// back. A running download goes on.
void CloseInternet(Game& game);

}  // namespace tessaro
