#include "app/application.h"

#include "app/dialogs.h"
#include "app/menucommands.h"

#include <QTimer>

#include "translations/languages.h"
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

int APPLICATION::StartUp(PROFILE& profile, const SPLASHFORM::StepPause& pause,
                         const QString& answersFolder) {
    UseLanguage(StartLanguage());
    ANSWERSTORE store(answersFolder);
    const QString loadProblem = store.Load(profile);
    MAINFORM mainForm(profile);
    InstallMenu(mainForm);
    // Every change is kept at once. A failure is told once the handler that made the change
    // has ended, not in its middle.
    QObject::connect(&mainForm, &MAINFORM::answersChanged, &mainForm, [&] {
        const QString problem = store.Store(profile);
        if (!problem.isEmpty()) {
            QTimer::singleShot(0, &mainForm, [&mainForm, problem] {
                MESSAGEBOX::warning(&mainForm, QStringLiteral("Brindlex"), problem);
            });
        }
    });

    SPLASHFORM splash;
    // The fade keeps to the clock from here on, after the main window has been built.
    splash.FadeIn(pause ? pause : SPLASHFORM::StepPause(SPLASHFORM::ClockPause()));
    splash.hide();

    // Told once the main window shows: its event loop runs the timer.
    if (!loadProblem.isEmpty()) {
        QTimer::singleShot(0, &mainForm, [&mainForm, loadProblem] {
            MESSAGEBOX::warning(&mainForm, QStringLiteral("Brindlex"), loadProblem);
        });
    }

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
