// The splash screen's fade and the order of start-up.
#include <gtest/gtest.h>

#include <vector>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QMetaObject>
#include <QPixmap>
#include <QPointer>

#include "app/application.h"
#include "app/splashform.h"
#include "tests/app/helpers.h"
#include "ui/mainform.h"

namespace brindlex {
namespace {

TEST(Splash, FadesInFromTransparentToOpaqueInEvenSteps) {
    SPLASHFORM splash;
    std::vector<double> opacities;
    std::vector<int> pauses;
    bool hiddenDuringFade = false;
    splash.FadeIn([&](int milliseconds) {
        opacities.push_back(splash.windowOpacity());
        pauses.push_back(milliseconds);
        hiddenDuringFade = hiddenDuringFade || !splash.isVisible();
    });

    ASSERT_EQ(opacities.size(), 255u);
    for (std::size_t step = 0; step < opacities.size(); ++step) {
        EXPECT_NEAR(opacities[step], (step + 1) / 255.0, 1e-6) << "step " << step;
        EXPECT_EQ(pauses[step], 10) << "step " << step;
    }
    EXPECT_FALSE(hiddenDuringFade);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_DOUBLE_EQ(splash.windowOpacity(), 1.0);
}

TEST(Splash, StepsKeepToTheClockWhateverThePaintingTakes) {
    // A clock that only moves when the fade paints or sleeps: painting a step takes 3 ms,
    // and steps 50 and 51 take 25 ms, as on a loaded machine.
    std::int64_t now = 1000;
    std::vector<int> sleeps;
    SPLASHFORM::ClockPause onTime([&now] { return now; },
                                  [&](int milliseconds) {
                                      sleeps.push_back(milliseconds);
                                      now += milliseconds;
                                  });
    int step = 0;
    SPLASHFORM splash;
    splash.FadeIn([&](int milliseconds) {
        ++step;
        now += step == 50 || step == 51 ? 25 : 3;
        onTime(milliseconds);
    });

    EXPECT_EQ(step, 255);
    // The whole fade takes 255 periods of 10 ms, the late steps made up by shorter waits.
    EXPECT_EQ(now, 1000 + 2550);
    EXPECT_EQ(sleeps[48], 7);
    // Steps 50 to 55 find the fade late and do not wait; step 56 is back on time.
    ASSERT_EQ(sleeps.size(), 249u);
    EXPECT_EQ(sleeps[49], 5);
    EXPECT_EQ(sleeps.back(), 7);
}

TEST(Splash, ShowsItsPictureAtTheTopLeftUnscaled) {
    const QImage picture = QPixmap(QStringLiteral(":/brindlex/splash.png")).toImage();
    ASSERT_EQ(picture.size(), QSize(514, 430)) << "the splash picture is not in the resources";

    SPLASHFORM splash;
    EXPECT_EQ(splash.size(), picture.size());
    const QImage shown = splash.grab().toImage().convertToFormat(picture.format());
    EXPECT_EQ(shown, picture);
}

TEST(StartUp, ProgramIconComesFromTheResources) {
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 32, 48, 256}) {
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
    }
}

// Watches the windows of one start-up and closes the main window as soon as it shows.
class StartUpWatcher : public QObject {
public:
    int splashShows = 0;
    double opacityWhenHidden = -1;
    bool splashHiddenBeforeMainShows = false;
    bool mainShown = false;
    QPointer<SPLASHFORM> splash;
    PROFILE* mainProfile = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* form = qobject_cast<SPLASHFORM*>(watched)) {
            if (event->type() == QEvent::Show) {
                ++splashShows;
                splash = form;
            } else if (event->type() == QEvent::Hide) {
                opacityWhenHidden = form->windowOpacity();
            }
        } else if (auto* mainForm = qobject_cast<MAINFORM*>(watched)) {
            if (event->type() == QEvent::Show && !mainShown) {
                mainShown = true;
                splashHiddenBeforeMainShows = splash && !splash->isVisible();
                mainProfile = &mainForm->profile();
                QAction* exitCommand = test::Command(*mainForm, kCommandExit);
                if (exitCommand) {
                    QMetaObject::invokeMethod(exitCommand, &QAction::trigger, Qt::QueuedConnection);
                } else {
                    QMetaObject::invokeMethod(mainForm, &QDialog::reject, Qt::QueuedConnection);
                }
            }
        }
        return false;
    }
};

TEST(StartUp, SplashIsOpaqueAndHiddenBeforeTheMainWindowShows) {
    auto* application = qobject_cast<APPLICATION*>(QCoreApplication::instance());
    ASSERT_NE(application, nullptr);

    StartUpWatcher watcher;
    application->installEventFilter(&watcher);
    PROFILE profile;
    int steps = 0;
    const int status = application->StartUp(profile, [&steps](int) { ++steps; });
    application->removeEventFilter(&watcher);

    EXPECT_EQ(status, 0);
    EXPECT_EQ(steps, 255);
    EXPECT_EQ(watcher.splashShows, 1);
    EXPECT_DOUBLE_EQ(watcher.opacityWhenHidden, 1.0);
    ASSERT_TRUE(watcher.mainShown);
    EXPECT_TRUE(watcher.splashHiddenBeforeMainShows);
    EXPECT_EQ(watcher.mainProfile, &profile);
    EXPECT_TRUE(watcher.splash.isNull()) << "the splash outlives the start-up routine";
}

}  // namespace
}  // namespace brindlex
