// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "exportsettingdata.h"
#include "voicecombouserdata.h"

#include <QList>
#include <QPair>
#include <QString>

class VocalyneExporter;

/// What the main window offers the export wizard: exporting the current
/// document in a chosen format. The wizard holds a non-owning reference.
class VocalyneExportInterface
{
public:
    virtual ~VocalyneExportInterface();

    /// Exports the current document's speech in format: asks for the output
    /// file, then starts the export worker. Does nothing without a current
    /// document; an empty speech text is reported and nothing starts.
    virtual void exportToAudioWithFormat(const ExportSettingData &format) = 0;

    /// The voices the batch export offers: the voice list's texts and data.
    virtual QList<QPair<QString, VoiceComboUserData>> exportVoices() const = 0;
    /// Starts the batch of wizard's rows; the rows report back to wizard.
    virtual void runBatchExport(VocalyneExporter *wizard) = 0;
    /// The batch wizard was closed: stops every worker of its batch.
    virtual void cancelBatchExport() = 0;
    /// Asks where to save a batch's log and writes it there.
    virtual void saveBatchLog(const QString &log) = 0;
};
