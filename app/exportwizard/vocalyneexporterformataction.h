// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "exportsettingdata.h"

#include <QAction>

/// An entry of the batch export's Format menu: one row of the audio format
/// catalogue, carrying its token, identifier, sampling rate, channels and
/// bits. The action's text is the row's format name. The MP3 flag is not
/// part of it: a row keeps its own when its format changes.
class VocalyneExporterFormatAction : public QAction
{
    Q_OBJECT

public:
    VocalyneExporterFormatAction(const ExportSettingData &format, QObject *parent);

    QString strToken() const { return m_format.strToken; }
    qint32 intToken() const { return m_format.intToken; }
    qint32 audioSamplingRate() const { return m_format.audioSamplingRate; }
    qint32 audioChannels() const { return m_format.audioChannels; }
    qint32 audioBitRate() const { return m_format.audioBitRate; }
    /// The catalogue row the action stands for.
    ExportSettingData format() const { return m_format; }

private:
    ExportSettingData m_format;
};
