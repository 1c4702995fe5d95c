#include "app/WindowTable.h"

#include "core/Tables.h"
#include "development/TfDeveloper.h"
#include "education/TfEducation.h"
#include "events/TForm3.h"
#include "events/TForm4.h"
#include "game/TfMain.h"
#include "hardware/TfComputer.h"
#include "internet/TfInternet.h"
#include "jobs/TfJob.h"
#include "software/TfSoftware.h"
#include "titles/TForm1.h"
#include "titles/TForm2.h"
#include "titles/TfStart.h"

namespace tessaro {

namespace {

template <typename Window>
std::unique_ptr<GameWindow> make(Game& game) {
    return std::make_unique<Window>(game);
}

constexpr std::array<WindowRow, kWindowCount> kWindows = {{
    {.id = WindowId::fStart, .create = &make<TfStart>, .shownOnce = true},
    {WindowId::fMain, &make<TfMain>},
    {WindowId::fInternet, &make<TfInternet>},
    {WindowId::fSoftware, &make<TfSoftware>},
    {WindowId::fComputer, &make<TfComputer>},
    {WindowId::fEducation, &make<TfEducation>},
    {WindowId::fJob, &make<TfJob>},
    {WindowId::fDeveloper, &make<TfDeveloper>},
    {WindowId::Form1, &make<TForm1>},
    {.id = WindowId::Form2, .create = &make<TForm2>, .standsBeside = true},
    {WindowId::Form3, &make<TForm3>},
    {WindowId::Form4, &make<TForm4>},
}};

static_assert(rowsFollowTheirIds(kWindows), "one row per window, in WindowId order");

}  // namespace

const std::array<WindowRow, kWindowCount>& windowTable() {
    return kWindows;
}

}  // namespace tessaro
