// The application object and the start-up routine.
#pragma once

#include <QApplication>
#include <QIcon>

#include "app/answerstore.h"
#include "app/splashform.h"
#include "profile/profile.h"

namespace brindlex {

class APPLICATION : public QApplication {
    Q_OBJECT

public:
    APPLICATION(int& argc, char** argv);

    // Fills `profile` with the answers kept in `answersFolder`, fades the splash screen in,
    // hides it, and runs the main window on `profile` until the user closes it, keeping the
    // answers there after every change. Returns the process's exit status.
    int StartUp(PROFILE& profile, const SPLASHFORM::StepPause& pause = {},
                const QString& answersFolder = ANSWERSTORE::DefaultFolder());

    // The program's icon in every size that it ships.
    static QIcon ProgramIcon();
};

}  // namespace brindlex
