// Every window of the game keeps its designed colours whatever palette the desktop hands the
// application: built under a dark palette, or left open while the desktop turns dark, each
// window looks exactly as it does under the default one.

#include "adapters/QtPlatform.h"
#include "app/main.h"
#include "results/scores.h"
#include "windows/Help_module.h"
#include "windows/Unit1.h"
#include "windows/shwInfo.h"

#include <QApplication>
#include <QPalette>
#include <QtTest>
#include <cstring>

using namespace harvesta;

namespace {

// A dark desktop theme as Qt's GTK and KDE platform themes hand it over.
QPalette darkPalette() {
    QPalette dark;
    const QColor window(53, 53, 53), base(35, 35, 35), text(238, 238, 238);
    for (const auto& [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, window},
             {QPalette::WindowText, text},
             {QPalette::Base, base},
             {QPalette::AlternateBase, window},
             {QPalette::Text, text},
             {QPalette::Button, window},
             {QPalette::ButtonText, text},
             {QPalette::Light, QColor(80, 80, 80)},
             {QPalette::Midlight, window},
             {QPalette::Mid, QColor(30, 30, 30)},
             {QPalette::Dark, QColor(20, 20, 20)},
             {QPalette::Shadow, Qt::black},
             {QPalette::Highlight, QColor(42, 130, 218)},
             {QPalette::HighlightedText, Qt::black},
             {QPalette::Link, QColor(120, 170, 255)},
             {QPalette::ToolTipBase, base},
             {QPalette::ToolTipText, text}})
        dark.setColor(role, colour);
    return dark;
}

// The window as the player sees it: its surface with every control drawn.
QImage look(QWidget& window) {
    if (auto* form = dynamic_cast<THarvestaForm*>(&window)) {
        // The first piece is random: every main window shows the same field.
        static THarvestaEngine field = form->Engine();
        form->Engine() = field;
    }
    window.show();
    QCoreApplication::processEvents();
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

using Maker = std::function<std::unique_ptr<QWidget>()>;

} // namespace

Q_DECLARE_METATYPE(Maker)

class ThemesTest : public QObject {
    Q_OBJECT

    QPalette defaultPalette;
    std::unique_ptr<THarvestaForm> owner;

  private slots:
    void initTestCase() {
        platform::SetScreenWidthOverride(1280);
        defaultPalette = QApplication::palette();
        owner = std::make_unique<THarvestaForm>();
    }
    void cleanup() { QApplication::setPalette(defaultPalette); }
    void cleanupTestCase() {
        owner.reset();
        platform::SetScreenWidthOverride(std::nullopt);
    }

    void everyWindowLooksTheSameUnderADarkTheme_data() {
        QTest::addColumn<Maker>("make");
        QWidget* main = owner.get();
        QTest::newRow("main") << Maker([] { return std::make_unique<THarvestaForm>(); });
        QTest::newRow("best scores")
            << Maker([main] { return std::make_unique<TfrmScores>(main); });
        QTest::newRow("about") << Maker([main] { return std::make_unique<TfrmAbout>(main); });
        QTest::newRow("manual") << Maker([main] { return std::make_unique<ThlpForm>(main); });
        QTest::newRow("font preview") << Maker([main] { return std::make_unique<TForm1>(main); });
    }
    void everyWindowLooksTheSameUnderADarkTheme() {
        QFETCH(Maker, make);
        const std::unique_ptr<QWidget> designed = make();
        const QImage expected = look(*designed);
        QVERIFY(!expected.isNull());

        QApplication::setPalette(darkPalette());
        const std::unique_ptr<QWidget> builtDark = make();
        QVERIFY2(look(*builtDark) == expected, "built under a dark palette, it looks different");
        // The desktop turns dark while the window is open.
        QVERIFY2(look(*designed) == expected, "the desktop's new palette reached the window");
    }
};

QTEST_MAIN(ThemesTest)
#include "themes_test.moc"
