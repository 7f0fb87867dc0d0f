// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvttsvoicecatalogue.h"

#include "qvttsvoicedescription.h"

#include <cstdlib>
#include <cstring>

QVTTSVoiceCatalogue::~QVTTSVoiceCatalogue()
{
    clear();
}

uint32_t QVTTSVoiceCatalogue::append(const std::vector<qvsp::VoiceTokenPtr> &tokens,
                                     uint16_t uiLanguage)
{
    uint32_t added = 0;
    for (const qvsp::VoiceTokenPtr &token : tokens) {
        std::string description;
        if (!token || !QVTTSVoiceDescription::read(*token, uiLanguage, description))
            continue;
        if (append(description))
            ++added;
    }
    return added;
}

bool QVTTSVoiceCatalogue::append(const std::string &description)
{
    QVTTSVoiceInfo info;
    info.engineType = QVTTSEngineSpeechPlatform;
    info.name = strdup(description.c_str());
    info.attribute = -1;
    info.language = 0;
    if (!info.name)
        return false;
    try {
        m_entries.push_back(info);
    } catch (...) {
        std::free(info.name);
        throw;
    }
    return true;
}

const QVTTSVoiceInfo *QVTTSVoiceCatalogue::at(int32_t index) const
{
    // Compared unsigned so that a negative index is out of range too.
    if (static_cast<uint32_t>(index) >= m_entries.size())
        return nullptr;
    return &m_entries[static_cast<size_t>(index)];
}

bool QVTTSVoiceCatalogue::copyOut(int32_t index, QVTTSVoiceEngineType *engineType, char *name,
                                  int32_t *nameLength, int32_t *attribute, uint16_t *language) const
{
    const QVTTSVoiceInfo *info = at(index);
    if (!info)
        return false;
    const size_t length = info->name ? std::strlen(info->name) : 0;
    if (engineType)
        *engineType = info->engineType;
    if (name)
        std::memcpy(name, info->name ? info->name : "", length + 1);
    if (nameLength)
        *nameLength = static_cast<int32_t>(length);
    if (attribute)
        *attribute = info->attribute;
    if (language)
        *language = info->language;
    return true;
}

void QVTTSVoiceCatalogue::clear()
{
    for (QVTTSVoiceInfo &info : m_entries)
        std::free(info.name);
    m_entries.clear();
}
