// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "speechtextreader.h"

#include "charclasses.h"
#include "voicecatalogue.h"
#include "languageids.h"
#include "phonetable.h"
#include "textcodec.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace qvsp {

namespace {

bool isBlank(char32_t c)
{
    return CharClasses::isBlank(c);
}

bool isSentenceEnd(char32_t c)
{
    return c == '.' || c == '!' || c == '?' || c == ';' || c == ':';
}

std::string lower(std::string s)
{
    for (char &c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool toInt(const std::u16string &value, int &out)
{
    const std::string s = TextCodec::toUtf8(value);
    const char *begin = s.c_str();
    while (*begin == ' ')
        ++begin;
    char *end = nullptr;
    const long v = std::strtol(begin, &end, 10);
    if (end == begin)
        return false;
    out = static_cast<int>(std::clamp(v, -100000L, 100000L));
    return true;
}

const std::u16string *attribute(const std::vector<std::pair<std::string, std::u16string>> &list,
                                const char *name)
{
    for (const auto &a : list) {
        if (a.first == name)
            return &a.second;
    }
    return nullptr;
}

// "Name=espeak-ng German;Gender=Female": the voice the first usable
// condition names, or null.
std::shared_ptr<SynthVoiceToken> voiceFor(const std::u16string &conditions)
{
    const std::string all = TextCodec::toUtf8(conditions);
    size_t begin = 0;
    while (begin <= all.size()) {
        size_t end = all.find(';', begin);
        if (end == std::string::npos)
            end = all.size();
        const std::string item = all.substr(begin, end - begin);
        const size_t eq = item.find('=');
        if (eq != std::string::npos) {
            const std::string key = lower(item.substr(0, eq));
            const std::string value = item.substr(eq + 1);
            if (key == "name") {
                if (auto token = VoiceCatalogue::find(value))
                    return token;
            } else if (key == "language") {
                const unsigned long id = std::strtoul(value.c_str(), nullptr, 16);
                if (auto token = VoiceCatalogue::bestFor(uint16_t(id)))
                    return token;
            }
        }
        begin = end + 1;
    }
    return nullptr;
}

} // namespace

std::string SpeechPiece::utf8() const
{
    std::string out;
    out.reserve(codePoints.size());
    for (char32_t c : codePoints)
        TextCodec::appendUtf8(out, c);
    return out;
}

bool SpeechPiece::hasSpeech() const
{
    return std::any_of(codePoints.begin(), codePoints.end(),
                       [](char32_t c) { return !isBlank(c); });
}

SpeechTextReader::SpeechTextReader(const std::u16string &text, bool xml) : m_text(text), m_xml(xml)
{
    m_current.state = m_state;
}

bool SpeechTextReader::next(SpeechPiece &piece)
{
    size_t checked = m_pos;
    while (m_ready.empty() && m_pos < m_text.size() && !m_abandoned) {
        readSome();
        if (m_cancelled && m_pos - checked >= 4096) {
            checked = m_pos;
            m_abandoned = (*m_cancelled)();
        }
    }
    if (m_abandoned)
        return false;
    if (m_ready.empty() && m_pos >= m_text.size()) {
        if (m_inPron) // an unclosed <pron>: its content is spoken as it stands
            finishPron(m_text.size(), m_text.size());
        flush(true);
    }
    if (m_ready.empty())
        return false;
    piece = std::move(m_ready.front());
    m_ready.pop_front();
    return true;
}

void SpeechTextReader::readSome()
{
    const char16_t c = m_text[m_pos];
    if (m_xml && c == u'<') {
        readTag();
        return;
    }
    if (m_inPron) { // the content is replaced by the pronunciation
        ++m_pos;
        return;
    }
    if (m_xml && c == u'&') {
        readEntity();
        return;
    }
    size_t units;
    const char32_t cp = TextCodec::decodeAt(m_text, m_pos, units);
    append(cp, uint32_t(m_pos), uint32_t(m_pos + units));
    m_pos += units;
}

void SpeechTextReader::append(char32_t cp, uint32_t start, uint32_t end)
{
    if (cp < 0x20 && !isBlank(cp))
        cp = ' ';
    SpeechPiece &p = m_current;
    if (m_state.spell && !isBlank(cp) && !p.codePoints.empty() && !isBlank(p.codePoints.back())) {
        // Letter by letter: a blank of no width between the letters makes
        // each one a word of its own.
        p.codePoints.push_back(' ');
        p.starts.push_back(start);
        p.ends.push_back(start);
    }
    p.codePoints.push_back(cp);
    p.starts.push_back(start);
    p.ends.push_back(end);

    const size_t length = p.codePoints.size();
    if (length >= 2 * kMaximumLength) { // no blank for far too long
        flush(false);
        return;
    }
    if (!isBlank(cp) || length < kPreferredLength)
        return;
    size_t i = length - 1;
    while (i > 0 && isBlank(p.codePoints[i]))
        --i;
    if (cp == '\n' || isSentenceEnd(p.codePoints[i]))
        flush(true);
    else if (length >= kMaximumLength)
        flush(false);
}

void SpeechTextReader::flush(bool endsSentence)
{
    if (m_current.hasSpeech()) {
        m_current.kind = SpeechPiece::Text;
        // Markup that cuts a piece after a full stop still leaves the
        // sentence's pause in place.
        const auto &cps = m_current.codePoints;
        size_t last = cps.size();
        while (last > 0 && isBlank(cps[last - 1]))
            --last;
        m_current.endsSentence = endsSentence || (last > 0 && isSentenceEnd(cps[last - 1]));
        m_ready.push_back(std::move(m_current));
    }
    m_current = SpeechPiece();
    m_current.state = m_state;
}

void SpeechTextReader::readEntity()
{
    static const struct
    {
        const char16_t *name;
        char32_t cp;
    } kNamed[] = {{u"amp;", '&'}, {u"lt;", '<'}, {u"gt;", '>'}, {u"quot;", '"'}, {u"apos;", '\''}};
    const size_t begin = m_pos;
    for (const auto &entity : kNamed) {
        const std::u16string name(entity.name);
        if (m_text.compare(begin + 1, name.size(), name) == 0) {
            append(entity.cp, uint32_t(begin), uint32_t(begin + 1 + name.size()));
            m_pos = begin + 1 + name.size();
            return;
        }
    }
    if (begin + 2 < m_text.size() && m_text[begin + 1] == u'#') {
        const bool hex = m_text[begin + 2] == u'x' || m_text[begin + 2] == u'X';
        size_t i = begin + (hex ? 3 : 2);
        char32_t value = 0;
        size_t digits = 0;
        for (; i < m_text.size() && digits < 8; ++i, ++digits) {
            const char16_t d = m_text[i];
            int v;
            if (d >= u'0' && d <= u'9')
                v = d - u'0';
            else if (hex && d >= u'a' && d <= u'f')
                v = d - u'a' + 10;
            else if (hex && d >= u'A' && d <= u'F')
                v = d - u'A' + 10;
            else
                break;
            value = value * (hex ? 16 : 10) + char32_t(v);
        }
        if (digits > 0 && i < m_text.size() && m_text[i] == u';' && value > 0 &&
            value <= 0x10FFFF) {
            append(value, uint32_t(begin), uint32_t(i + 1));
            m_pos = i + 1;
            return;
        }
    }
    // Not a reference: the ampersand is text.
    append('&', uint32_t(begin), uint32_t(begin + 1));
    ++m_pos;
}

void SpeechTextReader::readTag()
{
    const size_t begin = m_pos;
    if (m_text.compare(begin, 4, u"<!--") == 0) {
        const size_t close = m_text.find(u"-->", begin + 4);
        m_pos = close == std::u16string::npos ? m_text.size() : close + 3;
        return;
    }
    char16_t quote = 0;
    size_t end = begin + 1;
    for (; end < m_text.size(); ++end) {
        const char16_t c = m_text[end];
        if (c == u'<') {
            // A stray '<' in text, not a tag. Markup never holds a '<'
            // inside a tag, not even in a quoted value, so no scan passes
            // another '<' and reading stays linear in the text.
            end = m_text.size();
            break;
        }
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            break;
        }
    }
    Tag tag;
    if (end >= m_text.size() || !parseTag(begin, end, tag)) {
        if (!m_inPron)
            append('<', uint32_t(begin), uint32_t(begin + 1));
        m_pos = begin + 1;
        return;
    }
    m_pos = end + 1;
    applyTag(tag, begin, end + 1);
}

bool SpeechTextReader::parseTag(size_t begin, size_t end, Tag &tag) const
{
    size_t i = begin + 1;
    if (i < end && (m_text[i] == u'?' || m_text[i] == u'!')) {
        tag.name = "?";
        return true;
    }
    bool closing = false;
    if (i < end && m_text[i] == u'/') {
        closing = true;
        ++i;
    }
    std::string name;
    while (i < end && m_text[i] < 0x80 &&
           (std::isalnum(int(m_text[i])) || m_text[i] == u'_' || m_text[i] == u'-' ||
            m_text[i] == u':' || m_text[i] == u'.'))
        name += static_cast<char>(std::tolower(int(m_text[i++])));
    if (name.empty())
        return false;
    tag.name = closing ? "/" + name : name;
    size_t last = end;
    while (last > i && isBlank(m_text[last - 1]))
        --last;
    if (last > i && m_text[last - 1] == u'/') {
        tag.empty = true;
        --last;
    }
    while (i < last) {
        while (i < last && isBlank(m_text[i]))
            ++i;
        std::string key;
        while (i < last && !isBlank(m_text[i]) && m_text[i] != u'=' && m_text[i] < 0x80)
            key += static_cast<char>(std::tolower(int(m_text[i++])));
        while (i < last && isBlank(m_text[i]))
            ++i;
        if (key.empty() || i >= last || m_text[i] != u'=') {
            if (key.empty() && i < last)
                ++i; // skip what cannot start an attribute
            continue;
        }
        ++i;
        while (i < last && isBlank(m_text[i]))
            ++i;
        std::u16string value;
        if (i < last && (m_text[i] == u'"' || m_text[i] == u'\'')) {
            // The closing quote is looked for inside the tag only: a search
            // through the rest of the text would make every tag cost as much
            // as the text after it.
            const char16_t q = m_text[i++];
            size_t stop = i;
            while (stop < last && m_text[stop] != q)
                ++stop;
            value = m_text.substr(i, stop - i);
            i = stop + 1;
        } else {
            while (i < last && !isBlank(m_text[i]))
                value += m_text[i++];
        }
        tag.attributes.emplace_back(key, value);
    }
    return true;
}

void SpeechTextReader::applyTag(const Tag &tag, size_t begin, size_t end)
{
    if (m_inPron) {
        if (tag.name == "/pron")
            finishPron(begin, end);
        return;
    }
    static const char *const kScoped[] = {"voice", "rate", "volume", "pitch", "emph", "spell"};
    const bool known = std::any_of(std::begin(kScoped), std::end(kScoped), [&](const char *n) {
        return tag.name == n || tag.name == std::string("/") + n;
    });
    if (known) {
        flush(false);
        if (tag.name[0] == '/') {
            // The innermost open element of that name ends, and every
            // element opened inside it with it.
            const auto open = m_openScopes.find(tag.name.substr(1));
            if (open != m_openScopes.end() && !open->second.empty()) {
                const size_t i = open->second.back();
                m_state = m_scopes[i].second;
                for (size_t k = m_scopes.size(); k-- > i;) {
                    std::vector<size_t> &indexes = m_openScopes[m_scopes[k].first];
                    if (!indexes.empty() && indexes.back() == k)
                        indexes.pop_back();
                }
                m_scopes.resize(i);
            }
        } else {
            if (!tag.empty) {
                m_openScopes[tag.name].push_back(m_scopes.size());
                m_scopes.emplace_back(tag.name, m_state);
            }
            applyState(tag);
        }
        m_current.state = m_state;
        return;
    }
    if (tag.name == "silence") {
        int ms = 0;
        const std::u16string *value = attribute(tag.attributes, "msec");
        if (value && toInt(*value, ms) && ms > 0) {
            flush(false);
            SpeechPiece silence;
            silence.kind = SpeechPiece::Silence;
            silence.silenceMs = std::min(ms, 65535);
            silence.sourcePosition = uint32_t(begin);
            m_ready.push_back(std::move(silence));
        }
        return;
    }
    if (tag.name == "bookmark") {
        const std::u16string *mark = attribute(tag.attributes, "mark");
        flush(false);
        SpeechPiece bookmark;
        bookmark.kind = SpeechPiece::Bookmark;
        bookmark.bookmark = mark ? *mark : std::u16string();
        bookmark.sourcePosition = uint32_t(begin);
        m_ready.push_back(std::move(bookmark));
        return;
    }
    if (tag.name == "pron") {
        const std::u16string *sym = attribute(tag.attributes, "sym");
        flush(false);
        m_pronSym = sym ? *sym : std::u16string();
        m_pronBegin = begin;
        m_pronContent = end;
        if (tag.empty)
            finishPron(end, end);
        else
            m_inPron = true;
        return;
    }
    // Everything else (the root element, p, s, partofsp, context, lang, unknown
    // elements, processing instructions) is skipped; its text is spoken.
}

void SpeechTextReader::applyState(const Tag &tag)
{
    int v = 0;
    if (tag.name == "rate") {
        if (const auto *a = attribute(tag.attributes, "absspeed"); a && toInt(*a, v))
            m_state.rate = std::clamp(v, -10, 10);
        if (const auto *a = attribute(tag.attributes, "speed"); a && toInt(*a, v))
            m_state.rate = std::clamp(m_state.rate + v, -10, 10);
    } else if (tag.name == "volume") {
        if (const auto *a = attribute(tag.attributes, "level"); a && toInt(*a, v))
            m_state.volume = std::clamp(v, 0, 100);
    } else if (tag.name == "pitch") {
        if (const auto *a = attribute(tag.attributes, "absmiddle"); a && toInt(*a, v))
            m_state.pitch = std::clamp(v, -10, 10);
        if (const auto *a = attribute(tag.attributes, "middle"); a && toInt(*a, v))
            m_state.pitch = std::clamp(m_state.pitch + v, -10, 10);
    } else if (tag.name == "emph") {
        m_state.emphasis = !tag.empty;
    } else if (tag.name == "spell") {
        m_state.spell = !tag.empty;
    } else if (tag.name == "voice") {
        for (const char *key : {"required", "optional"}) {
            if (const auto *a = attribute(tag.attributes, key)) {
                if (auto token = voiceFor(*a)) {
                    m_state.voice = token;
                    break;
                }
            }
        }
    }
}

void SpeechTextReader::finishPron(size_t contentEnd, size_t tagEnd)
{
    m_inPron = false;
    // Words of the pronunciation are reported over the content it replaces
    // (without surrounding blanks), or over the element when it is empty.
    size_t from = m_pronContent;
    size_t to = std::min(contentEnd, m_text.size());
    while (from < to && isBlank(m_text[from]))
        ++from;
    while (to > from && isBlank(m_text[to - 1]))
        --to;
    if (from == to) {
        from = m_pronBegin;
        to = tagEnd;
    }
    const uint16_t language = m_state.voice ? m_state.voice->languageId() : m_language;
    const std::string phonemes = PhoneTable::markupToEspeak(m_pronSym, language);
    if (phonemes.empty()) {
        // Nothing to pronounce: the content, if any, is read as text.
        for (size_t i = m_pronContent; i < contentEnd;) {
            size_t units;
            const char32_t cp = TextCodec::decodeAt(m_text, i, units);
            append(cp, uint32_t(i), uint32_t(i + units));
            i += units;
        }
        flush(false);
        return;
    }
    SpeechPiece pron;
    pron.kind = SpeechPiece::Text;
    pron.state = m_state;
    pron.phonemes = true;
    pron.endsSentence = false;
    const std::u32string spoken = U"[[" + std::u32string(phonemes.begin(), phonemes.end()) + U"]]";
    for (char32_t c : spoken) {
        pron.codePoints.push_back(c);
        pron.starts.push_back(uint32_t(from));
        pron.ends.push_back(uint32_t(to));
    }
    m_ready.push_back(std::move(pron));
}

} // namespace qvsp
