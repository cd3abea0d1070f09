// Plays many games headless through the real main window: random keys, menu commands and
// fall-timer ticks, checking after every step that the rules still hold.
//
//   harvesta_soak [games] [seed]
//
// Exits 0 when every game ran clean; otherwise prints the first broken rule and exits 1.

#include "app/main.h"
#include "adapters/QtPlatform.h"
#include "results/scores.h"
#include "windows/Help_module.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

using namespace harvesta;

namespace {

struct Soak {
    THarvestaForm& form;
    std::mt19937 random;
    long long steps = 0;
    long long landings = 0;    // in the current game
    long long rowsRemoved = 0; // in the current game
    long long totalRows = 0;
    int games = 0;

    [[noreturn]] void fail(const char* rule) {
        std::fprintf(stderr, "soak: %s (game %d, step %lld)\n", rule, games + 1, steps);
        std::exit(1);
    }

    static int fullRows(const THarvestaEngine& e) {
        int rows = 0;
        for (int r = 2; r <= 17; ++r) {
            bool full = true;
            for (int c = 2; c <= 10; ++c)
                full &= e.Field[c][r] != 0;
            rows += full;
        }
        return rows;
    }

    void check() {
        const THarvestaEngine& e = form.Engine();
        for (int c = 1; c <= 11; ++c)
            if (e.Field[c][1] != 1 || e.Field[c][18] != 1)
                fail("a floor or ceiling cell is not a wall");
        for (int r = 1; r <= 18; ++r)
            if (e.Field[1][r] != 1 || e.Field[11][r] != 1) fail("a side cell is not a wall");
        if (form.GameState() != gsGameOver) {
            for (int i = 1; i <= 3; ++i)
                for (int j = 1; j <= 3; ++j) {
                    if (!e.Piece[i][j]) continue;
                    const int c = e.PosX + i - 2, r = e.PosY + j - 1;
                    if (c < 2 || c > 10 || r < 2 || r > 17)
                        fail("the piece lies outside the inner cells");
                    if (e.Field[c][r] != e.Piece[i][j])
                        fail("the piece is not written into the field");
                }
        }
        long long yield = 0, labels = 0;
        for (int k = 1; k <= 10; ++k) {
            yield += e.Yield[k];
            labels += form.YieldLabel(k)->text().toLongLong();
        }
        if (yield != 9 * rowsRemoved) fail("the yield is not 9 for every removed row");
        if (labels != yield) fail("the yield labels do not show the yield");
        const int interval = form.harvestaTimer().interval();
        const long long expected = landings >= 234 ? 298 : 1000 - 3 * landings;
        if (interval != expected) fail("the fall interval does not follow the landings");
        const bool running = form.harvestaTimer().isActive();
        if (running != (form.GameState() == gsPlaying)) fail("the timer runs outside a game");
    }

    void tick() {
        // What the tick will do, worked out on a copy of the engine before it happens.
        THarvestaEngine before = form.Engine();
        before.TakePiece();
        const bool lands =
            form.GameState() == gsPlaying && !before.PieceFits(before.PosX, before.PosY + 1);
        before.PutPiece();
        const int full = fullRows(before);
        form.harvestaTimerTimer();
        if (lands) {
            ++landings;
            rowsRemoved += full;
            planned = false;
        }
    }

    // A greedy player half of the time, so that rows fill and the tally is exercised: for the
    // new piece it picks the turns and column that leave the fewest holes and lowest stack.
    bool smart = false;
    bool planned = false;
    int planTurns = 0;
    int planColumn = 0;

    static int score(const THarvestaEngine& e) {
        int holes = 0, height = 0;
        for (int c = 2; c <= 10; ++c) {
            bool roof = false;
            for (int r = 2; r <= 17; ++r) {
                if (e.Field[c][r]) {
                    if (!roof) height += 18 - r;
                    roof = true;
                } else if (roof) {
                    ++holes;
                }
            }
        }
        return 100 * fullRows(e) - 8 * holes - height;
    }

    void plan() {
        planned = true;
        int best = -1000000;
        THarvestaEngine start = form.Engine();
        start.TakePiece();
        for (int turns = 0; turns < (start.PieceType == 5 ? 1 : 4); ++turns) {
            THarvestaEngine e = start;
            bool turned = true;
            for (int t = 0; t < turns; ++t) {
                std::uint8_t before[4][4];
                std::memcpy(before, e.Piece, sizeof before);
                e.Rotate();
                turned &= std::memcmp(before, e.Piece, sizeof before) != 0;
            }
            if (!turned) continue;
            for (int x = 1; x <= 11; ++x) {
                bool reachable = true;
                for (int step = std::min(x, e.PosX); step <= std::max(x, e.PosX); ++step)
                    reachable &= e.PieceFits(step, e.PosY);
                if (!reachable) continue;
                THarvestaEngine f = e;
                f.PosX = x;
                while (f.PieceFits(x, f.PosY + 1))
                    ++f.PosY;
                f.PutPiece();
                if (const int sc = score(f); sc > best) {
                    best = sc;
                    planTurns = turns;
                    planColumn = x;
                }
            }
        }
    }

    // The key the greedy player presses next, or 0 to let the piece fall.
    int smartKey() {
        if (!planned) plan();
        if (planTurns > 0) {
            --planTurns;
            return 38;
        }
        const int x = form.Engine().PosX;
        if (x < planColumn) return 39;
        if (x > planColumn) return 37;
        return 0;
    }

    void newGameStarted() {
        smart = random() % 2;
        planned = false;
        landings = 0;
        totalRows += rowsRemoved;
        rowsRemoved = 0;
    }

    void step() {
        ++steps;
        static constexpr int kKeys[] = {13, 32, 38, 37, 39, 40, 80, 112, 83, 115, 65};
        const TGameState state = form.GameState();
        const int roll = int(random() % 100);
        if (state == gsGameOver || state == gsNotStarted) {
            form.FormKeyDown(&form, roll < 50 ? 83 : 115);
            newGameStarted();
        } else if (smart && state == gsPlaying && roll < 95) {
            const int key = smartKey();
            const int x = form.Engine().PosX;
            if (key) form.FormKeyDown(&form, key);
            // A move the plan expected that the field refused: give up the plan, let it fall.
            if ((key == 37 || key == 39) && form.Engine().PosX == x) planColumn = x;
            if (!key) tick();
        } else if (roll < 55) {
            tick();
        } else if (roll < 98) {
            const int key = kKeys[random() % 8]; // moves, turns and the pause
            form.FormKeyDown(&form, key);
        } else {
            const int key = kKeys[8 + random() % 3]; // start (the question) and a stray key
            const TGameState was = form.GameState();
            form.FormKeyDown(&form, key);
            if (key != 65 && lastAnswerYes && was != gsGameOver) newGameStarted();
        }
        if (steps % 997 == 0) form.pbMain->repaint();
        check();
    }

    bool lastAnswerYes = false;
};

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 20261208u;

    // The store writes into a folder of its own, never the player's.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    platform::SetScreenWidthOverride(1280);

    THarvestaForm form;
    auto* scores = new TfrmScores(&form);
    auto* manual = new ThlpForm(&form);
    form.SetWindows(nullptr, nullptr, scores, manual);
    RandomizeGame(seed);

    Soak soak{form, std::mt19937(seed)};
    platform::ScopedModalRunner modal([](QDialog&) { return 0; });
    platform::ScopedMessageHandler messages([&](const platform::MessageRequest& r) {
        if (r.buttons != platform::MessageButtons::YesNo) {
            std::fprintf(stderr, "soak: unexpected message \"%s\"\n", r.text.c_str());
            std::exit(1);
        }
        soak.lastAnswerYes = soak.random() % 2;
        return soak.lastAnswerYes ? platform::MessageAnswer::Yes : platform::MessageAnswer::No;
    });
    const auto previous = form.OnGameOver();
    form.OnGameOver() = [&](QObject* sender) {
        ++soak.games;
        previous(sender);
    };

    while (soak.games < games)
        soak.step();
    soak.totalRows += soak.rowsRemoved;
    std::printf("soak: %d games, %lld steps, %lld rows removed, seed %u: all rules held\n",
                soak.games, soak.steps, soak.totalRows, seed);
    return 0;
}
