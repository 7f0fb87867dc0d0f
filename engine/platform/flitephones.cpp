// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "flitephones.h"

#include "phonetable.h"

#include <algorithm>
#include <map>
#include <set>

namespace qvsp {

namespace {

struct Mapping
{
    std::map<uint16_t, std::pair<std::string, bool>> phones; // id: Flite phones, vowel
    uint16_t primary = 0;
    uint16_t secondary = 0;
    uint16_t boundary = 0;
    std::set<uint16_t> britishVowels;
    // espeak-ng mnemonic of each phone, longest first.
    std::vector<std::pair<std::string, uint16_t>> mnemonics;
};

const Mapping &mapping()
{
    static const Mapping *map = [] {
        auto *m = new Mapping;
        const PhoneTable &table = PhoneTable::americanEnglish();
        const struct
        {
            const char *phone;
            const char *flite;
            bool vowel;
        } kPhones[] = {
            {"aa", "aa", true},  {"ae", "ae", true},  {"ah", "ah", true},  {"ao", "ao", true},
            {"aw", "aw", true},  {"ax", "ax", true},  {"ay", "ay", true},  {"eh", "eh", true},
            {"er", "er", true},  {"ey", "ey", true},  {"ih", "ih", true},  {"iy", "iy", true},
            {"ow", "ow", true},  {"oy", "oy", true},  {"uh", "uh", true},  {"uw", "uw", true},
            {"b", "b", false},   {"ch", "ch", false}, {"d", "d", false},   {"dh", "dh", false},
            {"f", "f", false},   {"g", "g", false},   {"h", "hh", false},  {"jh", "jh", false},
            {"k", "k", false},   {"l", "l", false},   {"m", "m", false},   {"n", "n", false},
            {"ng", "ng", false}, {"p", "p", false},   {"r", "r", false},   {"s", "s", false},
            {"sh", "sh", false}, {"t", "t", false},   {"th", "th", false}, {"v", "v", false},
            {"w", "w", false},   {"y", "y", false},   {"z", "z", false},   {"zh", "zh", false},
            {"e@", "eh", true},  {"i@", "ih", true},
        };
        std::vector<uint16_t> ids;
        for (const auto &p : kPhones) {
            if (table.toIds(p.phone, ids) && ids.size() == 1) {
                m->phones[ids[0]] = {p.flite, p.vowel};
                if (p.phone[1] == '@')
                    m->britishVowels.insert(ids[0]);
            }
        }
        // The marks are read off a phone that carries them.
        if (table.toIds("aa 1", ids) && ids.size() == 2)
            m->primary = ids[1];
        if (table.toIds("aa 2", ids) && ids.size() == 2)
            m->secondary = ids[1];
        if (table.toIds("aa - aa", ids) && ids.size() == 3)
            m->boundary = ids[1];
        for (const auto &[id, phone] : m->phones) {
            const std::string mnemonic = table.toEspeak({id});
            if (!mnemonic.empty())
                m->mnemonics.emplace_back(mnemonic, id);
        }
        std::stable_sort(
            m->mnemonics.begin(), m->mnemonics.end(),
            [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });
        return m;
    }();
    return *map;
}

} // namespace

std::string FlitePhones::fromEspeak(const std::string &mnemonics)
{
    const Mapping &m = mapping();
    std::vector<uint16_t> ids;
    uint16_t pendingStress = 0; // espeak-ng marks the stress before its vowel
    for (size_t i = 0; i < mnemonics.size();) {
        const char c = mnemonics[i];
        if (c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        if (c == '\'' || c == ',') {
            pendingStress = c == '\'' ? m.primary : m.secondary;
            ++i;
            continue;
        }
        const auto match = std::find_if(m.mnemonics.begin(), m.mnemonics.end(), [&](const auto &p) {
            return mnemonics.compare(i, p.first.size(), p.first) == 0;
        });
        if (match == m.mnemonics.end())
            return std::string();
        ids.push_back(match->second);
        if (pendingStress && m.phones.at(match->second).second) {
            ids.push_back(pendingStress);
            pendingStress = 0;
        }
        i += match->first.size();
    }
    return ids.empty() ? std::string() : fromIds(ids);
}

std::string FlitePhones::fromIds(const std::vector<uint16_t> &ids)
{
    const Mapping &m = mapping();
    std::vector<std::string> out;
    std::vector<bool> vowel;
    for (const uint16_t id : ids) {
        if (id == m.primary || id == m.secondary) {
            // Marks the vowel before it.
            for (size_t k = out.size(); k-- > 0;) {
                if (vowel[k]) {
                    out[k].back() = id == m.primary ? '1' : '0';
                    break;
                }
            }
            continue;
        }
        if (id == m.boundary)
            continue;
        const auto it = m.phones.find(id);
        if (it == m.phones.end())
            return std::string();
        out.push_back(it->second.first + (it->second.second ? "0" : ""));
        vowel.push_back(it->second.second);
        if (m.britishVowels.count(id)) { // a centring diphthong: the American r ends it
            out.push_back("r");
            vowel.push_back(false);
        }
    }
    std::string phones;
    for (const std::string &p : out) {
        if (!phones.empty())
            phones += ' ';
        phones += p;
    }
    return phones;
}

} // namespace qvsp
