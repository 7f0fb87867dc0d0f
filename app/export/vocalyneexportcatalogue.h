// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "exportsettingdata.h"

#include <QList>
#include <QString>
#include <QVariant>

class QSettings;

/// The fixed catalogue of the 67 audio formats every export offers (the
/// export wizard, the quick export, the batch export and the default format
/// in the preferences), with the rules that tie a format to its list, its
/// MP3 option, its file extension and its stored form. GUI-free: list
/// widgets are filled by their dialogs from the records returned here.
class VocalyneExportCatalogue
{
public:
    static constexpr int RowCount = 67;
    /// Catalogue row numbers (1-based) of the two rows that general lists
    /// never show.
    static constexpr int AiffRow = 1;
    static constexpr int AuRow = 67;

    /// Registers ExportSettingData with the meta-type system under its own
    /// name. Idempotent; returns the type id.
    static int registerMetaType();

    /// All 67 rows in catalogue order, isMP3 false, display names translated
    /// (context "VocalyneExportCatalogue").
    static QList<ExportSettingData> rows();
    /// Row number (1 to 67); an empty record for any other number.
    static ExportSettingData row(int number);
    /// The list of the wizard's format box, the batch export's Format menu
    /// and the preferences: rows 2 to 66 in catalogue order.
    static QList<ExportSettingData> generalList();
    /// The list for a document of voice engine type engineType: only the
    /// AIFF row for type 4, the general list for every other type.
    static QList<ExportSettingData> listForEngineType(int engineType);
    /// Icon of every list entry.
    static QString entryIconPath();

    /// Whether MP3 conversion may be chosen for a row of this token: not
    /// for "aiff", "snd" and "gsm".
    static bool isMp3Allowed(const QString &strToken);
    /// The record with isMP3 forced off where MP3 is not allowed.
    static ExportSettingData withMp3Rule(ExportSettingData data);

    /// The extension proposed for the output file, without a dot: "mp3"
    /// with isMP3; else "aiff", "gsm", "au" or "wav" by token.
    static QString extension(const ExportSettingData &data);
    /// The extension of the quick export's proposed file name: as
    /// extension(), but "snd" for the AU row.
    static QString quickExportExtension(const ExportSettingData &data);

    /// The stored default export format (display name left empty); an empty
    /// record when no key is stored. Numbers that are not numbers read as 0.
    static ExportSettingData readStored(const QSettings &settings);
    /// Stores the six keys of data (the display name is not stored).
    static void writeStored(QSettings &settings, const ExportSettingData &data);

    /// Where a list filled from list shows the stored format.
    struct Selection
    {
        int index = 0;          ///< entry to make current
        bool matched = false;   ///< a row matched the stored values
        bool mp3Visible = true; ///< show the MP3 check box
        bool mp3Checked = false;
    };
    /// A row matches when (its token equals the stored token or its number
    /// the stored number) and rate, channels and bits all equal the stored
    /// ones; the last matching row wins. Matched: MP3 follows the MP3 rule,
    /// checked from the stored isMP3. Unmatched: the first entry, MP3
    /// unchecked (shown unless the first entry forbids it).
    static Selection selectStored(const QList<ExportSettingData> &list, const QSettings &settings);
    static Selection selectStored(const QList<ExportSettingData> &list,
                                  const ExportSettingData &stored, bool storedIsMp3);

    /// Reads the record back from an entry's item data; false (and out
    /// untouched) when the value does not hold one.
    static bool fromVariant(const QVariant &value, ExportSettingData &out);
    /// The record an entry stands for, with isMP3 from the check box (after
    /// the MP3 rule); an empty record when itemData holds none.
    static ExportSettingData chosen(const QVariant &itemData, bool mp3Checked);
};
