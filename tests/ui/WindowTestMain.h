#pragma once
// The main function of a window test: the test picks the offscreen platform
// itself unless one is named, so it runs the same from ctest, from a shell
// on a desktop and under a virtual display, and never waits for a person.
#include <QApplication>
#include <QtTest>

#define KIROKAN_WINDOW_TEST_MAIN(TestObject)                                             \
    int main(int argc, char* argv[]) {                                                   \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                              \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                     \
        QApplication app(argc, argv);                                                    \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                         \
        TestObject test;                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                       \
        return QTest::qExec(&test, argc, argv);                                          \
    }
