#pragma once

#include <QVector>
#include <array>

#include "core/GameWindow.h"

class QAction;
class QMenuBar;
class QProgressBar;

namespace tessaro {

class PictureButton;

// The main window: the player's data, his computer, the seven picture buttons, the menu
// and the day clock's handler.
class TfMain : public GameWindow {
    Q_OBJECT
  public:
    explicit TfMain(Game& game);

    void render() override;
    PictureButton* button(WindowId activity) const;

  public slots:
    void tTimeTimer();
    void FormClose() override;
    void FormActivate();
    void FormMouseMove();

    void bJobImageClick();
    void bComputerImageClick();
    void bSoftwareImageClick();
    void bEducationImageClick();
    void bInternetImageClick();
    void bDeveloperImageClick();
    void bRestImageClick();

    void mNewClick();
    void mExitClick();
    void mAboutClick();

  protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Button {
        WindowId activity;
        PictureButton* control;
        int resting;
        int highlighted;
        int locked;  // -1: the button is never locked
    };

    void createDataPanel();
    void createComputerPanel();
    void createButtonColumn();
    void createMenu();
    QLabel* addRow(const QString& caption, const QString& valueName, int y, int valueX);
    void openActivity(WindowId activity);
    // Draws every button at rest, or the one under the pointer highlighted.
    void redrawButtons(const PictureButton* underPointer);

    QVector<QPixmap> pictures_;
    std::array<Button, 7> buttons_{};
    QProgressBar* gMood_ = nullptr;
    QMenuBar* menu_ = nullptr;
};

}  // namespace tessaro
