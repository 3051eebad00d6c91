#include "windows/Startup.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    tessra::PreferOffscreenPlatform();
    QApplication app(argc, argv);
    tessra::SetUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
