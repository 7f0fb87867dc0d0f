// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynevoicelist.h"

#include "qvtts.h"
#include "voicecombouserdata.h"

#include <QComboBox>
#include <QIcon>

int VocalyneVoiceList::fill(QComboBox *combo)
{
    static const QIcon voiceIcon(QStringLiteral(":/Vocalyne/images/icons/png/voice16.png"));
    int added = 0;
    for (int32_t index = 0;; ++index) {
        // The length first, so the name buffer always fits.
        QVTTSVoiceEngineType type = QVTTSEngineNone;
        int32_t length = 0;
        if (GetQVTTSVoice(index, &type, nullptr, &length, nullptr, nullptr) !=
            QVTTSVoiceInfoSuccess)
            break;
        QByteArray name(qMax(length, 0) + 1, '\0');
        length = int32_t(name.size());
        int32_t voiceId = -1;
        uint16_t language = 0;
        if (GetQVTTSVoice(index, &type, name.data(), &length, &voiceId, &language) !=
            QVTTSVoiceInfoSuccess)
            break;
        name.truncate(qBound(0, int(length), int(name.size()) - 1));
        VoiceComboUserData data;
        data.engineTypeId = qint16(type);
        data.voiceId = voiceId;
        data.langId = language;
        combo->addItem(voiceIcon, QString::fromUtf8(name), QVariant::fromValue(data));
        ++added;
    }
    return added;
}
