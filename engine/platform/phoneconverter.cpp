// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "phoneconverter.h"

#include "textcodec.h"

#include <cctype>
#include <cstring>
#include <sstream>
#include <vector>

namespace qvsp {

namespace {

struct Phone
{
    const char *sapi;
    const char *espeak;
    bool vowel;
};

const Phone kPhones[] = {
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

const Phone *findPhone(const std::string &name)
{
    for (const Phone &p : kPhones) {
        if (name == p.sapi)
            return &p;
    }
    return nullptr;
}

} // namespace

std::string PhoneConverter::toEspeak(const std::u16string &sym)
{
    const std::string text = TextCodec::toUtf8(sym);
    std::istringstream in(text);
    std::vector<std::string> items;
    for (std::string item; in >> item;) {
        for (char &c : item)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        items.push_back(item);
    }
    if (items.empty())
        return std::string();

    std::string out;
    size_t lastVowel = std::string::npos;
    for (const std::string &item : items) {
        if (const Phone *p = findPhone(item)) {
            if (p->vowel)
                lastVowel = out.size();
            out += p->espeak;
        } else if (item == "1" || item == "2") {
            // The markup marks stress after the vowel, espeak-ng before it.
            if (lastVowel != std::string::npos)
                out.insert(lastVowel, item == "1" ? "'" : ",");
            lastVowel = std::string::npos;
        } else if (item == "-" || item == "." || item == "_" || item == "!" || item == "&" ||
                   item == "+" || item == "*") {
            // syllable and word boundaries: espeak-ng finds its own
        } else {
            // Not the markup's phone set: espeak-ng mnemonics as given, with
            // anything that would end the phoneme block taken out.
            std::string raw;
            for (char c : text) {
                if (c != '[' && c != ']')
                    raw += c;
            }
            return raw;
        }
    }
    return out;
}

} // namespace qvsp
