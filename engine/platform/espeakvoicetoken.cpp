// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "espeakvoicetoken.h"

#include "languageids.h"
#include "textcodec.h"

#include <algorithm>
#include <set>

namespace qvsp {

EspeakVoiceToken::EspeakVoiceToken(const EspeakVoiceInfo &info, const std::string &description)
    : m_info(info), m_description(description), m_languageId(LanguageIds::fromTag(info.language))
{
    m_values[std::string()] = description;
    m_values["Name"] = description;
    m_values["Vendor"] = "espeak-ng";
    m_values["EspeakName"] = info.name;
    m_values["EspeakIdentifier"] = info.identifier;
    m_values["EspeakLanguage"] = info.language;
    if (m_languageId) {
        m_values[LanguageIds::hexName(m_languageId)] = description;
        m_values["Language"] = LanguageIds::hexName(m_languageId);
    }
    if (info.gender == 1 || info.gender == 2)
        m_values["Gender"] = info.gender == 1 ? "Male" : "Female";
    if (info.age > 0)
        m_values["Age"] = info.age < 18 ? "Child" : "Adult";
}

std::string EspeakVoiceToken::id() const
{
    return "espeak-ng:" + m_info.identifier;
}

HResult EspeakVoiceToken::getStringValue(const std::u16string &name, std::u16string &out) const
{
    const auto it = m_values.find(TextCodec::toUtf8(name));
    if (it == m_values.end())
        return kNotFound;
    out = TextCodec::toUtf16(it->second);
    return kOk;
}

const std::vector<std::shared_ptr<EspeakVoiceToken>> &EspeakVoiceToken::all()
{
    // Never destroyed: voice threads of a host that exits without
    // uninitialising may still look voices up while static objects go.
    static const auto *tokens = new std::vector<std::shared_ptr<EspeakVoiceToken>>([] {
        std::vector<std::shared_ptr<EspeakVoiceToken>> list;
        const auto &voices = EspeakEngine::instance().voices();
        // Two voices may share a name; the identifier (unique) then tells
        // them apart in the description.
        std::map<std::string, int> nameCount;
        for (const auto &voice : voices)
            ++nameCount[voice.name];
        std::set<std::string> used;
        for (const auto &voice : voices) {
            std::string description = "espeak-ng " + voice.name;
            if (nameCount[voice.name] > 1 || used.count(description))
                description += " [" + voice.identifier + "]";
            if (!used.insert(description).second)
                continue; // the same voice file listed twice
            list.push_back(std::make_shared<EspeakVoiceToken>(voice, description));
        }
        std::sort(list.begin(), list.end(),
                  [](const auto &a, const auto &b) { return a->description() < b->description(); });
        // Hosts take the first voice as the user's default, so the voice of
        // the user's own language leads; the rest stay in name order.
        const uint16_t ui = LanguageIds::fromEnvironment();
        auto lead = std::find_if(list.begin(), list.end(),
                                 [ui](const auto &t) { return t->languageId() == ui; });
        if (lead == list.end())
            lead = std::find_if(list.begin(), list.end(), [ui](const auto &t) {
                return t->languageId() != 0 && (t->languageId() & 0x3FF) == (ui & 0x3FF);
            });
        if (lead == list.end())
            lead = std::find_if(list.begin(), list.end(),
                                [](const auto &t) { return t->info().language == "en-us"; });
        if (lead != list.end())
            std::rotate(list.begin(), lead, lead + 1);
        return list;
    }());
    return *tokens;
}

std::shared_ptr<EspeakVoiceToken> EspeakVoiceToken::defaultToken()
{
    const auto &tokens = all();
    for (const char *language : {"en-us", "en-gb", "en"}) {
        for (const auto &token : tokens) {
            if (token->info().language == language)
                return token;
        }
    }
    return tokens.empty() ? nullptr : tokens.front();
}

std::shared_ptr<EspeakVoiceToken> EspeakVoiceToken::find(const std::string &name)
{
    for (const auto &token : all()) {
        if (token->description() == name)
            return token;
    }
    for (const auto &token : all()) {
        if (token->info().name == name || token->info().identifier == name)
            return token;
    }
    return nullptr;
}

} // namespace qvsp
