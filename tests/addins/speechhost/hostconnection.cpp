// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "hostconnection.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QProcessEnvironment>

HostConnection::HostConnection(const QString &audioOutput)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VOCALYNE_AUDIO_OUTPUT"), audioOutput);
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(SPEECH_HOST_PROGRAM), QStringList());
    m_process.waitForStarted(10000);
}

HostConnection::~HostConnection()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void HostConnection::send(const QJsonObject &message)
{
    sendRaw(NativeMessageReader::frame(QJsonDocument(message).toJson(QJsonDocument::Compact)));
}

void HostConnection::sendRaw(const QByteArray &bytes)
{
    m_process.write(bytes);
    m_process.waitForBytesWritten(10000);
}

QJsonObject HostConnection::receive(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (m_received.isEmpty()) {
        if (m_process.bytesAvailable() == 0 &&
            !m_process.waitForReadyRead(int(deadline.remainingTime())))
            return QJsonObject();
        const QByteArray bytes = m_process.readAll();
        for (const auto &message : m_reader.append(bytes.constData(), bytes.size()))
            m_received.append(QJsonDocument::fromJson(message.payload).object());
        if (deadline.hasExpired() && m_received.isEmpty())
            return QJsonObject();
    }
    return m_received.takeFirst();
}

QList<QJsonObject> HostConnection::receiveUntil(const QString &type, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QList<QJsonObject> messages;
    while (!deadline.hasExpired()) {
        const QJsonObject message = receive(int(deadline.remainingTime()));
        if (message.isEmpty())
            break;
        messages.append(message);
        if (message.value(QStringLiteral("type")).toString() == type)
            return messages;
    }
    return {};
}

int HostConnection::close()
{
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(10000))
        return -1000;
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -2000;
}
