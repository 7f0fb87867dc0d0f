// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneodfextractor.h"

#include "vocalyneextractionresult.h"
#include "vocalynetextpieces.h"
#include "vocalynexmlhelpers.h"
#include "vocalynezippackage.h"

#include <QList>
#include <QXmlStreamReader>

using VocalyneXml::attribute;
using VocalyneXml::is;

namespace {

const QString contentPart = QStringLiteral("content.xml");

// The content is encrypted when the manifest lists encryption data for it.
bool contentIsEncrypted(const VocalyneZipPackage &package)
{
    QXmlStreamReader xml(package.read(QStringLiteral("META-INF/manifest.xml")));
    bool inContent = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && is(xml, "file-entry")) {
            for (const QXmlStreamAttribute &item : xml.attributes())
                if (item.name() == QLatin1String("full-path"))
                    inContent = item.value() == contentPart;
        } else if (token == QXmlStreamReader::StartElement && is(xml, "encryption-data") &&
                   inContent) {
            return true;
        } else if (token == QXmlStreamReader::EndElement && is(xml, "file-entry")) {
            inContent = false;
        }
    }
    return false;
}

// Reads one content part. Paragraphs nest (a frame or a note inside a
// paragraph holds paragraphs of its own), so open paragraphs are a stack;
// notes and comments are kept for the end, where they do not interrupt the
// sentence they are attached to.
class ContentReader
{
public:
    explicit ContentReader(VocalyneTextPieces &out) : m_out(out) {}

    void read(const QByteArray &bytes)
    {
        QXmlStreamReader xml(bytes);
        while (!xml.atEnd() && !m_out.stopped()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::StartElement)
                start(xml);
            else if (token == QXmlStreamReader::EndElement)
                end(xml);
            else if (token == QXmlStreamReader::Characters && !m_open.isEmpty())
                appendText(xml.text());
        }
        while (!m_open.isEmpty())
            emitParagraph(m_open.takeFirst());
        for (const QString &note : std::as_const(m_notes))
            if (!m_out.paragraph(note))
                break;
    }

private:
    // Line breaks and tabs in the file are only white space: the document's
    // own breaks and tabs are elements.
    void appendText(QStringView text)
    {
        QString &paragraph = m_open.last();
        for (const QChar c : text)
            paragraph +=
                (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
                    ? QLatin1Char(' ')
                    : c;
    }

    void start(QXmlStreamReader &xml)
    {
        const QStringView name = xml.name();
        if (name == QLatin1String("p") || name == QLatin1String("h")) {
            m_open.append(QString());
        } else if (name == QLatin1String("s")) {
            bool ok = false;
            const int count = attribute(xml, "c").toInt(&ok);
            if (!m_open.isEmpty())
                m_open.last() += QString(ok ? qBound(1, count, 100) : 1, QLatin1Char(' '));
        } else if (name == QLatin1String("tab")) {
            if (!m_open.isEmpty())
                m_open.last() += QLatin1Char('\t');
        } else if (name == QLatin1String("line-break")) {
            if (!m_open.isEmpty())
                m_open.last() += QLatin1Char('\n');
        } else if (name == QLatin1String("note") || name == QLatin1String("annotation")) {
            ++m_noteDepth;
        } else if (name == QLatin1String("note-citation") || name == QLatin1String("creator") ||
                   name == QLatin1String("date") || name == QLatin1String("tracked-changes") ||
                   name == QLatin1String("notes") || name == QLatin1String("automatic-styles") ||
                   name == QLatin1String("font-face-decls") || name == QLatin1String("scripts") ||
                   name == QLatin1String("sequence-decls") || name == QLatin1String("forms")) {
            // Note numbers, comment authors, deleted text and speaker notes
            // are not what the reader sees on the page.
            xml.skipCurrentElement();
        } else if (name == QLatin1String("spreadsheet")) {
            m_spreadsheet = true;
        } else if (m_spreadsheet && name == QLatin1String("table-row")) {
            m_cells.clear();
            m_inRow = true;
        } else if (m_spreadsheet && (name == QLatin1String("table-cell") ||
                                     name == QLatin1String("covered-table-cell"))) {
            bool ok = false;
            const int repeat = attribute(xml, "number-columns-repeated").toInt(&ok);
            // An empty cell repeated to the sheet's last column is common; a
            // filled one repeated that far is not worth reading out.
            m_cellRepeat = ok ? qBound(1, repeat, 100) : 1;
            m_cellText.clear();
        }
    }

    void end(QXmlStreamReader &xml)
    {
        const QStringView name = xml.name();
        if ((name == QLatin1String("p") || name == QLatin1String("h")) && !m_open.isEmpty()) {
            emitParagraph(m_open.takeLast());
        } else if (name == QLatin1String("note") || name == QLatin1String("annotation")) {
            m_noteDepth = qMax(0, m_noteDepth - 1);
        } else if (m_spreadsheet && (name == QLatin1String("table-cell") ||
                                     name == QLatin1String("covered-table-cell"))) {
            const QString text = VocalyneTextPieces::normalized(m_cellText)
                                     .replace(QLatin1Char('\n'), QLatin1Char(' '));
            if (!text.isEmpty())
                for (int i = 0; i < m_cellRepeat; ++i)
                    m_cells.append(text);
        } else if (m_spreadsheet && name == QLatin1String("table-row") && m_inRow) {
            m_inRow = false;
            m_out.paragraph(m_cells.join(QLatin1Char('\t')));
            m_out.checkpoint();
        } else if (name == QLatin1String("page") || name == QLatin1String("table")) {
            m_out.checkpoint();
        }
    }

    void emitParagraph(const QString &text)
    {
        if (m_noteDepth > 0) {
            m_notes.append(text);
        } else if (m_spreadsheet && m_inRow) {
            // Paragraphs of a cell are read as one cell text.
            if (!m_cellText.isEmpty())
                m_cellText += QLatin1Char(' ');
            m_cellText += text;
        } else {
            m_out.paragraph(text);
        }
    }

    VocalyneTextPieces &m_out;
    QList<QString> m_open;
    QList<QString> m_notes;
    QStringList m_cells;
    QString m_cellText;
    int m_cellRepeat = 1;
    int m_noteDepth = 0;
    bool m_spreadsheet = false;
    bool m_inRow = false;
};

} // namespace

bool VocalyneOdfExtractor::recognizes(const VocalyneZipPackage &package)
{
    return package.contains(contentPart);
}

int VocalyneOdfExtractor::extract(const VocalyneZipPackage &package, VocalyneTextPieces &out)
{
    if (contentIsEncrypted(package))
        return VocalyneExtraction::PasswordProtected;
    bool ok = false;
    const QByteArray content = package.read(contentPart, &ok);
    if (!ok)
        return VocalyneExtraction::NoFilter;
    readContent(content, out);
    out.finish();
    return out.result();
}

void VocalyneOdfExtractor::readContent(const QByteArray &xml, VocalyneTextPieces &out)
{
    ContentReader(out).read(xml);
}
