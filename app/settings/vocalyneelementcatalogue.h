// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

/// The element-type catalogue: one group per type under "SpeechElements",
/// holding the value ranges, the description and one markup template per
/// voice engine type. The program ships the type "pause".
class VocalyneElementCatalogue
{
public:
    /// Makes sure the shipped "pause" type is complete. With force every
    /// "pause" key is written with its shipped value. Otherwise, when any
    /// of hasNumberValue, hasTextValue, numberValueMin, numberValueMax,
    /// aboutText, aboutText_de or speechXML/0 to /3 is missing, every
    /// "pause" key is written back with its shipped value; a complete
    /// catalogue is left as it is. Other types are never touched. Returns
    /// true when something was written.
    static bool ensure(QSettings &settings, bool force = false);

    /// The template of type for engineType, empty when there is none.
    static QString markupTemplate(const QSettings &settings, const QString &type, int engineType);

    /// The template with value put into its one placeholder ("%s", or "%d"
    /// in the type-0 pause template), as text. A template without a
    /// placeholder is returned as it stands.
    static QString fillTemplate(const QString &markupTemplate, const QString &value);

    /// The type groups under "SpeechElements", in the store's order.
    static QStringList types(QSettings &settings);
};
