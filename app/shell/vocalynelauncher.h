// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QStringList>

class QUrl;

/// Starts other programs and opens pages for the main window. Every launch
/// goes through the service in force, so that tests can record launches and
/// answer them without starting anything, as MessageRecorder does for
/// message boxes.
class VocalyneLauncher
{
public:
    virtual ~VocalyneLauncher();

    /// Opens url with the desktop's handler for it (the default browser for
    /// web and local pages, the mail client for "mailto:"); false when
    /// nothing could handle it.
    virtual bool openUrl(const QUrl &url);
    /// Starts program with arguments, without waiting for it and without a
    /// working directory of its own; false when it could not be started.
    virtual bool startDetached(const QString &program, const QStringList &arguments);
    /// The full path of the program name found on the search path (empty
    /// when it is not installed).
    virtual QString findExecutable(const QString &name);

    /// The service in force: the installed one, else the built-in one.
    static VocalyneLauncher *instance();
    /// Installs a replacement (not owned); nullptr restores the built-in one.
    static void setInstance(VocalyneLauncher *launcher);
};
