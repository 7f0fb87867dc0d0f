// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "nativemessagereader.h"

#include <cstring>

NativeMessageReader::NativeMessageReader(quint32 maximumLength) : m_maximumLength(maximumLength) {}

QList<NativeMessageReader::Message> NativeMessageReader::append(const char *data, qsizetype size)
{
    QList<Message> messages;
    while (size > 0) {
        if (m_skipping > 0) {
            const qsizetype dropped = qMin<qsizetype>(size, m_skipping);
            m_skipping -= quint32(dropped);
            data += dropped;
            size -= dropped;
            continue;
        }
        // Take only what the current message needs, so that the buffer
        // never grows past one message.
        quint32 wanted = 4;
        if (m_buffer.size() >= 4) {
            quint32 length = 0;
            std::memcpy(&length, m_buffer.constData(), 4);
            wanted = 4 + length;
        }
        const qsizetype take = qMin<qsizetype>(size, qsizetype(wanted) - m_buffer.size());
        m_buffer.append(data, take);
        data += take;
        size -= take;

        if (m_buffer.size() == 4) {
            quint32 length = 0;
            std::memcpy(&length, m_buffer.constData(), 4);
            if (length > m_maximumLength) {
                messages.append({QByteArray(), true, length});
                m_skipping = length;
                m_buffer.clear();
                continue;
            }
        }
        if (m_buffer.size() >= 4) {
            quint32 length = 0;
            std::memcpy(&length, m_buffer.constData(), 4);
            if (quint32(m_buffer.size()) == 4 + length) {
                messages.append({m_buffer.mid(4), false, length});
                m_buffer.clear();
            }
        }
    }
    return messages;
}

QByteArray NativeMessageReader::frame(const QByteArray &payload)
{
    const quint32 length = quint32(payload.size());
    QByteArray framed(4, '\0');
    std::memcpy(framed.data(), &length, 4);
    framed.append(payload);
    return framed;
}
