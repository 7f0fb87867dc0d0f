// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneexporterformataction.h"

#include "vocalyneexportcatalogue.h"

#include <QIcon>

VocalyneExporterFormatAction::VocalyneExporterFormatAction(const ExportSettingData &format,
                                                           QObject *parent)
    : QAction(QIcon(VocalyneExportCatalogue::entryIconPath()), format.formatName, parent),
      m_format(format)
{
}
