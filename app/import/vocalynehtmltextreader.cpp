// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynehtmltextreader.h"

#include "vocalynetextpieces.h"

#include <QHash>
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

} // namespace

void VocalyneHtmlTextReader::read(const QByteArray &xhtml, VocalyneTextPieces &out)
{
    HtmlEntities entities;
    QXmlStreamReader xml(xhtml);
    xml.setEntityResolver(&entities);
    QString paragraph;
    int preformatted = 0;
    auto flush = [&] {
        out.paragraph(paragraph);
        paragraph.clear();
    };

    while (!xml.atEnd() && !out.stopped()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QString name = xml.name().toString().toLower();
            if (isSkipped(name)) {
                xml.skipCurrentElement();
            } else if (name == QLatin1String("br")) {
                paragraph += QLatin1Char('\n');
            } else if (name == QLatin1String("td") || name == QLatin1String("th")) {
                if (!paragraph.isEmpty())
                    paragraph += QLatin1Char('\t');
            } else if (isBlock(name)) {
                flush();
                if (name == QLatin1String("pre"))
                    ++preformatted;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            const QString name = xml.name().toString().toLower();
            if (isBlock(name)) {
                flush();
                if (name == QLatin1String("pre"))
                    preformatted = qMax(0, preformatted - 1);
            }
        } else if (token == QXmlStreamReader::EntityReference) {
            // Left unresolved when the document names an external DTD.
            paragraph += entities.resolveUndeclaredEntity(xml.name().toString());
        } else if (token == QXmlStreamReader::Characters) {
            if (preformatted > 0) {
                paragraph += xml.text();
            } else {
                // Source line breaks are only white space in HTML.
                for (const QChar c : xml.text())
                    paragraph += c.isSpace() ? QLatin1Char(' ') : c;
            }
        }
    }
    flush();
}
