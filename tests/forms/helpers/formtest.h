#pragma once
// main() of a window test: the application styled as the program is, so
// the windows are laid out with the program's font.

#include "forms/widgets/appstyle.h"

#include <QApplication>
#include <QtTest>

#define PRUZ_FORM_TEST_MAIN(TestClass)                                                                       \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        QApplication app(argc, argv);                                                                        \
        applyAppStyle(app);                                                                                  \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
