// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QtGlobal>

/// A character range [fromChar, toChar) read with its own voice and prosody.
/// The defaults are the values of a freshly made record.
struct QVT2SSection
{
    quint32 fromChar = 0;
    quint32 toChar = 0;
    qint16 engineTypeId = -1;
    QString voiceName;
    qint32 voiceId = -1;
    quint16 langId = 0xFFFE;
    qint32 pitch = 0;
    qint32 speed = 0;
    qint32 volume = 0;
    qint32 pause = 0; ///< sentence pause in milliseconds; 0 = none
    bool enabled = false;

    friend bool operator==(const QVT2SSection &a, const QVT2SSection &b)
    {
        return a.fromChar == b.fromChar && a.toChar == b.toChar &&
               a.engineTypeId == b.engineTypeId && a.voiceName == b.voiceName &&
               a.voiceId == b.voiceId && a.langId == b.langId && a.pitch == b.pitch &&
               a.speed == b.speed && a.volume == b.volume && a.pause == b.pause &&
               a.enabled == b.enabled;
    }
    friend bool operator!=(const QVT2SSection &a, const QVT2SSection &b) { return !(a == b); }
};
