#include "app/application.h"

#include "app/dialogs.h"
#include "app/menucommands.h"
#include "app/singlewindow.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <QTimer>

#include "translations/languages.h"
#include "ui/mainform.h"

// Q_INIT_RESOURCE must be used outside any namespace. The pictures live in a static library,
// whose resource initialiser the linker would drop unless it is called.
static void InitResources() {
    Q_INIT_RESOURCE(brindlex);
}

namespace brindlex {

namespace {

// How long a start waits for the window that holds the answers to answer it: the window
// takes the lock a moment before it listens, and lets it go a moment after it stops.
constexpr int kWaitForWindowMilliseconds = 3000;
constexpr int kRetryMilliseconds = 100;

enum class Start { kFirst, kHandedOver, kRefused };

// Takes the answers' lock, or hands over to the window that holds it.
Start TakeAnswersOrHandOver(SingleWindow& single, ANSWERSTORE& store) {
    const QDeadlineTimer deadline(kWaitForWindowMilliseconds);
    for (;;) {
        if (single.HandOver(kRetryMilliseconds)) {
            return Start::kHandedOver;
        }
        // Without a lock at all the window runs, but keeps nothing: then nobody writes.
        if (store.TakeLock() != ANSWERSTORE::Lock::kHeldElsewhere) {
            return Start::kFirst;
        }
        if (deadline.hasExpired()) {
            return Start::kRefused;
        }
        QThread::msleep(kRetryMilliseconds);
    }
}

void TellLater(QWidget& window, const QString& text) {
    QTimer::singleShot(0, &window, [&window, text] {
        MESSAGEBOX::warning(&window, QStringLiteral("Brindlex"), text);
    });
}

}  // namespace

APPLICATION::APPLICATION(int& argc, char** argv) : QApplication(argc, argv) {
    InitResources();
    setWindowIcon(ProgramIcon());
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    setDesktopFileName(QStringLiteral("org.brindlex.Brindlex"));
}

int APPLICATION::StartUp(PROFILE& profile, const SPLASHFORM::StepPause& pause,
                         const QString& answersFolder) {
    UseLanguage(StartLanguage());
    SingleWindow single(answersFolder);
    ANSWERSTORE store(answersFolder);
    switch (TakeAnswersOrHandOver(single, store)) {
        case Start::kHandedOver:
            return 0;
        case Start::kRefused:
            MESSAGEBOX::warning(
                nullptr, QStringLiteral("Brindlex"),
                tr("Brindlex is already running for you (%1), but it does not answer, so it "
                   "cannot be brought to the front.\n\nThis start ends, so that only one Brindlex "
                   "keeps "
                   "your answers in %2. If Brindlex does not run any more, delete %3 and start "
                   "it again.")
                    .arg(store.LockHolder(), QDir::toNativeSeparators(store.filePath()),
                         QDir::toNativeSeparators(store.lockPath())));
            return 1;
        case Start::kFirst:
            break;
    }

    const QString loadProblem = store.Load(profile);
    MAINFORM mainForm(profile);
    InstallMenu(mainForm);
    single.Listen(mainForm);
    // Every change is kept at once. A failure is told once the handler that made the change
    // has ended, not in its middle.
    QObject::connect(&mainForm, &MAINFORM::answersChanged, &mainForm, [&] {
        const QString problem = store.Store(profile);
        if (!problem.isEmpty()) {
            TellLater(mainForm, problem);
        }
    });

    SPLASHFORM splash;
    // The fade keeps to the clock from here on, after the main window has been built.
    splash.FadeIn(pause ? pause : SPLASHFORM::StepPause(SPLASHFORM::ClockPause()));
    splash.hide();

    // Told once the main window shows: its event loop runs the timer.
    if (!loadProblem.isEmpty()) {
        TellLater(mainForm, loadProblem);
    }

    // How the window was closed does not matter: closing it ends the program.
    mainForm.exec();
    single.Close();
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
