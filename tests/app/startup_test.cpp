// One window per user: a later start hands over to the window that runs, and only the
// process that holds the lock beside the answers writes them.
#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "app/answerstore.h"
#include "app/application.h"
#include "app/dialogs.h"
#include "app/singlewindow.h"
#include "codec/codec.h"

namespace brindlex {
namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // Runs the start-up on the folder; `fades` tells whether the splash began to fade in.
    int Start(bool& fades) {
        auto* application = qobject_cast<APPLICATION*>(QCoreApplication::instance());
        fades = false;
        PROFILE profile;
        // A window that opens is closed at once.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (QWidget* window = QApplication::activeModalWidget()) {
                window->close();
            }
        });
        closer.start(10);
        return application->StartUp(
            profile, [&fades](int) { fades = true; }, folder.path());
    }

    QTemporaryDir folder;
};

TEST_F(Startup, ALaterStartHandsOverToTheWindowThatRunsWithoutAWindowOfItsOwn) {
    QWidget window;
    window.show();
    SingleWindow running(folder.path());
    ASSERT_TRUE(running.Listen(window));
    QSignalSpy asked(&running, &SingleWindow::handedOver);

    bool fades = true;
    EXPECT_EQ(Start(fades), 0);
    EXPECT_FALSE(fades) << "the second start showed its splash";
    EXPECT_TRUE(asked.count() == 1 || asked.wait(2000));
    EXPECT_FALSE(QFile::exists(ANSWERSTORE(folder.path()).filePath()));
    EXPECT_FALSE(QFile::exists(ANSWERSTORE(folder.path()).lockPath()))
        << "the second start took the lock";

    // Once the first stops listening, a start opens a window of its own again.
    running.Close();
    EXPECT_EQ(Start(fades), 0);
    EXPECT_TRUE(fades);
}

TEST_F(Startup, OnlyTheStoreThatHoldsTheLockWritesTheAnswers) {
    PROFILE fox;
    ASSERT_TRUE(ParseCode("2.0FCf5 V+", fox));
    auto first = std::make_unique<ANSWERSTORE>(folder.path());
    ANSWERSTORE second(folder.path());
    ASSERT_EQ(first->TakeLock(), ANSWERSTORE::Lock::kTaken);
    EXPECT_EQ(second.TakeLock(), ANSWERSTORE::Lock::kHeldElsewhere);
    EXPECT_TRUE(second.LockHolder().contains(QString::number(QCoreApplication::applicationPid())))
        << second.LockHolder().toStdString();

    EXPECT_FALSE(second.Store(fox).isEmpty()) << "a store without the lock says it keeps nothing";
    EXPECT_FALSE(QFile::exists(second.filePath()));
    EXPECT_EQ(first->Store(fox), QString());
    EXPECT_TRUE(QFile::exists(first->filePath()));

    first.reset();  // the first window has ended
    EXPECT_EQ(second.TakeLock(), ANSWERSTORE::Lock::kTaken);
}

TEST_F(Startup, AStartThatFindsTheAnswersHeldByOneThatDoesNotAnswerSaysSoAndEnds) {
    ANSWERSTORE holder(folder.path());
    ASSERT_EQ(holder.TakeLock(), ANSWERSTORE::Lock::kTaken);
    MESSAGEBOX::setNextAnswer(QMessageBox::Ok);
    bool fades = true;
    EXPECT_EQ(Start(fades), 1);
    const QString told = MESSAGEBOX::answeredText();
    MESSAGEBOX::setNextAnswer(QMessageBox::NoButton);
    EXPECT_FALSE(fades);
    EXPECT_TRUE(told.contains(QStringLiteral("already running"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QString::number(QCoreApplication::applicationPid())));
    EXPECT_TRUE(told.contains(holder.lockPath())) << told.toStdString();
    EXPECT_FALSE(QFile::exists(holder.filePath()));
}

}  // namespace
}  // namespace brindlex
