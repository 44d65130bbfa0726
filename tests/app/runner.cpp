// Runs the tests inside the program's own application object, on the offscreen platform
// unless another one is asked for.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QtGlobal>

#include "app/application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    // The tests drive Qt's own file chooser; a native one could not be reached.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    ::testing::InitGoogleTest(&argc, argv);
    brindlex::APPLICATION application(argc, argv);
    return RUN_ALL_TESTS();
}
