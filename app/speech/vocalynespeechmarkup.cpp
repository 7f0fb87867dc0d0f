// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynespeechmarkup.h"

#include "qvt2ssection.h"

#include <cmath>

namespace {

QString signedNumber(qint32 value)
{
    // Zero and positive numbers carry an explicit "+"; negative ones bring
    // their own minus sign.
    return value >= 0 ? QLatin1Char('+') + QString::number(value) : QString::number(value);
}

QString sixDecimals(double value)
{
    // QString::number never uses the locale, so the decimal point is
    // always "." as the engines expect.
    return QString::number(value, 'f', 6);
}

QString xmlAttribute(const QString &text)
{
    // A voice name is spliced into an attribute; a quote or an ampersand in
    // it must not end the attribute or start an entity.
    return text.toHtmlEscaped();
}

} // namespace

int VocalyneSpeechMarkup::semitones(qint32 percent)
{
    const double x = percent < 1 ? 1.0 : double(percent);
    return int(std::trunc(std::log(x / 100.0) / std::log(1.1224620483)));
}

bool VocalyneSpeechMarkup::hasSectionMarkup(qint16 engineType)
{
    return engineType == 1 || engineType == 3 || engineType == 4;
}

QString VocalyneSpeechMarkup::sectionOpening(const QVT2SSection &section, qint32 documentSpeed)
{
    switch (section.engineTypeId) {
    case 1:
        return QLatin1String("<voice name=\"") + xmlAttribute(section.voiceName) +
               QLatin1String("\"><prosody rate=\"") + sixDecimals(section.speed / 100.0) +
               QLatin1String("\" volume=\"") + QString::number(section.volume) +
               QLatin1String("\" pitch=\"") + signedNumber(section.pitch - 100) +
               QLatin1String("%\">");
    case 3: {
        QString name = section.voiceName;
        name.remove(QLatin1String("ATT DTNV1.4 "));
        return QLatin1String("<voice required=\"Name=") + xmlAttribute(name) +
               QLatin1String("\"><rate absspeed=\"") +
               QString::number(semitones(section.speed) - semitones(documentSpeed)) +
               QLatin1String("\"><volume level=\"") + QString::number(section.volume) +
               QLatin1String("\"><pitch absmiddle=\"") + QString::number(semitones(section.pitch)) +
               QLatin1String("\">");
    }
    case 4:
        return QLatin1String("[[rate ") + signedNumber(section.speed - 100) +
               QLatin1String(" ; volm ") + sixDecimals(section.volume / 100.0) +
               QLatin1String(" ; pbas ") + signedNumber(section.pitch - 100) +
               QLatin1String("]]");
    default:
        return QString();
    }
}

QString VocalyneSpeechMarkup::sectionClosing(qint16 engineType)
{
    switch (engineType) {
    case 1:
        return QStringLiteral("</prosody></voice>");
    case 3:
        return QStringLiteral("</pitch></volume></rate></voice>");
    case 4:
        return QStringLiteral("\n\n[[rset 0]]");
    default:
        return QString();
    }
}

QString VocalyneSpeechMarkup::normalizeQuotes(QString text)
{
    QChar *it = text.data();
    QChar *const end = it + text.size();
    for (; it != end; ++it) {
        const char16_t c = it->unicode();
        if (c == 0x2018 || c == 0x2019)
            *it = QLatin1Char('\'');
        else if (c == 0x201C || c == 0x201D)
            *it = QLatin1Char('"');
    }
    return text;
}

int VocalyneSpeechMarkup::pitchPrefixLength(qint32 speakPitch)
{
    // Counted, not printed: this runs for every word event.
    int value = semitones(speakPitch);
    int digits = value < 0 ? 2 : 1;
    for (value /= 10; value != 0; value /= 10)
        ++digits;
    return 20 + digits;
}
