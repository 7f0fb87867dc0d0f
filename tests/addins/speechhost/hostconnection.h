// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "nativemessagereader.h"

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>

/// The speech host program started as a browser starts it, with a channel
/// to send requests and read answers and events.
class HostConnection
{
public:
    /// Starts the host with VOCALYNE_AUDIO_OUTPUT set to `audioOutput`.
    explicit HostConnection(const QString &audioOutput = QStringLiteral("fast-null"));
    ~HostConnection();

    bool isRunning() const { return m_process.state() == QProcess::Running; }
    void send(const QJsonObject &message);
    void sendRaw(const QByteArray &bytes);
    /// The next message, or an empty object after `timeoutMs` without one.
    QJsonObject receive(int timeoutMs = 20000);
    /// Messages up to and including the first of `type` (empty when none came).
    QList<QJsonObject> receiveUntil(const QString &type, int timeoutMs = 60000);
    /// Closes the channel and waits for the host to end; returns its exit code.
    int close();

private:
    QProcess m_process;
    NativeMessageReader m_reader;
    QList<QJsonObject> m_received;
};
