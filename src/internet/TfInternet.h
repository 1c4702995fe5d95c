#pragma once

#include <vector>

#include "widgets/ActivityWindow.h"

namespace tessaro {

class ItemList;

// The internet: dialling in, the utilities site, the software market and the break-in
// missions.
class TfInternet : public ActivityWindow {
    Q_OBJECT
  public:
    explicit TfInternet(Game& game);

  public slots:
    void FormShow() override;
    void FormClose() override;
    void lConnectClick();
    void surfToolsClick();
    void surfMarketClick();
    void UtilityMouseMove(int index);
    void UtilityMouseLeave(int index);
    void UtilityClick(int index);
    void MissionMouseMove(int index);
    void MissionMouseLeave(int index);
    void MissionClick(int index);
    void lSellClick();

  private:
    void createConnection();
    QWidget* createToolsSite(const QRect& area);
    QWidget* createMarketSite(const QRect& area);
    QWidget* createMissions(const QRect& area);

    ItemList* utilities_;
    ItemList* missions_;
    QLabel* lCost_ = nullptr;
    // What the window says of the connection, the project on sale with its heading, the
    // download and the mission under way.
    QLabel* connectionLine_ = nullptr;
    // The utilities site's heading: the site heard as it opens.
    QLabel* toolsHeading_ = nullptr;
    std::vector<QWidget*> marketLine_;
    QWidget* downloadLine_ = nullptr;
    QLabel* missionLine_ = nullptr;
};

}  // namespace tessaro
