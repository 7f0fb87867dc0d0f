// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>

#include <functional>

class OcrCommandLine;
class OcrLog;

/// Recognises the pages of an image with libtesseract. Pages are shared out
/// among worker threads, each with a recogniser of its own, and their text
/// is handed on strictly in page order as soon as a page and all before it
/// are done, so the first page shows while later ones are still being read.
class TesseractAdapter
{
public:
    /// Exit codes of the adapter program. The dialog reads -1 and -2 by
    /// value; every other failure is below 100 and explained in the log.
    enum ExitCode {
        Success = 0,
        CannotOpenImage = -1,
        OutOfMemory = -2,
        BadCommandLine = 1,
        LanguageNotInstalled = 2,
        RecognitionFailed = 3,
    };

    /// `log` is not owned and may be null.
    explicit TesseractAdapter(OcrLog *log);

    /// Number of recogniser threads for a document; 0 (the default) means one
    /// per processor core, never more than there are pages.
    void setThreadCount(int threads) { m_threads = threads; }
    int threadCountFor(int pages) const;

    /// Recognises every page of the command line's image and passes each
    /// page's UTF-8 text to `sink`, in page order. Returns an ExitCode.
    int run(const OcrCommandLine &line, const std::function<void(const QByteArray &)> &sink);

private:
    void log(const QString &line);

    OcrLog *m_log;
    int m_threads = 0;
};
