// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QtGlobal>

/// One voice as the voice list shows it: the display name and the record
/// {engine type, voice id, language} carried as the list entry's data.
struct VocalyneInstalledVoice
{
    QString name;
    qint16 engineTypeId = -4;
    qint32 voiceId = -1;
    quint16 langId = 0;
};
