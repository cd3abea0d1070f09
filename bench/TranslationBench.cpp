// Installing the player's language at start-up: choosing it, loading the game's embedded
// translation and the toolkit's own, beside a memcpy of as many bytes as the two files hold.

#include "MemcpyCompanion.h"
#include "adapters/Translation.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace {

void InstallLanguage(benchmark::State& state, const char* language) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(harvesta::platform::InstallTranslation({QString(language)}));
        state.PauseTiming();
        harvesta::platform::InstallTranslation({QStringLiteral("C")});
        state.ResumeTiming();
    }
}

std::size_t TranslationBytes(const char* language) {
    const qint64 own = QFileInfo(QStringLiteral(":/i18n/harvesta_%1.qm").arg(language)).size();
    const qint64 toolkit = QFileInfo(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                     QStringLiteral("/qtbase_%1.qm").arg(language))
                               .size();
    return std::size_t(own + std::max<qint64>(toolkit, 0));
}

void BM_InstallEnglish(benchmark::State& state) {
    InstallLanguage(state, "C");
}
void BM_InstallGerman(benchmark::State& state) {
    InstallLanguage(state, "de");
}
void BM_InstallGreek(benchmark::State& state) {
    InstallLanguage(state, "el");
}
void BM_MemcpyOfGermanTranslations(benchmark::State& state) {
    harvesta::MemcpyOfBytes(state, TranslationBytes("de"));
}

BENCHMARK(BM_InstallEnglish);
BENCHMARK(BM_InstallGerman);
BENCHMARK(BM_MemcpyOfGermanTranslations);
BENCHMARK(BM_InstallGreek);

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
