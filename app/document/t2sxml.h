// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QtGlobal>

class QDomElement;

/// Helpers of the .t2s reader and writer: strict attribute values and text
/// that XML can carry.
class T2SXml
{
public:
    /// Parses a base-10 integer in [min, max]: an optional "-" and at least
    /// one ASCII digit, nothing else (no "+", no blanks, no trailing text).
    static bool parseInteger(QStringView text, qint64 min, qint64 max, qint64 *value);

    // Required attributes of element. Each returns false, leaving *value
    // untouched, when the attribute is missing or its value is invalid.
    static bool readInt16(const QDomElement &element, const QString &name, qint16 *value);
    static bool readInt32(const QDomElement &element, const QString &name, qint32 *value);
    /// A character position, written as a signed 32-bit number; a negative
    /// value is invalid (no text has a position before its start).
    static bool readPosition(const QDomElement &element, const QString &name, quint32 *value);
    /// A 16-bit number read as a flag: any non-zero value is true.
    static bool readFlag(const QDomElement &element, const QString &name, bool *value);
    /// Any text, the empty text included.
    static bool readText(const QDomElement &element, const QString &name, QString *value);

    /// text with every character that XML 1.0 cannot carry replaced one for
    /// one: control characters by a blank, unpaired surrogates and the
    /// non-characters U+FFFE and U+FFFF by U+FFFD. Positions into the text
    /// stay valid.
    static QString xmlSafe(const QString &text);

    /// False when elements in the XML bytes nest deeper than maxDepth. The
    /// DOM parser slows down with the square of the nesting depth, so a
    /// damaged or hostile file is turned away before it reaches the parser.
    /// Bytes that do not parse are left for the DOM parser to reject.
    static bool nestingWithin(const QByteArray &bytes, int maxDepth);

    /// The text of the only element named name in the XML bytes, read with
    /// white space kept exactly (the DOM parser drops text that is only white
    /// space). Empty when the bytes do not parse.
    static QString elementText(const QByteArray &bytes, const QString &name);
};
