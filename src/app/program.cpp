// The entry point: builds the application and its windows in their order, then runs the
// message loop until the main window is closed.

#include "adapters/DeferredIcons.h"
#include "adapters/DesignedFonts.h"
#include "adapters/QtPlatform.h"
#include "adapters/StartupReport.h"
#include "adapters/Translation.h"
#include "app/main.h"
#include "results/scores.h"
#include "windows/Help_module.h"
#include "windows/Unit1.h"
#include "windows/shwInfo.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Harvesta");
    QGuiApplication::setDesktopFileName("example.littleorchard.Harvesta");
    QApplication::setWindowIcon(harvesta::ApplicationIcon());
    harvesta::platform::InstallQtServices();
    harvesta::platform::InstallTranslation();
    harvesta::platform::InstallDeferredIcons();
    harvesta::platform::InstallDesignedFonts(
        harvesta::platform::DesignedFontStandIns(harvesta::platform::FontStage::FirstFrame));

    harvesta::THarvestaForm HarvestaForm;
    // The secondary windows are built in their order right after the main window's first
    // frame, and in any case before the first key or click is handled, so nothing can reach
    // them sooner; the manual window when it is first opened. They belong to the main window
    // and live as long as it does.
    harvesta::platform::AfterFirstFrame(HarvestaForm.pbMain, [&HarvestaForm] {
        harvesta::platform::InstallDesignedFonts(
            harvesta::platform::DesignedFontStandIns(harvesta::platform::FontStage::Later));
        auto* Form1 = new harvesta::TForm1(&HarvestaForm);
        auto* frmAbout = new harvesta::TfrmAbout(&HarvestaForm);
        auto* frmScores = new harvesta::TfrmScores(&HarvestaForm);
        HarvestaForm.SetWindows(Form1, frmAbout, frmScores, nullptr);
        HarvestaForm.SetManualMaker(
            [&HarvestaForm] { return new harvesta::ThlpForm(&HarvestaForm); });
        HarvestaForm.StartSound();
        // Game controllers once the first events have had their turn: SDL's start (device
        // enumeration, its mapping database) need not stand before the first click.
        QTimer::singleShot(0, &HarvestaForm, [&HarvestaForm] { HarvestaForm.StartGamePads(); });
    });
    HarvestaForm.show();
    return QApplication::exec();
}
