// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechpiece.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace qvsp {

// Cuts a queued text into pieces for the synthesiser, a few at a time, so
// that speech of a long text starts before the rest has even been read.
// In XML mode it interprets the speech markup (voice, rate, volume, pitch,
// silence, pron, emph, spell, bookmark; entities and character references)
// and never speaks it; unknown elements are skipped and their text spoken.
// In plain mode every character is text.
class SpeechTextReader
{
public:
    // text must outlive the reader.
    SpeechTextReader(const std::u16string &text, bool xml);

    // The next piece; false at the end of the text, or once cancelled.
    bool next(SpeechPiece &piece);

    // Asked every few thousand characters while reading; true abandons the
    // text, so that a stop never waits for a long stretch of markup that
    // yields no piece. Must outlive the reader.
    void setCancelCheck(const std::function<bool()> *cancelled) { m_cancelled = cancelled; }

    // The language of the voice the text was queued with (American English
    // unless set): a pron element's sym is written in the phones of the
    // voice that speaks it, which is this one unless markup chose another.
    void setLanguage(uint16_t language) { m_language = language; }

    // Text pieces end at a sentence end once this long, at any blank once
    // kMaximumLength long, and anywhere at twice that. Every piece is a
    // synthesis call of its own, and the synthesiser ends each call with a
    // pause longer than a full stop's inside a text: long pieces keep the
    // speech close to the synthesiser's own reading of the text, while the
    // synthesiser still delivers the first audio of a piece after its first
    // clause.
    static constexpr size_t kPreferredLength = 1000;
    static constexpr size_t kMaximumLength = 2000;

private:
    struct Tag
    {
        std::string name; // lower case; "/name" for an end tag
        std::vector<std::pair<std::string, std::u16string>> attributes;
        bool empty = false;
    };

    void readSome();
    void readTag();
    void readEntity();
    bool parseTag(size_t begin, size_t end, Tag &tag) const;
    void applyTag(const Tag &tag, size_t begin, size_t end);
    void applyState(const Tag &tag);
    void finishPron(size_t contentEnd, size_t tagEnd);
    void append(char32_t cp, uint32_t start, uint32_t end);
    void flush(bool endsSentence);

    const std::u16string &m_text;
    bool m_xml;
    size_t m_pos = 0;
    ProsodyState m_state;
    std::vector<std::pair<std::string, ProsodyState>> m_scopes;
    // Per element name, where its open scopes sit in m_scopes (innermost
    // last), so that an end tag finds its scope at once however many other
    // elements are open.
    std::map<std::string, std::vector<size_t>> m_openScopes;
    const std::function<bool()> *m_cancelled = nullptr;
    uint16_t m_language = 0x0409;
    bool m_abandoned = false;
    SpeechPiece m_current;
    std::deque<SpeechPiece> m_ready;
    // Inside <pron sym="..."> ... </pron>: the content is replaced by sym.
    bool m_inPron = false;
    std::u16string m_pronSym;
    size_t m_pronBegin = 0;
    size_t m_pronContent = 0;
};

} // namespace qvsp
