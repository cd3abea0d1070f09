#pragma once
// The main window: start-up sizes, the menu, the keys, the fall timer, the four game states
// and the game loop that drives the engine.

#include "adapters/GamePads.h"
#include "adapters/GraphicsTransfer.h"
#include "game/gameBody.h"
#include "imaging/ImageLib.h"
#include "imaging/VcGraphics.h"

#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QDialog;
class QPointF;
class QLabel;
class QTimer;

namespace harvesta {
class TfrmScores;
class TGameSound;
} // namespace harvesta

namespace harvesta {

// The window and task-bar icon: the watermelon tile, opaque.
QIcon ApplicationIcon();

enum TGameState : std::int32_t { gsPlaying = 1, gsGameOver = 2, gsPaused = 3, gsNotStarted = 4 };

// The virtual-key codes FormKeyDown acts on; letters are their capitals' codes.
namespace vk {
inline constexpr int Return = 13;
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int M = 'M';
inline constexpr int P = 'P';
inline constexpr int S = 'S';
inline constexpr int F1 = 112;
inline constexpr int F4 = 115;
} // namespace vk

enum class TPointerPhase { Press, Move, Release };

// A surface painted only by its owner's handler. It paints every pixel itself, so Qt never
// erases it first: invalidating it cannot flicker. It reports the left mouse button and the
// first finger that touches it, pressed, moving and let go, in its own coordinates.
class TPaintBox : public QWidget {
  public:
    explicit TPaintBox(QWidget* parent);
    std::function<void(QPainter&)> OnPaint;
    std::function<void(TPointerPhase, QPointF)> OnPointer;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    int finger_ = -1;
};

// The main window's menu bar. A menu bar draws no check marks, so a checkable item that is
// off (the sound) has its caption struck through: a parent sees at a glance that it is off.
class TMenuBar : public QMenuBar {
  public:
    using QMenuBar::QMenuBar;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A picture control that reports the pointer entering and leaving it and clicks on it.
class TImage : public QWidget {
  public:
    explicit TImage(QWidget* parent);
    // Shows the picture as it is; a transparent control is given a see-through picture.
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    std::function<void()> OnClick, OnMouseEnter, OnMouseLeave;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QImage picture_;
};

class THarvestaForm : public QMainWindow {
  public:
    // Builds the window and runs FormCreate.
    explicit THarvestaForm(QWidget* parent = nullptr);
    ~THarvestaForm() override;

    // The secondary windows the menu opens; the main window does not own them. Given after
    // the first show, the best scores window is loaded with the stored result then.
    void SetWindows(QDialog* fontPreview, QDialog* about, TfrmScores* scores, QDialog* manual);
    // Or the manual window is made the first time it is opened: its page view is the largest
    // of the secondary windows, and many games never open it.
    void SetManualMaker(std::function<QDialog*()> make);
    // Called after the first frame: the player's sound choice is read and the sound started.
    void StartSound();
    TGameSound& Sound() { return *sound_; }

    // Handlers, named after the control and event; the Qt event overrides forward here.
    void FormKeyDown(QObject* sender, int key);
    void harvestaTimerTimer();
    void mnuStartGameClick();
    void mnuPauseClick();
    void Width1Click();
    void mnuFormClick();
    void Results1Click();
    void mnuManualClick();
    void About1Click();
    void mnuSoundClick();
    void Exit1Click();
    void Image2Click();
    void Image2MouseEnter();
    void Image2MouseLeave();
    void pbMainPaint(QPainter& canvas);
    // Mouse and finger on the board: a press left of the falling piece, right of it, on it or
    // below it acts as Left, Right, turn or Down; held, it brings the piece to it. Before a
    // game or after one it starts a game, on a paused board it resumes.
    void pbMainPointer(TPointerPhase phase, QPointF at);
    void pointerRepeatTimerTimer();
    QTimer& pointerRepeatTimer() { return *pointerRepeat_; }
    // The game controllers, from the first frame on; their buttons act as the keys do.
    void StartGamePads();
    void GamePadCommand(platform::PadButton button);
    platform::GamePads* GamePads() const { return gamePads_.get(); }
    // Where the board draws the cell of a column and row of the field.
    QRect BoardCellRect(int column, int row) const;

    using TNotifyEvent = std::function<void(QObject* sender)>;
    // The game-over event; FormCreate sets it to CheckBestResult.
    TNotifyEvent& OnGameOver() { return FOnGameOver; }

    THarvestaEngine& Engine() { return *FEngine; }
    TGameState GameState() const { return FGameState; }
    double Scale() const { return FScale; }
    QTimer& harvestaTimer() { return *harvestaTimer_; }
    QLabel* YieldLabel(int kind) const { return yieldLabels_[kind]; }
    QAction* mnuStartGame = nullptr;
    QAction* mnuPause = nullptr;
    QAction* Width1 = nullptr;
    QAction* mnuForm = nullptr;
    QAction* Results1 = nullptr;
    QAction* mnuManual = nullptr;
    QAction* About1 = nullptr;
    QAction* mnuSound = nullptr;
    QAction* Exit1 = nullptr;
    QWidget* pnlHead = nullptr;
    QWidget* pnlCommon = nullptr;
    TPaintBox* pbMain = nullptr;
    QWidget* pnlInformation = nullptr;
    QWidget* pnlTitle = nullptr;
    QWidget* pnlYield = nullptr;
    QWidget* pnlMiddle = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;
    TImage* imgLogo = nullptr;

    // The board's pictures and its off-screen picture, made once by InitBoardGraphics.
    const TListOfImages& BoardImages() const { return BoardImages_; }
    const TGraphicsEx& BoardPicture() const { return *BoardPicture_; }
    std::int32_t BoardImageIndex(int entry) const { return BoardImageIndex_[entry]; }

    // The display scale for a primary screen of the given width.
    static double ScaleForScreenWidth(int width);
    // The client size the layout takes at a designed scale.
    static QSize ClientSizeForScale(double scale);
    // The scale of the width rule, or a smaller designed one while a window whose frame and
    // menu add `nonClient` to its client area would not fit the screen's available area; the
    // smallest when none fits.
    static double ScaleForScreen(int screenWidth, QSize available, QSize nonClient);

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void ApplyScale(double scale);
    void PlaceLogo();
    void CentreOnDesktop();
    void FitToScreen();
    QSize NonClientSize() const;
    void BuildLayout();
    void BuildMenu();
    void InvalidateBoard();
    void NewGame();
    void ShowYield();
    void CheckBestResult(QObject* sender);
    void LoadBestResult();
    void ShowSecondary(QDialog* window);
    void InitBoardGraphics();
    void BuildPlayInput();
    int BoardKeyAt(QPointF at) const;

    TNotifyEvent FOnGameOver;
    std::unique_ptr<THarvestaEngine> FEngine;
    TGameState FGameState = gsNotStarted;
    double FScale = 1.0;

    TListOfImages BoardImages_;
    std::unique_ptr<TGraphicsEx> BoardPicture_;
    // Index in BoardImages_ of each board picture: 0..9 the fruit kinds 1..10, 11 the
    // background (white, one pixel: the paint fills with its colour), 12 the pause overlay,
    // 13 the game-over overlay; 10 is unused.
    std::int32_t BoardImageIndex_[14] = {};
    // The transfer of BoardPicture_ to the screen, made once, so a paint allocates nothing.
    std::unique_ptr<TScreenTransfer> boardScreen_;

    QTimer* harvestaTimer_ = nullptr;
    QLabel* yieldLabels_[FruitKindCount + 1] = {};
    bool shownOnce_ = false;
    QPointer<QDialog> fontPreview_, about_, manual_;
    std::function<QDialog*()> makeManual_;
    QPointer<TfrmScores> scores_;
    std::unique_ptr<TGameSound> sound_;

    QTimer* pointerRepeat_ = nullptr;
    // The key a held press repeats, 0 when none; where the pointer is now, and where the
    // last row of a swipe down was counted from.
    int pointerKey_ = 0;
    double pointerX_ = 0, pointerY_ = 0, swipeFromY_ = 0;
    std::unique_ptr<platform::GamePads> gamePads_;
};

} // namespace harvesta
