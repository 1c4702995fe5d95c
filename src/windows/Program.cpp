#include "windows/Program.h"

#include "core/TfMain.h"
#include "development/TfDeveloper.h"
#include "education/TfEducation.h"
#include "events/TForm3.h"
#include "events/TForm4.h"
#include "hardware/TfComputer.h"
#include "internet/TfInternet.h"
#include "jobs/TfJob.h"
#include "software/TfSoftware.h"
#include "windows/TForm1.h"
#include "windows/TForm2.h"
#include "windows/TfStart.h"

namespace tessaro {

Program::Program(MessagePresenter& messages, ProgramControl& control, SeedSource seedSource)
    : shell_(messages, control), game_(shell_, std::move(seedSource)) {
    shell_.setGame(game_);

    fStart_ = std::make_unique<TfStart>(game_);
    shell_.addWindow(fStart_.get());
    windows_.push_back(std::make_unique<TfMain>(game_));
    windows_.push_back(std::make_unique<TfInternet>(game_));
    windows_.push_back(std::make_unique<TfSoftware>(game_));
    windows_.push_back(std::make_unique<TfComputer>(game_));
    windows_.push_back(std::make_unique<TfEducation>(game_));
    windows_.push_back(std::make_unique<TfJob>(game_));
    windows_.push_back(std::make_unique<TfDeveloper>(game_));
    windows_.push_back(std::make_unique<TForm1>(game_));
    windows_.push_back(std::make_unique<TForm2>(game_));
    windows_.push_back(std::make_unique<TForm3>(game_));
    windows_.push_back(std::make_unique<TForm4>(game_));
    for (const auto& window : windows_) {
        shell_.addWindow(window.get());
    }

    QObject::connect(&shell_.timer(TimerId::tTime), &QTimer::timeout, fMain(), &TfMain::tTimeTimer);
    QObject::connect(fStart_.get(), &TfStart::gameStarted, &shell_, [this] {
        // The start window is not used again in this run. It goes once its own handler
        // has returned.
        QMetaObject::invokeMethod(
            &shell_, [this] { fStart_.reset(); }, Qt::QueuedConnection);
    });
}

Program::~Program() = default;

void Program::start() {
    game_.window(WindowId::fStart).shown = true;
    shell_.sync();
}

GameWindow* Program::window(WindowId id) const {
    if (id == WindowId::fStart) {
        return fStart_.get();
    }
    for (const auto& window : windows_) {
        if (window->id() == id) {
            return window.get();
        }
    }
    return nullptr;
}

TfMain* Program::fMain() const {
    return static_cast<TfMain*>(window(WindowId::fMain));
}

}  // namespace tessaro
