#include "widgets/ActivityWindow.h"

#include <QFrame>
#include <QKeyEvent>

#include "core/Navigation.h"
#include "widgets/Pictures.h"

namespace tessaro {

ActivityWindow::ActivityWindow(Game& game, WindowId id, const QString& caption, QSize clientSize,
                               const QString& returnLabelName, ReturnLook look)
    : GameWindow(game, id, caption, clientSize),
      returnLabel_(look == ReturnLook::Grey
                       ? new ActionLabel(returnLabelName, tr("Вернуться"), 12, client())
                       : new ActionLabel(returnLabelName, tr("Вернуться"), 12, client(),
                                         kActionWhite, kActionBlack)) {
    returnLabel_->setAlignment(Qt::AlignCenter);
    if (look == ReturnLook::WhiteOnHighlight) {
        returnLabel_->setAutoFillBackground(true);
        returnLabel_->setBackgroundRole(QPalette::Highlight);
    }
    // Until the window lays out its own content, the label sits in the bottom right corner.
    returnLabel_->setGeometry(clientSize.width() - 100, clientSize.height() - 28, 92, 22);
    connect(returnLabel_, &ActionLabel::clicked, this, &ActivityWindow::returnLabelClick);
    // The first Tab reaches the window's first item, and "Вернуться" comes after them all.
    setLastInTabOrder(returnLabel_);
}

void ActivityWindow::placeReturnLabel(const QRect& geometry) {
    QFrame* box = addBox(client(), geometry);
    if (!returnLabel_->autoFillBackground()) {
        paintBackground(box, kMoneyGreen);
    }
    returnLabel_->setParent(box);
    returnLabel_->setGeometry(box->rect());
    returnLabel_->show();
}

void ActivityWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && returnLabel_->isEnabled()) {
        event->accept();
        returnLabelClick();
        return;
    }
    GameWindow::keyPressEvent(event);
}

void ActivityWindow::FormClose() {
    run(CloseActivity, id());
}

void ActivityWindow::returnLabelClick() {
    FormClose();
}

}  // namespace tessaro
