// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "voicecombouserdata.h"

#include <QAction>

/// An entry of the batch export's Voice menu: one voice of the main window's
/// voice list, carrying its engine type, voice id and language id. The
/// action's text is the voice's name.
class VocalyneExporterVoiceAction : public QAction
{
    Q_OBJECT

public:
    VocalyneExporterVoiceAction(const QString &voiceName, const VoiceComboUserData &voice,
                                QObject *parent);

    VoiceComboUserData voice() const { return m_voice; }

private:
    VoiceComboUserData m_voice;
};
