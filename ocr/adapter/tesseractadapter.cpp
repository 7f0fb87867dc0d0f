// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "tesseractadapter.h"

#include "ocrcommandline.h"
#include "ocrimagepages.h"
#include "ocrlog.h"

#include <QElapsedTimer>
#include <QStringList>

#include <allheaders.h>
#include <tesseract/baseapi.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <new>
#include <optional>
#include <thread>
#include <vector>

namespace {

struct SharedRun
{
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<QByteArray>> pages;
    int nextPage = 0;
    int runningWorkers = 0;
    int failure = TesseractAdapter::Success;
    QString failureText;

    void fail(int code, const QString &text)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (failure == TesseractAdapter::Success) {
            failure = code;
            failureText = text;
        }
        changed.notify_all();
    }
};

void recognisePages(SharedRun &run, const OcrImagePages &pages, const QByteArray &language)
{
    try {
        tesseract::TessBaseAPI api;
        if (api.Init(nullptr, language.constData(), tesseract::OEM_DEFAULT) != 0) {
            run.fail(TesseractAdapter::LanguageNotInstalled,
                     QStringLiteral("language data not installed: ") + QString::fromUtf8(language));
            return;
        }
        // The tesseract command's own default: find the page's layout.
        api.SetPageSegMode(tesseract::PSM_AUTO);
        for (;;) {
            int index = 0;
            {
                std::lock_guard<std::mutex> lock(run.mutex);
                if (run.failure != TesseractAdapter::Success ||
                    run.nextPage >= int(run.pages.size()))
                    return;
                index = run.nextPage++;
            }
            Pix *pix = pages.readPage(index);
            if (!pix) {
                run.fail(TesseractAdapter::CannotOpenImage,
                         QStringLiteral("page %1 cannot be read").arg(index + 1));
                return;
            }
            api.SetImage(pix);
            char *text = api.GetUTF8Text();
            pixDestroy(&pix);
            if (!text) {
                run.fail(TesseractAdapter::RecognitionFailed,
                         QStringLiteral("recognition of page %1 failed").arg(index + 1));
                return;
            }
            QByteArray result(text);
            delete[] text;
            std::lock_guard<std::mutex> lock(run.mutex);
            run.pages[size_t(index)] = std::move(result);
            run.changed.notify_all();
        }
    } catch (const std::bad_alloc &) {
        run.fail(TesseractAdapter::OutOfMemory, QStringLiteral("out of memory"));
    } catch (...) {
        run.fail(TesseractAdapter::RecognitionFailed, QStringLiteral("recognition failed"));
    }
}

} // namespace

TesseractAdapter::TesseractAdapter(OcrLog *log) : m_log(log) {}

int TesseractAdapter::threadCountFor(int pages) const
{
    int threads = m_threads > 0 ? m_threads : int(std::thread::hardware_concurrency());
    return std::max(1, std::min(threads, pages));
}

void TesseractAdapter::log(const QString &line)
{
    if (m_log)
        m_log->write(line);
}

int TesseractAdapter::run(const OcrCommandLine &line,
                          const std::function<void(const QByteArray &)> &sink)
{
    if (!line.valid()) {
        log(QStringLiteral("command line refused: ") + line.error());
        return BadCommandLine;
    }
    QElapsedTimer timer;
    timer.start();
    log(QStringLiteral("start: image \"%1\", language %2").arg(line.imagePath(), line.language()));

    try {
        const OcrImagePages pages(line.imagePath());
        if (!pages.isOpen()) {
            log(QStringLiteral("cannot open the image \"%1\"").arg(line.imagePath()));
            return CannotOpenImage;
        }
        const int pageCount = pages.pageCount();
        const int threads = threadCountFor(pageCount);
        log(QStringLiteral("%1 page(s), %2 recogniser thread(s)").arg(pageCount).arg(threads));

        SharedRun run;
        run.pages.resize(size_t(pageCount));
        run.runningWorkers = threads;
        const QByteArray language = line.language().toUtf8();
        std::vector<std::thread> workers;
        workers.reserve(size_t(threads));
        for (int i = 0; i < threads; ++i) {
            workers.emplace_back([&run, &pages, &language] {
                recognisePages(run, pages, language);
                std::lock_guard<std::mutex> lock(run.mutex);
                --run.runningWorkers;
                run.changed.notify_all();
            });
        }

        // Hand pages on in order while later ones are still being recognised.
        int written = 0;
        while (written < pageCount) {
            QByteArray text;
            {
                std::unique_lock<std::mutex> lock(run.mutex);
                run.changed.wait(lock, [&] {
                    return run.pages[size_t(written)].has_value() || run.runningWorkers == 0;
                });
                if (!run.pages[size_t(written)].has_value())
                    break;
                text = std::move(*run.pages[size_t(written)]);
                run.pages[size_t(written)].reset();
            }
            if (written > 0)
                sink(QByteArrayLiteral("\n"));
            sink(text);
            ++written;
        }
        for (std::thread &worker : workers)
            worker.join();

        if (run.failure != Success) {
            log(QStringLiteral("failed with code %1: %2").arg(run.failure).arg(run.failureText));
            return run.failure;
        }
        log(QStringLiteral("done: %1 page(s) in %2 ms").arg(pageCount).arg(timer.elapsed()));
        return Success;
    } catch (const std::bad_alloc &) {
        log(QStringLiteral("out of memory"));
        return OutOfMemory;
    }
}
