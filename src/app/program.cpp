// The entry point: builds the application and its windows in their order, then runs the
// message loop until the main window is closed.

#include "app/main.h"
#include "platform/QtPlatform.h"
#include "results/scores.h"
#include "windows/Help_module.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Harvesta");
    harvesta::platform::InstallQtServices();

    harvesta::THarvestaForm HarvestaForm;
    // The secondary windows belong to the main window and live as long as it does.
    auto* frmScores = new harvesta::TfrmScores(&HarvestaForm);
    auto* hlpForm = new harvesta::ThlpForm(&HarvestaForm);
    HarvestaForm.SetWindows(nullptr, nullptr, frmScores, hlpForm);

    HarvestaForm.show();
    return QApplication::exec();
}
