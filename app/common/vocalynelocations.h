// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>

/// Where a program of the suite finds the other programs and the read-only data
/// that ship with it. Free of widgets; every program uses it.
///
/// In the build tree every program, helper and data file lies in one folder
/// (build/bin; test programs have copies in build/tests), so all the folders
/// below are the program's own folder. In an install tree the files are spread
/// over the usual places under one prefix:
///
///   prefix/bin                        programs users start (Vocalyne, HalvernGlyphix)
///   prefix/lib/vocalyne               helper programs (VocalyneExporter, tesseract,
///                                     vocalyne-speech-host) and private libraries
///   prefix/share/vocalyne             help, local pages, dictionaries, extensions
///   prefix/share/vocalyne/translations  translation catalogues
///
/// A program lying in prefix/bin or prefix/lib/vocalyne, where
/// prefix/share/vocalyne exists, is an installed one; anything else is taken
/// as a build tree. The prefix is found from the program's own folder, so an
/// install under any prefix or staging folder works. Nothing here writes.
class VocalyneLocations
{
public:
    /// Resolves the folders for a program lying in programFolder.
    explicit VocalyneLocations(const QString &programFolder);

    /// The folders of the running program (its canonical folder, symbolic
    /// links resolved), resolved once.
    static const VocalyneLocations &current();

    /// The relative install folders this build was made with ("bin",
    /// "lib/vocalyne", "share/vocalyne", "share/vocalyne/translations").
    static QString installedProgramSubfolder();
    static QString installedHelperSubfolder();
    static QString installedDataSubfolder();
    static QString installedTranslationsSubfolder();

    /// True for an install tree, false for a build tree.
    bool isInstalled() const { return !m_prefix.isEmpty(); }
    /// The install prefix (empty in a build tree).
    QString prefix() const { return m_prefix; }

    /// The folder of the programs users start.
    QString programDirectory() const { return m_programs; }
    /// The folder of the helper programs that the programs start themselves.
    QString helperDirectory() const { return m_helpers; }
    /// The folder of the read-only data: help, pages, dictionaries, extensions.
    QString dataDirectory() const { return m_data; }
    /// The folder of the program's own translation catalogues.
    QString translationsDirectory() const { return m_translations; }

    /// Full paths of one user program, helper program or data file (relative
    /// to the data folder); whether they exist is the caller's to check.
    QString program(const QString &name) const;
    QString helper(const QString &name) const;
    QString data(const QString &relativePath) const;

private:
    QString m_prefix;
    QString m_programs;
    QString m_helpers;
    QString m_data;
    QString m_translations;
};
