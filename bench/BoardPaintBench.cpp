// One whole board paint through the real main window at scale 1.0: a full field of 144 tiles
// and the game-over overlay composed off screen, then transferred to a surface. Beside it, a
// memcpy of the off-screen picture's bytes, the least any paint of that picture can cost.

#include "MemcpyCompanion.h"
#include "app/main.h"
#include "adapters/QtPlatform.h"

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
        for (int r = 2; r <= 17; ++r) e.Field[c][r] = std::uint8_t(1 + (c * 7 + r) % 10);
    e.PutPiece();
    window.harvestaTimerTimer(); // lands, and the next piece has no room
    for (int r = 2; r <= 17; ++r) e.Field[2][r] = std::uint8_t(1 + r % 10);
}

void paintInto(benchmark::State& state, QImage::Format format) {
    QImage surface(form->pbMain->size(), format);
    for (auto _ : state) {
        QPainter painter(&surface);
        form->pbMainPaint(painter);
        benchmark::DoNotOptimize(surface.constBits());
    }
    const auto& board = form->BoardPicture().Picture;
    state.SetBytesProcessed(state.iterations() * std::int64_t(board.Width) * board.Height * 3);
}

void BM_BoardPaintToRgb32(benchmark::State& state) { paintInto(state, QImage::Format_RGB32); }
void BM_BoardPaintToBgr888(benchmark::State& state) { paintInto(state, QImage::Format_BGR888); }

void BM_MemcpyBoardPicture(benchmark::State& state) {
    const auto& board = form->BoardPicture().Picture;
    MemcpyOfBytes(state, std::size_t(board.Width) * board.Height * 3);
}

BENCHMARK(BM_MemcpyBoardPicture);
BENCHMARK(BM_BoardPaintToBgr888);
BENCHMARK(BM_BoardPaintToRgb32);

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
