// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// What the authoring commands cost in a large speech document (about
// 1,000,000 characters with 5,000 sections, 20,000 elements and 1,000
// bookmarks) in the shown main window: a typed character near the start
// of the text, opening the section editor (new
// section and editing one), disabling and enabling 1,000 selected sections
// at once, deleting all 1,000 bookmarks and then 1,000 sections at once, and
// one typed character afterwards. Each figure is wall time and CPU time of the GUI thread, from
// the command to the end of the event processing it causes.
// Usage: authoringbench_managers [runs]  (offscreen unless QT_QPA_PLATFORM
// is set; settings go to the test location; the engine to the fast null output)
#include "benchdocument.h"
#include "vocalynedocumentedit.h"
#include "vocalynemainwindow.h"
#include "vocalynemessageservice.h"
#include "vocalynespeechsectioneditor.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace {

// Answers Yes to the delete question and prints anything else.
class YesMessages : public VocalyneMessageService
{
public:
    QMessageBox::StandardButton show(QWidget *, Kind kind, const QString &title,
                                     const QString &text, QMessageBox::StandardButtons,
                                     QMessageBox::StandardButton defaultButton) override
    {
        if (kind == Kind::Question)
            return QMessageBox::Yes;
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return defaultButton;
    }
};

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Sample
{
    double wall;
    double cpu;
};

// Runs work and the events it leaves behind.
Sample measure(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    const double cpu = threadCpuMs();
    work();
    QApplication::processEvents();
    return {double(timer.nsecsElapsed()) / 1e6, threadCpuMs() - cpu};
}

void report(const char *what, std::vector<Sample> samples)
{
    std::sort(samples.begin(), samples.end(),
              [](const Sample &a, const Sample &b) { return a.wall < b.wall; });
    const Sample &median = samples[samples.size() / 2];
    const Sample &worst = samples.back();
    std::printf("%-46s median %7.1f ms (CPU %7.1f)  worst %7.1f ms (CPU %7.1f)  [%zu runs]\n", what,
                median.wall, median.cpu, worst.wall, worst.cpu, samples.size());
}

// Opens the section editor through command and measures until its event
// loop runs with the dialog shown, then closes it.
Sample openSectionEditor(const std::function<void()> &command)
{
    Sample sample{-1, -1};
    QElapsedTimer timer;
    double cpu = 0;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&]() {
        auto *dialog =
            qobject_cast<VocalyneSpeechSectionEditor *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        probe.stop();
        // Up to the dialog's first paint.
        QApplication::processEvents();
        sample = {double(timer.nsecsElapsed()) / 1e6, threadCpuMs() - cpu};
        dialog->reject();
    });
    probe.start();
    timer.start();
    cpu = threadCpuMs();
    command();
    return sample;
}

void selectRows(QTableWidget *table, int first, int step, int count)
{
    table->clearSelection();
    QItemSelection selection;
    for (int i = 0; i < count; ++i) {
        const int row = first + i * step;
        selection.select(table->model()->index(row, 0),
                         table->model()->index(row, table->columnCount() - 1));
    }
    table->selectionModel()->select(selection, QItemSelectionModel::Select);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("VOCALYNE_AUDIO_OUTPUT"))
        qputenv("VOCALYNE_AUDIO_OUTPUT", "fast-null");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    YesMessages messages;
    VocalyneMessageService::setInstance(&messages);

    VocalyneMainWindow window;
    window.resize(1600, 1000);
    window.show();
    QApplication::processEvents();

    QTemporaryDir dir;
    BenchDocument::Shape shape;
    shape.paragraphs = 8400; // about 1,000,000 characters
    shape.sections = 5000;
    shape.elements = 20000;
    shape.bookmarks = 1000;
    const QByteArray bytes = BenchDocument::build(shape, window.currentDocumentEdit()->voiceName());
    const QString path = dir.filePath(QStringLiteral("large.t2s"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 1;
    file.close();
    window.openDocumentFile(path);
    QApplication::processEvents();
    VocalyneDocumentEdit *edit = window.currentDocumentEdit();
    auto *bookmarkTable = window.findChild<QTableWidget *>(QStringLiteral("twBookmarkManager"));
    auto *sectionTable = window.findChild<QTableWidget *>(QStringLiteral("twSectionSpProps"));
    // Sections with a sentence pause, so switching them looks up their
    // pause elements as well.
    for (int i = 0; i < edit->sections().size(); ++i) {
        QVT2SSection section = edit->sections().at(i);
        section.pause = 250;
        edit->replaceSection(i, section);
    }
    edit->refreshHighlights();
    QApplication::processEvents();
    std::printf("document: %d characters, %lld sections, %lld elements, %lld bookmarks\n",
                edit->document()->characterCount(), qint64(edit->sections().size()),
                qint64(edit->elements().size()), qint64(edit->bookmarks().size()));

    // Typing near the start of the text, with every entity behind the caret:
    // each key moves all of them.
    {
        edit->setFocus();
        QTextCursor cursor(edit->document());
        cursor.setPosition(100);
        edit->setTextCursor(cursor);
        edit->ensureCursorVisible();
        QApplication::processEvents();
        std::vector<Sample> keys;
        for (int i = 0; i < 100; ++i)
            keys.push_back(measure([&]() { QTest::keyClick(edit->viewport(), Qt::Key_X); }));
        report("one typed character near the start", keys);
        std::printf("  (highlights taken as on screen: %lld of %lld)\n",
                    qint64(edit->shownHighlights().size()),
                    qint64(edit->entityHighlights().size()));
        for (int i = 0; i < 100; ++i)
            QTest::keyClick(edit->viewport(), Qt::Key_Backspace);
        QApplication::processEvents();
    }
    // For profiling the keystroke alone.
    if (qEnvironmentVariableIsSet("AUTHORINGBENCH_TYPING_ONLY"))
        return 0;

    // Opening the section editor: a new section in the gap after section
    // 2,500, and editing section 2,500.
    const QVT2SSection middle = edit->sections().at(2500);
    std::vector<Sample> newSection, editSection;
    for (int run = 0; run < runs; ++run) {
        QTextCursor cursor(edit->document());
        cursor.setPosition(int(middle.toChar) + 2);
        cursor.setPosition(int(middle.toChar) + 6, QTextCursor::KeepAnchor);
        edit->setTextCursor(cursor);
        // Scrolling to the selection (laying out the text up to it) is the
        // selection's cost, not the dialog's.
        QApplication::processEvents();
        newSection.push_back(openSectionEditor([&]() { window.showSpeechSectionEditDialog(); }));
        editSection.push_back(
            openSectionEditor([&]() { window.showSpeechSectionEditDialog(2500); }));
    }
    report("open section editor (new section)", newSection);
    report("open section editor (edit section)", editSection);

    // 1,000 sections selected at once (every fifth row: 1,000 ranges).
    std::vector<Sample> disable, enable;
    for (int run = 0; run < runs; ++run) {
        selectRows(sectionTable, 0, 5, 1000);
        disable.push_back(measure([&]() { window.sectionManagerSelectedEntitiesDisable(); }));
        enable.push_back(measure([&]() { window.sectionManagerSelectedEntitiesEnable(); }));
    }
    report("disable 1,000 selected sections", disable);
    report("enable 1,000 selected sections", enable);
    int enabled = 0;
    for (const QVT2SSection &section : edit->sections())
        enabled += section.enabled ? 1 : 0;
    std::printf("  (sections enabled afterwards: %d of %lld)\n", enabled,
                qint64(edit->sections().size()));

    // All 1,000 bookmarks deleted at once, once (there is one document).
    selectRows(bookmarkTable, 0, 1, int(edit->bookmarks().size()));
    const int bookmarksBefore = int(edit->bookmarks().size());
    report("delete 1,000 selected bookmarks",
           {measure([&]() { window.bookmarkManagerSelectedEntitiesDelete(); })});
    std::printf("  (bookmarks %d -> %lld, table rows %d)\n", bookmarksBefore,
                qint64(edit->bookmarks().size()), bookmarkTable->rowCount());

    // 1,000 sections with their sentence pauses, deleted at once.
    selectRows(sectionTable, 0, 5, 1000);
    const int sectionsBefore = int(edit->sections().size());
    const int elementsBefore = int(edit->elements().size());
    report("delete 1,000 selected sections",
           {measure([&]() { window.sectionManagerSelectedEntitiesDelete(); })});
    std::printf("  (sections %d -> %lld, elements %d -> %lld)\n", sectionsBefore,
                qint64(edit->sections().size()), elementsBefore, qint64(edit->elements().size()));

    // Typing in the middle of the text afterwards.
    edit->setFocus();
    QTextCursor cursor(edit->document());
    cursor.setPosition(edit->document()->characterCount() / 2);
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
    QApplication::processEvents();
    std::vector<Sample> keys;
    for (int i = 0; i < 200; ++i)
        keys.push_back(measure([&]() { QTest::keyClick(edit->viewport(), Qt::Key_X); }));
    std::vector<Sample> sorted = keys;
    std::sort(sorted.begin(), sorted.end(),
              [](const Sample &a, const Sample &b) { return a.wall < b.wall; });
    report("one typed character", keys);
    std::printf("  (highlights taken as on screen: %lld of %lld)\n", qint64(edit->shownHighlights().size()),
                qint64(edit->entityHighlights().size()));
    std::printf("  (95th percentile %.1f ms)\n", sorted[sorted.size() * 95 / 100].wall);

    edit->document()->setModified(false);
    return 0;
}
