// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynelocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The relative install folders come from the build's install settings, so the
// lookup and the install rules cannot drift apart.
#ifndef VOCALYNE_INSTALL_BINDIR
#error "vocalyne_locations is built with the install folders defined"
#endif

namespace {

QString joined(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name;
}

// Whether folder is the relative install folder subfolder under some prefix;
// base gets that prefix without its trailing slash ("" for the root).
bool endsWithSubfolder(const QString &folder, const QString &subfolder, QString *base)
{
    const QString tail = QLatin1Char('/') + QDir::cleanPath(subfolder);
    if (!folder.endsWith(tail))
        return false;
    *base = folder.left(folder.size() - tail.size());
    return true;
}

QString runningProgramFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application object exists the kernel still knows the file.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

} // namespace

VocalyneLocations::VocalyneLocations(const QString &programFolder)
{
    const QString folder = QDir::cleanPath(programFolder);
    for (const QString &subfolder : {installedProgramSubfolder(), installedHelperSubfolder()}) {
        QString base;
        // A build folder may well be called "bin" too; only an install tree has
        // the data folder beside it.
        if (!endsWithSubfolder(folder, subfolder, &base) ||
            !QFileInfo(joined(base, installedDataSubfolder())).isDir())
            continue;
        m_prefix = base.isEmpty() ? QStringLiteral("/") : base;
        m_programs = joined(base, installedProgramSubfolder());
        m_helpers = joined(base, installedHelperSubfolder());
        m_data = joined(base, installedDataSubfolder());
        m_translations = joined(base, installedTranslationsSubfolder());
        return;
    }
    m_programs = m_helpers = m_data = m_translations = folder;
}

const VocalyneLocations &VocalyneLocations::current()
{
    static const VocalyneLocations locations(runningProgramFolder());
    return locations;
}

QString VocalyneLocations::installedProgramSubfolder()
{
    return QStringLiteral(VOCALYNE_INSTALL_BINDIR);
}

QString VocalyneLocations::installedHelperSubfolder()
{
    return QStringLiteral(VOCALYNE_INSTALL_HELPERDIR);
}

QString VocalyneLocations::installedDataSubfolder()
{
    return QStringLiteral(VOCALYNE_INSTALL_DATADIR);
}

QString VocalyneLocations::installedTranslationsSubfolder()
{
    return QStringLiteral(VOCALYNE_INSTALL_TRANSLATIONSDIR);
}

QString VocalyneLocations::program(const QString &name) const
{
    return joined(m_programs, name);
}

QString VocalyneLocations::helper(const QString &name) const
{
    return joined(m_helpers, name);
}

QString VocalyneLocations::data(const QString &relativePath) const
{
    return joined(m_data, relativePath);
}
