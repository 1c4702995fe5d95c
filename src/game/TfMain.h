#pragma once

#include <QVector>
#include <array>
#include <utility>
#include <vector>

#include "widgets/GameWindow.h"

class QAction;
class QMenuBar;
class QProgressBar;

namespace tessaro {

class PictureButton;

// The main window: the player's data, his computer, the seven picture buttons and the menu.
class TfMain : public GameWindow {
    Q_OBJECT
  public:
    explicit TfMain(Game& game);

    PictureButton* button(WindowId activity) const;
    // The player's status as a screen reader speaks it, part by part: money, mood, day,
    // status, experience and job, each with what it is.
    QStringList statusParts() const;
    static constexpr qsizetype kMoneyPart = 0;
    static constexpr qsizetype kMoodPart = 1;
    static constexpr qsizetype kStatusPart = 3;
    // Everything the window shows of the game, part by part: the status first, then each row
    // of the computer and its software with what it is, and last, for each activity that
    // opens on the way (the software, the internet), whether it is open. A part that an
    // action changed is what a screen reader is told.
    QStringList shownState() const;
    static constexpr qsizetype kOpeningParts = 2;

  public slots:
    void FormClose() override;
    void FormActivate() override;
    void FormMouseMove();

    void bJobImageClick();
    void bComputerImageClick();
    void bSoftwareImageClick();
    void bEducationImageClick();
    void bInternetImageClick();
    void bDeveloperImageClick();
    void bRestImageClick();

    void mNewClick();
    void mSaveClick();
    void mLoadClick();
    void mExitClick();
    void mAboutClick();

  protected:
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
    // The background, the panels, their headings and the day number: the pointer on any of
    // them puts every button back at rest.
    void trackPointerOverBackground();
    // Draws every button at rest, or the one under the pointer highlighted.
    void redrawButtons(const PictureButton* underPointer);

    QVector<QPixmap> pictures_;
    std::array<Button, 7> buttons_{};
    QProgressBar* gMood_ = nullptr;
    QLabel* lMoney_ = nullptr;
    QLabel* lDay_ = nullptr;
    // The rows of the player's data and his computer: caption and value.
    std::vector<std::pair<QLabel*, QLabel*>> rows_;
    // Where the rows of the computer begin among them.
    std::size_t computerRows_ = 0;
    QMenuBar* menu_ = nullptr;
};

}  // namespace tessaro
