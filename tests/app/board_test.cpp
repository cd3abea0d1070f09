// The board composed off screen: tile places at each scale, overlays with white see-through,
// and repeatable paints. Synthetic pictures stand in for the artwork so every pixel is known.

#include "adapters/QtPlatform.h"
#include "app/main.h"
#include "assets/ResourceStore.h"
#include "imaging/TestPictures.h"

#include <QAction>
#include <QPainter>
#include <QtTest>

#include <atomic>
#include <cstdlib>
#include <new>

// Every allocation of the process through operator new is counted, so a test can tell that
// a paint allocates nothing.
namespace {
std::atomic<long> allocations{0};
}
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace harvesta;
using test::Rgb;

namespace {

Rgb kindColour(int kind) {
    return {std::uint8_t(20 * kind), 100, std::uint8_t(200 - 10 * kind)};
}
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kInk{0, 0, 0};

// Every board picture as a synthetic block: fruit tiles in one colour per kind with white
// corner pixels, overlays with white surroundings around a black frame.
struct BoardPictures {
    std::vector<std::unique_ptr<ScopedTestResource>> blocks;
    BoardPictures() {
        const char* names[] = {"APPLE", "WATERMELON", "LEMON",     "CHERRY",  "ORANGE",
                               "PEACH", "PEAR",       "PINEAPPLE", "PUMPKIN", "TOMATO"};
        for (int k = 1; k <= 10; ++k)
            blocks.push_back(std::make_unique<ScopedTestResource>(
                names[k - 1], test::MakeBitmapBlock(52, 52, [k](int x, int y) {
                    const bool corner = (x < 2 || x > 49) && (y < 2 || y > 49);
                    return corner ? kWhite : kindColour(k);
                })));
        // A fleck of ink in the top left corner, where a picture's own see-through colour is
        // read: the overlays' white is see-through whatever their corner holds.
        const auto overlay = [](int w, int h) {
            return test::MakeBitmapBlock(w, h, [w, h](int x, int y) {
                const bool frame = x == 10 || y == 10 || x == w - 10 || y == h - 10;
                return frame || (x == 0 && y == 0) ? kInk : kWhite;
            });
        };
        blocks.push_back(std::make_unique<ScopedTestResource>("PAUSE", overlay(250, 79)));
        blocks.push_back(std::make_unique<ScopedTestResource>("GAMEOVER", overlay(350, 79)));
    }
};

Rgb boardPixel(const THarvestaForm& form, int x, int y) {
    return test::At(form.BoardPicture().Picture, x, y);
}

void paint(THarvestaForm& form) {
    QImage surface(form.pbMain->size(), QImage::Format_RGB32);
    QPainter painter(&surface);
    form.pbMainPaint(painter);
}

void clearField(THarvestaEngine& e) {
    for (int c = 2; c <= 10; ++c)
        for (int r = 2; r <= 17; ++r)
            e.Field[c][r] = 0;
}

} // namespace

class BoardTest : public QObject {
    Q_OBJECT
    test::MessageRecorder messages;

  private slots:
    void init() { platform::SetScreenWidthOverride(1280); }
    void cleanup() { platform::SetScreenWidthOverride(std::nullopt); }

    void tilesStandFromTheBottomAtEveryScale_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("tile");
        QTest::newRow("1.0") << 1280 << QSize(480, 848) << 53 << 52;
        QTest::newRow("1.2") << 800 << QSize(400, 704) << 44 << 43;
        QTest::newRow("1.4") << 700 << QSize(344, 608) << 38 << 37;
    }
    void tilesStandFromTheBottomAtEveryScale() {
        QFETCH(int, screen);
        QFETCH(QSize, picture);
        QFETCH(int, cell);
        QFETCH(int, tile);
        platform::SetScreenWidthOverride(screen);
        BoardPictures pictures;
        THarvestaForm form;
        QVERIFY(messages.messages.empty());
        const TRGBPicture& board = form.BoardPicture().Picture;
        QCOMPARE(QSize(board.Width, board.Height), picture);
        const TRGBPicture& apple = *form.BoardImages().At(form.BoardImageIndex(0));
        QCOMPARE(QSize(apple.Width, apple.Height), QSize(tile, tile));

        // Every kind drawn with its own picture: kinds 1 to 9 along the bottom row from the
        // left, tomato at the top left.
        auto& e = form.Engine();
        clearField(e);
        for (int c = 2; c <= 10; ++c)
            e.Field[c][17] = std::uint8_t(c - 1);
        e.Field[2][2] = fkTomato;
        paint(form);
        const int p = 16 * cell;
        for (int c = 2; c <= 10; ++c)
            QCOMPARE(boardPixel(form, (c - 2) * cell + 2 + 3, p - cell + 3), kindColour(c - 1));
        QCOMPARE(boardPixel(form, 1, p - cell + 3), kWhite);
        QCOMPARE(boardPixel(form, 2 + 3, 3), kindColour(fkTomato));
        // A tile is one pixel smaller than its cell: the row between tiles stays white.
        QCOMPARE(boardPixel(form, 2 + 3, p - cell - 1), kWhite);
        QCOMPARE(boardPixel(form, 2 + tile - 1 - 2, p - 2), kindColour(1));
    }

    void overlaysLetTheFruitShowThroughTheirWhite() {
        BoardPictures pictures;
        THarvestaForm form;
        form.mnuStartGame->trigger();
        auto& e = form.Engine();
        e.TakePiece();
        clearField(e);
        // A fruit under the overlay's see-through inside and one under its frame.
        e.Field[4][2] = fkLemon; // x 108..159, y 0..51
        e.Field[4][3] = fkLemon; // y 53..104
        e.PosY = 30;             // the piece is out of the field
        e.ClearPiece();
        paint(form);
        QCOMPARE(boardPixel(form, 120, 103), kindColour(fkLemon)); // no overlay while playing

        form.mnuPause->trigger();
        QCOMPARE(form.GameState(), gsPaused);
        paint(form);
        QCOMPARE(boardPixel(form, 110, 110), kInk); // the frame at (100 + 10)
        QCOMPARE(boardPixel(form, 340, 120), kInk); // the pause frame's right edge, 250 wide
        QCOMPARE(boardPixel(form, 120, 103), kindColour(fkLemon)); // white lets it through
        QCOMPARE(boardPixel(form, 300, 150), kWhite);              // background under white

        form.mnuPause->trigger();
        paint(form);
        QCOMPARE(boardPixel(form, 110, 110), kWhite);
    }

    void gameOverOverlayAndRepeatablePaints() {
        BoardPictures pictures;
        THarvestaForm form;
        form.OnGameOver() = nullptr;
        form.mnuStartGame->trigger();
        auto& e = form.Engine();
        e.TakePiece();
        for (int c = 3; c <= 10; ++c)
            for (int r = 2; r <= 17; ++r)
                e.Field[c][r] = fkPear;
        e.PutPiece();
        form.harvestaTimerTimer();
        QCOMPARE(form.GameState(), gsGameOver);
        paint(form);
        const auto first = form.BoardPicture().Picture.Bits;
        QCOMPARE(boardPixel(form, 100 + 340, 100 + 20), kInk); // the wider overlay's right frame
        // Its white lets the fruit under it show, as the pause overlay's does.
        QCOMPARE(boardPixel(form, 120, 103), kindColour(e.Field[4][3]));
        paint(form);
        QVERIFY(form.BoardPicture().Picture.Bits == first);
    }

    void emptyFieldPaintsAPlainWhiteBoard() {
        BoardPictures pictures;
        THarvestaForm form;
        clearField(form.Engine());
        paint(form);
        // Every pixel: the walls around the field are never drawn, not even at the last column.
        const TRGBPicture& board = form.BoardPicture().Picture;
        int coloured = 0;
        for (int y = 0; y < board.Height; ++y)
            for (int x = 0; x < board.Width; ++x)
                coloured += !(boardPixel(form, x, y) == kWhite);
        QCOMPARE(coloured, 0);
    }

    void widgetShowsTheComposedBoard() {
        BoardPictures pictures;
        THarvestaForm form;
        clearField(form.Engine());
        form.Engine().Field[2][17] = fkPeach;
        const QImage shot = form.pbMain->grab().toImage();
        QCOMPARE(shot.size(), QSize(480, 845));
        const Rgb c = kindColour(fkPeach);
        QCOMPARE(shot.pixel(5, 848 - 53 + 3), qRgb(c.r, c.g, c.b));
    }

    void aPaintAllocatesNothing() {
        BoardPictures pictures;
        THarvestaForm form;
        form.OnGameOver() = nullptr;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.mnuStartGame->trigger();
        form.mnuPause->trigger(); // with the overlay
        // The paint handler alone, inside a real repaint of part of the board.
        long during = -1;
        const auto paint = form.pbMain->OnPaint;
        form.pbMain->OnPaint = [&](QPainter& painter) {
            const long before = allocations;
            paint(painter);
            during = allocations - before;
        };
        form.pbMain->repaint(QRegion(10, 10, 100, 100) + QRegion(200, 300, 50, 50));
        QCOMPARE(during, 0L);
    }

    // The transfer writes a 32-bit surface's rows itself and leaves other surfaces to Qt;
    // either way the surface shows the board's pixels where the board lies, inside the
    // region being repainted, and nothing outside it.
    void everySurfaceShowsTheBoardInsideTheRepaintedRegionOnly_data() {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("RGB32") << QImage::Format_RGB32;
        QTest::newRow("ARGB32 premultiplied") << QImage::Format_ARGB32_Premultiplied;
        QTest::newRow("ARGB32") << QImage::Format_ARGB32;
        QTest::newRow("RGB888") << QImage::Format_RGB888;
    }
    void everySurfaceShowsTheBoardInsideTheRepaintedRegionOnly() {
        QFETCH(QImage::Format, format);
        BoardPictures pictures;
        THarvestaForm form;
        auto& e = form.Engine();
        clearField(e);
        for (int c = 2; c <= 10; ++c)
            for (int r = 12; r <= 17; ++r)
                e.Field[c][r] = std::uint8_t(1 + (c + r) % 10);
        QImage surface(520, 900, format);
        surface.fill(Qt::red);
        const QPoint at(90, 9);
        // Two rectangles of the board, one down to its bottom edge.
        const QRegion repainted = QRegion(100, 500, 200, 345) + QRegion(3, 2, 20, 30);
        form.pbMain->render(&surface, at, repainted);
        // The region's top-left corner lands at `at`.
        const QPoint shift = at - repainted.boundingRect().topLeft();
        const QRegion shown = repainted.translated(shift);
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x) {
                QRgb expected = qRgb(255, 0, 0);
                if (shown.contains(QPoint(x, y))) {
                    const Rgb c = boardPixel(form, x - shift.x(), y - shift.y());
                    expected = qRgb(c.r, c.g, c.b);
                }
                if (surface.pixel(x, y) != expected)
                    QFAIL(qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
            }
    }

    // A painter that blends draws the board blended, not copied over what lies below; and
    // the smoothing a fractional scale asks for is given back once the board is drawn.
    void aBlendingPainterBlendsTheBoardAndKeepsItsOwnSmoothing() {
        BoardPictures pictures;
        THarvestaForm form;
        clearField(form.Engine());
        QImage surface(form.pbMain->size(), QImage::Format_RGB32);
        surface.fill(Qt::red);
        {
            QPainter painter(&surface);
            painter.setOpacity(0.5);
            form.pbMainPaint(painter);
        }
        const QRgb mixed = surface.pixel(5, 5); // white board over red, half seen
        QCOMPARE(qRed(mixed), 255);
        QVERIFY(qGreen(mixed) > 100 && qGreen(mixed) < 155);

        QImage fractional(form.pbMain->size() * 3 / 2, QImage::Format_RGB32);
        fractional.setDevicePixelRatio(1.5);
        QPainter painter(&fractional);
        form.pbMainPaint(painter);
        QVERIFY(!painter.testRenderHint(QPainter::SmoothPixmapTransform));
    }

    void missingPicturesAreReportedAndTheGameStillRuns() {
        test::MessageRecorder recorder;
        platform::ScopedMessageHandler quiet([&](const platform::MessageRequest& r) {
            recorder.messages.push_back(r);
            return platform::MessageAnswer::Ok;
        });
        ScopedTestResource missing("APPLE", {}); // an empty block counts as missing
        THarvestaForm form;
        bool reported = false;
        for (const auto& m : recorder.messages)
            reported |= m.text == "Error loading image\r\napple" && m.caption == "Error";
        QVERIFY(reported);
        form.Engine().Field[2][17] = fkApple;
        paint(form); // draws nothing for the apple, and does not crash
        form.mnuStartGame->trigger();
        form.harvestaTimerTimer();
    }
};

QTEST_MAIN(BoardTest)
#include "board_test.moc"
