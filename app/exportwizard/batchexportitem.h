// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QtGlobal>

/// What one row of the batch export hands to its worker: the voice and
/// prosody, the speech XML flag and the audio format.
struct BatchExportItem
{
    qint16 voiceEngineTypeId = 3;
    QString voiceName;
    qint32 voiceId = -1;
    quint16 langId = 0;
    qint32 pitch = 100;
    qint32 speed = 100;
    qint32 volume = 100;
    qint32 sentPause = 670;
    qint32 reserved = -1;
    qint16 isXml = 1;
    QString strToken;
    qint32 intToken = 0;
    qint32 audioSamplingRate = 0;
    qint32 audioChannels = 0;
    qint32 audioBitRate = 0;
    bool isMP3 = false;
    QString formatName;
};
