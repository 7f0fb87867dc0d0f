// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include <QCoreApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// Tests share one QCoreApplication; settings and data files go to the test
// locations so that a developer's own settings are never touched.
int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
