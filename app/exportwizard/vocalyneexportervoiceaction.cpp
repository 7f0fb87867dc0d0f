// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneexportervoiceaction.h"

#include <QIcon>

VocalyneExporterVoiceAction::VocalyneExporterVoiceAction(const QString &voiceName,
                                                         const VoiceComboUserData &voice,
                                                         QObject *parent)
    : QAction(QIcon(QStringLiteral(":/Vocalyne/images/icons/png/voice16.png")), voiceName, parent),
      m_voice(voice)
{
}
