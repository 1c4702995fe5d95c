#include "widgets/Accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFrame>
#include <QLoggingCategory>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>

#include "widgets/GameWindow.h"
#include "widgets/ItemButton.h"
#include "widgets/TextLabel.h"
#include "widgets/WindowCaption.h"

namespace tessaro {

namespace {

// Holds an item's describer as a child of the item, so that it goes with the item.
class DescriberHolder : public QObject {
  public:
    DescriberHolder(QObject* item, Describer describer)
        : QObject(item), describer(std::move(describer)) {}
    Describer describer;
};

const DescriberHolder* holderOf(const QWidget* item) {
    for (const QObject* child : item->children()) {
        if (const auto* holder = dynamic_cast<const DescriberHolder*>(child)) {
            return holder;
        }
    }
    return nullptr;
}

// A screen reader's Press on a control: a click, where the control's window takes the player
// now. Qt's own Press of a button clicks whatever window the button is in, even one that a
// dialog holds.
void pressAsAClick(QWidget* control) {
    const auto* window = qobject_cast<const GameWindow*>(control->window());
    if (window == nullptr || window->takesThePlayer()) {
        static_cast<QAbstractButton*>(control)->click();
    }
}

bool belongsToTheGame(const QWidget* widget) {
    return qobject_cast<const GameWindow*>(widget->window()) != nullptr;
}

// An item the player takes: a push button named by its text. Its Press is a click, which a
// window beneath the window in play refuses.
class ItemAccessible : public QAccessibleWidget {
  public:
    explicit ItemAccessible(QWidget* item) : QAccessibleWidget(item, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        switch (kind) {
            case QAccessible::Name:
                if (!widget()->accessibleName().isEmpty()) {
                    return widget()->accessibleName();
                }
                return static_cast<const QAbstractButton*>(widget())->text();
            case QAccessible::Description:
                return descriptionOf(widget());
            default:
                return QAccessibleWidget::text(kind);
        }
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& name) override {
        if (name == pressAction()) {
            pressAsAClick(widget());
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
};

// A radio button of the game: its Press and Toggle are a click, so that a screen reader's
// choice goes the player's way, through the window's handler and only while the window is in
// play.
class RadioAccessible : public QAccessibleWidget {
  public:
    explicit RadioAccessible(QWidget* radio) : QAccessibleWidget(radio, QAccessible::RadioButton) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<const QAbstractButton*>(widget())->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = static_cast<const QAbstractButton*>(widget())->isChecked();
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled()) {
            names.prepend(toggleAction());
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& name) override {
        if (name == pressAction() || name == toggleAction()) {
            pressAsAClick(widget());
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
};

// A window of the game: the main window is the game's frame on the desktop, every other window
// a dialog over it. Its description is what it shows at a glance, as it stands when asked.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(GameWindow* window)
        : QAccessibleWidget(window, window->id() == WindowId::fMain ? QAccessible::Window
                                                                    : QAccessible::Dialog) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description) {
            return static_cast<const GameWindow*>(widget())->description();
        }
        return QAccessibleWidget::text(kind);
    }
};

// A box of items: a panel, not a frame.
class BoxAccessible : public QAccessibleWidget {
  public:
    explicit BoxAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::Grouping) {}
};

// A gauge: its name says what it measures and the value. It offers no value of its own, so
// that a screen reader does not speak it each time it moves.
class GaugeAccessible : public QAccessibleWidget {
  public:
    explicit GaugeAccessible(QWidget* gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}
};

// A picture: while it has no name, decoration, which a screen reader passes over.
class PictureAccessible : public QAccessibleWidget {
  public:
    explicit PictureAccessible(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = state.invisible || widget()->accessibleName().isEmpty();
        return state;
    }
};

// Speaks through a notification that a screen reader reads whatever has the focus. It is a
// window of its own, so that the reader does not read the window in play's texts before it,
// but one that never maps: the screen reader is told that it shows, the screen never sees it.
// The window in play owns it, so that it goes with that window.
class Announcement : public QWidget {
  public:
    explicit Announcement(QWidget* owner) : QWidget(owner, Qt::Window) {
        setObjectName(QStringLiteral("announcement"));
    }
};

class AnnouncementAccessible : public QAccessibleWidget {
  public:
    explicit AnnouncementAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = false;
        return state;
    }
};

// Decided once for each object, by its type, at its own class: Qt asks again for each class
// that the object's class derives from, and a box of items is a plain QFrame, not every
// frame (a label is a frame too).
QAccessibleInterface* gameInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || className != QLatin1String(object->metaObject()->className())) {
        return nullptr;
    }
    if (qobject_cast<ItemButton*>(widget) != nullptr) {
        return new ItemAccessible(widget);
    }
    if (auto* window = qobject_cast<GameWindow*>(widget)) {
        return new WindowAccessible(window);
    }
    if (auto* label = qobject_cast<TextLabel*>(widget)) {
        return label->pixmap().isNull() ? nullptr : new PictureAccessible(widget);
    }
    // The caption that the game draws where the desktop draws none stands for the desktop's,
    // which a screen reader does not find among a program's objects either: the window's title
    // is its name, and Escape or the desktop's close key closes it.
    if (qobject_cast<WindowCaption*>(widget) != nullptr) {
        return new PictureAccessible(widget);
    }
    if (dynamic_cast<Announcement*>(widget) != nullptr) {
        return new AnnouncementAccessible(widget);
    }
    if (!belongsToTheGame(widget)) {
        return nullptr;
    }
    if (qobject_cast<QRadioButton*>(widget) != nullptr) {
        return new RadioAccessible(widget);
    }
    if (qobject_cast<QProgressBar*>(widget) != nullptr) {
        return new GaugeAccessible(widget);
    }
    if (widget->metaObject() == &QFrame::staticMetaObject) {
        return new BoxAccessible(widget);
    }
    return nullptr;
}

// What was said last, and what is still to say at the end of this turn of the event loop.
struct Speech {
    QString last;
    QStringList pending;
    int made = 0;
};

Speech& speech() {
    static Speech speech;
    return speech;
}

QWidget* windowToSpeakIn() {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && qobject_cast<GameWindow*>(window) != nullptr) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

void installGameAccessibility() {
    static bool installed = false;
    if (!installed) {
        // The gauges offer no value on purpose (see GaugeAccessible); Qt's bridge would say so
        // on the terminal each time one moves.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.accessibility.atspi.warning=false"));
        QAccessible::installFactory(gameInterface);
        installed = true;
    }
}

void setDescriber(QWidget* item, Describer describer) {
    delete holderOf(item);
    new DescriberHolder(item, std::move(describer));
}

QString descriptionOf(const QWidget* item) {
    const DescriberHolder* holder = holderOf(item);
    return holder != nullptr ? holder->describer() : QString();
}

QString spokenLines(const QStringList& lines) {
    QString spoken;
    for (const QString& line : lines) {
        const QString text = line.trimmed();
        if (text.isEmpty()) {
            continue;
        }
        if (!spoken.isEmpty()) {
            spoken += QLatin1Char(' ');
        }
        spoken += text;
        if (!QStringLiteral(".!?:").contains(text.back())) {
            spoken += QLatin1Char('.');
        }
    }
    return spoken;
}

namespace {

// One line for all that one event of the player or the clock made worth saying: a second
// notification at once would cut the first short.
void sayPending() {
    const QString text = spokenLines(speech().pending);
    speech().pending.clear();
    speech().last = text;
    ++speech().made;
    if (!QAccessible::isActive()) {
        return;
    }
    QWidget* window = windowToSpeakIn();
    if (window == nullptr) {
        return;
    }
    auto* announcement =
        window->findChild<QWidget*>(QStringLiteral("announcement"), Qt::FindDirectChildrenOnly);
    if (announcement == nullptr) {
        announcement = new Announcement(window);
    }
    announcement->setAccessibleName(text);
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace

void announce(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    if (speech().pending.isEmpty()) {
        QTimer::singleShot(0, qApp, sayPending);
    }
    // One turn says a line once, however many roads led to it.
    if (!speech().pending.contains(text)) {
        speech().pending.append(text);
    }
}

QString lastAnnouncement() {
    return speech().pending.isEmpty() ? speech().last : spokenLines(speech().pending);
}

int announcementsMade() {
    return speech().made + (speech().pending.isEmpty() ? 0 : 1);
}

}  // namespace tessaro
