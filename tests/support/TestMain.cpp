// Test entry: an offscreen application object, and a private settings folder
// so that no test reads or writes the developer's own settings.
#include "platform/Paths.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    plan::Paths::setUserRoot(plantest::scratchDir() + QStringLiteral("/user"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
