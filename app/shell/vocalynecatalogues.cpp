// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynecatalogues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>

VocalyneCatalogues::VocalyneCatalogues(const QString &program, const QString &localeName,
                                       const QString &programFolder)
{
    // Qt's catalogue goes in first: translators installed later are asked
    // first, so the program's own wording wins where both have a text.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    m_toolkitFile = installFirst(m_toolkit, programFolder, QStringLiteral("qt_"), localeName);
    if (m_toolkitFile.isEmpty())
        m_toolkitFile = installFirst(m_toolkit, qtFolder, QStringLiteral("qtbase_"), localeName);
    if (m_toolkitFile.isEmpty())
        m_toolkitFile = installFirst(m_toolkit, qtFolder, QStringLiteral("qt_"), localeName);
    m_programFile = installFirst(m_program, programFolder, program + QLatin1Char('_'), localeName);
}

VocalyneCatalogues::~VocalyneCatalogues()
{
    if (!m_programFile.isEmpty())
        QCoreApplication::removeTranslator(&m_program);
    if (!m_toolkitFile.isEmpty())
        QCoreApplication::removeTranslator(&m_toolkit);
}

QStringList VocalyneCatalogues::localeCandidates(const QString &localeName)
{
    // A locale from the environment may carry a code set and a modifier.
    QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return {};
    // Only letters, digits and "_": the name becomes part of a file name.
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z0-9_]+$"));
    if (!valid.match(name).hasMatch())
        return {};
    QStringList candidates{name};
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    if (language != name && !language.isEmpty())
        candidates.append(language);
    return candidates;
}

QStringList VocalyneCatalogues::files(const QString &folder, const QString &prefix,
                                      const QString &localeName)
{
    QStringList found;
    if (folder.isEmpty())
        return found;
    const QDir dir(folder);
    for (const QString &candidate : localeCandidates(localeName)) {
        const QString path = dir.filePath(prefix + candidate + QStringLiteral(".qm"));
        if (QFileInfo(path).isFile())
            found.append(path);
    }
    return found;
}

QString VocalyneCatalogues::installFirst(QTranslator &translator, const QString &folder,
                                         const QString &prefix, const QString &localeName)
{
    // A damaged or empty file does not load; the next candidate is tried.
    for (const QString &file : files(folder, prefix, localeName))
        if (translator.load(file) && !translator.isEmpty() &&
            QCoreApplication::installTranslator(&translator))
            return file;
    return QString();
}
