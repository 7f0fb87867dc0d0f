// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynelayoutfile.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>

namespace VocalyneLayoutFile {

namespace {

// A layout file holds two small blocks; anything larger is not one, and is
// not read into memory whole.
constexpr qint64 MaximumFileSize = 16 * 1024 * 1024;

} // namespace

QByteArray encode(const VocalyneLayout &layout)
{
    QByteArray bytes;
    bytes.append(char(HeaderLength));
    QByteArray header;
    {
        QDataStream stream(&header, QIODevice::WriteOnly);
        stream.setByteOrder(QDataStream::BigEndian);
        stream << qint32(layout.geometry.size()) << qint32(layout.state.size());
    }
    bytes += header;
    bytes += layout.geometry;
    bytes += layout.state;
    bytes += layout.appearance;
    return bytes;
}

bool decode(const QByteArray &bytes, VocalyneLayout *layout)
{
    if (bytes.size() < 1 + HeaderLength || quint8(bytes.at(0)) != HeaderLength)
        return false;
    QDataStream stream(bytes.mid(1, HeaderLength));
    stream.setByteOrder(QDataStream::BigEndian);
    qint32 geometryLength = -1;
    qint32 stateLength = -1;
    stream >> geometryLength >> stateLength;
    if (stream.status() != QDataStream::Ok || geometryLength < 0 || stateLength < 0)
        return false;
    // In 64 bits: two lengths near 2^31 must not wrap around into a "fit".
    const qint64 blocksEnd = qint64(1) + HeaderLength + geometryLength + stateLength;
    if (blocksEnd + AppearanceLength != bytes.size())
        return false;
    const qsizetype geometryStart = 1 + HeaderLength;
    layout->geometry = bytes.mid(geometryStart, geometryLength);
    layout->state = bytes.mid(geometryStart + geometryLength, stateLength);
    layout->appearance = bytes.mid(blocksEnd, AppearanceLength);
    return true;
}

bool write(const QString &path, const VocalyneLayout &layout, QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = encode(layout);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

ReadResult read(const QString &path, VocalyneLayout *layout, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return ReadResult::CannotOpen;
    }
    if (file.size() > MaximumFileSize)
        return ReadResult::Damaged;
    return decode(file.readAll(), layout) ? ReadResult::Ok : ReadResult::Damaged;
}

} // namespace VocalyneLayoutFile
