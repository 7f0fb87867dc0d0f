// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynehistoryactions.h"

#include "vocalynemessageservice.h"
#include "vocalynesettingskeys.h"
#include "vocalynesettingsvalue.h"

#include <QApplication>
#include <QCursor>
#include <QDate>
#include <QSettings>

using Lead = VocalyneHistoryMessages::Lead;
using M = VocalyneHistoryMessages;

namespace {

QString appText(const char *text)
{
    return QApplication::translate("QApplication", text);
}

} // namespace

VocalyneHistoryActions::BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
}

VocalyneHistoryActions::BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

bool VocalyneHistoryActions::recordingEnabled()
{
    const QSettings settings;
    return VocalyneSettingsValue::readInt(settings,
                                          QString(VocalyneSettingsKeys::FileHistoryRecord),
                                          VocalyneSettingsKeys::DefaultFileHistoryRecord) != 0;
}

void VocalyneHistoryActions::report(QWidget *parent, VocalyneHistoryStore &store,
                                    const VocalyneHistoryStore::Result &result, Lead openLead,
                                    int openNumber, Lead statementLead, int statementNumber,
                                    bool recover)
{
    if (result.ok())
        return;
    const bool open = result.outcome == VocalyneHistoryStore::Outcome::OpenFailed;
    VocalyneMessageService::critical(parent, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
                                     M::text(open ? openLead : statementLead,
                                             open ? openNumber : statementNumber,
                                             result.errorText));
    // Only a file SQLite calls damaged is replaced; a busy or locked one
    // belongs to another running program and keeps its entries.
    if (recover)
        store.recoverIfDamaged(result);
}

void VocalyneHistoryActions::startupCheck(QWidget *parent)
{
    VocalyneHistoryStore store;
    const VocalyneHistoryStore::Result result = store.ensureCreated();
    report(parent, store, result, Lead::Created, M::StartupOpen, Lead::Created, M::StartupCreate,
           false);
}

void VocalyneHistoryActions::record(QWidget *parent, const QString &path)
{
    if (!recordingEnabled())
        return;
    VocalyneHistoryStore store;
    const VocalyneHistoryStore::Result result = store.record(path, QDate::currentDate());
    report(parent, store, result, Lead::Opened, M::Record, Lead::Updated, M::Record, true);
}

void VocalyneHistoryActions::clear(QWidget *parent)
{
    if (VocalyneMessageService::question(
            parent, appText(QT_TRANSLATE_NOOP("QApplication", "Vocalyne")),
            appText(QT_TRANSLATE_NOOP(
                "QApplication",
                "Are you sure you want to clear all documents from history?\nWarning: This "
                "action cannot be undone!"))) != QMessageBox::Yes)
        return;
    BusyCursor busy;
    VocalyneHistoryStore store;
    const VocalyneHistoryStore::Result result = store.removeAll();
    report(parent, store, result, Lead::Opened, M::MaintenanceOpen, Lead::Updated,
           M::MaintenanceStatement, false);
}

void VocalyneHistoryActions::compact(QWidget *parent)
{
    if (VocalyneMessageService::question(
            parent, appText(QT_TRANSLATE_NOOP("QApplication", "Vocalyne")),
            appText(QT_TRANSLATE_NOOP(
                "QApplication",
                "Are you sure you want to compact and repair the history?\nWarning: This "
                "action could take a long time depending on the size of the history!"))) !=
        QMessageBox::Yes)
        return;
    BusyCursor busy;
    VocalyneHistoryStore store;
    const VocalyneHistoryStore::Result result = store.compact();
    report(parent, store, result, Lead::Opened, M::MaintenanceOpen, Lead::Updated,
           M::MaintenanceStatement, false);
}
