// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvtts.h"
#include "speechplatform.h"

#include <cstdint>
#include <string>
#include <vector>

// The voices listed to hosts, in the platform's order. Built at
// initialisation; a second initialisation appends the voices again, as
// hosts that initialise once never notice and the catalogue has always
// behaved.
class QVTTSVoiceCatalogue
{
public:
    QVTTSVoiceCatalogue() = default;
    ~QVTTSVoiceCatalogue();
    QVTTSVoiceCatalogue(const QVTTSVoiceCatalogue &) = delete;
    QVTTSVoiceCatalogue &operator=(const QVTTSVoiceCatalogue &) = delete;

    // Appends every token whose description can be read; returns how many.
    uint32_t append(const std::vector<qvsp::VoiceTokenPtr> &tokens, uint16_t uiLanguage);
    // false when there was no memory for the name.
    bool append(const std::string &description);

    uint32_t size() const { return static_cast<uint32_t>(m_entries.size()); }
    const QVTTSVoiceInfo *at(int32_t index) const;
    // Writes voice index into the outputs; false (nothing written) when the
    // index is outside the catalogue.
    bool copyOut(int32_t index, QVTTSVoiceEngineType *engineType, char *name, int32_t *nameLength,
                 int32_t *attribute, uint16_t *language) const;
    void clear();

private:
    std::vector<QVTTSVoiceInfo> m_entries; // names malloc-allocated, owned here
};
