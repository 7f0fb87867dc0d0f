// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>

class QWidget;

// Voices of the outside vendor Cepstral read the user's pronunciations from
// a lexicon file of their own, one per voice folder, instead of the speech
// platform's lexicon. After every application of the user dictionary those
// files are written anew from the enabled entries of the voice's language.
class VocalyneVendorLexicons
{
public:
    struct Voice
    {
        QString name;    // the voice's folder name, "Allison"
        uint16_t langId; // the language its lexicon file holds
    };

    // The vendor's voices whose lexicon files the program keeps, by name.
    static const QList<Voice> &voices();

    // The folder name of an installed voice called voiceName: the name
    // without "Cepstral " when it contains that (with case), else empty (not
    // a vendor voice).
    static QString folderName(const QString &voiceName);

    // The folder holding the vendor's voice folders on this system.
    static QString defaultVoicesFolder();

    // The lexicon file of the voice folder folderName under voicesFolder.
    static QString lexiconPath(const QString &voicesFolder, const QString &folderName);

    // For every vendor voice among installedVoices that is in voices(), the
    // lexicon file under voicesFolder is deleted, created anew (writable by
    // its owner) and filled with lexiconTexts' text of the voice's language
    // (empty when the language has none). A file that cannot be opened or
    // written is reported in a critical box and the next voice follows.
    // Returns the files written whole.
    static QStringList rewrite(const QStringList &installedVoices,
                               const QMap<uint16_t, QString> &lexiconTexts,
                               const QString &voicesFolder, QWidget *parent = nullptr);
};
