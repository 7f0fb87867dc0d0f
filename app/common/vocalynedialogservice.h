// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

/// The modal input dialogs of the main program (file and folder choosers and
/// the number prompt) go through this service, so that tests can answer them
/// without a window, as MessageRecorder does for message boxes.
class VocalyneDialogService
{
public:
    virtual ~VocalyneDialogService();

    /// An existing file to open; empty when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter);
    /// Existing files to open, several at once; empty when cancelled.
    virtual QStringList openFileNames(QWidget *parent, const QString &caption,
                                      const QString &directory, const QString &filter);
    /// An existing folder, symbolic links left as they are; empty when
    /// cancelled.
    virtual QString existingDirectory(QWidget *parent, const QString &caption,
                                      const QString &directory);
    /// A file name to save under; empty when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &proposal,
                                 const QString &filter);
    /// An integer in [minimum, maximum]; false when cancelled.
    virtual bool integer(QWidget *parent, const QString &title, const QString &label, int value,
                         int minimum, int maximum, int step, int *result);

    /// The service in force: the installed one, else the built-in one.
    static VocalyneDialogService *instance();
    /// Installs a replacement (not owned); nullptr restores the built-in one.
    static void setInstance(VocalyneDialogService *service);
};
