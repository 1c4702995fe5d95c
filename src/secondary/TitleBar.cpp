#include "secondary/TitleBar.h"

#include <QLabel>

#include "core/Fonts.h"
#include "core/Pictures.h"

namespace tessaro {

namespace {

QLabel* whiteLabel(const QString& text, const QFont& font, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colours);
    return label;
}

}  // namespace

TitleBar::TitleBar(const QString& version, int width, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("titleBar"));
    setGeometry(0, 0, width, kHeight);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Highlight);

    auto* icon = new QLabel(this);
    icon->setPixmap(drawProgramIcon(32));
    icon->setGeometry(6, 4, 32, 32);
    QLabel* name = whiteLabel(QStringLiteral("Tessaro"), gameFont(12, true), this);
    name->adjustSize();
    name->move(44, 13);
    QLabel* number = whiteLabel(version, gameFont(12), this);
    number->adjustSize();
    number->move(name->x() + name->width() + 4, 13);
    QLabel* year = whiteLabel(QStringLiteral("Версия 2003"), gameFont(8), this);
    year->adjustSize();
    year->move(width - year->width() - 8, 16);
}

}  // namespace tessaro
