// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QMutex>
#include <QString>

/// The adapter's log, "tesseract.log" in the per-user data folder of the OCR
/// program. The dialog's error message sends users there when a run fails,
/// so every run leaves its command line, its pages and its outcome. The file
/// is kept short: past 1 MB the older half is dropped.
class OcrLog
{
public:
    /// Logs to `path`; an empty path means the per-user default.
    explicit OcrLog(const QString &path = QString());

    /// The default log file: <per-user data folder>/tesseract.log.
    static QString defaultPath();

    QString path() const { return m_path; }

    /// Appends one time-stamped line. Safe from several threads; a log that
    /// cannot be written is silently skipped (the text still reaches the user).
    void write(const QString &line);

private:
    void trimIfLong();

    QString m_path;
    QMutex m_mutex;
};
