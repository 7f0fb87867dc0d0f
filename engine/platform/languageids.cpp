// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "languageids.h"

#include "speechplatform.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace qvsp {

namespace {

struct TagId
{
    const char *tag;
    uint16_t id;
};

// Tags whose identifier is not simply "primary language, default
// sublanguage". Looked up before the primary table, longest prefix first.
const TagId kRegionalIds[] = {
    {"en-us", 0x0409}, {"en-gb", 0x0809}, {"en-au", 0x0C09},  {"en-ca", 0x1009},  {"en-nz", 0x1409},
    {"en-ie", 0x1809}, {"en-za", 0x1C09}, {"en-029", 0x2409}, {"en-in", 0x4009},  {"de-at", 0x0C07},
    {"de-ch", 0x0807}, {"de-lu", 0x1007}, {"fr-be", 0x080C},  {"fr-ca", 0x0C0C},  {"fr-ch", 0x100C},
    {"fr-lu", 0x140C}, {"es-es", 0x0C0A}, {"es-mx", 0x080A},  {"es-419", 0x580A}, {"es-ar", 0x2C0A},
    {"es-us", 0x540A}, {"pt-br", 0x0416}, {"pt-pt", 0x0816},  {"pt", 0x0816},     {"it-ch", 0x0810},
    {"nl-be", 0x0813}, {"sv-fi", 0x081D}, {"zh-cn", 0x0804},  {"zh-tw", 0x0404},  {"zh-hk", 0x0C04},
    {"zh-sg", 0x1004}, {"zh", 0x0804},    {"cmn", 0x0804},    {"yue", 0x0C04},    {"hak", 0x0804},
    {"sr", 0x0C1A},    {"bs", 0x141A},    {"nn", 0x0814},     {"no", 0x0414},     {"ar-eg", 0x0C01},
    {"ru-md", 0x0819}, {"ro-md", 0x0818}, {"ms-bn", 0x083E},  {"sw", 0x0441},
};

// Primary language numbers; the identifier is the number with sublanguage 1.
const TagId kPrimaryIds[] = {
    {"ar", 0x01},  {"bg", 0x02}, {"ca", 0x03},  {"cs", 0x05},  {"da", 0x06}, {"de", 0x07},
    {"el", 0x08},  {"en", 0x09}, {"es", 0x0A},  {"fi", 0x0B},  {"fr", 0x0C}, {"he", 0x0D},
    {"hu", 0x0E},  {"is", 0x0F}, {"it", 0x10},  {"ja", 0x11},  {"ko", 0x12}, {"nl", 0x13},
    {"nb", 0x14},  {"pl", 0x15}, {"ro", 0x18},  {"ru", 0x19},  {"hr", 0x1A}, {"sk", 0x1B},
    {"sq", 0x1C},  {"sv", 0x1D}, {"th", 0x1E},  {"tr", 0x1F},  {"ur", 0x20}, {"id", 0x21},
    {"uk", 0x22},  {"be", 0x23}, {"sl", 0x24},  {"et", 0x25},  {"lv", 0x26}, {"lt", 0x27},
    {"fa", 0x29},  {"vi", 0x2A}, {"hy", 0x2B},  {"hyw", 0x2B}, {"az", 0x2C}, {"eu", 0x2D},
    {"mk", 0x2F},  {"tn", 0x32}, {"af", 0x36},  {"ka", 0x37},  {"hi", 0x39}, {"mt", 0x3A},
    {"ga", 0x3C},  {"ms", 0x3E}, {"kk", 0x3F},  {"ky", 0x40},  {"uz", 0x43}, {"tt", 0x44},
    {"bn", 0x45},  {"pa", 0x46}, {"gu", 0x47},  {"or", 0x48},  {"ta", 0x49}, {"te", 0x4A},
    {"kn", 0x4B},  {"ml", 0x4C}, {"as", 0x4D},  {"mr", 0x4E},  {"cy", 0x52}, {"my", 0x55},
    {"kok", 0x57}, {"sd", 0x59}, {"si", 0x5B},  {"chr", 0x5C}, {"am", 0x5E}, {"ne", 0x61},
    {"qu", 0x6B},  {"ba", 0x6D}, {"lb", 0x6E},  {"kl", 0x6F},  {"om", 0x72}, {"gn", 0x74},
    {"ug", 0x80},  {"mi", 0x81}, {"quc", 0x86}, {"gd", 0x91},  {"ku", 0x92}, {"tk", 0x42},
};

// "de_DE.UTF-8@euro" -> "de-de"; "en-GB-x-rp" -> "en-gb-x-rp".
std::string normalise(const std::string &name)
{
    std::string out;
    for (char c : name) {
        if (c == '.' || c == '@')
            break;
        out += c == '_' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

uint16_t lookup(const TagId *table, size_t size, const std::string &tag)
{
    for (size_t i = 0; i < size; ++i) {
        if (tag == table[i].tag)
            return table[i].id;
    }
    return 0;
}

} // namespace

uint16_t LanguageIds::fromTag(const std::string &name)
{
    std::string tag = normalise(name);
    // Try the whole tag, then shorter and shorter prefixes: "en-gb-x-rp"
    // is British English.
    for (;;) {
        if (tag.empty())
            return 0;
        if (uint16_t id = lookup(kRegionalIds, std::size(kRegionalIds), tag))
            return id;
        if (uint16_t primary = lookup(kPrimaryIds, std::size(kPrimaryIds), tag))
            return static_cast<uint16_t>(primary | 0x0400);
        const size_t dash = tag.rfind('-');
        if (dash == std::string::npos)
            return 0;
        tag.erase(dash);
    }
}

uint16_t LanguageIds::fromEnvironment()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char *value = std::getenv(variable);
        if (!value || !*value)
            continue;
        if (std::strcmp(value, "C") == 0 || std::strcmp(value, "POSIX") == 0 ||
            std::strncmp(value, "C.", 2) == 0)
            return 0x0409;
        const uint16_t id = fromTag(value);
        return id ? id : 0x0409;
    }
    return 0x0409;
}

std::string LanguageIds::hexName(uint16_t languageId)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), digits[languageId & 0xF]);
        languageId = static_cast<uint16_t>(languageId >> 4);
    } while (languageId);
    return out;
}

uint16_t userInterfaceLanguage()
{
    return LanguageIds::fromEnvironment();
}

} // namespace qvsp
