// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "speechtextescaper.h"

#include <algorithm>

namespace {

const char *entityFor(QChar c)
{
    switch (c.unicode()) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    case '\'':
        return "&apos;";
    default:
        return nullptr;
    }
}

// XML 1.0 forbids most control characters even as references.
bool allowedInXml(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x20)
        return u == 0x09 || u == 0x0A || u == 0x0D;
    return u != 0xFFFE && u != 0xFFFF;
}

} // namespace

SpeechTextEscaper::SpeechTextEscaper(const QString &text) : m_originalLength(int(text.size()))
{
    m_escaped.reserve(text.size() + text.size() / 16);
    int extra = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (const char *entity = entityFor(c)) {
            const int length = int(qstrlen(entity));
            m_shiftAt.append(int(m_escaped.size()));
            m_entityLength.append(length);
            extra += length - 1;
            m_shiftTotal.append(extra);
            m_escaped.append(QLatin1String(entity));
        } else if (c.isSurrogate()) {
            // A lone surrogate half cannot be written as UTF-8.
            const bool paired = c.isHighSurrogate()
                                    ? i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                                    : i > 0 && text.at(i - 1).isHighSurrogate();
            m_escaped.append(paired ? c : QLatin1Char(' '));
        } else {
            m_escaped.append(allowedInXml(c) ? c : QLatin1Char(' '));
        }
    }
}

int SpeechTextEscaper::originalPosition(int index) const
{
    index = std::clamp(index, 0, int(m_escaped.size()));
    // The last entity starting at or before index.
    const auto it = std::upper_bound(m_shiftAt.cbegin(), m_shiftAt.cend(), index);
    if (it == m_shiftAt.cbegin())
        return std::min(index, m_originalLength);
    const int k = int(it - m_shiftAt.cbegin()) - 1;
    const int entityStart = m_shiftAt.at(k);
    const int before = k > 0 ? m_shiftTotal.at(k - 1) : 0;
    if (index < entityStart + m_entityLength.at(k))
        return entityStart - before; // inside the entity: its character
    return std::min(index - m_shiftTotal.at(k), m_originalLength);
}

std::pair<int, int> SpeechTextEscaper::originalRange(int first, int last) const
{
    const int start = originalPosition(first);
    const int end = std::max(start, originalPosition(last) + 1);
    return {start, std::min(end, m_originalLength)};
}
