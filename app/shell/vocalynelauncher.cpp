// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynelauncher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

VocalyneLauncher *g_installed = nullptr;

} // namespace

VocalyneLauncher::~VocalyneLauncher() = default;

bool VocalyneLauncher::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool VocalyneLauncher::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

QString VocalyneLauncher::findExecutable(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

VocalyneLauncher *VocalyneLauncher::instance()
{
    static VocalyneLauncher builtIn;
    return g_installed ? g_installed : &builtIn;
}

void VocalyneLauncher::setInstance(VocalyneLauncher *launcher)
{
    g_installed = launcher;
}
