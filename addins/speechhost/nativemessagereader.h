// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>
#include <QList>

/// Splits the byte stream of a native messaging channel into messages: each
/// is a 32-bit length in the machine's byte order followed by that many bytes
/// of UTF-8 JSON. Bytes may arrive in pieces of any size. A length above the
/// limit is answered as an oversized message and its bytes are skipped as
/// they come, so one bad message never desynchronises the channel or makes
/// the reader hold more than the limit.
class NativeMessageReader
{
public:
    struct Message
    {
        QByteArray payload;
        bool oversized = false; ///< payload is empty; the message was skipped
        quint32 length = 0;     ///< the length the sender announced
    };

    explicit NativeMessageReader(quint32 maximumLength = DefaultMaximumLength);

    /// Adds received bytes and returns every message they complete.
    QList<Message> append(const char *data, qsizetype size);

    /// Bytes of an unfinished message held so far.
    qsizetype pendingBytes() const { return m_buffer.size(); }

    /// Frames a message for sending: the length, then the payload.
    static QByteArray frame(const QByteArray &payload);

    /// Browsers send at most 64 MiB to a host.
    static constexpr quint32 DefaultMaximumLength = 64u * 1024u * 1024u;

private:
    quint32 m_maximumLength;
    QByteArray m_buffer;
    quint32 m_skipping = 0; ///< bytes of an oversized message still to drop
};
