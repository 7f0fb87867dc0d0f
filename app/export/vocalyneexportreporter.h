// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>

class QWidget;

/// Where export workers report: message boxes for a single export, the
/// batch table's status cells for a batch (the batch export implements its
/// own reporter).
class VocalyneExportReporter
{
public:
    virtual ~VocalyneExportReporter();
    /// status: -1 error, 0 done, 1 ready, 2 busy; row: the batch table's
    /// row, -1 in single mode.
    virtual void report(const QString &message, int status, int row) = 0;
    /// The last worker of a batch has ended with an exit code the table
    /// knows. Single exports never call it.
    virtual void batchEnded() {}
};

/// Reports in message boxes: status -1 a critical box titled "Error",
/// status 0 an information box titled "Vocalyne", others nothing.
class VocalyneExportMessageReporter : public VocalyneExportReporter
{
public:
    explicit VocalyneExportMessageReporter(QWidget *parent) : m_parent(parent) {}
    void report(const QString &message, int status, int row) override;

private:
    QWidget *m_parent;
};
