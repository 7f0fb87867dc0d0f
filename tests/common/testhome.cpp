// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "testhome.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

void isolateTestHome()
{
    // Static so that the folder outlives every test and is removed at exit.
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/vocalyne-test-XXXXXX"));
    if (!home.isValid())
        qFatal("cannot create a temporary home for the test");
    const QByteArray path = QFile::encodeName(home.path());
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/.config");
    qputenv("XDG_DATA_HOME", path + "/.local/share");
    qputenv("XDG_CACHE_HOME", path + "/.cache");
}
