#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace tessaro {

// What a screen reader knows of the game's own controls, decided here once:
// - an item (an action label, a picture button) is a push button named by its text, with a
//   Press action that takes it as a click does, while its window takes the player, and, as its
//   description, what the window shows of it while the pointer rests on it;
// - a box of items is a panel, named by its heading where it has one, never a frame, which a
//   screen reader would take for a window;
// - the main window is a frame, every other window of the game a dialog;
// - a picture is decoration, left out of what a screen reader reads, unless it has a name.
void installGameAccessibility();

// The description of an item: what the window shows of it while the pointer rests on it.
using Describer = std::function<QString()>;
void setDescriber(QWidget* item, Describer describer);
QString descriptionOf(const QWidget* item);

// The lines a window shows of an item, as one description: the empty ones left out, each
// ended as a sentence.
QString spokenLines(const QStringList& lines);

// Says a line once to a screen reader, whatever has the focus: what an action changed, a
// threshold crossed. Nothing is said while no screen reader listens.
void announce(const QString& text);
// The last line announced, and how many lines were, for the tests.
QString lastAnnouncement();
int announcementsMade();

}  // namespace tessaro
