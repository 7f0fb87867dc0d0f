// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "voicecatalogue.h"

#include "espeakengine.h"
#include "espeakvoicetoken.h"
#include "flitevoicetoken.h"
#include "languageids.h"

#include <algorithm>
#include <tuple>

namespace qvsp {

void VoiceCatalogue::order(std::vector<TokenPtr> &tokens, uint16_t uiLanguage)
{
    auto tier = [uiLanguage](const TokenPtr &t) {
        const uint16_t language = t->languageId();
        if (language != 0 && language == uiLanguage)
            return 0;
        if (language != 0 && (language & 0x3FF) == (uiLanguage & 0x3FF))
            return 1;
        return 2;
    };
    // The user's languages list their best voices first; every other
    // language stays in the order of descriptions, where users look a
    // voice up by name.
    auto key = [&](const TokenPtr &t) {
        const int group = tier(t);
        return std::make_tuple(group, group < 2 ? t->qualityRank() : 0, t->description());
    };
    std::stable_sort(tokens.begin(), tokens.end(),
                     [&](const TokenPtr &a, const TokenPtr &b) { return key(a) < key(b); });
}

const std::vector<VoiceCatalogue::TokenPtr> &VoiceCatalogue::all()
{
    // Never destroyed: voice threads of a host that exits without
    // uninitialising may still look voices up while static objects go.
    static const auto *tokens = new std::vector<TokenPtr>([] {
        std::vector<TokenPtr> list;
        for (const auto &token : EspeakVoiceToken::all())
            list.push_back(token);
        for (const auto &token : FliteVoiceToken::all())
            list.push_back(token);
        order(list, LanguageIds::fromEnvironment());
        return list;
    }());
    return *tokens;
}

VoiceCatalogue::TokenPtr VoiceCatalogue::bestFor(uint16_t language)
{
    TokenPtr best;
    for (const auto &token : all()) {
        if (language != 0 && token->languageId() == language &&
            (!best || token->qualityRank() < best->qualityRank()))
            best = token;
    }
    return best;
}

VoiceCatalogue::TokenPtr VoiceCatalogue::defaultToken()
{
    if (auto best = bestFor(0x0409))
        return best;
    if (auto espeak = EspeakVoiceToken::defaultToken())
        return espeak;
    return all().empty() ? nullptr : all().front();
}

VoiceCatalogue::TokenPtr VoiceCatalogue::find(const std::string &name)
{
    for (const auto &token : all()) {
        if (token->description() == name)
            return token;
    }
    if (auto espeak = EspeakVoiceToken::find(name))
        return espeak;
    return FliteVoiceToken::find(name);
}

HResult enumerateVoiceTokens(std::vector<VoiceTokenPtr> &tokens)
{
    if (!EspeakEngine::instance().isAvailable() && FliteVoiceToken::all().empty())
        return kFail;
    tokens.clear();
    for (const auto &token : VoiceCatalogue::all())
        tokens.push_back(token);
    return kOk;
}

} // namespace qvsp
