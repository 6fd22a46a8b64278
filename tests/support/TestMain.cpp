#include <QApplication>
#include <gtest/gtest.h>

// Every test executable runs inside one application object, so widgets,
// fonts and timers behave as in the program.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
