// Runs the window tests inside one QApplication on the offscreen platform, unless another
// platform is asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
