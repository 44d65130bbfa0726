// Runs the tests inside the program's own application object, on the offscreen platform
// unless another one is asked for.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGlobal>

#include "app/answerstore.h"
#include "app/application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    // The tests drive Qt's own file chooser; a native one could not be reached.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    // Answers are kept in a folder of Qt's test mode, never in a real user's, and each run
    // starts without any.
    QStandardPaths::setTestModeEnabled(true);
    // The shell's tests read its English texts, and keep no language setting of a user's.
    qputenv("LANGUAGE", QByteArrayLiteral("en"));
    QTemporaryDir settings;
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, settings.path());
    }
    ::testing::InitGoogleTest(&argc, argv);
    brindlex::APPLICATION application(argc, argv);
    QDir(brindlex::ANSWERSTORE::DefaultFolder()).removeRecursively();
    return RUN_ALL_TESTS();
}
