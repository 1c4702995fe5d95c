#include "widgets/GameWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <string_view>

#include "core/Navigation.h"
#include "core/Text.h"
#include "widgets/Accessibility.h"
#include "widgets/ActionLabel.h"
#include "widgets/Fonts.h"
#include "widgets/ItemList.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenLanguage.h"
#include "widgets/TextLabel.h"
#include "widgets/WindowCaption.h"

namespace tessaro {

void paintBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
}

QLabel* makeLabel(QWidget* parent, const QString& text) {
    auto* label = new TextLabel(parent);
    label->setText(text);
    return label;
}

QLabel* addHeader(const QString& text, QWidget* parent, const QRect& geometry, HeaderLook look,
                  int pixelSize) {
    auto* header = makeLabel(parent, text);
    header->setFont(gameFont(pixelSize, true));
    header->setAlignment(Qt::AlignCenter);
    header->setAutoFillBackground(true);
    if (look == HeaderLook::WhiteOnHighlight) {
        header->setBackgroundRole(QPalette::Highlight);
        header->setForegroundRole(QPalette::HighlightedText);
    } else {
        paintBackground(header, kMoneyGreen);
        QPalette colours = header->palette();
        colours.setColor(QPalette::WindowText, Qt::black);
        header->setPalette(colours);
    }
    header->setGeometry(geometry);
    return header;
}

QLabel* addLabel(const QString& text, QWidget* parent, const QRect& geometry, int pixelSize,
                 bool bold, const QColor& colour) {
    auto* label = makeLabel(parent, text);
    label->setFont(gameFont(pixelSize, bold));
    if (colour.isValid()) {
        setTextColour(label, colour);
    }
    if (!geometry.isNull()) {
        label->setGeometry(geometry);
    }
    return label;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}

QFrame* addBox(QWidget* parent, const QRect& geometry) {
    auto* box = new QFrame(parent);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box->setGeometry(geometry);
    return box;
}

GameWindow::GameWindow(Game& game, WindowId id, const QString& caption, QSize clientSize)
    // Every window but the main one is a dialog to the window manager: that is the kind of
    // window that it keeps above its owner.
    : QWidget(nullptr, (id == WindowId::fMain ? Qt::Window : Qt::Dialog) |
                           Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      game_(game),
      id_(id),
      layout_(new QVBoxLayout(this)),
      client_(new QWidget(this)) {
    setWindowTitle(caption);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(clientSize);
    layout_->addWidget(client_);
    // Above everything, the menu bar included.
    WindowCaption::addTo(this);
}

void GameWindow::render() {
    for (const auto& refresh : bindings_) {
        refresh();
    }
}

namespace {

// Whether a screen reader reads the line from the window's labels as the window opens: Orca
// reads a dialog's labels of three words or more that label nothing, each by its name.
bool readFromTheLabels(const std::vector<QWidget*>& parts) {
    return std::all_of(parts.begin(), parts.end(), [](const QWidget* part) {
        const auto* label = qobject_cast<const QLabel*>(part);
        if (label == nullptr || label->buddy() != nullptr) {
            return false;
        }
        const QString said =
            label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
        return said.split(QLatin1Char(' '), Qt::SkipEmptyParts).size() >= 3;
    });
}

}  // namespace

QString GameWindow::description() const {
    // What the screen reader reads from the labels is not said again.
    QStringList lines;
    const std::vector<ShownLine> shown = shownLines();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (!readFromTheLabels(descriptionLines_[i])) {
            lines.append(shown[i].text);
        }
    }
    return spokenLines(lines);
}

std::vector<GameWindow::ShownLine> GameWindow::shownLines() const {
    // A greyed item is worth hearing while the window offers another instead.
    bool anItemInPlay = false;
    for (const std::vector<QWidget*>& parts : descriptionLines_) {
        for (const QWidget* part : parts) {
            anItemInPlay = anItemInPlay || (qobject_cast<const ActionLabel*>(part) != nullptr &&
                                            part->isVisibleTo(this) && part->isEnabledTo(this));
        }
    }
    std::vector<ShownLine> shown;
    shown.reserve(descriptionLines_.size());
    for (const std::vector<QWidget*>& parts : descriptionLines_) {
        ShownLine line;
        QStringList texts;
        for (const QWidget* part : parts) {
            QString text;
            if (const auto* item = qobject_cast<const ActionLabel*>(part)) {
                line.kind = ShownLine::Kind::Greyed;
                const char* reason = greyedReasonOf(*item);
                if (reason != nullptr && std::string_view(reason) != kUnsaid) {
                    text = QStringLiteral("%1 — %2").arg(item->text(), gameText(reason));
                } else if (reason == nullptr && anItemInPlay && !item->isEnabledTo(this)) {
                    text = tr("%1 — недоступно").arg(item->text());
                }
            } else if (const auto* label = qobject_cast<const QLabel*>(part)) {
                text = label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
            } else if (const auto* gauge = qobject_cast<const QProgressBar*>(part)) {
                line.kind = ShownLine::Kind::Progress;
                text = gauge->accessibleName();
            }
            text = text.trimmed();
            if (part->isVisibleTo(this) && !text.isEmpty()) {
                texts.append(text);
            }
        }
        // A caption alone says nothing.
        if (texts.size() == static_cast<qsizetype>(parts.size())) {
            line.text = texts.join(QLatin1Char(' '));
        }
        shown.push_back(std::move(line));
    }
    return shown;
}

void GameWindow::describeWith(std::vector<std::vector<QWidget*>> lines) {
    descriptionLines_ = std::move(lines);
}

void GameWindow::describeGreyed(const ItemList& items,
                                std::function<const char*(int index)> reason) {
    for (ActionLabel* item : items.labels()) {
        descriptionLines_.push_back({item});
    }
    greyedItems_ = &items;
    greyedReason_ = std::move(reason);
}

const char* GameWindow::greyedReasonOf(const ActionLabel& item) const {
    const int index = greyedItems_ != nullptr ? greyedItems_->indexOf(&item) : -1;
    return index >= 0 && !item.isEnabledTo(this) ? greyedReason_(index) : nullptr;
}

void GameWindow::bind(QLabel* label, const std::string& source) {
    bindValue(source, [label](const std::string& text) { label->setText(gameText(text)); });
}

void GameWindow::bind(ActionLabel* item, const std::string& source) {
    bindValue(source, [item](const std::string& text) { item->setText(gameText(text)); });
}

void GameWindow::bindName(QLabel* label, const std::string& source) {
    bindValue(source,
              [label](const std::string& text) { label->setText(QString::fromStdString(text)); });
}

void GameWindow::bindEnabled(QWidget* widget, const bool& source) {
    bindValue(source, [this, widget](bool enabled) {
        // An item taken (bought, installed) hands the focus on to the next item that can still
        // be taken, marked only if the keyboard had brought the focus there: Qt would mark it
        // as if the player had pressed Tab, even for a click.
        if (!enabled && widget->hasFocus()) {
            const auto* item = qobject_cast<const ActionLabel*>(widget);
            const bool byKeyboard = item != nullptr && item->showsKeyboardFocus();
            QWidget* next = nextItemAfter(widget);
            (next != nullptr ? next : this)
                ->setFocus(byKeyboard ? Qt::TabFocusReason : Qt::OtherFocusReason);
        }
        widget->setEnabled(enabled);
    });
}

void GameWindow::bindVisible(QWidget* widget, const bool& source) {
    bindValue(source, [widget](bool visible) { widget->setVisible(visible); });
}

QProgressBar* GameWindow::addGauge(const QString& name, const QString& measures, QWidget* parent,
                                   const QRect& geometry, const int& source, GaugeFrame frame) {
    auto* gauge = new QProgressBar(parent);
    gauge->setObjectName(name);
    gauge->setRange(0, 100);
    gauge->setAlignment(Qt::AlignCenter);
    gauge->setFont(gameFont(8, true));
    const QString ground = frame == GaugeFrame::Line
                               ? QStringLiteral("border: 1px solid grey; background: white;")
                           : frame == GaugeFrame::GreyGround
                               ? QStringLiteral("border: none; background: rgb(235, 235, 235);")
                               : QStringLiteral("border: none; background: white;");
    gauge->setStyleSheet(QStringLiteral("QProgressBar { %1 color: black; }"
                                        "QProgressBar::chunk { background: rgb(192, 220, 192); }")
                             .arg(ground));
    gauge->setGeometry(geometry);
    bindValue(source, [gauge, measures](int percent) {
        gauge->setValue(std::clamp(percent, 0, 100));
        gauge->setAccessibleName(tr("%1: %2%").arg(measures).arg(percent));
    });
    return gauge;
}

namespace {

// The frame that the window manager gives the game's windows, which all look alike: known
// once one of them has been framed, and none before.
QMargins& desktopFrame() {
    static QMargins frame;
    return frame;
}

// Where the window's client area goes so that the window with its frame is centred.
QPoint centredClientPosition(const QWidget& window, const QMargins& frame) {
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    QRect outer = QRect(QPoint(), window.size()).marginsAdded(frame);
    outer.moveCenter(screen->availableGeometry().center());
    return outer.topLeft() + QPoint(frame.left(), frame.top());
}

constexpr int kFrameChecks = 50;
constexpr int kFrameCheckInterval = 20;  // ms: a window manager frames a window at once

}  // namespace

void GameWindow::centreOnScreen() {
    // On Wayland the compositor places every window; a client cannot.
    if (QGuiApplication::primaryScreen() == nullptr || WindowCaption::drawnByTheGame()) {
        return;
    }
    adjustSize();
    // The frame is counted as far as it is known; once this window has its own, it is placed
    // again if that frame differs. A native window that is not yet framed is moved by its
    // client area.
    winId();
    const QPoint client = centredClientPosition(*this, desktopFrame());
    move(client - (geometry().topLeft() - pos()));
    frameChecksLeft_ = kFrameChecks;
}

void GameWindow::centreWithItsFrame() {
    // Once the frame is known and the window sits centred with it, the checks end, and the
    // window stays wherever the player then moves it.
    if (!isVisible() || frameChecksLeft_ <= 0) {
        return;
    }
    --frameChecksLeft_;
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    const bool framed = !frame.isNull() && frame.left() >= 0 && frame.top() >= 0 &&
                        frame.right() >= 0 && frame.bottom() >= 0;
    if (framed) {
        desktopFrame() = frame;
        const QPoint client = centredClientPosition(*this, frame);
        if (geometry().topLeft() == client) {
            frameChecksLeft_ = 0;
            return;
        }
        // With its frame known, a window is moved by the top-left corner of its frame; the
        // next check sees whether the window manager put it there.
        move(client - QPoint(frame.left(), frame.top()));
    }
    QTimer::singleShot(kFrameCheckInterval, this, &GameWindow::centreWithItsFrame);
}

void GameWindow::FormClose() {
    run(HideWindow, id_);
}

void GameWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Only the game shows a window; a window that the desktop brings back is not shown anew.
    if (!event->spontaneous()) {
        // Opened by the pointer, the window itself holds the keyboard until the player presses
        // Tab, so that the first Tab lands, marked, on the first item; given to the first item
        // unmarked, the first Tab would seem to skip it. Opened by a key, the first item is in
        // hand, marked, as the window becomes active (Qt gives a window that is not yet active
        // the focus unmarked). A window with a box to type in starts there.
        itemInHand_ = openedByKeyboard_ && initialFocus_ == nullptr;
        (initialFocus_ != nullptr ? initialFocus_ : this)->setFocus(Qt::OtherFocusReason);
        FormShow();
    }
}

bool GameWindow::takesTab(const QWidget* control) const {
    return control != this && control->window() == this &&
           (control->focusPolicy() & Qt::TabFocus) && control->isEnabled() &&
           control->isVisibleTo(this);
}

QWidget* GameWindow::firstItem() const {
    if (lastInTabOrder_ == nullptr) {
        return nextItemAfter(this);
    }
    QWidget* first = nextItemAfter(lastInTabOrder_);
    return first != nullptr ? first : (takesTab(lastInTabOrder_) ? lastInTabOrder_ : nullptr);
}

QWidget* GameWindow::nextItemAfter(const QWidget* control) const {
    for (QWidget* next = control->nextInFocusChain(); next != control;
         next = next->nextInFocusChain()) {
        if (takesTab(next)) {
            return next;
        }
    }
    return nullptr;
}

bool GameWindow::focusNextPrevChild(bool next) {
    // From the window itself, as it opens, Tab goes to the first item and Shift+Tab to the
    // control that comes last, wherever that was made.
    if (lastInTabOrder_ != nullptr && (focusWidget() == nullptr || focusWidget() == this)) {
        QWidget* target = next ? nextItemAfter(lastInTabOrder_) : nullptr;
        if (target == nullptr) {
            target = lastInTabOrder_;
        }
        if (takesTab(target)) {
            target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QWidget::focusNextPrevChild(next);
}

bool GameWindow::event(QEvent* event) {
    // Its items are offered by now (the window's show rule has run).
    if (event->type() == QEvent::WindowActivate && std::exchange(itemInHand_, false)) {
        if (QWidget* item = firstItem()) {
            item->setFocus(Qt::TabFocusReason);
        }
    }
    if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked) {
        heldByADialog_ = event->type() == QEvent::WindowBlocked;
        holdTheMenu();
    }
    return QWidget::event(event);
}

void GameWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
    if (event->type() == QEvent::EnabledChange) {
        holdTheMenu();
    }
}

void GameWindow::holdTheMenu() {
    const bool takes = takesThePlayer();
    for (const QMenu* menu : findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->menu<QMenu*>() == nullptr && !action->isSeparator()) {
                action->setEnabled(takes);
            }
        }
    }
}

void GameWindow::closeEvent(QCloseEvent* event) {
    // The window hides only if its close rule says so, when the shell brings it in line; the
    // close box of a window that a window over it holds does nothing, as Qt has it for a window
    // that a dialog holds.
    event->ignore();
    if (takesThePlayer()) {
        FormClose();
    }
}

}  // namespace tessaro
