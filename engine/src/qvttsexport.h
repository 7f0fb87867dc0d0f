// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvtts.h"

#include <cstdint>
#include <string>

// One export: renders a text with a voice into a file or a caller's memory
// block instead of the loudspeaker, with the voice selection, prosody and
// markup rules of speaking, as fast as the synthesiser goes. Each export
// uses a voice object of its own, so speech in progress carries on
// undisturbed and no word event of the export reaches the host.
class QVTTSExport
{
public:
    struct Speech
    {
        const char *voiceName = nullptr; // exact catalogue name
        const char *text = nullptr;      // UTF-8
        int32_t pitch = -1;              // percent; -1: no pitch prefix
        int32_t rate = -1;               // percent; -1: the voice's own
        int32_t volume = -1;             // 0..100; -1: full
        int32_t textType = 0;            // 1: speech XML
        bool speakPunctuation = false;
    };

    // Flags of toFile.
    enum : int32_t {
        // Write straight at path instead of under the partial name: for a
        // file of the caller's own that a reader follows while it grows.
        InPlace = 1
    };

    // Renders into the file path (UTF-8) in the format of the stream format
    // number (or of the family token "aiff" or "snd"). Unless InPlace, the
    // audio goes to partialPath(path) first and replaces path only when
    // complete, so a failed export leaves an existing file untouched.
    static QVTTSExportReturnValue toFile(const Speech &speech, const char *path, int audioFormat,
                                         const char *formatToken, int32_t flags);
    // Renders the image of the file of audioFormat into buffer: *size holds
    // the room on entry and the image's size on return (also when it did
    // not fit, with QVTTSExportBufferTooSmall).
    static QVTTSExportReturnValue toBuffer(const Speech &speech, char *buffer, int32_t *size,
                                           int audioFormat);

    // The hidden name a file is written under by this process until it is
    // complete: "." + name + "." + process id + ".part" in the same folder.
    static std::string partialPath(const std::string &path);
};
