// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynebatchnames.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

QString VocalyneBatchNames::uniqueName(QString name,
                                       const std::function<bool(const QString &)> &taken)
{
    static const QRegularExpression counter(QStringLiteral("\\[(\\d)\\]"));
    while (taken(name)) {
        const int lastDot = name.lastIndexOf(QLatin1Char('.'));
        QRegularExpressionMatch last;
        for (auto it = counter.globalMatch(name); it.hasNext();)
            last = it.next();
        if (!last.hasMatch()) {
            name.insert(lastDot >= 0 ? lastDot : name.size(), QStringLiteral("[1]"));
            continue;
        }
        // "[0]" counts up too: leaving it as it is would never end.
        const int n = last.captured(1).toInt();
        const QString rest =
            lastDot > last.capturedStart() ? name.mid(lastDot) : name.mid(last.capturedEnd());
        name = name.left(last.capturedStart()) + QLatin1Char('[') + QString::number(n + 1) +
               QLatin1Char(']') + rest;
    }
    return name;
}

QString VocalyneBatchNames::replaceExtension(const QString &name, const QString &strToken,
                                             bool isMP3)
{
    QString extension;
    if (isMP3)
        extension = QStringLiteral("mp3");
    else if (strToken == QLatin1String("aiff"))
        extension = QStringLiteral("aiff");
    else if (strToken == QLatin1String("gsm"))
        extension = QStringLiteral("gsm");
    else if (strToken == QLatin1String("snd"))
        extension = QStringLiteral("au");
    else
        extension = QStringLiteral("wav");
    const int lastDot = name.lastIndexOf(QLatin1Char('.'));
    if (lastDot < 0)
        return name + QLatin1Char('.') + extension;
    return name.left(lastDot + 1) + extension;
}

QString VocalyneBatchNames::outputNameFor(const QString &inputPath, const QString &extension)
{
    return QFileInfo(inputPath).fileName() + extension;
}

namespace {

QString csvField(const QString &field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString VocalyneBatchNames::logLine(const QString &status, const QString &outputFolder,
                                    const QStringList &columns)
{
    static const char *const labels[] = {
        QT_TRANSLATE_NOOP("VocalyneExporter", "Export Status: %1"),
        QT_TRANSLATE_NOOP("VocalyneExporter", "Output folder: %1"),
        QT_TRANSLATE_NOOP("VocalyneExporter", "Input file: %1"),
        QT_TRANSLATE_NOOP("VocalyneExporter", "Output file: %1"),
        QT_TRANSLATE_NOOP("VocalyneExporter", "Voice: %1"),
        QT_TRANSLATE_NOOP("VocalyneExporter", "Speed: %1"),
        QT_TRANSLATE_NOOP("VocalyneExporter", "Volume: %1"),
        QT_TRANSLATE_NOOP("VocalyneExporter", "Pitch: %1"),
        QT_TRANSLATE_NOOP("VocalyneExporter", "Speech XML: %1"),
        QT_TRANSLATE_NOOP("VocalyneExporter", "Format: %1"),
        QT_TRANSLATE_NOOP("VocalyneExporter", "MP3: %1"),
    };
    QStringList values{status, outputFolder};
    values += columns;
    QStringList fields;
    for (int i = 0; i < int(sizeof(labels) / sizeof(labels[0])); ++i)
        fields << csvField(QCoreApplication::translate("VocalyneExporter", labels[i])
                               .arg(i < values.size() ? values.at(i) : QString()));
    return fields.join(QLatin1Char(',')) + QLatin1Char('\n');
}
