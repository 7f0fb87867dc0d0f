// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QVector>

/// Text from a page or a mail, made safe to hand to the voice as speech XML:
/// the five markup characters become entities, so whatever the text holds is
/// spoken as text and can neither change the voice nor silence the reader.
/// Characters XML cannot carry become blanks. Word positions the voice
/// reports in the escaped text lead back to the original text.
class SpeechTextEscaper
{
public:
    explicit SpeechTextEscaper(const QString &text);

    const QString &escaped() const { return m_escaped; }

    /// The original position of escaped position `index` (clamped to the
    /// text): an entity's characters all lead to the character it stands for.
    int originalPosition(int index) const;

    /// The original range [start, end) of the escaped inclusive range
    /// first..last, as the voice reports words.
    std::pair<int, int> originalRange(int first, int last) const;

private:
    QString m_escaped;
    // Original position of each escaped character where they differ; most
    // texts have few markup characters, so only the shifts are kept.
    QVector<int> m_shiftAt;    ///< escaped index where an entity starts
    QVector<int> m_shiftTotal; ///< total extra characters up to that entity's end
    QVector<int> m_entityLength;
    int m_originalLength = 0;
};
