#include "VelmoraApplication.h"

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    // The window needs no screen; listing the tests must not need one either.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    VelmoraApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
