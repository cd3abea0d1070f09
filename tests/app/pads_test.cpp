// Game controllers driving the main window. SDL's virtual joysticks stand in for pads, so no
// device is needed: they are plugged in and out, their buttons pressed and sticks pushed, and
// the pads' timers are driven by calling their handlers.

#include "adapters/QtPlatform.h"
#include "adapters/SdlLibrary.h"
#include "app/main.h"
#include "FieldSetups.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <array>
#include <cstring>

#define SDL_MAIN_HANDLED
#include <SDL.h>

using namespace harvesta;
using platform::GamePads;

namespace {

// A pad plugged in for as long as it lives. A standard pad numbers its buttons and axes as
// SDL's game controller API does; a plain one (buttons only) needs a mapping to be a pad.
class VirtualPad {
  public:
    explicit VirtualPad(bool standard = true, const char* name = "Test pad") {
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = standard ? SDL_JOYSTICK_TYPE_GAMECONTROLLER : SDL_JOYSTICK_TYPE_UNKNOWN;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.vendor_id = 0x1234;
        desc.product_id = standard ? 0x0001 : 0x0002;
        desc.name = name;
        const int device = SDL_JoystickAttachVirtualEx(&desc);
        joystick_ = device >= 0 ? SDL_JoystickOpen(device) : nullptr;
        id_ = joystick_ ? SDL_JoystickInstanceID(joystick_) : -1;
    }
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool Plugged() const { return joystick_ != nullptr; }
    std::string Guid() const {
        char text[33];
        SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick_), text, sizeof text);
        return text;
    }
    void Button(int button, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? SDL_PRESSED : SDL_RELEASED);
    }
    void Axis(int axis, int value) {
        SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value));
    }
    void Unplug() {
        if (!joystick_) return;
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
    }

  private:
    SDL_Joystick* joystick_ = nullptr;
    SDL_JoystickID id_ = -1;
};

// What a control does: a button, or an axis pushed to a value, then let go.
struct Control {
    bool axis;
    int number;
    int value;
};

} // namespace

Q_DECLARE_METATYPE(Control)

class PadsTest : public QObject {
    Q_OBJECT

    std::vector<platform::MessageRequest> questions;
    std::unique_ptr<platform::ScopedMessageHandler> messages;
    std::unique_ptr<platform::ScopedModalRunner> modal;
    std::unique_ptr<THarvestaForm> form;

    GamePads& pads() { return *form->GamePads(); }
    void poll() { pads().PollTimerTimer(); }
    void push(VirtualPad& pad, const Control& control, bool down) {
        if (control.axis)
            pad.Axis(control.number, down ? control.value : 0);
        else
            pad.Button(control.number, down);
        poll();
    }
    struct Piece {
        int state, x, y;
        std::array<std::uint8_t, 16> cells;
        bool operator==(const Piece&) const = default;
    };
    Piece piece() {
        Piece p{form->GameState(), form->Engine().PosX, form->Engine().PosY, {}};
        std::memcpy(p.cells.data(), form->Engine().Piece, sizeof form->Engine().Piece);
        return p;
    }

  private slots:
    void initTestCase() {
        // Only the test's own pads: SDL's USB drivers stay off.
        qputenv("SDL_JOYSTICK_HIDAPI", "0");
    }
    void init() {
        questions.clear();
        messages = std::make_unique<platform::ScopedMessageHandler>(
            [this](const platform::MessageRequest& r) {
                if (r.caption != "Error") questions.push_back(r);
                return platform::MessageAnswer::Yes;
            });
        modal = std::make_unique<platform::ScopedModalRunner>([](QDialog&) { return 0; });
        platform::SetScreenWidthOverride(1280);
        RandomizeGame(11);
        form = std::make_unique<THarvestaForm>();
        form->StartGamePads();
        QVERIFY2(pads().Ready(), SDL_GetError());
    }
    void cleanup() {
        form.reset();
        modal.reset();
        messages.reset();
        platform::SetScreenWidthOverride(std::nullopt);
    }

    void eachControlActsAsItsKey_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<Control>("control");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<bool>("turned");
        QTest::addColumn<int>("stateAfter");
        const int play = gsPlaying;
        const Control left{false, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0};
        const Control stickX{true, SDL_CONTROLLER_AXIS_LEFTX, 0};
        const Control stickY{true, SDL_CONTROLLER_AXIS_LEFTY, 0};
        QTest::newRow("pad left") << play << left << -1 << 0 << false << play;
        QTest::newRow("pad right") << play << Control{false, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0}
                                   << 1 << 0 << false << play;
        QTest::newRow("pad down") << play << Control{false, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0} << 0
                                  << 1 << false << play;
        QTest::newRow("pad up turns, as the Up key")
            << play << Control{false, SDL_CONTROLLER_BUTTON_DPAD_UP, 0} << 0 << 0 << true << play;
        QTest::newRow("A turns") << play << Control{false, SDL_CONTROLLER_BUTTON_A, 0} << 0 << 0
                                 << true << play;
        QTest::newRow("B turns") << play << Control{false, SDL_CONTROLLER_BUTTON_B, 0} << 0 << 0
                                 << true << play;
        QTest::newRow("stick left")
            << play << Control{true, stickX.number, -32768} << -1 << 0 << false << play;
        QTest::newRow("stick right")
            << play << Control{true, stickX.number, 32767} << 1 << 0 << false << play;
        QTest::newRow("stick down")
            << play << Control{true, stickY.number, 32767} << 0 << 1 << false << play;
        QTest::newRow("stick up: nothing")
            << play << Control{true, stickY.number, -32768} << 0 << 0 << false << play;
        QTest::newRow("stick barely pushed: nothing")
            << play << Control{true, stickX.number, -9000} << 0 << 0 << false << play;
        QTest::newRow("X: nothing")
            << play << Control{false, SDL_CONTROLLER_BUTTON_X, 0} << 0 << 0 << false << play;
        QTest::newRow("Back pauses") << play << Control{false, SDL_CONTROLLER_BUTTON_BACK, 0} << 0
                                     << 0 << false << int(gsPaused);
        QTest::newRow("Back resumes")
            << int(gsPaused) << Control{false, SDL_CONTROLLER_BUTTON_BACK, 0} << 0 << 0 << false
            << play;
        QTest::newRow("Start starts")
            << int(gsNotStarted) << Control{false, SDL_CONTROLLER_BUTTON_START, 0} << 0 << 0
            << false << play;
        QTest::newRow("no move before a game")
            << int(gsNotStarted) << left << 0 << 0 << false << int(gsNotStarted);
        QTest::newRow("no move while paused")
            << int(gsPaused) << left << 0 << 0 << false << int(gsPaused);
    }
    void eachControlActsAsItsKey() {
        QFETCH(int, state);
        QFETCH(Control, control);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(bool, turned);
        QFETCH(int, stateAfter);
        VirtualPad pad;
        QVERIFY2(pad.Plugged(), SDL_GetError());
        poll();
        if (state != gsNotStarted) form->mnuStartGame->trigger();
        fields::StandBarInMiddle(form->Engine());
        if (state == gsPaused) form->mnuPause->trigger();
        const Piece before = piece();
        push(pad, control, true);
        push(pad, control, false);
        const Piece after = piece();
        QCOMPARE(after.state, stateAfter);
        QCOMPARE(after.x - before.x, dx);
        QCOMPARE(after.y - before.y, dy);
        QCOMPARE(after.cells != before.cells, turned);
        QVERIFY(questions.empty());
    }

    // Pads come and go at any time, and any number play together. The pads are read as often
    // as the game needs: a frame while it runs, a tenth of a second otherwise, and with no pad
    // a look for one within two seconds, but not more than once a second.
    void padsComeAndGoAndPlayTogether() {
        auto idle = [this] {
            return pads().PollInterval() >= 1000 && pads().PollInterval() <= 2000;
        };
        QCOMPARE(pads().PadCount(), 0);
        QVERIFY(idle());
        QVERIFY(pads().PollTimer().isActive());

        auto first = std::make_unique<VirtualPad>();
        VirtualPad second;
        poll();
        QCOMPARE(pads().PadCount(), 2);
        QVERIFY(pads().PollInterval() <= 100);
        QCOMPARE(pads().PollTimer().interval(), pads().PollInterval());

        second.Button(SDL_CONTROLLER_BUTTON_START, true);
        poll();
        QCOMPARE(form->GameState(), gsPlaying);
        QVERIFY(pads().PollInterval() <= 16);
        QCOMPARE(pads().PollTimer().interval(), pads().PollInterval());
        // A game started from the keyboard is read as fast.
        form->mnuPause->trigger();
        QVERIFY(pads().PollTimer().interval() > 16);
        form->FormKeyDown(form.get(), vk::P);
        QVERIFY(pads().PollTimer().interval() <= 16);

        fields::StandBarInMiddle(form->Engine());
        first->Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
        second.Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
        poll();
        QCOMPARE(form->Engine().PosX, 5);
        QCOMPARE(form->Engine().PosY, 7);

        first.reset();
        poll();
        QCOMPARE(pads().PadCount(), 1);
        second.Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
        second.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
        poll();
        QCOMPARE(form->Engine().PosX, 6);

        second.Unplug();
        poll();
        QCOMPARE(pads().PadCount(), 0);
        QVERIFY(idle());
        QCOMPARE(pads().PollTimer().interval(), pads().PollInterval());
    }

    void aPadPluggedInBeforeTheStartIsFound() {
        form.reset();
        SdlSubsystem sdl(SDL_INIT_JOYSTICK);
        VirtualPad pad;
        form = std::make_unique<THarvestaForm>();
        form->StartGamePads();
        QCOMPARE(pads().PadCount(), 1);
        pad.Button(SDL_CONTROLLER_BUTTON_START, true);
        poll();
        QCOMPARE(form->GameState(), gsPlaying);
        pad.Unplug();
        form.reset();
    }

    // A held direction repeats as a held key does, until it is let go; the last one pressed,
    // on any pad, is the one that repeats. Other buttons do not repeat.
    void aHeldDirectionRepeats_data() {
        QTest::addColumn<Control>("control");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("pad left") << Control{false, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0} << -1 << 0;
        QTest::newRow("stick right") << Control{true, SDL_CONTROLLER_AXIS_LEFTX, 30000} << 1 << 0;
        QTest::newRow("stick down") << Control{true, SDL_CONTROLLER_AXIS_LEFTY, 30000} << 0 << 1;
    }
    void aHeldDirectionRepeats() {
        QFETCH(Control, control);
        QFETCH(int, dx);
        QFETCH(int, dy);
        VirtualPad pad, other;
        poll();
        form->mnuStartGame->trigger();
        fields::StandBarInMiddle(form->Engine());
        push(pad, control, true);
        QVERIFY(pads().RepeatTimer().isActive());
        pads().RepeatTimerTimer();
        QCOMPARE(form->Engine().PosX, 6 + 2 * dx);
        QCOMPARE(form->Engine().PosY, 6 + 2 * dy);
        // A turn on another pad neither repeats nor stops the held direction.
        other.Button(SDL_CONTROLLER_BUTTON_A, true);
        poll();
        pads().RepeatTimerTimer();
        QCOMPARE(form->Engine().PosX, 6 + 3 * dx);
        QCOMPARE(form->Engine().PosY, 6 + 3 * dy);
        other.Button(SDL_CONTROLLER_BUTTON_A, false);
        poll();
        QVERIFY(pads().RepeatTimer().isActive());

        push(pad, control, false);
        QVERIFY(!pads().RepeatTimer().isActive());
        pads().RepeatTimerTimer();
        QCOMPARE(form->Engine().PosX, 6 + 3 * dx);
        QCOMPARE(form->Engine().PosY, 6 + 3 * dy);
    }

    void anUnpluggedPadStopsRepeating() {
        VirtualPad pad;
        poll();
        form->mnuStartGame->trigger();
        fields::StandBarInMiddle(form->Engine());
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
        poll();
        pad.Unplug();
        poll();
        QVERIFY(!pads().RepeatTimer().isActive());
        pads().RepeatTimerTimer();
        QCOMPARE(form->Engine().PosX, 7);
    }

    // A mapping from the environment makes a pad SDL does not know into one, with its own
    // buttons where the mapping puts them.
    void mappingsFromTheEnvironmentCount() {
        form.reset();
        std::string guid;
        {
            SdlSubsystem sdl(SDL_INIT_JOYSTICK);
            VirtualPad pad(false, "Homemade pad");
            guid = pad.Guid();
        }
        const std::string mapping = guid + ",Homemade pad,start:b0,a:b1,dpleft:b2,platform:Linux,";
        qputenv("SDL_GAMECONTROLLERCONFIG", QByteArray::fromStdString(mapping));
        form = std::make_unique<THarvestaForm>();
        form->StartGamePads();
        VirtualPad pad(false, "Homemade pad");
        poll();
        qunsetenv("SDL_GAMECONTROLLERCONFIG");
        QCOMPARE(pads().PadCount(), 1);
        pad.Button(0, true);
        poll();
        QCOMPARE(form->GameState(), gsPlaying);
        fields::StandBarInMiddle(form->Engine());
        pad.Button(2, true);
        poll();
        QCOMPARE(form->Engine().PosX, 5);
        pad.Unplug();
        form.reset();
    }

    // Over a window that is open, the pad is that window's keyboard: A accepts, B closes; the
    // game behind it hears nothing.
    void overAnOpenWindowThePadAnswersIt_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("A") << int(SDL_CONTROLLER_BUTTON_A) << int(QDialog::Accepted);
        QTest::newRow("Start") << int(SDL_CONTROLLER_BUTTON_START) << int(QDialog::Accepted);
        QTest::newRow("B") << int(SDL_CONTROLLER_BUTTON_B) << int(QDialog::Rejected);
        QTest::newRow("Back") << int(SDL_CONTROLLER_BUTTON_BACK) << int(QDialog::Rejected);
    }
    void overAnOpenWindowThePadAnswersIt() {
        QFETCH(int, button);
        QFETCH(int, result);
        VirtualPad pad;
        poll();
        form->mnuStartGame->trigger();
        QDialog window(form.get());
        window.setModal(true);
        auto* ok = new QPushButton("OK", &window);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, &window, &QDialog::accept);
        window.show();
        ok->setFocus();
        QCOMPARE(QApplication::activeModalWidget(), &window);
        int finished = -1;
        connect(&window, &QDialog::finished, [&](int r) { finished = r; });
        const Piece before = piece();
        pad.Button(button, true);
        poll();
        QCOMPARE(finished, result);
        QVERIFY(!window.isVisible());
        QCOMPARE(piece(), before);
        QVERIFY(questions.empty());
    }
};

QTEST_MAIN(PadsTest)
#include "pads_test.moc"
