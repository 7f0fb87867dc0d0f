// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "exportsettingdata.h"

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
};
