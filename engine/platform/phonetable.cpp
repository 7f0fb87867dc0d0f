// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "phonetable.h"

#include "espeakvoicetoken.h"
#include "speechplatform.h"
#include "textcodec.h"

#include <cctype>
#include <cstring>

namespace qvsp {

namespace {

using Phone = PhoneTable::Phone;

// Identifier = base + index. Never reorder or insert: stored pronunciations
// use them; new phones go at the end.
const Phone kAmericanPhones[] = {
    {"aa", "A:", true},
    {"ae", "a", true},
    {"ah", "V", true},
    {"ao", "O:", true},
    {"aw", "aU", true},
    {"ax", "@", true},
    {"ay", "aI", true},
    {"eh", "E", true},
    {"er", "3:", true},
    {"ey", "eI", true},
    {"ih", "I", true},
    {"iy", "i:", true},
    {"ow", "oU", true},
    {"oy", "OI", true},
    {"uh", "U", true},
    {"uw", "u:", true},
    {"b", "b", false},
    {"ch", "tS", false},
    {"d", "d", false},
    {"dh", "D", false},
    {"f", "f", false},
    {"g", "g", false},
    {"h", "h", false},
    {"jh", "dZ", false},
    {"k", "k", false},
    {"l", "l", false},
    {"m", "m", false},
    {"n", "n", false},
    {"ng", "N", false},
    {"p", "p", false},
    {"r", "r", false},
    {"s", "s", false},
    {"sh", "S", false},
    {"t", "t", false},
    {"th", "T", false},
    {"v", "v", false},
    {"w", "w", false},
    {"y", "j", false},
    {"z", "z", false},
    {"zh", "Z", false},
    // The two of the British vowels of the phone set.
    {"e@", "e@", true},
    {"i@", "i@", true},
};

const Phone kSpanishPhones[] = {
    {"a", "a", true},   {"b", "b", false}, {"ch", "tS", false}, {"d", "d", false},
    {"e", "e", true},   {"f", "f", false}, {"g", "g", false},   {"i", "i", true},
    {"j", "J^", false}, {"k", "k", false}, {"l", "l", false},   {"ll", "l^", false},
    {"m", "m", false},  {"n", "n", false}, {"nj", "n^", false}, {"o", "o", true},
    {"p", "p", false},  {"r", "r", false}, {"rr", "R2", false}, {"s", "s", false},
    {"sh", "S", false}, {"t", "t", false}, {"u", "u", true},    {"v", "B", false},
    {"w", "w", false},  {"x", "x", false}, {"xi", "C", false},  {"xu", "x", false},
};

const Phone kFrenchPhones[] = {
    {"a", "a", true},    {"ao", "O", true},   {"aan", "A~", true}, {"aon", "O~", true},
    {"ax", "@", true},   {"b", "b", false},   {"ch", "tS", false}, {"d", "d", false},
    {"dz", "dz", false}, {"e", "e", true},    {"eh", "E", true},   {"ehn", "E~", true},
    {"eo", "Y", true},   {"f", "f", false},   {"g", "g", false},   {"i", "i", true},
    {"j", "j", false},   {"jh", "dZ", false}, {"k", "k", false},   {"l", "l", false},
    {"m", "m", false},   {"n", "n", false},   {"nj", "nj", false}, {"ng", "N", false},
    {"o", "o", true},    {"oe", "W", true},   {"oen", "W~", true}, {"p", "p", false},
    {"q", "_!", false},  {"r", "r", false},   {"s", "s", false},   {"sh", "S", false},
    {"t", "t", false},   {"ts", "ts", false}, {"u", "u", true},    {"ue", "y", true},
    {"uh", "@", true},   {"uw", "u", true},   {"v", "v", false},   {"yw", "y", false},
    {"z", "z", false},   {"zh", "Z", false},
};

const Phone kGermanPhones[] = {
    {"A", "A:", true},   {"uh", "U", true},   {"v", "v", false},   {"w", "w", false},
    {"x", "x", false},   {"z", "z", false},   {"zh", "Z", false},  {"a", "a", true},
    {"aan", "A~", true}, {"ah", "a:", true},  {"ao", "O", true},   {"aon", "O~", true},
    {"aw", "aU", true},  {"ay", "aI", true},  {"b", "b", false},   {"c", "C", false},
    {"ch", "tS", false}, {"d", "d", false},   {"e", "e:", true},   {"e@", "@", true},
    {"eh", "E", true},   {"EH", "E:", true},  {"ehn", "W~", true}, {"el", "@l", true},
    {"em", "@m", true},  {"en", "@n", true},  {"er", "3", true},   {"ey", "e:", true},
    {"f", "f", false},   {"g", "g", false},   {"h", "h", false},   {"i", "i:", true},
    {"ih", "I", true},   {"j", "j", false},   {"jh", "dZ", false}, {"k", "k", false},
    {"l", "l", false},   {"m", "m", false},   {"n", "n", false},   {"ng", "N", false},
    {"o", "o:", true},   {"oe", "Y:", true},  {"OE", "W", true},   {"oen", "W~", true},
    {"oy", "OY", true},  {"p", "p", false},   {"pf", "pf", false}, {"q", "_!", false},
    {"r", "r", false},   {"rq", "3", true},   {"s", "s", false},   {"sh", "S", false},
    {"t", "t", false},   {"ts", "ts", false}, {"u", "u:", true},   {"UE", "y", true},
    {"ue", "y:", true},
};

const Phone kItalianPhones[] = {
    {"a", "a", true},    {"ao", "O", true},   {"b", "b", false},   {"ch", "tS", false},
    {"d", "d", false},   {"dz", "dz", false}, {"e", "e", true},    {"eh", "E", true},
    {"f", "f", false},   {"g", "g", false},   {"i", "i", true},    {"j", "j", false},
    {"jh", "dZ", false}, {"k", "k", false},   {"l", "l", false},   {"ll", "l^", false},
    {"m", "m", false},   {"n", "n", false},   {"nj", "n^", false}, {"o", "o", true},
    // Italian r is espeak-ng's R (its r is the English approximant), and the
    // long rr of "terra" is R*.
    {"p", "p", false},   {"r", "R", false},   {"rr", "R*", false}, {"s", "s", false},
    {"sh", "S", false},  {"t", "t", false},   {"ts", "ts", false}, {"u", "u", true},
    {"v", "v", false},   {"w", "w", false},   {"z", "z", false},
};

// The first forty English identifiers came before the marks; the marks keep
// theirs for every language.
constexpr uint16_t kEnglishBeforeMarks = 40;
constexpr uint16_t kPrimaryStress = kEnglishBeforeMarks + 1;
constexpr uint16_t kSecondaryStress = kEnglishBeforeMarks + 2;
constexpr uint16_t kBoundary = kEnglishBeforeMarks + 3; // syllable or word mark
constexpr uint16_t kEnglishLater = kEnglishBeforeMarks + 4;
constexpr uint16_t kMnemonicBase = 0x100;

bool isMnemonicCharacter(char c)
{
    return c > ' ' && c < 0x7F && c != '[' && c != ']';
}

std::vector<std::string> splitPhones(const std::string &text)
{
    std::vector<std::string> items;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        size_t end = i;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t')
            ++end;
        if (end > i)
            items.push_back(text.substr(i, end - i));
        i = end;
    }
    return items;
}

template <size_t N> constexpr uint16_t countOf(const Phone (&)[N])
{
    return uint16_t(N);
}

} // namespace

const PhoneTable &PhoneTable::americanEnglish()
{
    // English identifiers: 1-40 the first phones, 41-43 the marks, 44 on the
    // later ones (see identifier()).
    static const PhoneTable *table =
        new PhoneTable(kAmericanPhones, countOf(kAmericanPhones), 1, false); // outlives voices
    return *table;
}

const PhoneTable *PhoneTable::forLanguage(uint16_t language)
{
    // Never destroyed: voice threads may still use them while a host exits.
    static const PhoneTable *spanish =
        new PhoneTable(kSpanishPhones, countOf(kSpanishPhones), 0x400, true);
    static const PhoneTable *french =
        new PhoneTable(kFrenchPhones, countOf(kFrenchPhones), 0x500, true);
    static const PhoneTable *german =
        new PhoneTable(kGermanPhones, countOf(kGermanPhones), 0x600, true);
    static const PhoneTable *italian =
        new PhoneTable(kItalianPhones, countOf(kItalianPhones), 0x700, true);
    switch (language & 0x3FF) {
    case 0x09:
        return &americanEnglish();
    case 0x0A:
        return spanish;
    case 0x0C:
        return french;
    case 0x07:
        return german;
    case 0x10:
        return italian;
    default:
        return nullptr;
    }
}

namespace {

// English phones after the first forty are numbered after the marks.
uint16_t identifier(uint16_t base, uint16_t index)
{
    if (base == 1)
        return index < kEnglishBeforeMarks ? uint16_t(index + 1)
                                           : uint16_t(kEnglishLater + index - kEnglishBeforeMarks);
    return uint16_t(base + index);
}

int indexOf(uint16_t base, uint16_t count, uint16_t id)
{
    int index = -1;
    if (base == 1)
        index = id >= 1 && id <= kEnglishBeforeMarks ? id - 1
                : id >= kEnglishLater                ? id - kEnglishLater + kEnglishBeforeMarks
                                                     : -1;
    else if (id >= base)
        index = id - base;
    return index >= 0 && index < count ? index : -1;
}

} // namespace

bool PhoneTable::toIds(const std::string &phones, std::vector<uint16_t> &ids) const
{
    ids.clear();
    for (std::string item : splitPhones(phones)) {
        if (!m_caseSensitive) {
            for (char &c : item)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        uint16_t id = 0;
        for (uint16_t i = 0; i < m_count && !id; ++i) {
            if (item == m_phones[i].name)
                id = identifier(m_base, i);
        }
        if (!id && item == "1")
            id = kPrimaryStress;
        if (!id && item == "2")
            id = kSecondaryStress;
        if (!id && item.size() == 1 && std::strchr("-._!&,?+*", item[0]))
            id = kBoundary;
        if (!id)
            return false;
        ids.push_back(id);
        if (ids.size() > kMaximumIds)
            return false;
    }
    return !ids.empty();
}

std::string PhoneTable::toEspeak(const std::vector<uint16_t> &ids) const
{
    std::string out;
    size_t lastVowel = std::string::npos;
    for (uint16_t id : ids) {
        const int index = indexOf(m_base, m_count, id);
        if (id == kPrimaryStress || id == kSecondaryStress) {
            // The phone sets mark stress after the vowel, espeak-ng before it.
            if (lastVowel != std::string::npos)
                out.insert(lastVowel, id == kPrimaryStress ? "'" : ",");
            lastVowel = std::string::npos;
        } else if (id == kBoundary) {
            continue;
        } else if (index >= 0) {
            const Phone &p = m_phones[index];
            if (p.vowel)
                lastVowel = out.size();
            out += p.espeak;
        } else if (m_base != 1 && id > kMnemonicBase && id < kMnemonicBase + 0x80 &&
                   isMnemonicCharacter(char(id - kMnemonicBase))) {
            out += char(id - kMnemonicBase);
        } else {
            return std::string();
        }
    }
    return out;
}

std::string PhoneTable::markupToEspeak(const std::u16string &sym, uint16_t language)
{
    const std::string text = TextCodec::toUtf8(sym);
    std::vector<uint16_t> ids;
    // The voice's own phones first: "a" or "rr" mean what that language's
    // phone set says they mean, not what the English one would.
    if (const PhoneTable *own = forLanguage(language); own && own->toIds(text, ids))
        return own->toEspeak(ids);
    if (americanEnglish().toIds(text, ids))
        return americanEnglish().toEspeak(ids);
    std::string raw;
    for (char c : text) {
        if (c != '[' && c != ']')
            raw += c;
    }
    // Only blanks: nothing to pronounce.
    return raw.find_first_not_of(" \t\r\n") == std::string::npos ? std::string() : raw;
}

namespace {

class TablePhoneConverter : public PhoneConverter
{
public:
    explicit TablePhoneConverter(const PhoneTable &table) : m_table(table) {}
    HResult phoneToId(const std::string &phones, std::vector<uint16_t> &ids) const override
    {
        return m_table.toIds(phones, ids) ? kOk : kInvalidArg;
    }

private:
    const PhoneTable &m_table;
};

} // namespace

HResult createPhoneConverter(uint16_t language, PhoneConverterPtr &converter)
{
    const PhoneTable *table = PhoneTable::forLanguage(language);
    if (!table)
        return kNotFound;
    converter = std::make_shared<TablePhoneConverter>(*table);
    return kOk;
}

} // namespace qvsp
