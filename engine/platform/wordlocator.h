// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechpiece.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace qvsp {

// Turns the synthesiser's word positions within one piece into ranges of
// the original text. The synthesiser's own idea of a word wanders (it
// splits "e-mail" and numbers, repeats a word it spells, names a mark it
// reads out), so a position is widened to the word of the piece that holds
// it: letters and digits joined by single inner marks, or a token that is
// punctuation only. Each word is reported once however often it is named.
class WordLocator
{
public:
    explicit WordLocator(const SpeechPiece &piece) : m_piece(piece) {}

    // position: the synthesiser's 1-based code point position. True with
    // start and length (UTF-16 units of the original text) when this is a
    // word not reported before.
    bool locate(int position, uint32_t &start, uint32_t &length);
    // The words the synthesiser passed over silently since the last word it
    // named, or since the piece's start (it speaks pairs such as "from the"
    // as one dictionary entry and names only the first), as ranges of the
    // original text; filled by the last successful locate().
    const std::vector<std::pair<uint32_t, uint32_t>> &skippedWords() const { return m_skipped; }
    // The words after the last one named (all of them when none was): the
    // synthesiser speaks a phrase's last words ("it is", "a row") without
    // naming them, and the piece ends before a later named word could
    // bring them along.
    std::vector<std::pair<uint32_t, uint32_t>> remainingWords();
    // True once locate() has named a word of this piece.
    bool anyWordNamed() const { return m_lastWord != size_t(-1); }
    // The same for a sentence: from the position's word up to and with the
    // next full stop, question or exclamation mark (or the piece's end).
    bool locateSentence(int position, uint32_t &start, uint32_t &length);

private:
    void sourceRange(size_t from, size_t to, uint32_t &start, uint32_t &length) const;

    const SpeechPiece &m_piece;
    void collectSkipped(size_t from, size_t to);

    uint32_t m_reportedEnd = 0; // source index after the last range reported
    size_t m_lastWord = size_t(-1);
    size_t m_lastWordEnd = size_t(-1);
    std::vector<std::pair<uint32_t, uint32_t>> m_skipped;
    size_t m_lastSentence = size_t(-1);
};

} // namespace qvsp
