#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/GameState.h"

class QFrame;
class QLabel;
class QProgressBar;
class QVBoxLayout;

namespace tessaro {

class ActionLabel;
class ItemList;

// Fills a widget's background with a colour of the game's own (the white of the small
// windows, the money green of the panels).
void paintBackground(QWidget* widget, const QColor& colour);

// Every label of the game is made here, or is an ActionLabel or an InfoLine: a label shows its
// text as the characters themselves, never as markup, whether the text is the game's own, a
// name the player typed or a line of a saved game. Read as markup, a name such as
// `<img src=...>` would have the label read a file, or block on a pipe, when it is drawn.
QLabel* makeLabel(QWidget* parent, const QString& text = QString());

// The heading of a group of items: white bold on the highlight colour, or black bold on
// money green.
enum class HeaderLook { WhiteOnHighlight, BlackOnMoneyGreen };
QLabel* addHeader(const QString& text, QWidget* parent, const QRect& geometry,
                  HeaderLook look = HeaderLook::WhiteOnHighlight, int pixelSize = 12);
// A label of the game: its text in the game's font of that size and weight, and, when a colour
// is given, in that colour; placed at `geometry` unless that is empty.
QLabel* addLabel(const QString& text, QWidget* parent, const QRect& geometry, int pixelSize,
                 bool bold = false, const QColor& colour = QColor());
// The colour of a widget's text, whatever state it is drawn in.
void setTextColour(QWidget* widget, const QColor& colour);
// A sunken frame that holds a group's items or a window's lines.
QFrame* addBox(QWidget* parent, const QRect& geometry);

// A window of the game: a fixed client area, a single border with only the close box,
// centred on the screen. Every event goes one way: the window runs a rule through `run`,
// which tells the shell that the game changed; the shell then brings every window and timer
// in line and each shown window renders its bindings. The state decides every close: the
// close box runs the window's close rule and the shell hides what the state says is hidden.
class GameWindow : public QWidget {
    Q_OBJECT
  public:
    GameWindow(Game& game, WindowId id, const QString& caption, QSize clientSize);

    WindowId id() const { return id_; }
    // Whether the player may act in the window now: the game has not greyed it (a window over
    // it holds the game), and no dialog holds it (a message box, a file dialog). A window that
    // does not take the player refuses the pointer, the keys, a screen reader's Press, its menu
    // and its close box alike.
    bool takesThePlayer() const { return isEnabled() && !heldByADialog_; }
    // The area that holds the window's controls, of the game's client size.
    QWidget* client() const { return client_; }

    // Brings the bound controls in line with the game state, touching only what changed.
    void render();
    // One line of what the window shows of the game, as a screen reader hears it: a text, a
    // gauge of a progress, or an item that is greyed (said as such, since the Tab order passes
    // over it).
    struct ShownLine {
        enum class Kind { Text, Progress, Greyed };
        Kind kind = Kind::Text;
        // Empty while the line shows nothing: its controls hidden or empty, its item in play.
        QString text;
    };
    // The lines given to `describeWith`, in their order, as they stand now.
    std::vector<ShownLine> shownLines() const;
    // Those lines as one description, which a screen reader reads as the window opens or the
    // focus falls on it. It is read as it stands when asked, never pushed: a screen reader
    // speaks a description that changes under it, which would say each step of a progress.
    QString description() const;

    // Centres the window with the window manager's frame on the screen: before it shows, with
    // the frame that the game's other windows got; once it shows, `centreWithItsFrame` places
    // it again by its own frame, as soon as the window manager has given it one.
    void centreOnScreen();
    void centreWithItsFrame();
    // Whether the window about to show was opened by a key: it then starts with its first item
    // in hand, marked, so that Return, Space and the arrow keys work at once and a screen
    // reader says the item with the title. Opened by the pointer, the window itself holds the
    // keyboard until the first Tab, which lands on the first item.
    void openedByKeyboard(bool byKeyboard) { openedByKeyboard_ = byKeyboard; }

  signals:
    // A rule has run. Only `run` emits it.
    void gameChanged();

  public slots:
    // The window has been shown, or has become the active window again.
    virtual void FormShow() {}
    virtual void FormActivate() {}
    // The close box: the window's close rule. By default the window only hides.
    virtual void FormClose();

  protected:
    // Runs a rule on the game, then lets the shell bring the screen in line.
    template <typename Rule, typename... Args>
    auto run(Rule&& rule, Args&&... args) {
        using Result = std::invoke_result_t<Rule, Game&, Args...>;
        if constexpr (std::is_void_v<Result>) {
            std::invoke(std::forward<Rule>(rule), game_, std::forward<Args>(args)...);
            emit gameChanged();
        } else {
            Result result =
                std::invoke(std::forward<Rule>(rule), game_, std::forward<Args>(args)...);
            emit gameChanged();
            return result;
        }
    }

    // A control that shows a part of the state. `apply` runs now and again whenever the
    // value differs from what it last showed.
    template <typename T, typename Apply>
    void bindValue(const T& source, Apply apply) {
        apply(source);
        bindings_.push_back([&source, apply, shown = source]() mutable {
            if (!(shown == source)) {
                shown = source;
                apply(shown);
            }
        });
    }
    // A label or an item that shows a text of the rules in the player's language, or a label
    // that shows a name that the player typed as it stands.
    void bind(QLabel* label, const std::string& source);
    void bind(ActionLabel* item, const std::string& source);
    void bindName(QLabel* label, const std::string& source);
    void bindEnabled(QWidget* widget, const bool& source);
    void bindVisible(QWidget* widget, const bool& source);

    // A money-green gauge of 0..100 percent that shows `source`: full above 100, empty below
    // 0. Its frame is none, a grey line, or none on a grey ground. A screen reader reads what
    // it measures and the value itself, when asked, not each time it moves.
    enum class GaugeFrame { None, Line, GreyGround };
    QProgressBar* addGauge(const QString& name, const QString& measures, QWidget* parent,
                           const QRect& geometry, const int& source,
                           GaugeFrame frame = GaugeFrame::None);

    // What a sighted player reads of the window at a glance, line by line (a caption and its
    // value, a state line, a gauge, an item greyed): a screen reader hears it as the window's
    // description. A line of hidden or empty controls is left out. A label says its
    // accessible name where it has one, for what the eye reads from more than its text.
    void describeWith(std::vector<std::vector<QWidget*>> lines);
    // After those lines, each item of `items` while it is greyed for a reason that the player
    // owns (a course taken, a tool bought, his job): `reason` is the rules' word for the item of
    // that index, or nullptr. Such an item is said with its reason whether or not another can
    // be taken, and not at all where the reason is kUnsaid; an item without one is said greyed
    // ("недоступно") only while the window offers another.
    void describeGreyed(const ItemList& items, std::function<const char*(int index)> reason);

    // The control that the Tab order reaches last, after every item of the window.
    void setLastInTabOrder(QWidget* control) { lastInTabOrder_ = control; }
    bool focusNextPrevChild(bool next) override;
    // The control that has the keyboard when the window opens, instead of the window itself.
    void setInitialFocus(QWidget* control) { initialFocus_ = control; }
    // The first item that can be taken, in the Tab order, else the control that comes last.
    QWidget* firstItem() const;

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QVBoxLayout* frameLayout() const { return layout_; }

    Game& game_;

  private:
    bool takesTab(const QWidget* control) const;
    // The rules' reason why a greyed item of `describeGreyed` is greyed, or nullptr.
    const char* greyedReasonOf(const ActionLabel& item) const;
    // The next control after `control` in the Tab order that can be taken; nullptr if none.
    QWidget* nextItemAfter(const QWidget* control) const;
    // The menu's items follow whether the window takes the player: a screen reader's Press on a
    // menu item asks only the item.
    void holdTheMenu();

    WindowId id_;
    QWidget* lastInTabOrder_ = nullptr;
    QWidget* initialFocus_ = nullptr;
    bool openedByKeyboard_ = false;
    // Whether a window opened by a key takes its first item in hand once it is active.
    bool itemInHand_ = false;
    int frameChecksLeft_ = 0;
    bool heldByADialog_ = false;
    QVBoxLayout* layout_;
    QWidget* client_;
    std::vector<std::function<void()>> bindings_;
    std::vector<std::vector<QWidget*>> descriptionLines_;
    const ItemList* greyedItems_ = nullptr;
    std::function<const char*(int index)> greyedReason_;
};

}  // namespace tessaro
