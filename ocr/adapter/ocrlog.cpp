// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "ocrlog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QStandardPaths>

namespace {
constexpr qint64 MaxLogSize = 1024 * 1024;
}

OcrLog::OcrLog(const QString &path) : m_path(path.isEmpty() ? defaultPath() : path) {}

QString OcrLog::defaultPath()
{
    // The adapter and the dialog share one data folder, named after the
    // dialog program, whichever of the two asks.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base + QStringLiteral("/Halvern/HalvernGlyphix/tesseract.log");
}

void OcrLog::write(const QString &line)
{
    QMutexLocker lock(&m_mutex);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    trimIfLong();
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    const QString stamped =
        QDateTime::currentDateTime().toString(Qt::ISODateWithMs) + QLatin1Char(' ') + line;
    file.write(stamped.toUtf8());
    file.write("\n");
}

void OcrLog::trimIfLong()
{
    QFile file(m_path);
    if (file.size() <= MaxLogSize || !file.open(QIODevice::ReadOnly))
        return;
    file.seek(file.size() - MaxLogSize / 2);
    QByteArray tail = file.readAll();
    file.close();
    // Start at a whole line.
    const int newline = tail.indexOf('\n');
    if (newline >= 0)
        tail.remove(0, newline + 1);
    QFile rewritten(m_path);
    if (rewritten.open(QIODevice::WriteOnly | QIODevice::Truncate))
        rewritten.write(tail);
}
