// The entry point: builds the application and its windows, then runs the message loop.

#include "app/main.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Harvesta");
    harvesta::platform::InstallQtServices();

    harvesta::THarvestaForm HarvestaForm;
    HarvestaForm.show();
    return QApplication::exec();
}
