// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneexportrequest.h"

#include <climits>

namespace {

bool readInt(const QString &text, int &out, qint64 low = INT_MIN, qint64 high = INT_MAX)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < low || value > high)
        return false;
    out = int(value);
    return true;
}

bool readFlag(const QString &text, bool &out)
{
    int value = 0;
    if (!readInt(text, value))
        return false;
    out = value != 0;
    return true;
}

} // namespace

void VocalyneExportRequest::setFormat(const ExportSettingData &format)
{
    intToken = format.intToken;
    strToken = format.strToken;
    samplingRate = format.audioSamplingRate;
    channels = format.audioChannels;
    isMP3 = format.isMP3;
}

QStringList VocalyneExportRequest::toArguments() const
{
    return {QString::number(engineType),
            voiceName,
            QString::number(voiceId),
            QString::number(languageId),
            QString::number(pitch),
            QString::number(speed),
            QString::number(volume),
            QString::number(sentencePause),
            QString::number(reserved),
            QString::number(isXml ? 1 : 0),
            outputPath,
            QString::number(intToken),
            strToken,
            QString::number(samplingRate),
            QString::number(channels),
            QString::number(speakPunctuation ? 1 : 0),
            QString::number(isMP3 ? 1 : 0),
            inputPath};
}

bool VocalyneExportRequest::fromArguments(const QStringList &arguments, VocalyneExportRequest &out)
{
    if (arguments.size() != ArgumentCount)
        return false;
    VocalyneExportRequest r;
    // The language travels signed from a single export and unsigned from a
    // batch row; both name the same 16 bits.
    int language = 0;
    if (!readInt(arguments.at(0), r.engineType, -32768, 32767) ||
        !readInt(arguments.at(2), r.voiceId) ||
        !readInt(arguments.at(3), language, -32768, 65535) || !readInt(arguments.at(4), r.pitch) ||
        !readInt(arguments.at(5), r.speed) || !readInt(arguments.at(6), r.volume) ||
        !readInt(arguments.at(7), r.sentencePause) || !readInt(arguments.at(8), r.reserved) ||
        !readFlag(arguments.at(9), r.isXml) || !readInt(arguments.at(11), r.intToken) ||
        !readInt(arguments.at(13), r.samplingRate) || !readInt(arguments.at(14), r.channels) ||
        !readFlag(arguments.at(15), r.speakPunctuation) || !readFlag(arguments.at(16), r.isMP3))
        return false;
    r.languageId = language & 0xFFFF;
    r.voiceName = arguments.at(1);
    r.outputPath = arguments.at(10);
    r.strToken = arguments.at(12);
    r.inputPath = arguments.at(17);
    out = r;
    return true;
}
