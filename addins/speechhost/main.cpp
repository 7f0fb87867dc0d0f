// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// vocalyne-speech-host: the native messaging host that the browser and mail
// add-ins start. Messages arrive on standard input and answers and word
// events leave on standard output, each a 32-bit length and UTF-8 JSON.
#include "nativemessagereader.h"
#include "speechhostsession.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

void writeAll(const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            // The browser is gone; nothing more can be said.
            QCoreApplication::exit(0);
            return;
        }
        data += written;
        left -= written;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));

    SpeechHostSession session([](const QJsonObject &message) {
        writeAll(NativeMessageReader::frame(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    });

    QSocketNotifier engineEvents(session.engineEventFd(), QSocketNotifier::Read);
    QObject::connect(&engineEvents, &QSocketNotifier::activated, &app,
                     [&session] { session.dispatchEngineEvents(); });

    ::fcntl(STDIN_FILENO, F_SETFL, ::fcntl(STDIN_FILENO, F_GETFL) | O_NONBLOCK);
    NativeMessageReader reader;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (got > 0) {
                for (const NativeMessageReader::Message &message : reader.append(buffer, got)) {
                    if (message.oversized)
                        session.handleOversizedMessage(message.length);
                    else
                        session.handleMessage(message.payload);
                }
                continue;
            }
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                return;
            // End of input: the browser closed the channel.
            input.setEnabled(false);
            session.shutdown();
            QCoreApplication::quit();
            return;
        }
    });
    return app.exec();
}
