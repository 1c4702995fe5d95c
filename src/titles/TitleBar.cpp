#include "titles/TitleBar.h"

#include <QLabel>

#include "widgets/Fonts.h"
#include "widgets/GameWindow.h"
#include "widgets/Pictures.h"

namespace tessaro {

TitleBar::TitleBar(const QString& version, int width, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("titleBar"));
    setGeometry(0, 0, width, kHeight);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Highlight);

    auto* icon = makeLabel(this);
    icon->setPixmap(drawProgramIcon(32));
    icon->setGeometry(6, 4, 32, 32);
    QLabel* name = addLabel(QStringLiteral("Tessaro"), this, QRect(), 12, true, Qt::white);
    name->adjustSize();
    name->move(44, 13);
    QLabel* number = addLabel(version, this, QRect(), 12, false, Qt::white);
    number->setObjectName(QStringLiteral("lVersion"));
    number->adjustSize();
    number->move(name->x() + name->width() + 4, 13);
    // Nine pixels: at eight, Tahoma's zeros lose their tops on the blue and read as "U".
    QLabel* year = addLabel(tr("Версия 2003"), this, QRect(), 9, false, Qt::white);
    year->adjustSize();
    year->move(width - year->width() - 8, 15);
    words_ = {name, number, year};
}

}  // namespace tessaro
