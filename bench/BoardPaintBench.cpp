// One whole board paint through the real main window at scale 1.0: a full field of 144 tiles
// and the game-over overlay composed off screen, then transferred to a surface. Beside it,
// memcpy of the off-screen picture's bytes and of the 32-bit picture a screen holds, the
// least any paint of that picture can cost, and the transfer alone by three means.
// CPU time is summed over all threads of the process: Qt may convert on worker threads.

#include "MemcpyCompanion.h"
#include "adapters/GraphicsTransfer.h"
#include "adapters/QtPlatform.h"
#include "app/main.h"
#include "imaging/VcGraphics.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace harvesta;

namespace {

THarvestaForm* form = nullptr;

void endWithAFullField(THarvestaForm& window) {
    window.OnGameOver() = nullptr;
    window.mnuStartGame->trigger();
    THarvestaEngine& e = window.Engine();
    e.TakePiece();
    for (int c = 3; c <= 10; ++c)
        for (int r = 2; r <= 17; ++r)
            e.Field[c][r] = std::uint8_t(1 + (c * 7 + r) % 10);
    e.PutPiece();
    window.harvestaTimerTimer(); // lands, and the next piece has no room
    for (int r = 2; r <= 17; ++r)
        e.Field[2][r] = std::uint8_t(1 + r % 10);
}

const TRGBPicture& board() {
    return form->BoardPicture().Picture;
}
std::int64_t pixels() {
    return std::int64_t(board().Width) * board().Height;
}

void BM_MemcpyBoardPicture(benchmark::State& state) {
    MemcpyOfBytes(state, std::size_t(pixels()) * 3);
}
void BM_MemcpyBoardPicture32(benchmark::State& state) {
    MemcpyOfBytes(state, std::size_t(pixels()) * 4);
}

// The whole paint: composition and transfer, as a paint event runs it.
void paintInto(benchmark::State& state, QImage::Format format) {
    QImage surface(form->pbMain->size(), format);
    for (auto _ : state) {
        QPainter painter(&surface);
        form->pbMainPaint(painter);
        benchmark::DoNotOptimize(surface.constBits());
    }
    state.SetBytesProcessed(state.iterations() * pixels() * 3);
}

void BM_BoardPaintToRgb32(benchmark::State& state) {
    paintInto(state, QImage::Format_RGB32);
}
void BM_BoardPaintToBgr888(benchmark::State& state) {
    paintInto(state, QImage::Format_BGR888);
}

// The transfer alone, to a 32-bit surface: the game's (converted straight into the
// surface's rows), ...
void BM_TransferStraightIntoRgb32(benchmark::State& state) {
    QImage surface(form->pbMain->size(), QImage::Format_RGB32);
    TScreenTransfer transfer(const_cast<TGraphicsEx&>(form->BoardPicture()));
    for (auto _ : state) {
        QPainter painter(&surface);
        transfer.Draw(painter);
        benchmark::DoNotOptimize(surface.constBits());
    }
    state.SetBytesProcessed(state.iterations() * pixels() * 3);
}

// ... converted into a 32-bit picture made once, which Qt then copies row by row, ...
void BM_TransferViaRgb32Picture(benchmark::State& state) {
    QImage surface(form->pbMain->size(), QImage::Format_RGB32);
    QImage words(board().Width, board().Height, QImage::Format_RGB32);
    for (auto _ : state) {
        CopyToWords(board(), 0, 0, board().Width, board().Height,
                    reinterpret_cast<std::uint32_t*>(words.bits()),
                    std::size_t(words.bytesPerLine()) / 4);
        QPainter painter(&surface);
        painter.drawImage(0, 0, words);
        benchmark::DoNotOptimize(surface.constBits());
    }
    state.SetBytesProcessed(state.iterations() * pixels() * 3);
}

// ... and Qt's own conversion of the 24-bit picture.
void BM_TransferQtConvertsBgr888(benchmark::State& state) {
    QImage surface(form->pbMain->size(), QImage::Format_RGB32);
    const QImage picture(board().Bits.data(), board().Width, board().Height, board().Width * 3,
                         QImage::Format_BGR888);
    for (auto _ : state) {
        QPainter painter(&surface);
        painter.drawImage(0, 0, picture);
        benchmark::DoNotOptimize(surface.constBits());
    }
    state.SetBytesProcessed(state.iterations() * pixels() * 3);
}

BENCHMARK(BM_MemcpyBoardPicture)->MeasureProcessCPUTime();
BENCHMARK(BM_MemcpyBoardPicture32)->MeasureProcessCPUTime();
BENCHMARK(BM_BoardPaintToBgr888)->MeasureProcessCPUTime();
BENCHMARK(BM_BoardPaintToRgb32)->MeasureProcessCPUTime();
BENCHMARK(BM_TransferStraightIntoRgb32)->MeasureProcessCPUTime();
BENCHMARK(BM_TransferViaRgb32Picture)->MeasureProcessCPUTime();
BENCHMARK(BM_TransferQtConvertsBgr888)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::SetScreenWidthOverride(1280);
    THarvestaForm window;
    endWithAFullField(window);
    if (window.GameState() != gsGameOver) return 1;
    form = &window;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
