// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynehelpfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace VocalyneHelpFiles {

QString helpPage(const QString &directory, const QString &localeName, const QString &languageName,
                 const QString &topic)
{
    const QDir dir(directory);
    const QString page = topic.isEmpty() ? QLatin1String(MainTopic) : topic;
    auto pathIn = [&](const QString &folder) {
        return dir.filePath(folder + QLatin1Char('/') + page);
    };
    // An empty locale or language name would name the general folder with a
    // trailing "_"; such candidates are skipped.
    for (const QString &suffix : {localeName, languageName}) {
        if (suffix.isEmpty())
            continue;
        const QString candidate = pathIn(QStringLiteral("VocalyneHelp_") + suffix);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return pathIn(QStringLiteral("VocalyneHelp"));
}

QString localPage(const QString &directory, const QString &baseName, const QString &localeName)
{
    const QDir dir(directory);
    const QString language = localeName.section(QLatin1Char('_'), 0, 0);
    for (const QString &suffix : {localeName, language}) {
        if (suffix.isEmpty())
            continue;
        const QString candidate =
            dir.filePath(baseName + QLatin1Char('_') + suffix + QStringLiteral(".html"));
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return dir.filePath(baseName + QStringLiteral(".html"));
}

QString systemLocaleName()
{
    return QLocale::system().name();
}

QString systemLanguageName()
{
    return QLocale::languageToString(QLocale::system().language());
}

} // namespace VocalyneHelpFiles
