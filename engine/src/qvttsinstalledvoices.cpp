// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvttsinstalledvoices.h"

#include "qvttsvoicedescription.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

QVTTSVoiceInfo *newInfo(const std::string &description)
{
    auto *info = static_cast<QVTTSVoiceInfo *>(std::malloc(sizeof(QVTTSVoiceInfo)));
    if (!info)
        return nullptr;
    info->engineType = QVTTSEngineSpeechPlatform;
    info->name = strdup(description.c_str());
    info->attribute = -1;
    info->language = 0;
    if (!info->name) {
        std::free(info);
        return nullptr;
    }
    return info;
}

} // namespace

uint32_t QVTTSInstalledVoices::fill(QVTTSVoiceInfoCollection *first,
                                    const std::vector<qvsp::VoiceTokenPtr> &tokens,
                                    uint16_t uiLanguage)
{
    // The links are cleared although hosts walk by count: a host that
    // follows them anyway stops instead of reading freed or random memory.
    first->next = nullptr;
    uint32_t count = 0;
    QVTTSVoiceInfoCollection *last = first;
    for (const qvsp::VoiceTokenPtr &token : tokens) {
        std::string description;
        if (!token || !QVTTSVoiceDescription::read(*token, uiLanguage, description))
            continue;
        QVTTSVoiceInfo *info = newInfo(description);
        if (!info)
            break;
        if (count == 0) {
            first->info = info;
        } else {
            auto *node = static_cast<QVTTSVoiceInfoCollection *>(
                std::malloc(sizeof(QVTTSVoiceInfoCollection)));
            if (!node) {
                std::free(info->name);
                std::free(info);
                break;
            }
            node->next = nullptr;
            node->info = info;
            last->next = node;
            last = node;
        }
        ++count;
    }
    return count;
}

void QVTTSInstalledVoices::clean(QVTTSVoiceInfoCollection *first, uint32_t count)
{
    if (!first)
        return;
    QVTTSVoiceInfoCollection *node = count > 1 ? first->next : nullptr;
    for (uint32_t i = 1; i < count && node; ++i) {
        QVTTSVoiceInfoCollection *next = node->next;
        if (node->info) {
            std::free(node->info->name);
            std::free(node->info);
        }
        std::free(node);
        node = next;
    }
    if (count >= 1 && first->info) {
        std::free(first->info->name);
        std::free(first->info);
    }
    std::free(first);
}
