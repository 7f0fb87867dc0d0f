// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "t2sxml.h"

#include <QXmlStreamAttributes>

#include <limits>

bool T2SXml::parseInteger(QStringView text, qint64 min, qint64 max, qint64 *value)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text.front() == QLatin1Char('-');
    if (negative)
        ++i;
    if (i == text.size())
        return false;
    // Leading zeros are accepted; the magnitude check stops the sum long
    // before a 64-bit overflow whatever the length of the digits.
    const qint64 limit = std::max(max, -min);
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            return false;
    }
    const qint64 result = negative ? -magnitude : magnitude;
    if (result < min || result > max)
        return false;
    *value = result;
    return true;
}

const QXmlStreamAttribute *T2SXml::find(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    // The parser rejects a repeated attribute; were one to get through, the
    // last would count, as it overwrites the others in a DOM tree.
    const QXmlStreamAttribute *found = nullptr;
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (attribute.qualifiedName() == name)
            found = &attribute;
    }
    return found;
}

bool T2SXml::readInt16(const QXmlStreamAttributes &attributes, QLatin1String name, qint16 *value)
{
    const QXmlStreamAttribute *attribute = find(attributes, name);
    qint64 number = 0;
    if (!attribute || !parseInteger(attribute->value(), std::numeric_limits<qint16>::min(),
                                    std::numeric_limits<qint16>::max(), &number))
        return false;
    *value = qint16(number);
    return true;
}

bool T2SXml::readInt32(const QXmlStreamAttributes &attributes, QLatin1String name, qint32 *value)
{
    const QXmlStreamAttribute *attribute = find(attributes, name);
    qint64 number = 0;
    if (!attribute || !parseInteger(attribute->value(), std::numeric_limits<qint32>::min(),
                                    std::numeric_limits<qint32>::max(), &number))
        return false;
    *value = qint32(number);
    return true;
}

bool T2SXml::readPosition(const QXmlStreamAttributes &attributes, QLatin1String name,
                          quint32 *value)
{
    qint32 number = 0;
    if (!readInt32(attributes, name, &number) || number < 0)
        return false;
    *value = quint32(number);
    return true;
}

bool T2SXml::readFlag(const QXmlStreamAttributes &attributes, QLatin1String name, bool *value)
{
    qint16 number = 0;
    if (!readInt16(attributes, name, &number))
        return false;
    *value = number != 0;
    return true;
}

bool T2SXml::readText(const QXmlStreamAttributes &attributes, QLatin1String name, QString *value)
{
    const QXmlStreamAttribute *attribute = find(attributes, name);
    if (!attribute)
        return false;
    *value = attribute->value().toString();
    return true;
}

QString T2SXml::xmlSafe(const QString &text)
{
    QString safe = text;
    const qsizetype size = safe.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = safe.at(i).unicode();
        if (c < 0x20) {
            if (c != u'\t' && c != u'\n' && c != u'\r')
                safe[i] = QLatin1Char(' ');
        } else if (QChar::isHighSurrogate(c)) {
            if (i + 1 < size && QChar::isLowSurrogate(safe.at(i + 1).unicode()))
                ++i;
            else
                safe[i] = QChar::ReplacementCharacter;
        } else if (QChar::isLowSurrogate(c) || c == 0xFFFE || c == 0xFFFF) {
            safe[i] = QChar::ReplacementCharacter;
        }
    }
    return safe;
}

void T2SXml::appendEscaped(QString *out, QStringView text, bool inAttribute)
{
    qsizetype done = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        QLatin1String reference;
        switch (text.at(i).unicode()) {
        case u'<':
            reference = QLatin1String("&lt;");
            break;
        case u'&':
            reference = QLatin1String("&amp;");
            break;
        case u'"':
            if (inAttribute)
                reference = QLatin1String("&quot;");
            break;
        case u'>':
            if (i >= 2 && text.at(i - 1) == u']' && text.at(i - 2) == u']')
                reference = QLatin1String("&gt;");
            break;
        case u'\r':
            // A parser turns a raw carriage return into a line feed.
            reference = QLatin1String("&#xd;");
            break;
        case u'\n':
            if (inAttribute)
                reference = QLatin1String("&#xa;");
            break;
        case u'\t':
            if (inAttribute)
                reference = QLatin1String("&#x9;");
            break;
        default:
            break;
        }
        if (reference.isEmpty())
            continue;
        out->append(text.mid(done, i - done));
        out->append(reference);
        done = i + 1;
    }
    out->append(text.mid(done));
}
