// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "espeakengine.h"
#include "speechplatform.h"
#include "synthvoicetoken.h"

#include <map>

namespace qvsp {

// The token of one espeak-ng voice. Its values:
//   ""                   the description, "espeak-ng English (America)"
//   "<language hex>"     the description again, under the voice language's
//                        identifier ("409"), where the language is known
//   "Name"               the description
//   "Language"           the language identifier in hex ("409"), if known
//   "Gender", "Age"      "Male" / "Female", "Adult" / "Child" (when known)
//   "Vendor"             "espeak-ng"
//   "EspeakName"         espeak-ng's own name, "English (America)"
//   "EspeakIdentifier"   espeak-ng's identifier, "gmw/en-US"
//   "EspeakLanguage"     the voice's language tag, "en-us"
class EspeakVoiceToken : public SynthVoiceToken
{
public:
    EspeakVoiceToken(const EspeakVoiceInfo &info, const std::string &description);

    std::string id() const override;
    HResult getStringValue(const std::u16string &name, std::u16string &out) const override;

    const EspeakVoiceInfo &info() const { return m_info; }
    Backend backend() const override { return Backend::Espeak; }
    const std::string &description() const override { return m_description; }
    uint16_t languageId() const override { return m_languageId; }
    // espeak-ng's formant voices understand every language but sound the
    // least natural: other synthesisers' voices of a language come first.
    int qualityRank() const override { return 100; }

    // Every installed voice, sorted by description; built once per process.
    static const std::vector<std::shared_ptr<EspeakVoiceToken>> &all();
    // The token of the default voice (American English where installed).
    static std::shared_ptr<EspeakVoiceToken> defaultToken();
    // The token whose description (or espeak-ng name or identifier) is name.
    static std::shared_ptr<EspeakVoiceToken> find(const std::string &name);

private:
    EspeakVoiceInfo m_info;
    std::string m_description;
    uint16_t m_languageId = 0;
    std::map<std::string, std::string> m_values;
};

} // namespace qvsp
