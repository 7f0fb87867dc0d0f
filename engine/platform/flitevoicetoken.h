// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "fliteengine.h"
#include "synthvoicetoken.h"

#include <map>
#include <memory>
#include <vector>

namespace qvsp {

// The token of one Flite voice. Its values:
//   "", "Name"           the description, "Flite English (America) SLT, female"
//   "<language hex>"     the description again, under the language ("409")
//   "Language"           the language identifier in hex ("409")
//   "Gender", "Age"      "Male" / "Female" (when known), "Adult"
//   "Vendor"             "Flite"
//   "FliteName"          Flite's own name of the voice, "slt"
//   "FliteFile"          the .flitevox file it was loaded from, if any
class FliteVoiceToken : public SynthVoiceToken
{
public:
    explicit FliteVoiceToken(const FliteVoiceInfo &info);

    std::string id() const override;
    HResult getStringValue(const std::u16string &name, std::u16string &out) const override;
    Backend backend() const override { return Backend::Flite; }
    const std::string &description() const override { return m_info.description; }
    uint16_t languageId() const override { return m_info.languageId; }
    int qualityRank() const override { return m_info.qualityRank; }

    const FliteVoiceInfo &info() const { return m_info; }

    // Every Flite voice, in the engine's order; built once per process.
    static const std::vector<std::shared_ptr<FliteVoiceToken>> &all();
    // The token whose description, or Flite name, is name.
    static std::shared_ptr<FliteVoiceToken> find(const std::string &name);

private:
    FliteVoiceInfo m_info;
    std::map<std::string, std::string> m_values;
};

} // namespace qvsp
