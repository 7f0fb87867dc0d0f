// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// The speech host's channel: any bytes, cut into pieces of any size, through
// the message reader, the JSON reader and the escaping of the text to speak.
// Messages come out whole and in order, the reader never holds more than one
// message, and every escaped position leads back inside the text.
#include "nativemessagereader.h"
#include "speechtextescaper.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses the piece size, so that framing is exercised
    // across every kind of split.
    const size_t piece = 1 + data[0] % 64;
    ++data;
    --size;
    constexpr quint32 limit = 4096;
    NativeMessageReader reader(limit);
    for (size_t at = 0; at < size; at += piece) {
        const size_t length = size - at < piece ? size - at : piece;
        const auto messages =
            reader.append(reinterpret_cast<const char *>(data + at), qsizetype(length));
        if (reader.pendingBytes() > qsizetype(4 + limit))
            std::abort();
        for (const auto &message : messages) {
            if (message.oversized != (message.length > limit))
                std::abort();
            if (!message.oversized && quint32(message.payload.size()) != message.length)
                std::abort();
            const QJsonObject object = QJsonDocument::fromJson(message.payload).object();
            const QString text = object.value(QStringLiteral("text")).toString();
            const SpeechTextEscaper escaper(text);
            const int escaped = int(escaper.escaped().size());
            for (int i = 0; i < escaped; i += 1 + i / 8) {
                const auto [start, end] = escaper.originalRange(i, qMin(i + 3, escaped - 1));
                if (start < 0 || end > text.size() || start > end)
                    std::abort();
            }
        }
    }
    return 0;
}
