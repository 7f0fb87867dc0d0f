// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qstringprint.h"
#include "testdocuments.h"
#include "vocalynedocumentextractor.h"

#include <QFile>
#include <QTemporaryDir>

/// Writes bytes to a file of the given name and extracts its text.
struct Extraction
{
    int result = -1;
    TextCollector collector;
    QString text() const { return collector.text; }
};

inline Extraction extractFile(const QString &path, int stopAfter = -1)
{
    Extraction out;
    out.collector.stopAfter = stopAfter;
    out.result = VocalyneDocumentExtractor::extract(path, out.collector);
    return out;
}

inline Extraction extractBytes(const QByteArray &bytes, const QString &name, int stopAfter = -1)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return Extraction();
    file.close();
    return extractFile(path, stopAfter);
}
