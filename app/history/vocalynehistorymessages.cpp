// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynehistorymessages.h"

#include <QCoreApplication>

QString VocalyneHistoryMessages::text(Lead lead, int number, const QString &driverText)
{
    const char *source = nullptr;
    switch (lead) {
    case Lead::Created:
        source = QT_TRANSLATE_NOOP("QApplication",
                                   "The history database cannot be created. Message # %1 ('");
        break;
    case Lead::Opened:
        source = QT_TRANSLATE_NOOP("QApplication",
                                   "The history database cannot be opened. Message # %1. ('");
        break;
    case Lead::Updated:
        source = QT_TRANSLATE_NOOP("QApplication",
                                   "The history database cannot be updated.\nMessage # %1. ('");
        break;
    }
    return QCoreApplication::translate("QApplication", source).arg(number) + driverText +
           QCoreApplication::translate("QApplication", "').");
}
