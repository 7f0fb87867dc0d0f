// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "benchdocument.h"

#include <QStringList>
#include <QXmlStreamWriter>

namespace {

const QStringList &prose()
{
    static const QStringList lines = {
        QStringLiteral("The harbour woke slowly under a pale sky, and the first ferry sounded "
                       "its horn twice before it left the pier."),
        QStringLiteral("Mara read the letter again. Every sentence seemed to ask for a pause, "
                       "as if the writer had stopped to breathe between the words."),
        QStringLiteral("In the old library the clocks disagreed by a minute or two; nobody "
                       "minded, because the books kept their own time."),
        QStringLiteral("By noon the market was loud with voices: fishmongers, children, a "
                       "violinist who played the same waltz for anyone who listened."),
    };
    return lines;
}

} // namespace

QByteArray BenchDocument::build(const Shape &shape, const QString &voiceName)
{
    QString text;
    for (int i = 0; i < shape.paragraphs; ++i) {
        if (i)
            text += shape.oneParagraph ? QLatin1Char(' ') : QLatin1Char('\n');
        text += prose().at(i % prose().size());
    }
    const int length = int(text.size());

    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartElement(QStringLiteral("QVT2SDoc"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0.0"));

    xml.writeStartElement(QStringLiteral("QVT2SGlobalVoice"));
    const QList<QPair<QString, QString>> global = {
        {QStringLiteral("enginetypeid"), QStringLiteral("3")},
        {QStringLiteral("voicename"), voiceName},
        {QStringLiteral("voiceid"), QStringLiteral("-1")},
        {QStringLiteral("langid"), QStringLiteral("0")},
        {QStringLiteral("pitch"), QStringLiteral("100")},
        {QStringLiteral("speed"), QStringLiteral("100")},
        {QStringLiteral("volume"), QStringLiteral("100")},
        {QStringLiteral("pause"), QStringLiteral("670")},
        {QStringLiteral("highlight"), QStringLiteral("1")},
        {QStringLiteral("isxml"), QStringLiteral("1")}};
    for (const auto &attribute : global)
        xml.writeAttribute(attribute.first, attribute.second);
    xml.writeEndElement();

    // Sections and bookmarks are spread evenly over the text without
    // touching one another; elements sit between them.
    xml.writeStartElement(QStringLiteral("QVT2SSpeechSections"));
    const int sectionStride = shape.sections ? qMax(3, length / shape.sections) : 1;
    for (int i = 0; i < shape.sections && (i + 1) * sectionStride <= length; ++i) {
        xml.writeStartElement(QStringLiteral("QVT2SSpeechSection"));
        const int from = i * sectionStride;
        xml.writeAttribute(QStringLiteral("fromchar"), QString::number(from));
        xml.writeAttribute(QStringLiteral("tochar"), QString::number(from + sectionStride * 2 / 3));
        xml.writeAttribute(QStringLiteral("enginetypeid"), QStringLiteral("3"));
        xml.writeAttribute(QStringLiteral("voicename"), voiceName);
        xml.writeAttribute(QStringLiteral("voiceid"), QStringLiteral("-1"));
        xml.writeAttribute(QStringLiteral("langid"), QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("pitch"), QString::number(80 + i % 60));
        xml.writeAttribute(QStringLiteral("speed"), QString::number(90 + i % 40));
        xml.writeAttribute(QStringLiteral("volume"), QStringLiteral("90"));
        xml.writeAttribute(QStringLiteral("pause"), QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("enabled"), i % 5 ? QStringLiteral("1") : QStringLiteral("0"));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("QVT2SSpeechElements"));
    const int elementStride = shape.elements ? qMax(1, length / shape.elements) : 1;
    for (int i = 0; i < shape.elements && i * elementStride < length; ++i) {
        xml.writeStartElement(QStringLiteral("QVT2SSpeechElement"));
        xml.writeAttribute(QStringLiteral("afterchar"), QString::number(i * elementStride));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("pause"));
        xml.writeAttribute(QStringLiteral("value"), QString::number(200 + 50 * (i % 8)));
        xml.writeAttribute(QStringLiteral("enabled"), QStringLiteral("1"));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("QVT2SSpeechBookmarks"));
    const int bookmarkStride = shape.bookmarks ? qMax(3, length / shape.bookmarks) : 1;
    for (int i = 0; i < shape.bookmarks && (i + 1) * bookmarkStride <= length; ++i) {
        xml.writeStartElement(QStringLiteral("QVT2SSpeechBookmark"));
        const int from = i * bookmarkStride + bookmarkStride / 4;
        xml.writeAttribute(QStringLiteral("fromchar"), QString::number(from));
        xml.writeAttribute(QStringLiteral("tochar"), QString::number(from + bookmarkStride / 2));
        xml.writeAttribute(QStringLiteral("enabled"), i % 3 ? QStringLiteral("1") : QStringLiteral("0"));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeTextElement(QStringLiteral("QVT2SContent"), text);
    xml.writeEndElement();
    return bytes;
}
