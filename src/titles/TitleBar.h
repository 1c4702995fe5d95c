#pragma once

#include <QWidget>
#include <vector>

namespace tessaro {

// The bar across the top of the start, congratulations and about windows: program icon,
// "Tessaro", the version and "Версия 2003", white on the highlight colour.
class TitleBar : public QWidget {
    Q_OBJECT
  public:
    TitleBar(const QString& version, int width, QWidget* parent);

    static constexpr int kHeight = 40;
    // Its words, as a line of its window's description: "Tessaro", the version, the year.
    std::vector<QWidget*> words() const { return words_; }

  private:
    std::vector<QWidget*> words_;
};

}  // namespace tessaro
