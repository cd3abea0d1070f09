// DrawPicture per mode and a whole board composition, each beside a plain memcpy of the same
// number of bytes, so results can be read as ratios.

#include "imaging/ImageLib.h"
#include "imaging/ImageProcessing.h"
#include "imaging/VcGraphics.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace harvesta {
namespace {

constexpr int kBoardWidth = 480, kBoardHeight = 848, kCell = 53;
constexpr std::int64_t kTileBytes = 52 * 52 * 3;
constexpr std::int64_t kOverlayBytes = 350 * 79 * 3;
constexpr std::int64_t kPictureBytes = std::int64_t(kBoardWidth) * kBoardHeight * 3;
// Bytes one board paint writes: background, 144 tiles, overlay.
constexpr std::int64_t kBoardBytes = kPictureBytes + 144 * kTileBytes + kOverlayBytes;

TRGBPicture Picture(int w, int h, BgrColor colour) {
    return std::move(*CreatePicture(w, h, colour));
}

// A tile like the shipped ones: white outside rounded corners, coloured inside.
TRGBPicture Tile() {
    TRGBPicture p = Picture(52, 52, BgrColor{0x30C0F0});
    for (int y = 0; y < 52; ++y)
        for (int x = 0; x < 52; ++x)
            if ((x < 2 || x > 49) && (y < 2 || y > 49)) std::memset(p.Row(y) + 3 * x, 0xFF, 3);
    return p;
}

// An overlay like "GameOver": a panel with white corners and a white left column, key white.
TRGBPicture Overlay() {
    TRGBPicture p = Picture(350, 79, BgrColor{0x35F0A0});
    for (int y = 0; y < 79; ++y) {
        std::memset(p.Row(y), 0xFF, 3);
        for (int x = 7; x < 350; x += 7)
            p.Row(y)[3 * x + 1] = std::uint8_t(x); // "text", right of the white column
    }
    p.KeyR = p.KeyG = p.KeyB = 255;
    return p;
}

void BM_Memcpy(benchmark::State& state) {
    const auto bytes = std::size_t(state.range(0));
    std::vector<std::uint8_t> src(bytes, 1), dst(bytes);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), bytes);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
}

void DrawBench(benchmark::State& state, const TRGBPicture& source, int mode) {
    TRGBPicture target = Picture(kBoardWidth, kBoardHeight, BgrColor{0xFFFFFF});
    for (auto _ : state) {
        DrawPicture(100, 100, source, mode, target);
        benchmark::DoNotOptimize(target.Bits.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * source.Width * source.Height * 3);
}

void BM_Tile(benchmark::State& state) {
    DrawBench(state, Tile(), int(state.range(0)));
}
void BM_Overlay(benchmark::State& state) {
    DrawBench(state, Overlay(), int(state.range(0)));
}

// The shipped game-over overlay, key white, as the board draws it.
void BM_GameOver(benchmark::State& state) {
    TRGBPicture overlay;
    LoadPicture(overlay, "GameOver", 1.0);
    overlay.KeyR = overlay.KeyG = overlay.KeyB = 255;
    DrawBench(state, overlay, dmKey);
}

void BM_FullPictureCopy(benchmark::State& state) {
    const TRGBPicture background = Picture(kBoardWidth, kBoardHeight, BgrColor{0xFFFFFF});
    TRGBPicture target = Picture(kBoardWidth, kBoardHeight, {});
    for (auto _ : state) {
        DrawPicture(0, 0, background, dmCopy, target);
        benchmark::DoNotOptimize(target.Bits.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * kBoardWidth * kBoardHeight * 3);
}

// One paint of a full board at scale 1.0: the background filled white, 9 x 16 tiles from
// the bottom, and the game-over overlay keyed at (100, 100).
void BM_BoardComposition(benchmark::State& state) {
    const TRGBPicture tile = Tile();
    const TRGBPicture overlay = Overlay();
    TRGBPicture board = Picture(kBoardWidth, kBoardHeight, {});
    for (auto _ : state) {
        FillPicture(board, BgrColor{0xFFFFFF});
        for (int c = 2; c <= 10; ++c)
            for (int r = 17; r >= 2; --r)
                DrawPicture((c - 2) * kCell + 2, kBoardHeight - (18 - r) * kCell, tile, dmCopy,
                            board);
        DrawPicture(100, 100, overlay, dmKey, board);
        benchmark::DoNotOptimize(board.Bits.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * kBoardBytes);
}

BENCHMARK(BM_Memcpy)->Name("memcpy/tile")->Arg(kTileBytes);
BENCHMARK(BM_Tile)->Name("DrawPicture/tile/copy")->Arg(dmCopy);
BENCHMARK(BM_Tile)->Name("DrawPicture/tile/key")->Arg(dmKey);
BENCHMARK(BM_Tile)->Name("DrawPicture/tile/average")->Arg(dmAverage);
BENCHMARK(BM_Memcpy)->Name("memcpy/overlay")->Arg(kOverlayBytes);
BENCHMARK(BM_Overlay)->Name("DrawPicture/overlay/copy")->Arg(dmCopy);
BENCHMARK(BM_Overlay)->Name("DrawPicture/overlay/key")->Arg(dmKey);
BENCHMARK(BM_Overlay)->Name("DrawPicture/overlay/average")->Arg(dmAverage);
BENCHMARK(BM_GameOver)->Name("DrawPicture/gameover/key");
BENCHMARK(BM_Memcpy)->Name("memcpy/picture")->Arg(kPictureBytes);
BENCHMARK(BM_FullPictureCopy)->Name("DrawPicture/picture/copy-at-origin");
BENCHMARK(BM_Memcpy)->Name("memcpy/board")->Arg(kBoardBytes);
BENCHMARK(BM_BoardComposition)->Name("board/composition");

} // namespace
} // namespace harvesta
