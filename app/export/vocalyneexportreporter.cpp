// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneexportreporter.h"

#include "vocalynemessageservice.h"

#include <QCoreApplication>

VocalyneExportReporter::~VocalyneExportReporter() = default;

void VocalyneExportMessageReporter::report(const QString &message, int status, int)
{
    if (status == -1)
        VocalyneMessageService::critical(
            m_parent, QCoreApplication::translate("QApplication", "Error"), message);
    else if (status == 0)
        VocalyneMessageService::information(
            m_parent, QCoreApplication::translate("QApplication", "Vocalyne"), message);
}
