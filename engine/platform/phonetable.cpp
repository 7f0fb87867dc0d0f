// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "phonetable.h"

#include "espeakvoicetoken.h"
#include "speechplatform.h"
#include "textcodec.h"

#include <cctype>
#include <sstream>

namespace qvsp {

namespace {

struct Phone
{
    const char *name;
    const char *espeak;
    bool vowel;
};

// Identifier = index + 1. Never reorder: stored pronunciations use them.
const Phone kAmericanPhones[] = {
    {"aa", "A:", true}, {"ae", "a", true},   {"ah", "V", true},  {"ao", "O:", true},
    {"aw", "aU", true}, {"ax", "@", true},   {"ay", "aI", true}, {"eh", "E", true},
    {"er", "3:", true}, {"ey", "eI", true},  {"ih", "I", true},  {"iy", "i:", true},
    {"ow", "oU", true}, {"oy", "OI", true},  {"uh", "U", true},  {"uw", "u:", true},
    {"b", "b", false},  {"ch", "tS", false}, {"d", "d", false},  {"dh", "D", false},
    {"f", "f", false},  {"g", "g", false},   {"h", "h", false},  {"jh", "dZ", false},
    {"k", "k", false},  {"l", "l", false},   {"m", "m", false},  {"n", "n", false},
    {"ng", "N", false}, {"p", "p", false},   {"r", "r", false},  {"s", "s", false},
    {"sh", "S", false}, {"t", "t", false},   {"th", "T", false}, {"v", "v", false},
    {"w", "w", false},  {"y", "j", false},   {"z", "z", false},  {"zh", "Z", false},
};
constexpr uint16_t kPhoneCount = uint16_t(std::size(kAmericanPhones));
constexpr uint16_t kPrimaryStress = kPhoneCount + 1;
constexpr uint16_t kSecondaryStress = kPhoneCount + 2;
constexpr uint16_t kBoundary = kPhoneCount + 3; // syllable or word boundary: espeak finds its own
constexpr uint16_t kMnemonicBase = 0x100;

std::vector<std::string> splitPhones(const std::string &text)
{
    std::istringstream in(text);
    std::vector<std::string> items;
    for (std::string item; in >> item;)
        items.push_back(item);
    return items;
}

bool isMnemonicCharacter(char c)
{
    return c > ' ' && c < 0x7F && c != '[' && c != ']';
}

} // namespace

const PhoneTable &PhoneTable::americanEnglish()
{
    static const PhoneTable *table = new PhoneTable(AmericanEnglish); // outlives voice threads
    return *table;
}

const PhoneTable &PhoneTable::mnemonics()
{
    static const PhoneTable *table = new PhoneTable(Mnemonics); // outlives voice threads
    return *table;
}

const PhoneTable *PhoneTable::forLanguage(uint16_t language)
{
    if ((language & 0x3FF) == 0x09)
        return &americanEnglish();
    for (const auto &token : EspeakVoiceToken::all()) {
        if (token->languageId() == language ||
            (language && (token->languageId() & 0x3FF) == (language & 0x3FF)))
            return &mnemonics();
    }
    return nullptr;
}

bool PhoneTable::toIds(const std::string &phones, std::vector<uint16_t> &ids) const
{
    ids.clear();
    for (std::string item : splitPhones(phones)) {
        if (m_kind == Mnemonics) {
            for (char c : item) {
                if (!isMnemonicCharacter(c))
                    return false;
                ids.push_back(uint16_t(kMnemonicBase + uint8_t(c)));
            }
        } else {
            for (char &c : item)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            uint16_t id = 0;
            for (uint16_t i = 0; i < kPhoneCount && !id; ++i) {
                if (item == kAmericanPhones[i].name)
                    id = uint16_t(i + 1);
            }
            if (!id && item == "1")
                id = kPrimaryStress;
            if (!id && item == "2")
                id = kSecondaryStress;
            if (!id && (item == "-" || item == "." || item == "_" || item == "!" || item == "&" ||
                        item == "+" || item == "*"))
                id = kBoundary;
            if (!id)
                return false;
            ids.push_back(id);
        }
        if (ids.size() > kMaximumIds)
            return false;
    }
    return !ids.empty();
}

std::string PhoneTable::toEspeak(const std::vector<uint16_t> &ids) const
{
    std::string out;
    if (m_kind == Mnemonics) {
        for (uint16_t id : ids) {
            const int c = int(id) - kMnemonicBase;
            if (c <= 0 || c > 0xFF || !isMnemonicCharacter(char(c)))
                return std::string();
            out += char(c);
        }
        return out;
    }
    size_t lastVowel = std::string::npos;
    for (uint16_t id : ids) {
        if (id >= 1 && id <= kPhoneCount) {
            const Phone &p = kAmericanPhones[id - 1];
            if (p.vowel)
                lastVowel = out.size();
            out += p.espeak;
        } else if (id == kPrimaryStress || id == kSecondaryStress) {
            // The phone set marks stress after the vowel, espeak-ng before it.
            if (lastVowel != std::string::npos)
                out.insert(lastVowel, id == kPrimaryStress ? "'" : ",");
            lastVowel = std::string::npos;
        } else if (id != kBoundary) {
            return std::string();
        }
    }
    return out;
}

std::string PhoneTable::markupToEspeak(const std::u16string &sym)
{
    const std::string text = TextCodec::toUtf8(sym);
    std::vector<uint16_t> ids;
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
