// The game heard through SDL's disk driver, which writes the device's stream into a file:
// silence before a game, each event its own sound in order, the mute by key and menu and its
// memory, and a game without a usable driver. The stream is read once the game has stopped and
// the device has closed, so every sample of it is written.

#include "adapters/QtPlatform.h"
#include "adapters/Sound.h"
#include "app/main.h"
#include "results/scores.h"

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#ifdef Q_OS_UNIX
#include <csignal>
#endif

using namespace harvesta;

namespace {

using Stream = std::vector<std::int16_t>;

Stream readStream(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    Stream stream(static_cast<std::size_t>(bytes.size()) / 2);
    std::memcpy(stream.data(), bytes.data(), stream.size() * 2);
    return stream;
}

// What the mixer makes of the cues `first`, started together, and `then`, started `delay`
// frames later.
Stream render(const TGameSound& sound, const std::vector<TCue>& first,
              const std::vector<TCue>& then = {}, int delay = 0) {
    TSoundMixer mixer;
    Stream out(static_cast<std::size_t>(sound.Rate() * 2 + delay), 0);
    for (const TCue cue : first)
        mixer.Start(sound.Samples(cue));
    mixer.Mix(out.data(), delay);
    for (const TCue cue : then)
        mixer.Start(sound.Samples(cue));
    mixer.Mix(out.data() + delay, static_cast<int>(out.size()) - delay);
    while (!out.empty() && out.back() == 0)
        out.pop_back();
    return out;
}

std::size_t firstSound(const Stream& s, std::size_t from = 0) {
    while (from < s.size() && s[from] == 0)
        ++from;
    return from;
}

// Whether the stream's next sound, at or after `from`, is exactly the cues `first`, joined by
// the cues `then` (played by the same event after them) at the start of a device buffer, no
// later than a second after the stream first leaves `first` alone; moves `from` past it. The
// disk driver plays a buffer every two milliseconds, so a busy machine may start `then` a good
// many buffers after `first`.
bool nextSoundIs(const Stream& stream, std::size_t& from, const TGameSound& sound,
                 const std::vector<TCue>& first, const std::vector<TCue>& then = {}) {
    from = firstSound(stream, from);
    const Stream alone = render(sound, first);
    const std::size_t lead = firstSound(alone);
    std::size_t same = 0;
    while (lead + same < alone.size() && from + same < stream.size() &&
           alone[lead + same] == stream[from + same])
        ++same;
    const auto delay =
        static_cast<int>((lead + same) / TGameSound::kBufferFrames) * TGameSound::kBufferFrames;
    const int latest = then.empty() ? 0 : delay + sound.Rate();
    for (int start = 0; start <= latest; start += TGameSound::kBufferFrames) {
        const Stream expected = render(sound, first, then, start);
        const std::size_t head = firstSound(expected);
        const std::size_t length = expected.size() - head;
        if (from + length <= stream.size() &&
            std::equal(expected.begin() + static_cast<std::ptrdiff_t>(head), expected.end(),
                       stream.begin() + static_cast<std::ptrdiff_t>(from))) {
            from += length;
            return true;
        }
    }
    return false;
}

bool silentFrom(const Stream& stream, std::size_t from) {
    return std::all_of(stream.begin() + static_cast<std::ptrdiff_t>(from), stream.end(),
                       [](auto v) { return v == 0; });
}

void clearField(THarvestaEngine& e) {
    e.TakePiece();
    for (int c = 2; c <= ColCount - 1; ++c)
        for (int r = 2; r <= RowCount - 1; ++r)
            e.Field[c][r] = 0;
    e.PutPiece();
}

// Lets the falling piece land by timer ticks on `rows` full rows (none: on the floor).
void land(THarvestaForm& form, int rows) {
    THarvestaEngine& e = form.Engine();
    clearField(e);
    e.TakePiece();
    for (int r = RowCount - 1; r > RowCount - 1 - rows; --r)
        for (int c = 2; c <= ColCount - 1; ++c)
            e.Field[c][r] = fkPear;
    e.PutPiece();
    for (int tick = 0; tick < RowCount; ++tick) {
        const int y = e.PosY;
        form.harvestaTimerTimer();
        if (e.PosY < y) return; // a new piece at the top: the last one landed
    }
    QFAIL("the piece did not land");
}

// Fills the field but for one column, so the next piece has no room and no row is full.
void endGame(THarvestaForm& form) {
    THarvestaEngine& e = form.Engine();
    e.TakePiece();
    for (int c = 3; c <= ColCount - 1; ++c)
        for (int r = 2; r <= RowCount - 1; ++r)
            e.Field[c][r] = fkPear;
    e.PutPiece();
    form.harvestaTimerTimer();
    QCOMPARE(form.GameState(), gsGameOver);
}

// The main window with the best scores window, its sound started as after the first frame.
struct Game {
    THarvestaForm form;
    Game() {
        form.SetWindows(nullptr, nullptr, new TfrmScores(&form), nullptr);
        form.StartSound();
    }
    TGameSound& sound() { return form.Sound(); }
    void key(int code) { form.FormKeyDown(&form, code); }
};

} // namespace

class SoundTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::vector<platform::MessageRequest> messages;
    std::unique_ptr<platform::ScopedMessageHandler> messageGuard;
    std::unique_ptr<platform::ScopedModalRunner> modalGuard;

    QString streamPath() const { return dir->filePath("stream.raw"); }
    QString iniPath() const { return dir->filePath("Harvesta/Harvesta.ini"); }

    // Waits for SDL's audio thread (the disk driver writes about five times faster than real
    // time here) to play out what sounds, then closes the device once the game has stopped.
    static void playOut(TGameSound& sound) { QTRY_VERIFY_WITH_TIMEOUT(sound.Quiet(), 10000); }
    static void stopAndClose(TGameSound& sound) {
        playOut(sound);
        sound.CloseIfQuiet();
        QVERIFY(!sound.DeviceOpen());
    }

  private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir->path());
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", streamPath().toLocal8Bit());
        qputenv("SDL_DISKAUDIODELAY", "2");
        messages.clear();
        messageGuard = std::make_unique<platform::ScopedMessageHandler>(
            [this](const platform::MessageRequest& r) {
                messages.push_back(r);
                return platform::MessageAnswer::Yes;
            });
        modalGuard = std::make_unique<platform::ScopedModalRunner>([](QDialog&) { return 0; });
        RandomizeGame(7);
    }
    void cleanup() {
        modalGuard.reset();
        messageGuard.reset();
    }

    void nothingSoundsBeforeTheFirstGame() {
        Game game;
        QVERIFY(game.sound().Prepared());
        // Keys that act before a game, and a cue asked for directly: no device, no stream.
        game.key(vk::M);
        game.key(vk::M);
        game.key(vk::P);
        game.sound().Play(TCue::Fanfare);
        QVERIFY(!game.sound().DeviceOpen());
        QVERIFY(!QFile::exists(streamPath()));

        game.key(vk::S);
        QVERIFY(game.sound().DeviceOpen());
        QTRY_VERIFY(QFile(streamPath()).size() >= 16384);
        game.key(vk::P);
        stopAndClose(game.sound());
        // The pause's tick is the first and only sound.
        const Stream stream = readStream(streamPath());
        std::size_t at = 0;
        QVERIFY(nextSoundIs(stream, at, game.sound(), {TCue::Tick}));
        QVERIFY(at > 8192);
        QVERIFY(silentFrom(stream, at));
        QVERIFY(messages.empty());
    }

    void theGameStillEndsWhenAskedToWhileSoundRuns() {
#ifdef Q_OS_UNIX
        // SDL must not take the signals a session or `kill` ends the game with. (It takes only
        // signals left at their default, so the test's own handlers are put aside meanwhile.)
        struct sigaction fallback {
        }, term{}, interrupt{};
        fallback.sa_handler = SIG_DFL;
        sigaction(SIGTERM, &fallback, &term);
        sigaction(SIGINT, &fallback, &interrupt);
        const auto handler = [](int signal) {
            struct sigaction action {};
            sigaction(signal, nullptr, &action);
            return action.sa_handler;
        };
        {
            Game game;
            game.key(vk::S);
            QVERIFY(game.sound().DeviceOpen());
            QVERIFY(handler(SIGTERM) == SIG_DFL);
            QVERIFY(handler(SIGINT) == SIG_DFL);
        }
        sigaction(SIGTERM, &term, nullptr);
        sigaction(SIGINT, &interrupt, nullptr);
#endif
    }

    void eachEventHasItsOwnSoundInOrder() {
        Game game;
        TGameSound& sound = game.sound();
        for (int i = 0; i < kCueCount; ++i)
            QVERIFY2(!sound.Samples(static_cast<TCue>(i)).empty(), CueBlockName(TCue(i)));
        game.key(vk::S);
        for (int rows = 0; rows <= 4; ++rows) {
            land(game.form, rows);
            playOut(sound);
        }
        game.key(vk::P);
        stopAndClose(sound);
        const Stream playing = readStream(streamPath());

        game.key(vk::P); // the device opens again and starts a new stream
        QVERIFY(sound.DeviceOpen());
        playOut(sound);
        // The last piece lands and the game is over; the first game is a record, so the
        // fanfare follows as the best scores window opens.
        endGame(game.form);
        stopAndClose(sound);
        const Stream ending = readStream(streamPath());

        std::size_t at = 0;
        QVERIFY(nextSoundIs(playing, at, sound, {TCue::Landing}));
        for (const TCue chime : {TCue::Rows1, TCue::Rows2, TCue::Rows3, TCue::Rows4})
            QVERIFY2(nextSoundIs(playing, at, sound, {TCue::Landing}, {chime}),
                     CueBlockName(chime));
        QVERIFY(nextSoundIs(playing, at, sound, {TCue::Tick}));
        QVERIFY(silentFrom(playing, at));
        at = 0;
        QVERIFY(nextSoundIs(ending, at, sound, {TCue::Tick}));
        QVERIFY(nextSoundIs(ending, at, sound, {TCue::Landing, TCue::GameOver}, {TCue::Fanfare}));
        QVERIFY(silentFrom(ending, at));
        QVERIFY(messages.empty());
    }

    void muteSilencesTheStreamAndIsRemembered_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("M key") << true;
        QTest::newRow("menu item") << false;
    }
    void muteSilencesTheStreamAndIsRemembered() {
        QFETCH(bool, byKey);
        {
            QSettings s(QSettings::IniFormat, QSettings::UserScope, "Harvesta", "Harvesta");
            s.setValue("Software/Harvesta/Results/fruit3", "42");
        }
        const auto toggle = [byKey](Game& game) {
            if (byKey)
                game.key(vk::M);
            else
                game.form.mnuSound->trigger();
        };
        {
            Game game;
            QVERIFY(game.form.mnuSound->isChecked()); // on by default
            game.key(vk::S);
            land(game.form, 0);
            playOut(game.sound());
            toggle(game);
            QVERIFY(!game.form.mnuSound->isChecked());
            stopAndClose(game.sound()); // off closes the device although the game runs
            land(game.form, 1);
            QVERIFY(!game.sound().DeviceOpen());
            const Stream stream = readStream(streamPath());
            std::size_t at = 0;
            QVERIFY(nextSoundIs(stream, at, game.sound(), {TCue::Landing}));
            QVERIFY(silentFrom(stream, at));
        }
        QFile::remove(streamPath());
        {
            Game game; // the next run of the game
            QVERIFY(!game.form.mnuSound->isChecked());
            game.key(vk::S);
            land(game.form, 0);
            QVERIFY(!game.sound().DeviceOpen());
            QVERIFY(!QFile::exists(streamPath()));
            toggle(game); // on again, in the middle of a game
            QVERIFY(game.sound().DeviceOpen());
            land(game.form, 0);
            playOut(game.sound());
            game.key(vk::P);
            stopAndClose(game.sound());
            const Stream stream = readStream(streamPath());
            std::size_t at = 0;
            QVERIFY(nextSoundIs(stream, at, game.sound(), {TCue::Landing}));
        }
        // The choice has a group of its own; the best result is left as it was.
        QSettings s(QSettings::IniFormat, QSettings::UserScope, "Harvesta", "Harvesta");
        QCOMPARE(s.value("Software/Harvesta/Results/fruit3").toString(), QString("42"));
        QCOMPARE(s.allKeys().size(), 2);
        QVERIFY(messages.empty());
    }

    void storedChoiceIsReadAndAHandEditedOneHarmsNothing_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("reported");
        QTest::newRow("none") << QByteArray() << true << false;
        QTest::newRow("false") << QByteArray("Harvesta\\Sound\\On=false") << false << false;
        QTest::newRow("true") << QByteArray("Harvesta\\Sound\\On=true") << true << false;
        QTest::newRow("0 by hand") << QByteArray("Harvesta\\Sound\\On=0") << false << false;
        QTest::newRow("Off by hand") << QByteArray("Harvesta\\Sound\\On=Off") << false << false;
        QTest::newRow("a word") << QByteArray("Harvesta\\Sound\\On=loud") << true << true;
        QTest::newRow("empty") << QByteArray("Harvesta\\Sound\\On=") << true << true;
    }
    void storedChoiceIsReadAndAHandEditedOneHarmsNothing() {
        QFETCH(QByteArray, line);
        QFETCH(bool, on);
        QFETCH(bool, reported);
        QDir().mkpath(QFileInfo(iniPath()).path());
        const QByteArray file = "[Software]\nHarvesta\\Results\\fruit1=7\n" + line + "\n";
        {
            QFile ini(iniPath());
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write(file);
        }
        Game game;
        QCOMPARE(game.form.mnuSound->isChecked(), on);
        QCOMPARE(messages.size(), reported ? std::size_t{1} : std::size_t{0});
        QFile ini(iniPath());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), file); // reading changes nothing
    }

    void withoutAUsableDriverTheGamePlaysSilentlyAndTriesAgain_data() {
        QTest::addColumn<QByteArray>("driver");
        QTest::addColumn<bool>("opens");
        QTest::newRow("dummy") << QByteArray("dummy") << true;
        QTest::newRow("no such driver") << QByteArray("no-such-driver") << false;
    }
    void withoutAUsableDriverTheGamePlaysSilentlyAndTriesAgain() {
        QFETCH(QByteArray, driver);
        QFETCH(bool, opens);
        qputenv("SDL_AUDIODRIVER", driver);
        Game game;
        game.key(vk::S);
        QCOMPARE(game.sound().DeviceOpen(), opens);
        land(game.form, 2);
        endGame(game.form);
        stopAndClose(game.sound());
        QVERIFY(messages.empty());
        QVERIFY(!QFile::exists(streamPath()));
        if (opens) return;
        // A device that appears later is found at the next game start.
        qputenv("SDL_AUDIODRIVER", "disk");
        game.key(vk::S);
        QVERIFY(game.sound().DeviceOpen());
        land(game.form, 0);
        playOut(game.sound());
        game.key(vk::P);
        stopAndClose(game.sound());
        std::size_t at = 0;
        QVERIFY(nextSoundIs(readStream(streamPath()), at, game.sound(), {TCue::Landing}));
    }

    // Sounds started one after another all play, added up; after a moment loud enough to
    // lower the level, the level is back at full within a tenth of a second.
    void soundsAddUpAndTheLevelComesBack() {
        const std::vector<std::int16_t> quiet(4800, 1000), loud(480, 30000);
        TSoundMixer mixer;
        mixer.Start(quiet);
        mixer.Start(quiet);
        Stream out(480);
        mixer.Mix(out.data(), 480);
        QCOMPARE(out.front(), std::int16_t{2000});
        QCOMPARE(mixer.Begun(), mixer.Started()); // both have begun to sound
        mixer.Start(loud);
        mixer.Start(loud);
        mixer.Mix(out.data(), 480);
        QCOMPARE(out.front(), std::int16_t{32767});
        mixer.Mix(out.data(), 480);
        QVERIFY(out.front() < 1500); // the loud moment is over, the level not yet back
        for (int i = 0; i < 5; ++i)
            mixer.Mix(out.data(), 480);
        QCOMPARE(out.front(), std::int16_t{2000});
    }

    // With every voice busy, the sound started longest ago gives way, not the newest one.
    void theOldestSoundGivesWay() {
        std::vector<std::vector<std::int16_t>> tones;
        for (int k = 0; k < TSoundMixer::kVoices + 2; ++k)
            tones.emplace_back(k == 0 ? 10 : 4800, std::int16_t(1 << k));
        TSoundMixer mixer;
        for (int k = 0; k < TSoundMixer::kVoices; ++k)
            mixer.Start(tones[std::size_t(k)]);
        Stream out(11);
        mixer.Mix(out.data(), 11); // the first, short sound ends
        QCOMPARE(out.back(), std::int16_t(254));
        mixer.Start(tones[8]); // in the voice that fell free
        mixer.Start(tones[9]); // every voice busy: the second sound gives way
        mixer.Mix(out.data(), 1);
        QCOMPARE(out.front(), std::int16_t(254 - 2 + 256 + 512));
    }

    void overlappingSoundsAreScaledDownNotCutOff() {
        Game game;
        TSoundMixer mixer;
        std::vector<std::int32_t> sum(static_cast<std::size_t>(TGameSound::kRate), 0);
        for (int i = 0; i < kCueCount; ++i) {
            const auto samples = game.sound().Samples(static_cast<TCue>(i));
            mixer.Start(samples);
            for (std::size_t k = 0; k < samples.size() && k < sum.size(); ++k)
                sum[k] += samples[k];
        }
        Stream out(sum.size());
        mixer.Mix(out.data(), static_cast<int>(out.size()));
        // Every sound at once is far louder than full scale. Cut off, the mix would sit on the
        // rails; wrapped around, it would jump from one rail to the other.
        std::int32_t peakSum = 0, sumStep = 0, outStep = 0;
        int railRun = 0, longestRailRun = 0;
        for (std::size_t k = 0; k < sum.size(); ++k) {
            peakSum = std::max(peakSum, std::abs(sum[k]));
            railRun = std::abs(out[k]) >= 32767 ? railRun + 1 : 0;
            longestRailRun = std::max(longestRailRun, railRun);
            if (k == 0) continue;
            sumStep = std::max(sumStep, std::abs(sum[k] - sum[k - 1]));
            outStep = std::max(outStep, std::abs(out[k] - out[k - 1]));
        }
        QVERIFY(peakSum > 40000);
        QVERIFY(longestRailRun < 2);
        QVERIFY(outStep <= sumStep);

        // Muting fades what plays out within a few milliseconds.
        mixer.FadeOut();
        Stream fade(TGameSound::kRate / 100);
        mixer.Mix(fade.data(), static_cast<int>(fade.size()));
        QVERIFY(mixer.Quiet());
        QCOMPARE(fade.back(), std::int16_t{0});
    }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
