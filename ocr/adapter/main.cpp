// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// The OCR dialog's "tesseract" program: `tesseract IMAGE OUTPUTBASE -l LANG`
// writes the recognised text of every page, in UTF-8, to standard output.
#include "ocrcommandline.h"
#include "ocrlog.h"
#include "tesseractadapter.h"

#include <QCoreApplication>
#include <QStringList>

#include <allheaders.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (!std::getenv("OMP_THREAD_LIMIT")) {
        // The recogniser's OpenMP threads spin while they wait for work; on a
        // desktop whose cores are busy with anything else (or with our own
        // page threads) that more than doubles the time of a page. One thread
        // per recogniser, and pages side by side instead. The OpenMP runtime
        // reads its limit only when the process starts: start again with it.
        setenv("OMP_THREAD_LIMIT", "1", 1);
        execv("/proc/self/exe", argv);
        // Not fatal: go on with the limits as they are.
    }

    QCoreApplication app(argc, argv);
    // Leptonica's own warnings would only clutter the caller's error stream.
    setMsgSeverity(L_SEVERITY_ERROR);

    const OcrCommandLine line = OcrCommandLine::parse(app.arguments().mid(1));
    OcrLog log;
    TesseractAdapter adapter(&log);

    const int code = adapter.run(line, [](const QByteArray &text) {
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        std::fflush(stdout);
    });
    if (!line.valid())
        std::fprintf(stderr, "%s\n", line.error().toLocal8Bit().constData());
    return code;
}
