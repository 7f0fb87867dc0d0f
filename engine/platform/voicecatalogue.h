// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "synthvoicetoken.h"

#include <memory>
#include <string>
#include <vector>

namespace qvsp {

// Every voice of every synthesiser, in the order hosts list them: voices
// of the user's own language first (that very language, then others of
// its primary language), better-sounding voices first within one
// language; all others after them by description. Hosts take the first
// voice as the user's default, so a new user starts with the best voice
// the machine has for their language.
class VoiceCatalogue
{
public:
    using TokenPtr = std::shared_ptr<SynthVoiceToken>;

    // Built once per process.
    static const std::vector<TokenPtr> &all();
    // Orders tokens as all() does for a user of language uiLanguage.
    static void order(std::vector<TokenPtr> &tokens, uint16_t uiLanguage);
    // The voice a new voice object speaks with: the best American English
    // voice where installed, else the first one.
    static TokenPtr defaultToken();
    // The voice whose description (or a synthesiser's own name or
    // identifier for it) is name; null when none.
    static TokenPtr find(const std::string &name);
    // The best voice of language (exact identifier); null when none.
    static TokenPtr bestFor(uint16_t language);
};

} // namespace qvsp
