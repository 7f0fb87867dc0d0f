// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "tsfile.h"

#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>

QList<TsMessage> readTsFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<TsMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = TsMessage();
            message.context = context;
            message.numerus =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            message.unfinished = type == QLatin1String("unfinished");
            // Obsolete and vanished messages are no longer in the program.
            const bool gone =
                type == QLatin1String("obsolete") || type == QLatin1String("vanished");
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!gone)
                messages.append(message);
        }
    }
    if (xml.hasError()) {
        *error = xml.errorString();
        return {};
    }
    return messages;
}

namespace {

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

QStringList matches(const QString &text, const QRegularExpression &pattern)
{
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.append(it.next().captured(0));
    return found;
}

int accelerators(const QString &text)
{
    // "&&" is a literal ampersand; "&x" marks x as the accelerator.
    int count = 0;
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&'))
            ++i;
        else if (!text.at(i + 1).isSpace())
            ++count;
    }
    return count;
}

QString outerBlanks(const QString &text)
{
    int head = 0;
    while (head < text.size() && text.at(head) == QLatin1Char(' '))
        ++head;
    int tail = 0;
    while (tail < text.size() - head && text.at(text.size() - 1 - tail) == QLatin1Char(' '))
        ++tail;
    return QStringLiteral("%1/%2").arg(head).arg(tail);
}

} // namespace

QStringList translationFaults(const QString &source, const QString &translation)
{
    QStringList faults;
    if (translation.isEmpty())
        return {QStringLiteral("no translation")};
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d{1,2}"));
    if (sorted(matches(source, placeholder)) != sorted(matches(translation, placeholder)))
        faults << QStringLiteral("placeholders differ");
    if (accelerators(source) != accelerators(translation))
        faults << QStringLiteral("accelerators differ");
    static const QRegularExpression tag(QStringLiteral("</?[A-Za-z][A-Za-z0-9]*"));
    if (sorted(matches(source, tag)) != sorted(matches(translation, tag)))
        faults << QStringLiteral("markup differs");
    if (outerBlanks(source) != outerBlanks(translation))
        faults << QStringLiteral("leading or trailing blanks differ");
    if (source.count(QLatin1Char('\n')) > 0 && translation.count(QLatin1Char('\n')) == 0)
        faults << QStringLiteral("line breaks lost");
    // A shortcut is parsed from the text as it stands, so it must still name
    // the same keys.
    static const QRegularExpression shortcut(
        QStringLiteral("^((Ctrl|Shift|Alt|Meta)\\+)+.+$|^F\\d{1,2}$"));
    if (shortcut.match(source).hasMatch()) {
        const QKeySequence keys(translation, QKeySequence::PortableText);
        if (keys.isEmpty() || keys != QKeySequence(source, QKeySequence::PortableText))
            faults << QStringLiteral("shortcut differs");
    }
    return faults;
}

QStringList untranslatedAfterLupdate(const QString &lupdatePath, const QString &tsPath,
                                     const QString &sourceDir, QString *error)
{
    // A copy, so that the check never rewrites the catalogue in the tree.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QFileInfo(tsPath).fileName());
    if (!dir.isValid() || !QFile::copy(tsPath, copy)) {
        *error = QStringLiteral("cannot copy ") + tsPath;
        return {};
    }
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(lupdatePath, {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"),
                                QStringLiteral("-locations"), QStringLiteral("none"), sourceDir,
                                QStringLiteral("-ts"), copy});
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) {
        *error = QStringLiteral("lupdate failed: ") + QString::fromLocal8Bit(lupdate.readAll());
        return {};
    }
    const QList<TsMessage> current = readTsFile(copy, error);
    QStringList untranslated;
    for (const TsMessage &message : current)
        if (message.unfinished || message.translation.isEmpty())
            untranslated << message.context + QStringLiteral(": ") + message.source;
    return untranslated;
}
