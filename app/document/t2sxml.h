// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <QtGlobal>

class QXmlStreamAttribute;
class QXmlStreamAttributes;

/// Helpers of the .t2s reader and writer: the names in the file, strict
/// attribute values and text that XML can carry.
class T2SXml
{
public:
    // Element names.
    static inline const QLatin1String RootTag{"QVT2SDoc"};
    static inline const QLatin1String GlobalVoiceTag{"QVT2SGlobalVoice"};
    static inline const QLatin1String SectionsTag{"QVT2SSpeechSections"};
    static inline const QLatin1String SectionTag{"QVT2SSpeechSection"};
    static inline const QLatin1String ElementsTag{"QVT2SSpeechElements"};
    static inline const QLatin1String ElementTag{"QVT2SSpeechElement"};
    static inline const QLatin1String BookmarksTag{"QVT2SSpeechBookmarks"};
    static inline const QLatin1String BookmarkTag{"QVT2SSpeechBookmark"};
    static inline const QLatin1String ContentTag{"QVT2SContent"};

    // Attribute names.
    static inline const QLatin1String VersionAttr{"version"};
    static inline const QLatin1String EngineTypeIdAttr{"enginetypeid"};
    static inline const QLatin1String VoiceNameAttr{"voicename"};
    static inline const QLatin1String VoiceIdAttr{"voiceid"};
    static inline const QLatin1String LangIdAttr{"langid"};
    static inline const QLatin1String PitchAttr{"pitch"};
    static inline const QLatin1String SpeedAttr{"speed"};
    static inline const QLatin1String VolumeAttr{"volume"};
    static inline const QLatin1String PauseAttr{"pause"};
    static inline const QLatin1String HighlightAttr{"highlight"};
    static inline const QLatin1String IsXmlAttr{"isxml"};
    static inline const QLatin1String FromCharAttr{"fromchar"};
    static inline const QLatin1String ToCharAttr{"tochar"};
    static inline const QLatin1String EnabledAttr{"enabled"};
    static inline const QLatin1String AfterCharAttr{"afterchar"};
    static inline const QLatin1String TypeAttr{"type"};
    static inline const QLatin1String ValueAttr{"value"};

    /// Parses a base-10 integer in [min, max]: an optional "-" and at least
    /// one ASCII digit, nothing else (no "+", no blanks, no trailing text).
    static bool parseInteger(QStringView text, qint64 min, qint64 max, qint64 *value);

    /// The attribute whose name is name as written (no namespace
    /// processing), or null.
    static const QXmlStreamAttribute *find(const QXmlStreamAttributes &attributes,
                                           QLatin1String name);

    // Required attributes. Each returns false, leaving *value untouched, when
    // the attribute is missing or its value is invalid.
    static bool readInt16(const QXmlStreamAttributes &attributes, QLatin1String name,
                          qint16 *value);
    static bool readInt32(const QXmlStreamAttributes &attributes, QLatin1String name,
                          qint32 *value);
    /// A character position, written as a signed 32-bit number; a negative
    /// value is invalid (no text has a position before its start).
    static bool readPosition(const QXmlStreamAttributes &attributes, QLatin1String name,
                             quint32 *value);
    /// A 16-bit number read as a flag: any non-zero value is true.
    static bool readFlag(const QXmlStreamAttributes &attributes, QLatin1String name, bool *value);
    /// Any text, the empty text included.
    static bool readText(const QXmlStreamAttributes &attributes, QLatin1String name,
                         QString *value);

    /// text with every character that XML 1.0 cannot carry replaced one for
    /// one: control characters by a blank, unpaired surrogates and the
    /// non-characters U+FFFE and U+FFFF by U+FFFD. Positions into the text
    /// stay valid.
    static QString xmlSafe(const QString &text);

    /// Appends text escaped for an attribute value between double quotes
    /// ("<", "&", "\"", tab and line breaks as references) or, when
    /// inAttribute is false, for element content ("<", "&" and a carriage
    /// return as references; quotes, tabs and line feeds as they are). A ">"
    /// is escaped only where it would close "]]>".
    static void appendEscaped(QString *out, QStringView text, bool inAttribute);
};
