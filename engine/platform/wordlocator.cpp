// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "wordlocator.h"

#include "charclasses.h"

#include <algorithm>

namespace qvsp {

namespace {

bool isBlank(char32_t c)
{
    return CharClasses::isBlank(c);
}
bool isPunctuation(char32_t c)
{
    return CharClasses::isPunctuation(c);
}
bool isHan(char32_t c)
{
    return CharClasses::isHan(c);
}

} // namespace

bool WordLocator::locate(int position, uint32_t &start, uint32_t &length)
{
    const std::u32string &cps = m_piece.codePoints;
    if (cps.empty())
        return false;
    size_t i = position > 0 ? size_t(position - 1) : 0;
    // Read-out punctuation comes with positions far beyond the text (a
    // flag bit on top of the mark's place); such a mark is not a word.
    if (i >= cps.size())
        return false;
    // On a blank: the word that follows it, else the one before.
    if (isBlank(cps[i])) {
        size_t j = i;
        while (j < cps.size() && isBlank(cps[j]))
            ++j;
        if (j == cps.size()) {
            while (i > 0 && isBlank(cps[i]))
                --i;
            if (isBlank(cps[i]))
                return false;
        } else {
            i = j;
        }
    }
    size_t first = i;
    while (first > 0 && !isBlank(cps[first - 1]))
        --first;
    size_t last = i;
    while (last + 1 < cps.size() && !isBlank(cps[last + 1]))
        ++last;

    // Within the blank-separated token, a word is a run of letters and
    // digits, joined by single inner marks ("it's", "e-mail", "AT&T",
    // "3.14"); markup read as text ("'6'/>Hello") holds several.
    auto isLetter = [&](size_t k) { return !isPunctuation(cps[k]); };
    auto joins = [&](size_t k) {
        const char32_t c = cps[k];
        const bool joiner = c == '\'' || c == 0x2019 || c == '-' || c == '.' || c == ',' ||
                            c == '&' || c == '_' || c == '@' || c == ':';
        return joiner && k > first && k < last && isLetter(k - 1) && isLetter(k + 1);
    };
    auto inWord = [&](size_t k) { return isLetter(k) || joins(k); };
    size_t from = first;
    size_t to = last;
    bool anyLetter = false;
    for (size_t k = first; k <= last; ++k)
        anyLetter = anyLetter || isLetter(k);
    if (anyLetter) {
        if (!inWord(i))
            return false; // a mark the synthesiser reads out; its word comes next
        from = i;
        to = i;
        if (!isHan(cps[i])) {
            while (from > first && inWord(from - 1) && !isHan(cps[from - 1]))
                --from;
            while (to < last && inWord(to + 1) && !isHan(cps[to + 1]))
                ++to;
        }
    }
    // Otherwise the token is all punctuation, spoken as such: keep it whole.

    if (from == m_lastWord)
        return false;
    if (m_lastWord != size_t(-1) && from < m_lastWord)
        return false; // the synthesiser looked back; the host has moved on
    {
        // Code points that share their source (a pronunciation's phonemes
        // all stand for the words they replace) make one word, however
        // many the synthesiser names among them.
        uint32_t sharedStart = 0;
        uint32_t sharedLength = 0;
        sourceRange(from, to, sharedStart, sharedLength);
        if (sharedLength > 0 && sharedStart < m_reportedEnd) {
            m_lastWord = from;
            m_lastWordEnd = to;
            return false;
        }
    }
    m_skipped.clear();
    if (m_lastWordEnd == size_t(-1))
        collectSkipped(0, from); // words the piece opens with, unnamed
    else if (m_lastWordEnd + 1 < from)
        collectSkipped(m_lastWordEnd + 1, from);
    m_lastWord = from;
    m_lastWordEnd = to;

    sourceRange(from, to, start, length);
    m_reportedEnd = std::max(m_reportedEnd, start + length);
    return length > 0;
}

std::vector<std::pair<uint32_t, uint32_t>> WordLocator::remainingWords()
{
    m_skipped.clear();
    const size_t from = m_lastWordEnd == size_t(-1) ? 0 : m_lastWordEnd + 1;
    if (from < m_piece.codePoints.size())
        collectSkipped(from, m_piece.codePoints.size());
    m_lastWord = m_lastWordEnd = m_piece.codePoints.size();
    return std::move(m_skipped);
}

void WordLocator::collectSkipped(size_t from, size_t to)
{
    // Blank-separated tokens strictly between the two named words; only
    // tokens with letters or digits are words (a dash is not read).
    const std::u32string &cps = m_piece.codePoints;
    size_t k = from;
    while (k < to) {
        while (k < to && isBlank(cps[k]))
            ++k;
        size_t first = k;
        while (k < to && !isBlank(cps[k]))
            ++k;
        size_t last = k;
        while (first < last && isPunctuation(cps[first]))
            ++first;
        while (last > first && isPunctuation(cps[last - 1]))
            --last;
        if (first < last) {
            uint32_t start = 0;
            uint32_t length = 0;
            sourceRange(first, last - 1, start, length);
            // Code points that share their source (a pronunciation's
            // phonemes all stand for the words they replace) are reported
            // once.
            if (length > 0 && start >= m_reportedEnd) {
                m_skipped.emplace_back(start, length);
                m_reportedEnd = start + length;
            }
        }
    }
}

bool WordLocator::locateSentence(int position, uint32_t &start, uint32_t &length)
{
    const std::u32string &cps = m_piece.codePoints;
    size_t from = position > 0 ? size_t(position - 1) : 0;
    while (from < cps.size() && isBlank(cps[from]))
        ++from;
    if (from >= cps.size() || from == m_lastSentence ||
        (m_lastSentence != size_t(-1) && from < m_lastSentence))
        return false;
    m_lastSentence = from;
    size_t to = from;
    while (to + 1 < cps.size()) {
        const char32_t c = cps[to];
        if ((c == '.' || c == '!' || c == '?') && isBlank(cps[to + 1]))
            break;
        ++to;
    }
    while (to > from && isBlank(cps[to]))
        --to;
    sourceRange(from, to, start, length);
    return length > 0;
}

void WordLocator::sourceRange(size_t from, size_t to, uint32_t &start, uint32_t &length) const
{
    start = m_piece.starts[from];
    uint32_t end = m_piece.ends[to];
    for (size_t k = from; k <= to; ++k) { // several code points may share one source
        start = std::min(start, m_piece.starts[k]);
        end = std::max(end, m_piece.ends[k]);
    }
    length = end > start ? end - start : 0;
}

} // namespace qvsp
