// The application object and the start-up routine.
#pragma once

#include <QApplication>
#include <QIcon>

#include "app/splashform.h"
#include "profile/profile.h"

namespace brindlex {

class APPLICATION : public QApplication {
    Q_OBJECT

public:
    APPLICATION(int& argc, char** argv);

    // Fades the splash screen in, hides it, and runs the main window on `profile` until the
    // user closes it. Returns the process's exit status.
    int StartUp(PROFILE& profile, const SPLASHFORM::StepPause& pause = {});

    // The program's icon in every size that it ships.
    static QIcon ProgramIcon();
};

}  // namespace brindlex
