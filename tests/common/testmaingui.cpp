// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "testhome.h"

// Each test process gets a home of its own, so its settings and data files
// touch neither a developer's own nor those of tests running beside it.
int main(int argc, char **argv)
{
    isolateTestHome();
    // Widget tests never need a display, also when listed by test discovery.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
