#include "app/main.h"

#include "adapters/KeyPositions.h"
#include "adapters/QtPictures.h"
#include "adapters/QtPlatform.h"
#include "imaging/ImageProcessing.h"
#include "imaging/SetupFunctions.h"
#include "results/BestResultStore.h"
#include "results/scores.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace harvesta {

namespace {

constexpr int kInformationWidth = 334;
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

THarvestaForm::THarvestaForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Harvesta");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(pixelFont("Tahoma", 11));
    BuildLayout();
    BuildMenu();
    qApp->installEventFilter(this);
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
    auto* title = new QLabel("YIELD", pnlTitle);
    title->setObjectName("Label12");
    title->setFont(pixelFont("Verdana", 27, true));
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

void THarvestaForm::BuildMenu() {
    QMenuBar* bar = menuBar();
    auto item = [&](const char* caption, void (THarvestaForm::*handler)()) {
        QAction* action = bar->addAction(caption);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    mnuStartGame = item("Start game", &THarvestaForm::mnuStartGameClick);
    mnuPause = item("Pause", &THarvestaForm::mnuPauseClick);
    mnuPause->setEnabled(false);
    Width1 = item("Form.Parameters", &THarvestaForm::Width1Click);
    Width1->setVisible(false);
    mnuForm = item("Form", &THarvestaForm::mnuFormClick);
    mnuForm->setVisible(false);
    Results1 = item("Best scores", &THarvestaForm::Results1Click);
    mnuManual = item("Manual", &THarvestaForm::mnuManualClick);
    About1 = item("About", &THarvestaForm::About1Click);
    Exit1 = item("Exit", &THarvestaForm::Exit1Click);

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

void THarvestaForm::FormCreate() {
    FOnGameOver = [this](QObject* sender) { CheckBestResult(sender); };
    FEngine = std::make_unique<THarvestaEngine>();
    FScale = ScaleForScreenWidth(platform::PrimaryScreenWidth());
    RandomizeGame(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));

    const int width = static_cast<int>(480 / FScale);
    const int cell = width / (ColCount - 2);
    pbMain->setGeometry(1, 1, width, cell * (RowCount - 2) - 3);
    const int clientHeight = cell * (RowCount - 2) + (pnlHead->isVisible() ? pnlHead->height() : 0);
    const int clientWidth = kInformationWidth + width;
    pnlCommon->setFixedSize(clientWidth, clientHeight);
    pnlInformation->setGeometry(clientWidth - kCommonBorder - kInformationWidth, kCommonBorder,
                                kInformationWidth, clientHeight - 2 * kCommonBorder);
    pnlInformation->raise();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    FGameState = gsNotStarted;
    NewGame();
    InitBoardGraphics();
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
    const int spacer =
        (pnlInformation->height() + pnlMiddle->height() - imgLogo->y() - imgLogo->height()) / 2;
    pnlMiddle->setFixedHeight(spacer);
    imgLogo->move(0, pnlMiddle->y() + spacer);
    // Centred on the desktop.
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
    if (key == vk::S || key == vk::F4) {
        mnuStartGame->trigger();
        return;
    }
    if (key == vk::F1) mnuManual->trigger();
    if ((FGameState == gsPlaying || FGameState == gsPaused) && (key == vk::P || key == vk::F1)) {
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

    engine.RemoveFullRows();
    ShowYield();
    engine.NewPiece();
    // Setting the interval restarts the period, so the next fall comes a full interval later.
    if (harvestaTimer_->interval() > 300)
        harvestaTimer_->setInterval(harvestaTimer_->interval() - 3);
    if (engine.PieceFits(engine.PosX, engine.PosY)) {
        engine.PutPiece();
        InvalidateBoard();
        return;
    }
    harvestaTimer_->stop();
    FGameState = gsGameOver;
    if (FOnGameOver) FOnGameOver(this);
    InvalidateBoard();
}

void THarvestaForm::harvestaTimerTimer() {
    FormKeyDown(nullptr, vk::Down);
}

void THarvestaForm::mnuStartGameClick() {
    if (FGameState == gsPlaying || FGameState == gsPaused) {
        harvestaTimer_->stop();
        const auto answer = platform::ShowMessage({"Are you really want to start new game?",
                                                   "Harvesta", platform::MessageIcon::Question,
                                                   platform::MessageButtons::YesNo});
        if (answer != platform::MessageAnswer::Yes) {
            if (FGameState == gsPlaying) harvestaTimer_->start();
            return;
        }
    }
    if (FGameState == gsNotStarted)
        mnuStartGame->setText("New game");
    else
        NewGame();
    mnuPause->setEnabled(true);
    FGameState = gsPlaying;
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
    InvalidateBoard();
}

void THarvestaForm::Width1Click() {
    const QRect outer = frameGeometry();
    platform::ShowMessage(
        {"Width = " + std::to_string(outer.width()) + " Height = " + std::to_string(outer.height()),
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
    harvesta::CheckBestResult(yield, *scores_);
}

void THarvestaForm::LoadBestResult() {
    if (scores_) harvesta::LoadBestResult(*scores_);
}

void THarvestaForm::InitBoardGraphics() {
    // The panel theme is global: the framed panels of the dialogs made later use it too.
    SetPanelTheme(2);
    const auto roundUp4 = [](int v) { return (v + 3) / 4 * 4; };
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
    BoardImageIndex_[12] = BoardImages_.LoadImage("pause");
    BoardImageIndex_[13] = BoardImages_.LoadImage("GameOver");
    // The overlays' white surroundings stay see-through.
    for (const int overlay : {12, 13}) {
        TRGBPicture& picture = *BoardImages_.At(BoardImageIndex_[overlay]);
        picture.KeyR = picture.KeyG = picture.KeyB = 255;
    }
    boardScreen_ = std::make_unique<TScreenTransfer>(*BoardPicture_);
    pbMain->repaint();
}

void THarvestaForm::pbMainPaint(QPainter& canvas) {
    TRGBPicture& board = BoardPicture_->Picture;
    FillPicture(board, PixelAt(*BoardImages_.At(BoardImageIndex_[11]), 1, 1));
    const int cell = pbMain->width() / (ColCount - 2);
    const int bottom = pnlCommon->height();
    for (int c = 2; c <= ColCount - 1; ++c)
        for (int r = RowCount - 1; r >= 2; --r)
            if (const int kind = FEngine->Field[c][r])
                DrawPicture((c - 2) * cell + 2, bottom - (RowCount - r) * cell,
                            *BoardImages_.At(BoardImageIndex_[kind - 1]), dmCopy, board);
    if (FGameState == gsGameOver)
        DrawPicture(100, 100, *BoardImages_.At(BoardImageIndex_[13]), dmKey, board);
    else if (FGameState == gsPaused)
        DrawPicture(100, 100, *BoardImages_.At(BoardImageIndex_[12]), dmKey, board);
    // One transfer, pixel for pixel; the paint box clips the rows and columns past its size.
    boardScreen_->Draw(canvas);
}

} // namespace harvesta
