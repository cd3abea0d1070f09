#include "app/main.h"

#include "adapters/DesignedColours.h"
#include "adapters/KeyPositions.h"
#include "adapters/QtPictures.h"
#include "adapters/QtPlatform.h"
#include "adapters/Sound.h"
#include "adapters/Translation.h"
#include "adapters/WindowSystem.h"
#include "imaging/ImageProcessing.h"
#include "imaging/SetupFunctions.h"
#include "results/BestResultStore.h"
#include "results/SoundSetting.h"
#include "results/scores.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <array>
#include <cassert>
#include <numeric>
#include <span>
#include <utility>

namespace harvesta {

namespace {

constexpr int kInformationWidth = 334;
// The designed display scales, largest picture first.
constexpr double kDesignedScales[] = {1.0, 1.2, 1.4};
// A frame as the usual desktops draw it: a title bar and thin borders.
constexpr QMargins kTypicalFrame(2, 38, 2, 2);
// The panels inside the common panel keep this distance from its edges.
constexpr int kCommonBorder = 2;

// Virtual-key codes of the keys the game knows, from Qt's key codes. Letters go by the key's
// place on the keyboard, so S and P work under any layout (adapters/KeyPositions.h).
int virtualKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_F1: return vk::F1;
    case Qt::Key_F4: return vk::F4;
    default: // 'A'..'Z' are the virtual keys 65..90
        return platform::LatinLetterKey(
            event, platform::NativeKeyCodesOf(QGuiApplication::platformName()));
    }
}

// The main window's texts are its menu, its title and its counts, all of them plain Latin that
// every face has: asking the system for fallback faces as well (a sort of every installed
// font) would only delay the first frame. For the same reason a face that stands in for a
// missing one (adapters/DesignedFonts.h) is asked for by its own name: asked for the missing
// name, Qt would search for it in vain and sort every installed font before trying the
// stand-in.
QFont pixelFont(const QString& family, int pixels, bool bold = false) {
    const QStringList standIns = QFont::substitutes(family);
    QFont font(standIns.isEmpty() ? family : standIns.first());
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QWidget* panel(QWidget* parent, const QColor& colour) {
    auto* widget = new QWidget(parent);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    return widget;
}

} // namespace

QIcon ApplicationIcon() {
    const QImage icon = BitmapResource("ICONMAIN");
    return icon.isNull() ? QIcon() : QIcon(QPixmap::fromImage(icon));
}

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void TPaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (OnPaint) OnPaint(painter);
}

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    const SmoothAtFractionalScale smooth(painter);
    painter.drawImage(0, 0, picture_);
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        OnClick)
        OnClick();
}

void TImage::enterEvent(QEnterEvent*) {
    if (OnMouseEnter) OnMouseEnter();
}

void TImage::leaveEvent(QEvent*) {
    if (OnMouseLeave) OnMouseLeave();
}

THarvestaForm::THarvestaForm(QWidget* parent)
    : QMainWindow(parent), sound_(std::make_unique<TGameSound>()) {
    setWindowTitle("Harvesta");
    // Only the hints named: without CustomizeWindowHint window managers add the maximise
    // button, which can only move a fixed-size window to the corner.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(pixelFont("Tahoma", 11));
    platform::UseDesignedColours(*this, Qt::white);
    BuildLayout();
    BuildMenu();
    BuildPlayInput();
    qApp->installEventFilter(this);
    platform::KeepSecondaryWindowsOver(*this);
    FormCreate();
}

THarvestaForm::~THarvestaForm() {
    qApp->removeEventFilter(this);
}

void THarvestaForm::BuildLayout() {
    auto* central = new QWidget(this);
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);

    // The head strip with its close picture is part of the design but never shown.
    pnlHead = panel(central, QColor(194, 205, 149));
    pnlHead->setFixedHeight(41);
    Image2 = new TImage(pnlHead);
    Image2->setGeometry(0, 9, 24, 24);
    Image2->SetPicture(SeeThroughBitmapResource("STOP_GRAY"));
    Image2->OnClick = [this] { Image2Click(); };
    Image2->OnMouseEnter = [this] { Image2MouseEnter(); };
    Image2->OnMouseLeave = [this] { Image2MouseLeave(); };
    pnlHead->hide();
    centralLayout->addWidget(pnlHead);

    pnlCommon = panel(central, Qt::white);
    centralLayout->addWidget(pnlCommon);

    pbMain = new TPaintBox(pnlCommon);
    pbMain->OnPaint = [this](QPainter& canvas) { pbMainPaint(canvas); };

    pnlInformation = panel(pnlCommon, QColor(227, 227, 227));
    pnlTitle = new QWidget(pnlInformation);
    auto* title = new QLabel(QCoreApplication::translate("THarvestaForm", "YIELD"), pnlTitle);
    title->setObjectName("Label12");
    title->setFont(platform::FaceWithLetters(pixelFont("Verdana", 27, true), title->text()));
    title->move(120, 5);
    title->adjustSize();

    pnlYield = new QWidget(pnlInformation);
    Image1 = new TImage(pnlYield);
    Image1->setGeometry(15, 3, 302, 301);
    Image1->SetPicture(SeeThroughBitmapResource("SCORESSCREEN"));
    static constexpr int kLabelPlaces[FruitKindCount + 1][2] = {
        {0, 0},    {94, 44},  {94, 88},   {94, 141},  {94, 194}, {94, 241},
        {224, 41}, {224, 92}, {224, 141}, {224, 188}, {224, 241}};
    for (int k = 1; k <= FruitKindCount; ++k) {
        auto* label = new QLabel("0", pnlYield);
        label->setObjectName(QString("Label%1").arg(k));
        label->setFont(pixelFont("Tahoma", 13));
        label->move(kLabelPlaces[k][0], kLabelPlaces[k][1]);
        // The counts start alike: the first one's size is theirs too.
        if (k == 1)
            label->adjustSize();
        else
            label->resize(yieldLabels_[1]->size());
        yieldLabels_[k] = label;
    }

    pnlMiddle = new QWidget(pnlInformation);
    imgLogo = new TImage(pnlInformation);
    const QImage logo = SeeThroughBitmapResource("LOGO");
    imgLogo->SetPicture(logo);

    pnlTitle->setGeometry(0, 0, kInformationWidth, 41);
    pnlYield->setGeometry(0, 41, kInformationWidth, 305);
    pnlMiddle->setGeometry(0, 346, kInformationWidth, 41);
    imgLogo->setGeometry(0, 387, kInformationWidth, logo.isNull() ? 247 : logo.height());

    setCentralWidget(central);
}

void TMenuBar::paintEvent(QPaintEvent* event) {
    QMenuBar::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (QAction* action : actions()) {
        if (!action->isCheckable() || action->isChecked() || !action->isVisible()) continue;
        const QRect item = actionGeometry(action);
        if (item.isEmpty()) continue;
        // The caption is centred in its item; the line runs through the middle of its letters.
        const int width = fontMetrics().horizontalAdvance(action->text());
        const int left = item.center().x() - width / 2;
        const int y = item.center().y() + 1;
        painter.drawLine(left, y, left + width - 1, y);
    }
}

void THarvestaForm::BuildMenu() {
    auto* bar = new TMenuBar(this);
    setMenuBar(bar);
    auto item = [&](const char* caption, void (THarvestaForm::*handler)()) {
        QAction* action = bar->addAction(QCoreApplication::translate("THarvestaForm", caption));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    mnuStartGame =
        item(QT_TRANSLATE_NOOP("THarvestaForm", "Start game"), &THarvestaForm::mnuStartGameClick);
    mnuPause = item(QT_TRANSLATE_NOOP("THarvestaForm", "Pause"), &THarvestaForm::mnuPauseClick);
    mnuPause->setEnabled(false);
    Width1 =
        item(QT_TRANSLATE_NOOP("THarvestaForm", "Form.Parameters"), &THarvestaForm::Width1Click);
    Width1->setVisible(false);
    mnuForm = item(QT_TRANSLATE_NOOP("THarvestaForm", "Form"), &THarvestaForm::mnuFormClick);
    mnuForm->setVisible(false);
    Results1 =
        item(QT_TRANSLATE_NOOP("THarvestaForm", "Best scores"), &THarvestaForm::Results1Click);
    mnuManual = item(QT_TRANSLATE_NOOP("THarvestaForm", "Manual"), &THarvestaForm::mnuManualClick);
    About1 = item(QT_TRANSLATE_NOOP("THarvestaForm", "About"), &THarvestaForm::About1Click);
    mnuSound = item(QT_TRANSLATE_NOOP("THarvestaForm", "Sound"), &THarvestaForm::mnuSoundClick);
    mnuSound->setCheckable(true);
    mnuSound->setChecked(true);
    Exit1 = item(QT_TRANSLATE_NOOP("THarvestaForm", "Exit"), &THarvestaForm::Exit1Click);
    // One face for the whole bar, the later "New game" included, that has every letter.
    QString captions = QCoreApplication::translate("THarvestaForm", "New game");
    for (const QAction* action : bar->actions())
        captions += action->text();
    bar->setFont(platform::FaceWithLetters(bar->font(), captions));

    harvestaTimer_ = new QTimer(this);
    harvestaTimer_->setObjectName("harvestaTimer");
    connect(harvestaTimer_, &QTimer::timeout, this, [this] { harvestaTimerTimer(); });
}

double THarvestaForm::ScaleForScreenWidth(int width) {
    double scale = 1.0;
    if (width <= 850) scale = 1.2;
    if (width <= 768) scale = 1.4;
    return scale;
}

QSize THarvestaForm::ClientSizeForScale(double scale) {
    // The engine's field, walls aside; known before any engine exists.
    constexpr int kColumns = 9, kRows = 16;
    const int width = static_cast<int>(480 / scale);
    return {kInformationWidth + width, width / kColumns * kRows};
}

double THarvestaForm::ScaleForScreen(int screenWidth, QSize available, QSize nonClient) {
    // A window that cannot be seen whole hides where the pieces land: the smaller designed
    // scales exist for small screens, so the next one is taken while the window overflows.
    double scale = ScaleForScreenWidth(screenWidth);
    for (const double smaller : kDesignedScales) {
        if (smaller <= scale) continue;
        const QSize outer = ClientSizeForScale(scale) + nonClient;
        if (outer.width() <= available.width() && outer.height() <= available.height()) break;
        scale = smaller;
    }
    return scale;
}

QSize THarvestaForm::NonClientSize() const {
    // Before the window is shown most window systems tell nothing of its frame: a title bar
    // as tall as the usual desktops draw it stands in until they do.
    QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull()) frame = kTypicalFrame;
    return {frame.left() + frame.right(),
            frame.top() + frame.bottom() + menuBar()->sizeHint().height()};
}

void THarvestaForm::FormCreate() {
    FOnGameOver = [this](QObject* sender) { CheckBestResult(sender); };
    FEngine = std::make_unique<THarvestaEngine>();
    const platform::ScreenArea screen = platform::PrimaryScreenArea();
    RandomizeGame(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
    ApplyScale(ScaleForScreen(screen.width, screen.available.size(), NonClientSize()));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    FGameState = gsNotStarted;
    NewGame();
    InitBoardGraphics();
}

void THarvestaForm::ApplyScale(double scale) {
    FScale = scale;
    const QSize client = ClientSizeForScale(scale);
    const int width = client.width() - kInformationWidth;
    const int cell = width / (ColCount - 2);
    assert(cell * (RowCount - 2) == client.height());
    pbMain->setGeometry(1, 1, width, cell * (RowCount - 2) - 3);
    const int clientHeight = client.height() + (pnlHead->isVisible() ? pnlHead->height() : 0);
    pnlCommon->setFixedSize(client.width(), clientHeight);
    pnlInformation->setGeometry(client.width() - kCommonBorder - kInformationWidth, kCommonBorder,
                                kInformationWidth, clientHeight - 2 * kCommonBorder);
    pnlInformation->raise();
    // A change after the board was built (the frame turned out taller than expected) builds
    // its pictures again at the new size.
    if (BoardPicture_) InitBoardGraphics();
}

bool THarvestaForm::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    // The window system tells the frame's size once the window is on the screen.
    if (shownOnce_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        FitToScreen();
    return handled;
}

void THarvestaForm::FitToScreen() {
    if (FScale >= kDesignedScales[std::size(kDesignedScales) - 1]) return;
    const QRect available = platform::PrimaryScreenArea().available;
    const QSize outer = frameGeometry().size();
    if (outer.width() <= available.width() && outer.height() <= available.height()) return;
    for (const double smaller : kDesignedScales)
        if (smaller > FScale) {
            ApplyScale(smaller);
            break;
        }
    layout()->activate();
    PlaceLogo();
    CentreOnDesktop();
}

void THarvestaForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void THarvestaForm::FormShow() {
    LoadBestResult();
    PlaceLogo();
    CentreOnDesktop();
}

void THarvestaForm::PlaceLogo() {
    const int spacer =
        (pnlInformation->height() + pnlMiddle->height() - imgLogo->y() - imgLogo->height()) / 2;
    pnlMiddle->setFixedHeight(spacer);
    imgLogo->move(0, pnlMiddle->y() + spacer);
}

void THarvestaForm::CentreOnDesktop() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desk = screen->availableGeometry();
        const QSize outer = frameGeometry().size();
        move(desk.x() + (desk.width() - outer.width()) / 2,
             desk.y() + (desk.height() - outer.height()) / 2);
    }
}

void THarvestaForm::SetWindows(QDialog* fontPreview, QDialog* about, TfrmScores* scores,
                               QDialog* manual) {
    fontPreview_ = fontPreview;
    about_ = about;
    scores_ = scores;
    manual_ = manual;
    // Windows that arrive after the first show get the stored result that show would have
    // loaded into them.
    if (shownOnce_) LoadBestResult();
}

bool THarvestaForm::eventFilter(QObject* watched, QEvent* event) {
    // Every key press meant for this window reaches its key handler before any control, so
    // neither the menu bar nor a focused control can eat the arrows or Space.
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    const int key = virtualKey(*static_cast<QKeyEvent*>(event));
    if (key == 0) return false;
    FormKeyDown(this, key);
    return true;
}

void THarvestaForm::FormKeyDown(QObject* sender, int key) {
    if (key == vk::M) {
        mnuSound->trigger();
        return;
    }
    if (key == vk::S || key == vk::F4) {
        mnuStartGame->trigger();
        return;
    }
    if (key == vk::F1) {
        // A game in play stops before the manual covers it, so no piece falls unseen; one
        // that was paused goes on once the manual is closed.
        const bool wasPlaying = FGameState == gsPlaying;
        if (wasPlaying) mnuPause->trigger();
        mnuManual->trigger();
        if (!wasPlaying && FGameState == gsPaused) mnuPause->trigger();
        return;
    }
    if ((FGameState == gsPlaying || FGameState == gsPaused) && key == vk::P) {
        mnuPause->trigger();
        return;
    }
    if (FGameState != gsPlaying) return;

    THarvestaEngine& engine = *FEngine;
    std::int32_t x = engine.PosX;
    std::int32_t y = engine.PosY;
    switch (key) {
    case vk::Return:
    case vk::Space:
    case vk::Up:
        // Turning the square would shift it, so it only rewrites itself in place.
        if (engine.PieceType != 5) {
            engine.TakePiece();
            engine.Rotate();
        }
        break;
    case vk::Left: --x; break;
    case vk::Right: ++x; break;
    case vk::Down: ++y; break;
    default: return;
    }

    engine.TakePiece();
    if (engine.PieceFits(x, y)) {
        engine.PosX = x;
        engine.PosY = y;
        engine.PutPiece();
        InvalidateBoard();
        return;
    }
    engine.PutPiece();
    if (sender) return; // only a fall made by the timer lands the piece

    // Every full row adds one count per column to the yield.
    const auto cells = [&] { return std::accumulate(engine.Yield + 1, std::end(engine.Yield), 0); };
    const std::int32_t before = cells();
    engine.RemoveFullRows();
    const std::int32_t rows = (cells() - before) / (ColCount - 2);
    ShowYield();
    engine.NewPiece();
    // Setting the interval restarts the period, so the next fall comes a full interval later.
    if (harvestaTimer_->interval() > 300)
        harvestaTimer_->setInterval(harvestaTimer_->interval() - 3);
    const bool goesOn = engine.PieceFits(engine.PosX, engine.PosY);
    // The sounds of a landing start together: the knock, the rows' chime, and the phrase when
    // the next piece finds no room.
    std::array<TCue, 3> cues{TCue::Landing};
    std::size_t count = 1;
    if (rows > 0) cues[count++] = RowsCue(rows);
    if (!goesOn) cues[count++] = TCue::GameOver;
    sound_->Play(std::span(cues.data(), count));
    if (goesOn) {
        engine.PutPiece();
        InvalidateBoard();
        return;
    }
    harvestaTimer_->stop();
    FGameState = gsGameOver;
    sound_->SetGameRunning(false);
    if (FOnGameOver) FOnGameOver(this);
    InvalidateBoard();
}

void THarvestaForm::harvestaTimerTimer() {
    FormKeyDown(nullptr, vk::Down);
}

void THarvestaForm::mnuStartGameClick() {
    if (FGameState == gsPlaying || FGameState == gsPaused) {
        harvestaTimer_->stop();
        const auto answer = platform::ShowMessage(
            {QCoreApplication::translate("THarvestaForm", "Are you really want to start new game?")
                 .toStdString(),
             "Harvesta", platform::MessageIcon::Question, platform::MessageButtons::YesNo});
        if (answer != platform::MessageAnswer::Yes) {
            if (FGameState == gsPlaying) harvestaTimer_->start();
            return;
        }
    }
    if (FGameState == gsNotStarted)
        mnuStartGame->setText(QCoreApplication::translate("THarvestaForm", "New game"));
    else
        NewGame();
    mnuPause->setEnabled(true);
    FGameState = gsPlaying;
    sound_->SetGameRunning(true);
    pbMain->repaint();
    if (!harvestaTimer_->isActive()) harvestaTimer_->start();
    ShowYield();
}

void THarvestaForm::mnuPauseClick() {
    if (FGameState == gsGameOver) return;
    if (harvestaTimer_->isActive())
        harvestaTimer_->stop();
    else
        harvestaTimer_->start();
    FGameState = harvestaTimer_->isActive() ? gsPlaying : gsPaused;
    sound_->SetGameRunning(FGameState == gsPlaying);
    sound_->Play(TCue::Tick);
    InvalidateBoard();
}

void THarvestaForm::Width1Click() {
    const QRect outer = frameGeometry();
    platform::ShowMessage({QCoreApplication::translate("THarvestaForm", "Width = %1 Height = %2")
                               .arg(outer.width())
                               .arg(outer.height())
                               .toStdString(),
                           "", platform::MessageIcon::Information, platform::MessageButtons::Ok});
}

void THarvestaForm::ShowSecondary(QDialog* window) {
    if (window) platform::ShowModal(*window);
}

void THarvestaForm::mnuFormClick() {
    ShowSecondary(fontPreview_);
}
void THarvestaForm::Results1Click() {
    ShowSecondary(scores_);
}
void THarvestaForm::SetManualMaker(std::function<QDialog*()> make) {
    makeManual_ = std::move(make);
}

void THarvestaForm::mnuManualClick() {
    if (!manual_ && makeManual_) manual_ = std::exchange(makeManual_, nullptr)();
    ShowSecondary(manual_);
}
void THarvestaForm::About1Click() {
    ShowSecondary(about_);
}
void THarvestaForm::StartSound() {
    const bool on = ReadSoundOn();
    mnuSound->setChecked(on);
    sound_->SetOn(on);
    sound_->Prepare();
}

void THarvestaForm::mnuSoundClick() {
    sound_->SetOn(mnuSound->isChecked());
    WriteSoundOn(mnuSound->isChecked());
}

void THarvestaForm::Exit1Click() {
    close();
}
void THarvestaForm::Image2Click() {
    close();
}

void THarvestaForm::Image2MouseEnter() {
    Image2->SetPicture(SeeThroughBitmapResource("STOP"));
}

void THarvestaForm::Image2MouseLeave() {
    Image2->SetPicture(SeeThroughBitmapResource("STOP_GRAY"));
}

void THarvestaForm::InvalidateBoard() {
    pbMain->update();
}

void THarvestaForm::NewGame() {
    FEngine->ResetField();
    FEngine->NewPiece();
    if (FEngine->PieceFits(FEngine->PosX, FEngine->PosY)) FEngine->PutPiece();
    harvestaTimer_->setInterval(1000);
}

void THarvestaForm::ShowYield() {
    for (int k = 1; k <= FruitKindCount; ++k) {
        yieldLabels_[k]->setText(QString::number(FEngine->Yield[k]));
        yieldLabels_[k]->adjustSize();
    }
}

void THarvestaForm::CheckBestResult(QObject*) {
    if (!scores_) return;
    std::array<QString, FruitKindCount> yield;
    for (int k = 1; k <= FruitKindCount; ++k)
        yield[k - 1] = yieldLabels_[k]->text();
    harvesta::CheckBestResult(yield, *scores_, [this] { sound_->Play(TCue::Fanfare); });
}

void THarvestaForm::LoadBestResult() {
    if (scores_) harvesta::LoadBestResult(*scores_);
}

void THarvestaForm::InitBoardGraphics() {
    // The panel theme is global: the framed panels of the dialogs made later use it too.
    SetPanelTheme(2);
    const auto roundUp4 = [](int v) { return (v + 3) / 4 * 4; };
    BoardImages_.Items.clear();
    const int width = roundUp4(pbMain->width());
    const int height = roundUp4(pbMain->height());
    BoardImages_.Scale = FScale;
    BoardPicture_ = std::make_unique<TGraphicsEx>(width, height);
    // The background is one pixel of its colour: each paint fills the board with it, so a
    // board-sized copy would be a megabyte that nothing reads.
    BoardImageIndex_[11] = BoardImages_.AddBlank(1, 1, MakeBgrColor(255, 255, 255));
    static constexpr const char* kFruitNames[FruitKindCount] = {
        "apple", "watermelon", "lemon",     "cherry",  "orange",
        "peach", "pear",       "pineapple", "pumpkin", "tomato"};
    for (int k = 0; k < FruitKindCount; ++k)
        BoardImageIndex_[k] = BoardImages_.LoadImage(kFruitNames[k]);
    // The overlays carry words: in the player's language where it has its own pictures.
    BoardImageIndex_[12] =
        BoardImages_.LoadImage(platform::LocalisedBlockName("pause").toStdString());
    BoardImageIndex_[13] =
        BoardImages_.LoadImage(platform::LocalisedBlockName("GameOver").toStdString());
    // The overlays' white surroundings stay see-through.
    for (const int overlay : {12, 13}) {
        TRGBPicture& picture = *BoardImages_.At(BoardImageIndex_[overlay]);
        picture.KeyR = picture.KeyG = picture.KeyB = 255;
    }
    boardScreen_ = std::make_unique<TScreenTransfer>(*BoardPicture_);
    pbMain->repaint();
}

QRect THarvestaForm::BoardCellRect(int column, int row) const {
    // The rows stand on the bottom of the common panel; the box clips the last few pixels.
    const int cell = pbMain->width() / (ColCount - 2);
    return {(column - 2) * cell + 2, pnlCommon->height() - (RowCount - row) * cell, cell, cell};
}

void THarvestaForm::pbMainPaint(QPainter& canvas) {
    TRGBPicture& board = BoardPicture_->Picture;
    FillPicture(board, PixelAt(*BoardImages_.At(BoardImageIndex_[11]), 1, 1));
    for (int c = 2; c <= ColCount - 1; ++c)
        for (int r = RowCount - 1; r >= 2; --r)
            if (const int kind = FEngine->Field[c][r]) {
                const QRect place = BoardCellRect(c, r);
                DrawPicture(place.x(), place.y(), *BoardImages_.At(BoardImageIndex_[kind - 1]),
                            dmCopy, board);
            }
    if (FGameState == gsGameOver)
        DrawPicture(100, 100, *BoardImages_.At(BoardImageIndex_[13]), dmKey, board);
    else if (FGameState == gsPaused)
        DrawPicture(100, 100, *BoardImages_.At(BoardImageIndex_[12]), dmKey, board);
    // One transfer, pixel for pixel; the paint box clips the rows and columns past its size.
    boardScreen_->Draw(canvas);
}

} // namespace harvesta
