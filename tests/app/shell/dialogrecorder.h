// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalynedialogservice.h"

#include <QList>
#include <QString>
#include <QStringList>

/// Answers the main window's input dialogs from scripts, without a window,
/// and records which dialogs were asked. An empty script answers Cancel.
/// Installs itself for its lifetime.
class DialogRecorder : public VocalyneDialogService
{
public:
    DialogRecorder() { VocalyneDialogService::setInstance(this); }
    ~DialogRecorder() override { VocalyneDialogService::setInstance(nullptr); }

    QString openFileName(QWidget *, const QString &caption, const QString &,
                         const QString &) override
    {
        asked.append(caption);
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QStringList openFileNames(QWidget *, const QString &caption, const QString &,
                              const QString &) override
    {
        asked.append(caption);
        return openManyAnswers.isEmpty() ? QStringList() : openManyAnswers.takeFirst();
    }
    QString existingDirectory(QWidget *, const QString &caption, const QString &) override
    {
        asked.append(caption);
        return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
    }
    QString saveFileName(QWidget *, const QString &caption, const QString &proposal,
                         const QString &filter) override
    {
        asked.append(caption);
        lastProposal = proposal;
        lastFilter = filter;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    bool integer(QWidget *, const QString &title, const QString &, int, int, int, int,
                 int *result) override
    {
        asked.append(title);
        if (integerAnswers.isEmpty())
            return false;
        *result = integerAnswers.takeFirst();
        return true;
    }

    QStringList openAnswers;
    QList<QStringList> openManyAnswers;
    QStringList folderAnswers;
    QStringList saveAnswers;
    QList<int> integerAnswers;
    QStringList asked;
    QString lastProposal;
    QString lastFilter;
};
