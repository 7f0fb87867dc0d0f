// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "testzip.h"
#include "vocalyneextractionsink.h"

#include <QRegularExpression>
#include <QStringList>

/// Collects what an extraction delivers; paragraphs of different pieces are
/// joined by line breaks as the editor joins them.
class TextCollector : public VocalyneExtractionSink
{
public:
    bool piece(const QString &piece, bool newParagraph) override
    {
        if (newParagraph && !text.isEmpty())
            text += QLatin1Char('\n');
        text += piece;
        pieces.append(piece);
        return stopAfter < 0 || pieces.size() < stopAfter;
    }
    bool keepGoing() override
    {
        ++checkpoints;
        return true;
    }

    QString text;
    QStringList pieces;
    int checkpoints = 0;
    int stopAfter = -1;
};

/// The words of a text, for word-for-word comparisons.
inline QStringList words(const QString &text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.split(space, Qt::SkipEmptyParts);
}

/// Office Open XML, OpenDocument and e-book packages around given parts.
namespace TestPackages {

inline QByteArray xml(const QString &body)
{
    return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n") +
            body)
        .toUtf8();
}

inline QString relationships(const QStringList &entries)
{
    QString out = QStringLiteral(
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">");
    for (const QString &entry : entries)
        out += entry;
    return out + QStringLiteral("</Relationships>");
}

inline QString relationship(const QString &id, const QString &type, const QString &target)
{
    return QStringLiteral("<Relationship Id=\"%1\" Type=\"http://schemas.openxmlformats.org/"
                          "officeDocument/2006/relationships/%2\" Target=\"%3\"/>")
        .arg(id, type, target);
}

inline QByteArray contentTypes()
{
    return xml(QStringLiteral(
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"));
}

const QString wordNs = QStringLiteral(
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"");

/// A word-processing document; body is the content of w:body. Notes and
/// comments are whole parts (without the XML declaration) when given.
inline QByteArray docx(const QString &body, const QString &footnotes = QString(),
                       const QString &comments = QString())
{
    QStringList docRels;
    QList<QPair<QString, QByteArray>> parts = {
        {QStringLiteral("[Content_Types].xml"), contentTypes()},
        {QStringLiteral("_rels/.rels"),
         xml(relationships({relationship(QStringLiteral("rId1"), QStringLiteral("officeDocument"),
                                         QStringLiteral("word/document.xml"))}))},
        {QStringLiteral("word/document.xml"),
         xml(QStringLiteral("<w:document %1><w:body>%2</w:body></w:document>").arg(wordNs, body))},
    };
    if (!footnotes.isEmpty()) {
        docRels.append(relationship(QStringLiteral("rId7"), QStringLiteral("footnotes"),
                                    QStringLiteral("footnotes.xml")));
        parts.append({QStringLiteral("word/footnotes.xml"), xml(footnotes)});
    }
    if (!comments.isEmpty()) {
        docRels.append(relationship(QStringLiteral("rId8"), QStringLiteral("comments"),
                                    QStringLiteral("/word/comments.xml")));
        parts.append({QStringLiteral("word/comments.xml"), xml(comments)});
    }
    parts.append({QStringLiteral("word/_rels/document.xml.rels"), xml(relationships(docRels))});
    return buildZip(parts);
}

/// A paragraph of runs in WordprocessingML.
inline QString wp(const QString &text, const QString &style = QString())
{
    const QString properties =
        style.isEmpty() ? QString()
                        : QStringLiteral("<w:pPr><w:pStyle w:val=\"%1\"/><w:tabs><w:tab "
                                         "w:val=\"left\" w:pos=\"720\"/></w:tabs></w:pPr>")
                              .arg(style);
    return QStringLiteral("<w:p>%1<w:r><w:rPr><w:b/></w:rPr><w:t xml:space=\"preserve\">%2</w:t>"
                          "</w:r></w:p>")
        .arg(properties, text.toHtmlEscaped());
}

/// A workbook whose sheets (name, sheetData content) are listed in order;
/// their part names run the other way, so order must come from the workbook.
inline QByteArray xlsx(const QList<QPair<QString, QString>> &sheets, const QStringList &shared)
{
    const QString ns = QStringLiteral(
        "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"");
    QString workbook = QStringLiteral("<workbook %1><sheets>").arg(ns);
    QStringList rels = {relationship(QStringLiteral("rIdS"), QStringLiteral("sharedStrings"),
                                     QStringLiteral("sharedStrings.xml"))};
    QList<QPair<QString, QByteArray>> parts = {
        {QStringLiteral("[Content_Types].xml"), contentTypes()},
        {QStringLiteral("_rels/.rels"),
         xml(relationships({relationship(QStringLiteral("rId1"), QStringLiteral("officeDocument"),
                                         QStringLiteral("xl/workbook.xml"))}))},
    };
    for (int i = 0; i < sheets.size(); ++i) {
        const QString part = QStringLiteral("worksheets/sheet%1.xml").arg(sheets.size() - i);
        workbook += QStringLiteral("<sheet name=\"%1\" sheetId=\"%2\" r:id=\"rId%2\"/>")
                        .arg(sheets[i].first)
                        .arg(i + 1);
        rels.append(
            relationship(QStringLiteral("rId%1").arg(i + 1), QStringLiteral("worksheet"), part));
        parts.append({QStringLiteral("xl/") + part,
                      xml(QStringLiteral("<worksheet %1><sheetData>%2</sheetData></worksheet>")
                              .arg(ns, sheets[i].second))});
    }
    workbook += QStringLiteral("</sheets></workbook>");
    QString sst = QStringLiteral("<sst %1>").arg(ns);
    for (const QString &text : shared)
        sst += QStringLiteral("<si><t>%1</t></si>").arg(text.toHtmlEscaped());
    sst += QStringLiteral("</sst>");
    parts.append({QStringLiteral("xl/workbook.xml"), xml(workbook)});
    parts.append({QStringLiteral("xl/_rels/workbook.xml.rels"), xml(relationships(rels))});
    parts.append({QStringLiteral("xl/sharedStrings.xml"), xml(sst)});
    return buildZip(parts);
}

/// An OpenDocument package; body is the content of office:body.
inline QByteArray odf(const QString &body, const QString &mimetype, const QString &manifest = {})
{
    const QString content =
        QStringLiteral(
            "<office:document-content "
            "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
            "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
            "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
            "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
            "xmlns:presentation=\"urn:oasis:names:tc:opendocument:xmlns:presentation:1.0\" "
            "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" office:version=\"1.3\">"
            "<office:automatic-styles><style:style "
            "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
            "style:name=\"P1\">Not text</style:style></office:automatic-styles>"
            "<office:body>%1</office:body></office:document-content>")
            .arg(body);
    QList<QPair<QString, QByteArray>> parts = {{QStringLiteral("mimetype"), mimetype.toUtf8()},
                                               {QStringLiteral("content.xml"), xml(content)}};
    if (!manifest.isEmpty())
        parts.append({QStringLiteral("META-INF/manifest.xml"), xml(manifest)});
    return buildZip(parts);
}

/// An e-book whose spine lists the chapters (file name, XHTML body) in the
/// given order while its manifest lists them the other way round.
inline QByteArray epub(const QList<QPair<QString, QString>> &chapters,
                       const QString &encryption = QString())
{
    QString manifest;
    QString spine;
    QList<QPair<QString, QByteArray>> parts = {
        {QStringLiteral("mimetype"), "application/epub+zip"},
        {QStringLiteral("META-INF/container.xml"),
         xml(QStringLiteral("<container version=\"1.0\" "
                            "xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles>"
                            "<rootfile full-path=\"OEBPS/content.opf\" "
                            "media-type=\"application/oebps-package+xml\"/></rootfiles>"
                            "</container>"))}};
    for (int i = 0; i < chapters.size(); ++i) {
        manifest.prepend(QStringLiteral("<item id=\"c%1\" href=\"text/%2\" "
                                        "media-type=\"application/xhtml+xml\"/>")
                             .arg(i)
                             .arg(chapters[i].first));
        spine += QStringLiteral("<itemref idref=\"c%1\"/>").arg(i);
        parts.append(
            {QStringLiteral("OEBPS/text/") + chapters[i].first,
             xml(QStringLiteral("<!DOCTYPE html><html xmlns=\"http://www.w3.org/1999/xhtml\">"
                                "<head><title>Title not read</title><style>p{}</style></head>"
                                "<body>%1</body></html>")
                     .arg(chapters[i].second))});
    }
    parts.append({QStringLiteral("OEBPS/content.opf"),
                  xml(QStringLiteral("<package xmlns=\"http://www.idpf.org/2007/opf\" "
                                     "version=\"3.0\"><manifest>%1</manifest><spine>%2</spine>"
                                     "</package>")
                          .arg(manifest, spine))});
    if (!encryption.isEmpty())
        parts.append({QStringLiteral("META-INF/encryption.xml"), xml(encryption)});
    return buildZip(parts);
}

} // namespace TestPackages
