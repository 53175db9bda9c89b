// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for every widget test of an executable, on Qt's offscreen platform, and no
// real message box ever: a test that does not install a recorder fails when a box would show.
#include <gtest/gtest.h>

#include <QApplication>

#include "message_recorder.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavimor"));
    testing::InitGoogleTest(&argc, argv);
    tavimor::testing::ForbidRealMessageBoxes();
    return RUN_ALL_TESTS();
}
