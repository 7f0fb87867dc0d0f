// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "t2sxml.h"

#include <QDomElement>
#include <QXmlStreamReader>

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

bool T2SXml::readInt16(const QDomElement &element, const QString &name, qint16 *value)
{
    qint64 number = 0;
    if (!element.hasAttribute(name) ||
        !parseInteger(element.attribute(name), std::numeric_limits<qint16>::min(),
                      std::numeric_limits<qint16>::max(), &number))
        return false;
    *value = qint16(number);
    return true;
}

bool T2SXml::readInt32(const QDomElement &element, const QString &name, qint32 *value)
{
    qint64 number = 0;
    if (!element.hasAttribute(name) ||
        !parseInteger(element.attribute(name), std::numeric_limits<qint32>::min(),
                      std::numeric_limits<qint32>::max(), &number))
        return false;
    *value = qint32(number);
    return true;
}

bool T2SXml::readPosition(const QDomElement &element, const QString &name, quint32 *value)
{
    qint32 number = 0;
    if (!readInt32(element, name, &number) || number < 0)
        return false;
    *value = quint32(number);
    return true;
}

bool T2SXml::readFlag(const QDomElement &element, const QString &name, bool *value)
{
    qint16 number = 0;
    if (!readInt16(element, name, &number))
        return false;
    *value = number != 0;
    return true;
}

bool T2SXml::readText(const QDomElement &element, const QString &name, QString *value)
{
    if (!element.hasAttribute(name))
        return false;
    *value = element.attribute(name);
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

QString T2SXml::elementText(const QByteArray &bytes, const QString &name)
{
    QXmlStreamReader reader(bytes);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd() && !reader.hasError()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.qualifiedName() == name) {
            const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            return reader.hasError() ? QString() : text;
        }
    }
    return QString();
}

bool T2SXml::nestingWithin(const QByteArray &bytes, int maxDepth)
{
    QXmlStreamReader reader(bytes);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    while (!reader.atEnd() && !reader.hasError()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > maxDepth)
                return false;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return true;
}
