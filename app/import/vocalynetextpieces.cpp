// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynetextpieces.h"

#include "vocalyneextractionresult.h"
#include "vocalyneextractionsink.h"

namespace {

bool isBreakOrTab(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\t');
}

// Where to cut a text that is longer than a piece: after the last space in
// the allowed range when there is one in its second half, so a word is not
// torn apart; never between the halves of a surrogate pair.
int cutPosition(QStringView text, int limit)
{
    for (int i = limit; i > limit / 2; --i)
        if (text.at(i - 1).isSpace())
            return i;
    if (text.at(limit - 1).isHighSurrogate())
        return limit - 1;
    return limit;
}

} // namespace

QString VocalyneTextPieces::normalized(QStringView text)
{
    QString out;
    out.reserve(text.size());
    bool pendingSpace = false;
    for (const QChar c : text) {
        if (isBreakOrTab(c)) {
            // A line break or tab replaces the spaces around it.
            pendingSpace = false;
            if (!out.isEmpty() && out.back() == QLatin1Char(' '))
                out.chop(1);
            if (!out.isEmpty())
                out.append(c);
            continue;
        }
        if (c.isSpace() || c.unicode() == 0 || c.category() == QChar::Other_Control) {
            pendingSpace = true;
            continue;
        }
        if (pendingSpace && !out.isEmpty() && !isBreakOrTab(out.back()))
            out.append(QLatin1Char(' '));
        pendingSpace = false;
        out.append(c);
    }
    while (!out.isEmpty() && (out.back().isSpace()))
        out.chop(1);
    return out;
}

bool VocalyneTextPieces::paragraph(QStringView text)
{
    if (m_stopped)
        return false;
    const QString clean = normalized(text);
    if (clean.isEmpty())
        return true;
    m_sawText = true;

    if (!m_buffer.isEmpty() && m_buffer.size() + 1 + clean.size() > MaxPiece && !flush())
        return false;
    if (clean.size() <= MaxPiece) {
        if (!m_buffer.isEmpty())
            m_buffer.append(QLatin1Char('\n'));
        m_buffer.append(clean);
        return true;
    }

    // Too long for one piece: the paragraph goes out in parts of its own.
    if (!flush())
        return false;
    QStringView rest(clean);
    bool first = true;
    while (rest.size() > MaxPiece) {
        const int cut = cutPosition(rest, MaxPiece);
        if (!deliver(rest.left(cut).toString(), first))
            return false;
        rest = rest.mid(cut);
        first = false;
    }
    return deliver(rest.toString(), false);
}

bool VocalyneTextPieces::checkpoint()
{
    if (m_stopped)
        return false;
    if (!m_sink.keepGoing())
        m_stopped = true;
    return !m_stopped;
}

void VocalyneTextPieces::finish()
{
    // Text gathered before a stop was extracted already: it is kept.
    if (m_buffer.isEmpty())
        return;
    const QString text = m_buffer;
    m_buffer.clear();
    m_delivered += text.size();
    if (!m_sink.piece(text, true))
        m_stopped = true;
}

bool VocalyneTextPieces::flush()
{
    if (m_buffer.isEmpty())
        return !m_stopped;
    const QString text = m_buffer;
    m_buffer.clear();
    return deliver(text, true);
}

bool VocalyneTextPieces::deliver(const QString &text, bool newParagraph)
{
    if (m_stopped)
        return false;
    m_delivered += text.size();
    if (!m_sink.piece(text, newParagraph))
        m_stopped = true;
    return !m_stopped;
}

int VocalyneTextPieces::result() const
{
    return m_delivered > 0 ? VocalyneExtraction::TextExtracted : VocalyneExtraction::NoText;
}
