// One face paint of the best scores window (416 x 488): the composed picture transferred to a
// surface and the outline drawn over it. Beside it, a memcpy of the picture's bytes, the least
// any paint of that picture can cost.

#include "MemcpyCompanion.h"
#include "results/scores.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace harvesta;

namespace {

// The paint handler, reachable from here.
class TPaintedScores : public TfrmScores {
  public:
    using TfrmScores::FormPaint;
    using TfrmScores::TfrmScores;
};

TPaintedScores* scores = nullptr;

void paintInto(benchmark::State& state, QImage::Format format) {
    QImage surface(scores->size(), format);
    for (auto _ : state) {
        QPainter painter(&surface);
        scores->FormPaint(painter);
        benchmark::DoNotOptimize(surface.constBits());
    }
    const auto& face = scores->Picture().Picture;
    state.SetBytesProcessed(state.iterations() * std::int64_t(face.Width) * face.Height * 3);
}

void BM_ScoresPaintToRgb32(benchmark::State& state) {
    paintInto(state, QImage::Format_RGB32);
}
void BM_ScoresPaintToBgr888(benchmark::State& state) {
    paintInto(state, QImage::Format_BGR888);
}

void BM_MemcpyScoresPicture(benchmark::State& state) {
    const auto& picture = scores->Picture().Picture;
    MemcpyOfBytes(state, std::size_t(picture.Width) * picture.Height * 3);
}

BENCHMARK(BM_MemcpyScoresPicture);
BENCHMARK(BM_ScoresPaintToBgr888);
BENCHMARK(BM_ScoresPaintToRgb32);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    TPaintedScores window(nullptr);
    scores = &window;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
