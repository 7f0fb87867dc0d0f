// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>

class QWidget;

// The user dictionary: the user's pronunciations, kept in the settings
// group "UserDictionary" (one numbered subgroup per entry) and written into
// the voices' lexicon through the engine.
class VocalyneUserDictionary
{
public:
    struct Entry
    {
        QString source;         // the word as written
        QString target;         // its phonemes, separated by single blanks
        QString langName;       // the phoneme tab it was composed on
        uint16_t langId = 0;    // that tab's language identifier
        QString partOfSpName;   // the speech role's display name
        int32_t partOfSpId = 0; // the speech role's value
        bool isPhoneme = true;
        bool isEnabled = true;
    };

    // An enabled entry the lexicon refused, with the engine's result.
    struct Failure
    {
        QString source;
        int32_t result = 0;
    };

    // The engine's add-or-remove call (MSSAPIAddRemoveWord).
    using AddRemoveWord = int32_t (*)(const char *word, const char *phonemes, uint32_t language,
                                      int32_t partOfSpeech, unsigned char remove);

    // The stored entries, in the order the settings list their subgroups.
    static QList<Entry> load();
    // Replaces the whole group with entries, numbered from 0 in order.
    static void save(const QList<Entry> &entries);

    // Removes every removed entry from the lexicon (results ignored), adds
    // every enabled stored entry (a failure is reported with a critical box,
    // or appended to failures where given, and the rest go on) and actively
    // removes every disabled one. Returns the lexicon text per language of
    // the enabled entries, one line each: lower-case word, " 0 ", phonemes.
    // Shows nothing when failures is given, so it may run on any thread.
    static QMap<uint16_t, QString> apply(const QList<Entry> &stored, const QList<Entry> &removed,
                                         AddRemoveWord addRemoveWord, QWidget *parent = nullptr,
                                         QList<Failure> *failures = nullptr);
    // One critical box per failure.
    static void reportFailures(const QList<Failure> &failures, QWidget *parent = nullptr);
    // The names of the engine's voices, in catalogue order.
    static QStringList installedVoiceNames();

    // Applies the stored entries and removed to the voices: to the engine's
    // lexicon as apply() does, then to the lexicon files of the installed
    // vendor voices under voicesFolder (the vendor's own folder when empty).
    static void applyToVoices(const QList<Entry> &removed, QWidget *parent = nullptr,
                              const QString &voicesFolder = QString());
};
