// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

/// The translation catalogues of a program for the user's locale: Qt's own
/// (standard buttons, file and print dialogs) and the program's. Both are
/// installed for as long as the object lives. A catalogue that is missing is
/// skipped without a message: the program then shows its English texts.
class VocalyneCatalogues
{
public:
    /// Loads and installs the catalogues for localeName (a locale name such
    /// as "de_DE"; "de_DE" falls back to "de"). The program's catalogue is
    /// program + "_" + locale + ".qm" in programFolder. Qt's catalogue is
    /// "qt_" + locale in programFolder (a copy shipped with the program), else
    /// "qtbase_" or "qt_" + locale in Qt's own translations folder.
    VocalyneCatalogues(const QString &program, const QString &localeName,
                       const QString &programFolder);
    ~VocalyneCatalogues();

    VocalyneCatalogues(const VocalyneCatalogues &) = delete;
    VocalyneCatalogues &operator=(const VocalyneCatalogues &) = delete;

    /// The files installed; empty where none was found.
    QString programCatalogue() const { return m_programFile; }
    QString toolkitCatalogue() const { return m_toolkitFile; }

    /// The names tried for localeName, most specific first: "de_DE" gives
    /// "de_DE", "de"; "de_DE.UTF-8@euro" is read as "de_DE". "C" and "POSIX"
    /// give none, as English needs no catalogue.
    static QStringList localeCandidates(const QString &localeName);

    /// The existing files prefix + candidate + ".qm" in folder, most
    /// specific first.
    static QStringList files(const QString &folder, const QString &prefix,
                             const QString &localeName);

private:
    /// Installs the first of files() that loads into translator; returns
    /// its path, or an empty string.
    static QString installFirst(QTranslator &translator, const QString &folder,
                                const QString &prefix, const QString &localeName);

    QTranslator m_toolkit;
    QTranslator m_program;
    QString m_toolkitFile;
    QString m_programFile;
};
