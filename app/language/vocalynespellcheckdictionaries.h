// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QList>
#include <QString>

class QSettings;

/// One entry of the spell-check dictionary list.
struct VocalyneSpellCheckDictionary
{
    QString name;
    QString path;
    bool enabled = false;
    bool isDefault = false;
};

/// The spell-check dictionary list in the settings group
/// "SpellCheckDictionaries" (numbered subgroups with name, path, isEnabled,
/// isDefault), its start-up load into the spell-checking library and the
/// words the user adds to the default dictionary. Shows nothing itself.
class VocalyneSpellCheckDictionaries
{
public:
    /// File names of the dictionaries that ship in the program's folder.
    static QString englishFileName();
    static QString germanFileName();

    /// The list in subgroup order.
    static QList<VocalyneSpellCheckDictionary> read(QSettings &settings);
    /// Removes the group and writes the list again, row by row.
    static void write(QSettings &settings, const QList<VocalyneSpellCheckDictionary> &list);

    /// At first run (no "SpellCheckDictionaries/0/name"): writes the shipped
    /// English dictionary in programDir as the enabled default and the
    /// shipped German one as a disabled entry. True when it wrote.
    static bool writeFirstRunDefaults(QSettings &settings, const QString &programDir);

    /// Loads every enabled dictionary into the library in list order: the
    /// first one starts the word list anew, later ones are added. Returns
    /// the entries that could not be loaded.
    static QList<VocalyneSpellCheckDictionary> loadEnabled(QSettings &settings);
    /// "The spell checker dictionary '%1' (path: '%2') cannot be loaded..."
    static QString loadFailureText(const VocalyneSpellCheckDictionary &dictionary);

    /// Appends word in lower case as a line of the default dictionary's file.
    /// A default dictionary that ships in programDir is first copied to the
    /// per-user data folder (the program's folder may not be writable; an
    /// earlier copy is kept with its words) and the settings are pointed at
    /// the copy. A file whose last line has no line end gets one first, so
    /// the new word never joins the last one. False when the file cannot be
    /// written: failedPath and errorText then say which and why. True also
    /// when there is no default dictionary (nothing to write).
    static bool appendWordToDefault(QSettings &settings, const QString &word,
                                    const QString &programDir, QString *failedPath,
                                    QString *errorText);
};
