#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    if (qEnvironmentVariableIsEmpty("TZ")) {
        qputenv("TZ", "UTC");
    }
    // The start-up lock lies in the user's cache folder: the tests keep theirs off the real one.
    qputenv("XDG_CACHE_HOME", VELARCANA_TEST_CACHE);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
