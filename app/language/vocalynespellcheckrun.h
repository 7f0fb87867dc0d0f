// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

/// One unknown word of a check run: the word as it stands in the text and
/// the form the spell-checking library looks up.
struct VocalyneMisspelling
{
    QString word;
    QByteArray key;
};

/// The check run over a document's plain text, and the suggestions as the
/// spell checker dialog shows them. Widget-free.
class VocalyneSpellCheckRun
{
public:
    /// Every word of text that the library does not know, once per
    /// occurrence, in document order. A word is a run of letters, digits,
    /// marks and underscores; an apostrophe between two letters ("don't",
    /// "l’homme") stays inside it, any other character separates words.
    /// Words shorter than two characters and decimal integers are skipped.
    /// Each distinct word is looked up once per run.
    static QList<VocalyneMisspelling> unknownWords(const QString &text);

    /// The library's form of a word: lower case, composed, plain apostrophe,
    /// UTF-8.
    static QByteArray lookupKey(const QString &word);

    /// The library's suggestions for word, best first, each with its first
    /// letter upper-cased when word starts with an upper-case letter.
    static QStringList suggestionsFor(const VocalyneMisspelling &misspelling);
};
