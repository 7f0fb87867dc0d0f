// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynehtmltextreader.h"

#include "vocalynetextpieces.h"

#include <QHash>
#include <QStringList>
#include <QXmlStreamEntityResolver>
#include <QXmlStreamReader>

namespace {

// E-books often use HTML's named references without declaring them; these
// are the ones found in running text (the accented letters of Latin-1 and
// the usual punctuation).
class HtmlEntities : public QXmlStreamEntityResolver
{
public:
    HtmlEntities()
    {
        static const char *const latin1[] = {
            "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",
            "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",
            "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot",
            "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest",
            "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
            "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
            "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
            "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
            "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
            "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
            "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
            "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};
        for (int i = 0; i < 96; ++i)
            m_map.insert(QString::fromLatin1(latin1[i]), QChar(0xA0 + i));
        const struct
        {
            const char *name;
            char16_t code;
        } others[] = {
            {"ndash", 0x2013},  {"mdash", 0x2014},  {"lsquo", 0x2018},  {"rsquo", 0x2019},
            {"sbquo", 0x201A},  {"ldquo", 0x201C},  {"rdquo", 0x201D},  {"bdquo", 0x201E},
            {"hellip", 0x2026}, {"bull", 0x2022},   {"euro", 0x20AC},   {"trade", 0x2122},
            {"dagger", 0x2020}, {"Dagger", 0x2021}, {"lsaquo", 0x2039}, {"rsaquo", 0x203A},
            {"ensp", 0x2002},   {"emsp", 0x2003},   {"thinsp", 0x2009}, {"zwnj", 0x200C},
            {"zwj", 0x200D},    {"OElig", 0x152},   {"oelig", 0x153},   {"Scaron", 0x160},
            {"scaron", 0x161},  {"Yuml", 0x178},    {"prime", 0x2032},  {"Prime", 0x2033},
            {"minus", 0x2212}};
        for (const auto &entry : others)
            m_map.insert(QString::fromLatin1(entry.name), QChar(entry.code));
    }

    QString resolveUndeclaredEntity(const QString &name) override
    {
        const auto it = m_map.constFind(name);
        return it == m_map.cend() ? QString() : QString(*it);
    }

private:
    QHash<QString, QChar> m_map;
};

bool isBlock(QStringView name)
{
    static const char *const blocks[] = {
        "p",      "div",     "h1",   "h2",     "h3",         "h4",      "h5",
        "h6",     "li",      "dt",   "dd",     "blockquote", "pre",     "tr",
        "table",  "ul",      "ol",   "dl",     "section",    "article", "aside",
        "header", "footer",  "nav",  "figure", "figcaption", "address", "hr",
        "body",   "caption", "main", "hgroup", "details",    "summary"};
    for (const char *block : blocks)
        if (name == QLatin1String(block))
            return true;
    return false;
}

bool isSkipped(QStringView name)
{
    return name == QLatin1String("head") || name == QLatin1String("script") ||
           name == QLatin1String("style") || name == QLatin1String("template");
}

// Turns the elements and text of a content document into paragraphs,
// whichever parser reports them.
class ParagraphBuilder
{
public:
    void start(const QString &name)
    {
        if (name == QLatin1String("br")) {
            m_paragraph += QLatin1Char('\n');
        } else if (name == QLatin1String("td") || name == QLatin1String("th")) {
            if (!m_paragraph.isEmpty())
                m_paragraph += QLatin1Char('\t');
        } else if (isBlock(name)) {
            flush();
            if (name == QLatin1String("pre"))
                ++m_preformatted;
        }
    }

    void end(const QString &name)
    {
        if (isBlock(name)) {
            flush();
            if (name == QLatin1String("pre"))
                m_preformatted = qMax(0, m_preformatted - 1);
        }
    }

    void text(QStringView text)
    {
        if (m_preformatted > 0) {
            m_paragraph += text;
            return;
        }
        // Source line breaks are only white space in HTML.
        for (const QChar c : text)
            m_paragraph += c.isSpace() ? QLatin1Char(' ') : c;
    }

    QStringList finish()
    {
        flush();
        return m_paragraphs;
    }

private:
    void flush()
    {
        if (!m_paragraph.trimmed().isEmpty())
            m_paragraphs.append(m_paragraph);
        m_paragraph.clear();
    }

    QStringList m_paragraphs;
    QString m_paragraph;
    int m_preformatted = 0;
};

// The strict reading: false when the document is not well-formed XML.
bool readXml(const QByteArray &bytes, HtmlEntities &entities, ParagraphBuilder &builder)
{
    QXmlStreamReader xml(bytes);
    xml.setEntityResolver(&entities);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QString name = xml.name().toString().toLower();
            if (isSkipped(name))
                xml.skipCurrentElement();
            else
                builder.start(name);
        } else if (token == QXmlStreamReader::EndElement) {
            builder.end(xml.name().toString().toLower());
        } else if (token == QXmlStreamReader::EntityReference) {
            // Left unresolved when the document names an external DTD.
            builder.text(entities.resolveUndeclaredEntity(xml.name().toString()));
        } else if (token == QXmlStreamReader::Characters) {
            builder.text(xml.text());
        }
    }
    return !xml.hasError();
}

QString decodeReferences(QStringView text, HtmlEntities &entities)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype semicolon =
            text.at(i) == QLatin1Char('&') ? text.indexOf(QLatin1Char(';'), i) : -1;
        if (semicolon < 0 || semicolon - i > 32) {
            out += text.at(i);
            continue;
        }
        const QStringView name = text.mid(i + 1, semicolon - i - 1);
        QString replacement;
        if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const bool hex = name.size() > 1 &&
                             (name.at(1) == QLatin1Char('x') || name.at(1) == QLatin1Char('X'));
            const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                const char32_t character = code;
                replacement = QString::fromUcs4(&character, 1);
            }
        } else if (name == QLatin1String("amp")) {
            replacement = QStringLiteral("&");
        } else if (name == QLatin1String("lt")) {
            replacement = QStringLiteral("<");
        } else if (name == QLatin1String("gt")) {
            replacement = QStringLiteral(">");
        } else if (name == QLatin1String("quot")) {
            replacement = QStringLiteral("\"");
        } else if (name == QLatin1String("apos")) {
            replacement = QStringLiteral("'");
        } else {
            replacement = entities.resolveUndeclaredEntity(name.toString());
        }
        if (replacement.isEmpty()) {
            out += text.at(i);
            continue;
        }
        out += replacement;
        i = semicolon;
    }
    return out;
}

// The forgiving reading, for content documents that are HTML rather than
// XML (unclosed paragraphs, bare line breaks, stray ampersands): tags are
// recognised by their names alone.
void readTagSoup(const QString &source, HtmlEntities &entities, ParagraphBuilder &builder)
{
    const qsizetype size = source.size();
    qsizetype i = 0;
    while (i < size) {
        if (source.at(i) != QLatin1Char('<')) {
            const qsizetype next = source.indexOf(QLatin1Char('<'), i);
            const qsizetype end = next < 0 ? size : next;
            builder.text(decodeReferences(QStringView(source).mid(i, end - i), entities));
            i = end;
            continue;
        }
        const QStringView rest = QStringView(source).mid(i);
        if (rest.startsWith(QLatin1String("<!--"))) {
            const qsizetype end = source.indexOf(QLatin1String("-->"), i + 4);
            i = end < 0 ? size : end + 3;
            continue;
        }
        if (rest.startsWith(QLatin1String("<![CDATA["))) {
            const qsizetype end = source.indexOf(QLatin1String("]]>"), i + 9);
            builder.text(QStringView(source).mid(i + 9, (end < 0 ? size : end) - i - 9));
            i = end < 0 ? size : end + 3;
            continue;
        }
        // The tag runs to the first '>' outside quotes.
        qsizetype end = i + 1;
        QChar quote;
        for (; end < size; ++end) {
            const QChar c = source.at(end);
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                quote = c;
            } else if (c == QLatin1Char('>')) {
                break;
            }
        }
        const QStringView tag = QStringView(source).mid(i + 1, end - i - 1);
        i = end + 1;
        if (tag.startsWith(QLatin1Char('!')) || tag.startsWith(QLatin1Char('?')))
            continue;
        const bool closing = tag.startsWith(QLatin1Char('/'));
        qsizetype nameEnd = closing ? 1 : 0;
        while (nameEnd < tag.size() &&
               (tag.at(nameEnd).isLetterOrNumber() || tag.at(nameEnd) == QLatin1Char(':') ||
                tag.at(nameEnd) == QLatin1Char('-')))
            ++nameEnd;
        QString name = tag.mid(closing ? 1 : 0, nameEnd - (closing ? 1 : 0)).toString().toLower();
        name = name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
        if (closing) {
            builder.end(name);
        } else if (isSkipped(name) && !tag.endsWith(QLatin1Char('/'))) {
            const qsizetype close =
                source.indexOf(QStringLiteral("</") + name, i, Qt::CaseInsensitive);
            const qsizetype after = close < 0 ? -1 : source.indexOf(QLatin1Char('>'), close);
            i = after < 0 ? size : after + 1;
        } else {
            builder.start(name);
            if (tag.endsWith(QLatin1Char('/')))
                builder.end(name);
        }
    }
}

} // namespace

void VocalyneHtmlTextReader::read(const QByteArray &xhtml, VocalyneTextPieces &out)
{
    HtmlEntities entities;
    ParagraphBuilder strict;
    QStringList paragraphs;
    if (readXml(xhtml, entities, strict)) {
        paragraphs = strict.finish();
    } else {
        ParagraphBuilder soup;
        readTagSoup(QString::fromUtf8(xhtml), entities, soup);
        paragraphs = soup.finish();
    }
    for (const QString &paragraph : std::as_const(paragraphs))
        if (!out.paragraph(paragraph))
            break;
}
