// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynetextdecoder.h"

#include <QStringDecoder>

#include <clocale>
#include <langinfo.h>

namespace {

QString decodeWith(QStringDecoder &decoder, const QByteArray &bytes)
{
    return decoder.decode(bytes);
}

// The 8-bit encoding a file written on this system would most likely use.
QStringDecoder legacyDecoder()
{
    const char *codeset = nl_langinfo(CODESET);
    const QByteArray name = codeset ? QByteArray(codeset).toUpper() : QByteArray();
    if (!name.isEmpty() && name != "UTF-8" && name != "UTF8" && name != "ANSI_X3.4-1968") {
        QStringDecoder locale(name.constData());
        if (locale.isValid())
            return locale;
    }
    // A UTF-8 (or plain C) locale has no 8-bit codec of its own; the files
    // that are not UTF-8 are then almost always Western Windows or Latin-1.
    QStringDecoder windows("windows-1252");
    if (windows.isValid())
        return windows;
    return QStringDecoder(QStringConverter::Latin1);
}

} // namespace

bool VocalyneTextDecoder::isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

QString VocalyneTextDecoder::decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decodeWith(utf8, bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder legacy = legacyDecoder();
    return decodeWith(legacy, bytes);
}
