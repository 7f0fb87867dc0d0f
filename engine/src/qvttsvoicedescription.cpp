// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvttsvoicedescription.h"

#include "qvttslanguage.h"
#include "qvttstext.h"

bool QVTTSVoiceDescription::read(const qvsp::VoiceToken &token, uint16_t uiLanguage,
                                 std::string &description)
{
    std::u16string value;
    qvsp::HResult hr = token.getStringValue(QVTTSLanguage::valueName(uiLanguage), value);
    // Only a missing value falls back to the default one; any other failure
    // means the token is unreadable.
    if (hr == qvsp::kNotFound)
        hr = token.getStringValue(std::u16string(), value);
    if (!qvsp::succeeded(hr))
        return false;
    description = QVTTSText::toUtf8(value);
    return true;
}
