// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynespellcheckrun.h"

#include "vocalynesc.h"

#include <QHash>

#include <string>
#include <vector>

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_') || c.isSurrogate();
}

bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

bool isDecimalInteger(QStringView word)
{
    for (QChar c : word)
        if (!c.isDigit())
            return false;
    return true;
}

} // namespace

QList<VocalyneMisspelling> VocalyneSpellCheckRun::unknownWords(const QString &text)
{
    QList<VocalyneMisspelling> unknown;
    // Documents repeat their words; the library answers each one once.
    QHash<QString, bool> known;
    const qsizetype length = text.size();
    qsizetype i = 0;
    while (i < length) {
        while (i < length && !isWordChar(text.at(i)))
            ++i;
        const qsizetype start = i;
        while (i < length) {
            if (isWordChar(text.at(i))) {
                ++i;
            } else if (isApostrophe(text.at(i)) && i > start && i + 1 < length &&
                       text.at(i - 1).isLetter() && text.at(i + 1).isLetter()) {
                ++i;
            } else {
                break;
            }
        }
        const QStringView word = QStringView(text).mid(start, i - start);
        if (word.size() < 2 || isDecimalInteger(word))
            continue;
        const QString wordText = word.toString();
        auto it = known.constFind(wordText);
        if (it == known.constEnd()) {
            const QByteArray key = lookupKey(wordText);
            it = known.insert(wordText, QVSCIsWordKnown(key.constData()));
        }
        if (!it.value())
            unknown.append({wordText, lookupKey(wordText)});
    }
    return unknown;
}

QByteArray VocalyneSpellCheckRun::lookupKey(const QString &word)
{
    QString key = word.toLower();
    key.replace(QChar(0x2019), QLatin1Char('\''));
    return key.normalized(QString::NormalizationForm_C).toUtf8();
}

QStringList VocalyneSpellCheckRun::suggestionsFor(const VocalyneMisspelling &misspelling)
{
    std::vector<std::string> found;
    QVSCSuggestWords(misspelling.key.constData(), found);
    const bool capital = !misspelling.word.isEmpty() && misspelling.word.at(0).isUpper();
    QStringList suggestions;
    suggestions.reserve(qsizetype(found.size()));
    for (const std::string &entry : found) {
        QString suggestion = QString::fromUtf8(entry.data(), qsizetype(entry.size()));
        if (capital && !suggestion.isEmpty())
            suggestion = suggestion.left(1).toUpper() + suggestion.mid(1);
        suggestions.append(suggestion);
    }
    return suggestions;
}
