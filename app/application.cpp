#include "app/application.h"

#include "app/menucommands.h"
#include "ui/mainform.h"

// Q_INIT_RESOURCE must be used outside any namespace. The pictures live in a static library,
// whose resource initialiser the linker would drop unless it is called.
static void InitResources() {
    Q_INIT_RESOURCE(brindlex);
}

namespace brindlex {

APPLICATION::APPLICATION(int& argc, char** argv) : QApplication(argc, argv) {
    InitResources();
    setWindowIcon(ProgramIcon());
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    setDesktopFileName(QStringLiteral("org.brindlex.Brindlex"));
}

int APPLICATION::StartUp(PROFILE& profile, const SPLASHFORM::StepPause& pause) {
    MAINFORM mainForm(profile);
    InstallMenu(mainForm);

    SPLASHFORM splash;
    // The fade keeps to the clock from here on, after the main window has been built.
    splash.FadeIn(pause ? pause : SPLASHFORM::StepPause(SPLASHFORM::ClockPause()));
    splash.hide();

    // How the window was closed does not matter: closing it ends the program.
    mainForm.exec();
    return 0;
}

QIcon APPLICATION::ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/brindlex/icons/%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace brindlex
