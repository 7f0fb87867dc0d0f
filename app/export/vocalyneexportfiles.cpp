// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneexportfiles.h"

QString VocalyneExportFiles::token()
{
    return QStringLiteral("5e2a9d7c41b80f36e9d4a1c7b2f05e83");
}

QString VocalyneExportFiles::instanceSharedMemoryKey(qint64 processId)
{
    return token() + QString::number(processId);
}

QString VocalyneExportFiles::intermediatePath(const QString &outputPath)
{
    return outputPath.left(qMax(0, int(outputPath.size()) - 4)) + token() +
           QStringLiteral("__.wav");
}

QString VocalyneExportFiles::partialPath(const QString &path, qint64 processId)
{
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    const QString folder = path.left(slash + 1);
    const QString name = path.mid(slash + 1);
    return folder + QLatin1Char('.') + name + QLatin1Char('.') + QString::number(processId) +
           QStringLiteral(".part");
}

QString VocalyneExportFiles::join(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}
