#include "app/Announcer.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <algorithm>
#include <utility>

#include "game/TfMain.h"
#include "widgets/Accessibility.h"
#include "widgets/ItemButton.h"

namespace tessaro {

namespace {

using Kind = GameWindow::ShownLine::Kind;

// A text that says a step of a progress under way ("Набор номера...").
bool isAStep(const QString& text) {
    return text.endsWith(QLatin1String("...")) || text.endsWith(QChar(0x2026));
}

// What changed in the window in play from `before` to `now`, line by line.
QStringList changedLines(const std::vector<GameWindow::ShownLine>& before,
                         const std::vector<GameWindow::ShownLine>& now, bool acted) {
    QStringList changed;
    for (std::size_t i = 0; i < now.size(); ++i) {
        const QString& was = before[i].text;
        const QString& is = now[i].text;
        if (was == is) {
            continue;
        }
        switch (now[i].kind) {
            case Kind::Text:
                if (!is.isEmpty() && (acted || !isAStep(is))) {
                    changed.append(is);
                }
                break;
            case Kind::Progress:
                // The player starts a progress and hears it begin; the clock moves it on
                // unheard, and its last value says that it ended as it goes.
                if (acted && !is.isEmpty()) {
                    changed.append(is);
                } else if (!acted && is.isEmpty()) {
                    changed.append(was);
                }
                break;
            case Kind::Greyed:
                break;
        }
    }
    return changed;
}

}  // namespace

void Announcer::screenChanged(const Game& game, const TfMain* main, const GameWindow* inPlay) {
    const bool acted = std::exchange(playerActed_, false);
    const ItemButton* taken = acted ? ItemButton::takenLast() : nullptr;
    // A message box is shown from inside the player's action, before its outcome is told.
    const bool messageShown = acted ? std::exchange(messageShown_, false) : messageShown_;
    // Whether the window in play stayed the window in play: one that has just come into play
    // says its own lines as it opens.
    const bool sameWindow = inPlay != nullptr && inPlay == inPlayWindow_;
    if (!sameWindow && inPlayWindow_ != nullptr && inPlayWindow_ != main &&
        inPlayWindow_->isVisible()) {
        beneath_ = inPlayWindow_;
        beneathShown_ = inPlayShown_;
        endedBeneath_.clear();
    }
    inPlayWindow_ = inPlay;
    if (main == nullptr) {
        mainShown_.clear();
        inPlayWindow_ = nullptr;
        return;
    }
    QStringList said;
    const QStringList shown = main->shownState();
    const Warnings warnings = warningsOf(game);
    if (mainShown_.size() == shown.size()) {
        if (acted) {
            for (qsizetype i = 0; i < shown.size(); ++i) {
                if (shown[i] != mainShown_[i] && !shown[i].isEmpty()) {
                    said.append(shown[i]);
                }
            }
        } else {
            if (warnings.debt && !warnings_.debt) {
                said.append(shown[TfMain::kMoneyPart]);
            }
            if (warnings.mood > warnings_.mood) {
                said.append(shown[TfMain::kMoodPart]);
            }
            // What the clock makes of the player's progress: his status rising, an activity
            // opening.
            if (shown[TfMain::kStatusPart] != mainShown_[TfMain::kStatusPart]) {
                said.append(shown[TfMain::kStatusPart]);
            }
            for (qsizetype i = shown.size() - TfMain::kOpeningParts; i < shown.size(); ++i) {
                if (shown[i] != mainShown_[i] && !shown[i].isEmpty()) {
                    said.append(shown[i]);
                }
            }
        }
    }
    mainShown_ = shown;
    warnings_ = warnings;

    said.append(backFromBeneath(main, inPlay));
    if (inPlay != nullptr && inPlay != main) {
        std::vector<GameWindow::ShownLine> lines = inPlay->shownLines();
        // After a message the window in play is read anew as it comes back, with what changed.
        if (sameWindow && lines.size() == inPlayShown_.size() && !(acted && messageShown)) {
            said.append(changedLines(inPlayShown_, lines, acted));
        }
        inPlayShown_ = std::move(lines);
    }
    if (acted && taken != nullptr && sameWindow && !messageShown) {
        const QString name = taken->text();
        // Named unless what is said names it already (a part, a program or a job as the main
        // window shows it; not a course, which shows only as the money it took), or unless it
        // greyed every item of its window: the virus's answer, after which its window is read
        // anew with the outcome.
        const QString core = name.section(QLatin1Char('('), 0, 0).trimmed();
        const bool named = !core.isEmpty() && said.join(QLatin1Char(' ')).contains(core);
        const auto items = taken->window()->findChildren<const ItemButton*>();
        const bool stillOffers = std::any_of(
            items.begin(), items.end(),
            [](const ItemButton* item) { return item->isEnabled() && item->isVisible(); });
        if (!taken->isEnabled() && !name.isEmpty() && !named && stillOffers) {
            said.prepend(name);
        } else if (taken->isEnabled() && said.isEmpty()) {
            said.append(descriptionOf(taken));
        }
    }
    announce(spokenLines(said));
}

QStringList Announcer::backFromBeneath(const GameWindow* main, const GameWindow* inPlay) {
    if (beneath_ == nullptr || beneath_ == main || !beneath_->isVisible()) {
        beneath_ = nullptr;
        return {};
    }
    // Its own clock's results, as they would have been said had it been in play.
    std::vector<GameWindow::ShownLine> lines = beneath_->shownLines();
    if (lines.size() == beneathShown_.size()) {
        for (const QString& line : changedLines(beneathShown_, lines, false)) {
            endedBeneath_.removeAll(line);
            endedBeneath_.append(line);
        }
    }
    beneathShown_ = std::move(lines);
    if (beneath_ != inPlay) {
        return {};
    }
    beneath_ = nullptr;
    inPlayShown_ = beneathShown_;
    return std::exchange(endedBeneath_, {});
}

bool Announcer::menuKeyElsewhere(const QKeyEvent& key, const TfMain* main,
                                 const GameWindow* inPlay) const {
    const bool menuKey = key.matches(QKeySequence::Save) || key.matches(QKeySequence::Open) ||
                         (key.key() == Qt::Key_F1 && key.modifiers() == Qt::NoModifier);
    if (!menuKey || main == nullptr || inPlay == nullptr || inPlay == main || main->isEnabled()) {
        return false;
    }
    if (!key.isAutoRepeat()) {
        announce(QCoreApplication::translate("tessaro", "Меню игры — в главном окне."));
    }
    return true;
}

bool Announcer::statusKey(const QKeyEvent& key, const TfMain* main,
                          const GameWindow* inPlay) const {
    if (key.key() != Qt::Key_F2 || key.modifiers() != Qt::NoModifier) {
        return false;
    }
    if (main == nullptr || key.isAutoRepeat()) {
        return true;
    }
    QStringList lines;
    if (inPlay != nullptr && inPlay != main) {
        for (const GameWindow::ShownLine& line : inPlay->shownLines()) {
            if (line.kind != Kind::Greyed) {
                lines.append(line.text);
            }
        }
    }
    lines.append(main->statusParts());
    announce(spokenLines(lines));
    return true;
}

}  // namespace tessaro
