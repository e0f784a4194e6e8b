// Test program of the views: a QGuiApplication (fonts for the texts drawn into images) on the
// offscreen platform, then every test. TV_VIEWS_PNG=<folder> also writes the pictures that the
// tests draw as PNG files there, for looking at them.
#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
