#pragma once

#include <QWidget>

namespace tessaro {

// The bar across the top of the start, congratulations and about windows: program icon,
// "Tessaro", the version and "Версия 2003", white on the highlight colour.
class TitleBar : public QWidget {
    Q_OBJECT
  public:
    TitleBar(const QString& version, int width, QWidget* parent);

    static constexpr int kHeight = 40;
};

}  // namespace tessaro
