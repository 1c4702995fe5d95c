#include "core/ActivityWindow.h"

#include "core/Navigation.h"

namespace tessaro {

ActivityWindow::ActivityWindow(Game& game, WindowId id, const QString& caption, QSize clientSize,
                               const QString& returnLabelName, ReturnLook look)
    : GameWindow(game, id, caption, clientSize),
      returnLabel_(look == ReturnLook::Grey
                       ? new ActionLabel(returnLabelName, QStringLiteral("Вернуться"), 12, client())
                       : new ActionLabel(returnLabelName, QStringLiteral("Вернуться"), 12, client(),
                                         kActionWhite, kActionBlack)) {
    returnLabel_->setAlignment(Qt::AlignCenter);
    if (look == ReturnLook::WhiteOnHighlight) {
        returnLabel_->setAutoFillBackground(true);
        returnLabel_->setBackgroundRole(QPalette::Highlight);
    }
    // Until the window lays out its own content, the label sits in the bottom right corner.
    returnLabel_->setGeometry(clientSize.width() - 100, clientSize.height() - 28, 92, 22);
    connect(returnLabel_, &ActionLabel::clicked, this, &ActivityWindow::returnLabelClick);
}

void ActivityWindow::FormClose() {
    run(CloseActivity, id());
}

void ActivityWindow::returnLabelClick() {
    FormClose();
}

}  // namespace tessaro
