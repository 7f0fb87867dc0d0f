// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "flitevoicetoken.h"

#include "languageids.h"
#include "textcodec.h"

namespace qvsp {

FliteVoiceToken::FliteVoiceToken(const FliteVoiceInfo &info) : m_info(info)
{
    m_values[std::string()] = info.description;
    m_values["Name"] = info.description;
    m_values["Vendor"] = "Flite";
    m_values["FliteName"] = info.name;
    m_values["Age"] = "Adult";
    if (!info.file.empty())
        m_values["FliteFile"] = info.file;
    if (info.languageId) {
        m_values[LanguageIds::hexName(info.languageId)] = info.description;
        m_values["Language"] = LanguageIds::hexName(info.languageId);
    }
    if (info.gender == 1 || info.gender == 2)
        m_values["Gender"] = info.gender == 1 ? "Male" : "Female";
}

std::string FliteVoiceToken::id() const
{
    return "flite:" + (m_info.file.empty() ? m_info.name : m_info.file);
}

HResult FliteVoiceToken::getStringValue(const std::u16string &name, std::u16string &out) const
{
    const auto it = m_values.find(TextCodec::toUtf8(name));
    if (it == m_values.end())
        return kNotFound;
    out = TextCodec::toUtf16(it->second);
    return kOk;
}

const std::vector<std::shared_ptr<FliteVoiceToken>> &FliteVoiceToken::all()
{
    // Never destroyed, like the voices: see FliteEngine::instance().
    static const auto *tokens = new std::vector<std::shared_ptr<FliteVoiceToken>>([] {
        std::vector<std::shared_ptr<FliteVoiceToken>> list;
        for (const FliteVoiceInfo &info : FliteEngine::instance().voices())
            list.push_back(std::make_shared<FliteVoiceToken>(info));
        return list;
    }());
    return *tokens;
}

std::shared_ptr<FliteVoiceToken> FliteVoiceToken::find(const std::string &name)
{
    for (const auto &token : all()) {
        if (token->description() == name)
            return token;
    }
    for (const auto &token : all()) {
        if (token->info().name == name)
            return token;
    }
    return nullptr;
}

} // namespace qvsp
