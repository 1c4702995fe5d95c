#pragma once

#include <array>

#include "core/ActivityWindow.h"
#include "core/GameState.h"

class QLabel;

namespace tessaro {

struct PartModel;

// The hardware shop: the 45 models in nine groups, those on sale enabled, the price of the
// one under the pointer in the info line, a click to buy.
class TfComputer : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TfComputer(Game& game);

    void render() override;

    static constexpr const char* kDefaultInfo =
        "Здесь можно приобрести комплектующие для компьютера";

  public slots:
    void FormShow();
    void FormActivate();
    void ModelMouseMove(int index);
    void ModelMouseLeave(int index);
    void ModelClick(int index);

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    int addGroup(Slot slot, int x, int y, int width);
    void setInfo(const QString& text, const QColor& color);

    std::array<ActionLabel*, kPartModelCount> labels_{};
    QLabel* lInfo_ = nullptr;
};

}  // namespace tessaro
