#pragma once

#include <QVector>
#include <array>

#include "widgets/ActivityWindow.h"

class QProgressBar;

namespace tessaro {

class ItemList;

// Installing programs: the seventeen items in four groups, the requirements of the one under
// the pointer with a CD picture that tells whether it installs, and the free disk space.
class TfSoftware : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TfSoftware(Game& game);

  public slots:
    void FormShow() override;
    void FormActivate() override;
    void ItemMouseMove(int index);
    void ItemMouseLeave(int index);
    void ItemClick(int index);

  private:
    void addGroup(const QString& title, std::initializer_list<int> items, const QRect& area);
    void createRequirementsPanel();
    void setLines(const std::array<const char*, 6>& lines);
    // What the CD picture says; and the requirement lines and that verdict of an item.
    static QString cdVerdict(bool installable);
    QString description(int index) const;

    ItemList* items_;
    QVector<QPixmap> cdPictures_;
    std::array<QLabel*, 6> lines_{};
    QLabel* imCD_ = nullptr;
    QProgressBar* gFreeSpace_ = nullptr;
};

}  // namespace tessaro
