#pragma once

#include "core/GameState.h"
#include "widgets/ActivityWindow.h"

namespace tessaro {

class InfoLine;
class ItemList;

// The hardware shop: the 45 models in nine groups, those on sale enabled, the price of the
// one under the pointer in the info line, a click to buy.
class TfComputer : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TfComputer(Game& game);

    static constexpr const char* kDefaultInfo =
        QT_TR_NOOP("Здесь можно приобрести комплектующие для компьютера");

  public slots:
    void FormShow() override;
    void FormActivate() override;
    void ModelMouseMove(int index);
    void ModelMouseLeave(int index);
    void ModelClick(int index);

  private:
    int addGroup(Slot slot, int x, int y, int width);
    // What the info line shows of a part while the pointer rests on it.
    QString infoText(int index) const;

    ItemList* models_;
    InfoLine* lInfo_ = nullptr;
};

}  // namespace tessaro
