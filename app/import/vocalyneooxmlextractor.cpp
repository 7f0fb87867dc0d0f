// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneooxmlextractor.h"

#include "vocalyneextractionresult.h"
#include "vocalynetextpieces.h"
#include "vocalynexmlhelpers.h"
#include "vocalynezippackage.h"

#include <QXmlStreamReader>

using VocalyneXml::attribute;
using VocalyneXml::is;

namespace {

QString relsPartOf(const QString &part)
{
    const int slash = part.lastIndexOf(QLatin1Char('/'));
    return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) +
           QStringLiteral(".rels");
}

QString mainPart(const VocalyneZipPackage &package)
{
    for (const auto &rel : VocalyneOoxmlExtractor::relationships(package, QString()))
        if (rel.type == QLatin1String("officeDocument") && package.contains(rel.target))
            return rel.target;
    return QString();
}

QString rootElement(const QByteArray &bytes)
{
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.name().toString();
    return QString();
}

// Alternate content carries the same text twice (for new and old readers):
// only the first choice is read.
bool skipsAlternative(QXmlStreamReader &xml)
{
    if (is(xml, "Fallback")) {
        xml.skipCurrentElement();
        return true;
    }
    return false;
}

// Numbers are stored in their exact binary form ("0.30000000000000004");
// what a spreadsheet shows is the short form.
QString cellNumber(const QString &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? QString::number(number, 'g', 15) : value;
}

} // namespace

QList<VocalyneOoxmlExtractor::Relationship>
VocalyneOoxmlExtractor::relationships(const VocalyneZipPackage &package, const QString &part)
{
    QList<Relationship> out;
    const QString relsName = part.isEmpty() ? QStringLiteral("_rels/.rels") : relsPartOf(part);
    QXmlStreamReader xml(package.read(relsName));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || !is(xml, "Relationship"))
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        Relationship rel;
        rel.id = attributes.value(QLatin1String("Id")).toString();
        const QString type = attributes.value(QLatin1String("Type")).toString();
        rel.type = type.mid(type.lastIndexOf(QLatin1Char('/')) + 1);
        if (attributes.value(QLatin1String("TargetMode")) != QLatin1String("External"))
            rel.target = VocalyneZipPackage::resolve(
                part, attributes.value(QLatin1String("Target")).toString());
        out.append(rel);
    }
    return out;
}

bool VocalyneOoxmlExtractor::recognizes(const VocalyneZipPackage &package)
{
    return package.contains(QStringLiteral("[Content_Types].xml")) ||
           package.contains(QStringLiteral("_rels/.rels"));
}

int VocalyneOoxmlExtractor::extract(const VocalyneZipPackage &package, VocalyneTextPieces &out)
{
    const QString part = mainPart(package);
    if (part.isEmpty())
        return VocalyneExtraction::NoFilter;
    bool ok = false;
    const QByteArray main = package.read(part, &ok);
    if (!ok)
        return VocalyneExtraction::NoFilter;

    const QString root = rootElement(main);
    if (root == QLatin1String("document")) {
        readWordPart(main, out);
        // Notes and comments follow the body, in the order a reader meets
        // them when reading the printed document.
        const QList<Relationship> rels = relationships(package, part);
        for (const char *type : {"footnotes", "endnotes", "comments"})
            for (const Relationship &rel : rels)
                if (rel.type == QLatin1String(type) && out.checkpoint())
                    readWordPart(package.read(rel.target), out);
    } else if (root == QLatin1String("presentation")) {
        readPresentation(package, part, out);
    } else if (root == QLatin1String("workbook")) {
        readWorkbook(package, part, out);
    } else {
        return VocalyneExtraction::NoFilter;
    }
    out.finish();
    return out.result();
}

void VocalyneOoxmlExtractor::readWordPart(const QByteArray &bytes, VocalyneTextPieces &out)
{
    // Paragraphs nest (a text box inside a paragraph holds paragraphs of its
    // own): the outer paragraph's text waits on the stack.
    QList<QString> open;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd() && !out.stopped()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            if (is(xml, "p") && !open.isEmpty())
                out.paragraph(open.takeLast());
            continue;
        }
        if (token != QXmlStreamReader::StartElement || skipsAlternative(xml))
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("p")) {
            open.append(QString());
        } else if (name == QLatin1String("t")) {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!open.isEmpty())
                open.last() += text;
        } else if (name == QLatin1String("tab") || name == QLatin1String("ptab")) {
            if (!open.isEmpty())
                open.last() += QLatin1Char('\t');
        } else if (name == QLatin1String("br") || name == QLatin1String("cr")) {
            if (!open.isEmpty())
                open.last() += QLatin1Char('\n');
        } else if (name == QLatin1String("noBreakHyphen")) {
            if (!open.isEmpty())
                open.last() += QLatin1Char('-');
        } else if (name == QLatin1String("footnote") || name == QLatin1String("endnote")) {
            // The separator lines above the notes are notes of their own.
            if (!attribute(xml, "type").isEmpty() &&
                attribute(xml, "type") != QLatin1String("normal"))
                xml.skipCurrentElement();
        } else if (name == QLatin1String("pPr") || name == QLatin1String("rPr") ||
                   name == QLatin1String("delText") || name == QLatin1String("instrText") ||
                   name == QLatin1String("delInstrText") || name == QLatin1String("sectPr") ||
                   name == QLatin1String("tblPr") || name == QLatin1String("tcPr") ||
                   name == QLatin1String("trPr") || name == QLatin1String("tblGrid")) {
            // Properties hold tab stops, not tabs; deleted text and field
            // codes are not what the reader sees.
            xml.skipCurrentElement();
        }
    }
    // A damaged part: what was read so far still counts.
    while (!open.isEmpty())
        out.paragraph(open.takeFirst());
}

void VocalyneOoxmlExtractor::readPresentation(const VocalyneZipPackage &package,
                                              const QString &part, VocalyneTextPieces &out)
{
    const QList<Relationship> rels = relationships(package, part);
    QXmlStreamReader xml(package.read(part));
    while (!xml.atEnd() && !out.stopped()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || !is(xml, "sldId"))
            continue;
        // The relationship id is the one attribute in the relationships
        // namespace, whatever its prefix.
        QString id;
        for (const QXmlStreamAttribute &item : xml.attributes())
            if (item.name() == QLatin1String("id") && !item.namespaceUri().isEmpty())
                id = item.value().toString();
        for (const Relationship &rel : rels)
            if (rel.id == id && rel.type == QLatin1String("slide") && out.checkpoint())
                readDrawingText(package.read(rel.target), out);
    }
}

void VocalyneOoxmlExtractor::readDrawingText(const QByteArray &bytes, VocalyneTextPieces &out)
{
    QString paragraph;
    bool inParagraph = false;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd() && !out.stopped()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && is(xml, "p") && inParagraph) {
            out.paragraph(paragraph);
            paragraph.clear();
            inParagraph = false;
            continue;
        }
        if (token != QXmlStreamReader::StartElement || skipsAlternative(xml))
            continue;
        if (is(xml, "p")) {
            inParagraph = true;
        } else if (is(xml, "t")) {
            paragraph += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (is(xml, "br")) {
            paragraph += QLatin1Char('\n');
        } else if (is(xml, "pPr") || is(xml, "rPr") || is(xml, "endParaRPr")) {
            xml.skipCurrentElement();
        }
    }
    out.paragraph(paragraph);
}

void VocalyneOoxmlExtractor::readWorkbook(const VocalyneZipPackage &package, const QString &part,
                                          VocalyneTextPieces &out)
{
    const QList<Relationship> rels = relationships(package, part);
    QList<QString> shared;
    for (const Relationship &rel : rels)
        if (rel.type == QLatin1String("sharedStrings"))
            shared = sharedStrings(package.read(rel.target));

    QXmlStreamReader xml(package.read(part));
    while (!xml.atEnd() && !out.stopped()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || !is(xml, "sheet"))
            continue;
        QString id;
        for (const QXmlStreamAttribute &item : xml.attributes())
            if (item.name() == QLatin1String("id") && !item.namespaceUri().isEmpty())
                id = item.value().toString();
        for (const Relationship &rel : rels)
            if (rel.id == id && rel.type == QLatin1String("worksheet") && out.checkpoint())
                readSheet(package.read(rel.target), shared, out);
    }
}

QList<QString> VocalyneOoxmlExtractor::sharedStrings(const QByteArray &bytes)
{
    QList<QString> strings;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (is(xml, "si")) {
            strings.append(QString());
        } else if (is(xml, "rPh") || is(xml, "phoneticPr")) {
            // Reading aids for East Asian names, not cell text.
            xml.skipCurrentElement();
        } else if (is(xml, "t") && !strings.isEmpty()) {
            strings.last() += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return strings;
}

void VocalyneOoxmlExtractor::readSheet(const QByteArray &bytes, const QList<QString> &shared,
                                       VocalyneTextPieces &out)
{
    QString row;
    QString type;
    QString value;
    int cells = 0;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd() && !out.stopped()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            if (is(xml, "c")) {
                if (type == QLatin1String("s")) {
                    bool ok = false;
                    const int index = value.toInt(&ok);
                    value =
                        ok && index >= 0 && index < shared.size() ? shared.at(index) : QString();
                } else if (type == QLatin1String("b")) {
                    value = value == QLatin1String("1") ? QStringLiteral("TRUE")
                                                        : QStringLiteral("FALSE");
                } else if (type.isEmpty() || type == QLatin1String("n")) {
                    value = cellNumber(value);
                }
                // A cell's own line breaks would read as new rows.
                value.replace(QLatin1Char('\n'), QLatin1Char(' '));
                if (!value.trimmed().isEmpty()) {
                    if (cells++ > 0)
                        row += QLatin1Char('\t');
                    row += value;
                }
            } else if (is(xml, "row")) {
                out.paragraph(row);
                row.clear();
                cells = 0;
            }
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (is(xml, "c")) {
            type = attribute(xml, "t");
            value.clear();
        } else if (is(xml, "v")) {
            value = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (is(xml, "t")) {
            value += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (is(xml, "f") || is(xml, "rPh")) {
            xml.skipCurrentElement();
        }
    }
    out.paragraph(row);
}
