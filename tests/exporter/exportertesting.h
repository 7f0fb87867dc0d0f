// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <vector>

#include <sndfile.h>

/// What libsndfile reads from an exported file.
struct AudioFileInfo
{
    bool ok = false;
    int format = 0;
    int rate = 0;
    int channels = 0;
    double seconds = 0;
};

inline AudioFileInfo readAudioInfo(const QString &path)
{
    AudioFileInfo result;
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return result;
    // Count what decodes, not what the header claims.
    std::vector<short> buffer(size_t(4096 * info.channels));
    sf_count_t frames = 0;
    for (;;) {
        const sf_count_t got = sf_readf_short(file, buffer.data(), 4096);
        if (got <= 0)
            break;
        frames += got;
    }
    sf_close(file);
    result.ok = frames > 0;
    result.format = info.format;
    result.rate = info.samplerate;
    result.channels = info.channels;
    result.seconds = double(frames) / info.samplerate;
    return result;
}

/// The American English voice's catalogue name.
inline QString testVoiceName()
{
    return QStringLiteral("espeak-ng English (America)");
}
