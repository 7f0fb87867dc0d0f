// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QMetaType>
#include <QtGlobal>

/// The item data every voice list carries: which engine, which voice, which
/// language. Registered with the variant type under this name.
struct VoiceComboUserData
{
    qint16 engineTypeId = -4;
    qint32 voiceId = -1;
    quint16 langId = 0;

    friend bool operator==(const VoiceComboUserData &a, const VoiceComboUserData &b)
    {
        return a.engineTypeId == b.engineTypeId && a.voiceId == b.voiceId && a.langId == b.langId;
    }
};
Q_DECLARE_METATYPE(VoiceComboUserData)
