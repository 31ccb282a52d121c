// Runs the tests inside a headless application with fixed fonts.
#include "support/headless.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    useHeadlessPlatform();
    QApplication app(argc, argv);
    if (!useFixedFonts())
        return 1;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
