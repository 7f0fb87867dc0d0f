// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// What one typed character costs in a large speech document, with the
// repaint that follows it, for the document shapes users have and at two
// sizes so that growth shows:
//   paragraphs    lines of about a dozen words, one paragraph each
//   one-paragraph the same text without a line break (pasted or imported
//                 text is often one paragraph)
// at 250,000 and 1,000,000 characters, with one section per 200 characters,
// one element per 50 and one bookmark per 1,000, in a shown editor next to
// its two manager tables. A sample is one key press delivered to the editor
// plus the event processing it causes (position sync, table rows, repaint);
// every sample is checked to have repainted the editor. Reports the median
// and 95th percentile per typing place, as wall time and as CPU time of the
// GUI thread, and the same for a plain text widget holding the same text
// (the toolkit's own cost of the keystroke).
//
// Usage: editingbench_typing [keys per place] [shape] [size]
// Run it in a visible window: under Xvfb, e.g.
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/bin/editingbench_typing
// (without a display it falls back to the offscreen platform, which paints
// too, into memory). EDITINGBENCH_PLACE limits the run to one typing place;
// EDITINGBENCH_NO_BASELINE skips the plain widget; EDITINGBENCH_PICTURE=PREFIX saves a
// picture of each window as PREFIX-shape-size.png. A paragraph longer than a few
// thousand characters is held in the editor as pieces joined by soft breaks; the
// setup line counts them.
#include "vocalynedocumentedit.h"
#include "vocalynemainwindowinterface.h"
#include "vocalynemessageservice.h"
#include "vocalynesettingskeys.h"
#include "vocalynesoftbreaks.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// Prints instead of opening a box nobody could answer.
class StderrMessages : public VocalyneMessageService
{
public:
    QMessageBox::StandardButton show(QWidget *, Kind, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons,
                                     QMessageBox::StandardButton defaultButton) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return defaultButton;
    }
};

// A main window with one tab that holds the benchmarked editor.
class OneTabWindow : public VocalyneMainWindowInterface
{
public:
    VocalyneDocumentEdit *edit = nullptr;
    QString title = QStringLiteral("Untitled");
    bool zoomOut = true;

    VocalyneDocumentEdit *currentDocumentEdit() const override { return edit; }
    void openDocumentFile(const QString &) override {}
    int documentTabIndex(const VocalyneDocumentEdit *e) const override
    {
        return e == edit ? 0 : -1;
    }
    int currentDocumentTabIndex() const override { return 0; }
    QString documentTabTitle(int) const override { return title; }
    void setDocumentTabTitle(int, const QString &t) override { title = t; }
    QAction *mainWindowAction(const QString &) const override { return nullptr; }
    bool zoomOutAllowed() const override { return zoomOut; }
    void setZoomOutAllowed(bool allowed) override { zoomOut = allowed; }
    void refreshCurrentDocument() override {}
    bool currentDocumentHighlight() const override { return false; }
    void setCurrentDocumentHighlight(bool) override {}
    void ignoreNextClipboardChange() override {}
    void createSection(int, int, const VoiceComboUserData &, const QString &, qint32, qint32,
                       qint32, qint32) override
    {
    }
    void addElementAtWordEnd(const QString &, const QString &) override {}
    void addSentencePauses(quint32, const QString &, const QString &) override {}
    void updateSentencePauses(quint32, const QString &, const QString &, bool) override {}
    void ensureElementCatalogue(bool) override {}
    int voiceOutputFormat() const override { return 18; }
    int speakText(qint16, const QByteArray &, qint32, quint16, const QByteArray &, qint32, qint32,
                  qint32, qint32, bool) override
    {
        return 0;
    }
};

// Fills the lists in one go; adding 26,000 records one by one would refresh
// after each of them.
class BenchEdit : public VocalyneDocumentEdit
{
public:
    using VocalyneDocumentEdit::VocalyneDocumentEdit;

    void load(const QList<QVT2SBookmark> &bookmarks, const QList<QVT2SSection> &sections,
              const QList<QVT2SElement> &elements)
    {
        m_bookmarks = bookmarks;
        m_sections = sections;
        m_elements = elements;
        refreshHighlights();
    }
};

QString makeText(int size, bool oneParagraph)
{
    static const char *words[] = {"speech", "document", "voice", "reads", "the",    "text",
                                  "aloud",  "while",    "every", "word",  "lights", "up"};
    QString text;
    text.reserve(size + 16);
    int w = 0;
    int line = 0;
    while (text.size() < size) {
        text += QLatin1String(words[w++ % 12]);
        line += 1;
        if (line % 12 == 0)
            text += oneParagraph ? QStringLiteral(". ") : QStringLiteral(".\n");
        else
            text += QLatin1Char(' ');
    }
    text.truncate(size);
    return text;
}

struct Figures
{
    double median;
    double p95;
    double max;
};

// CPU time of this thread: what a keystroke costs the GUI thread, without
// the waits of a machine shared with other work.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

Figures figures(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    return {samples[n / 2], samples[std::min(n - 1, (n * 95) / 100)], samples.back()};
}

// Counts the paints of a widget, so that every sample is known to include
// the repaint the keystroke caused.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct Shape
{
    const char *name;
    bool oneParagraph;
};

void runShape(const Shape &shape, int textSize, int keysPerPlace);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const int keysPerPlace = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const QByteArray onlyShape = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    const int onlySize = argc > 3 ? std::atoi(argv[3]) : 0;

    StderrMessages messages;
    VocalyneMessageService::setInstance(&messages);
    {
        namespace Keys = VocalyneSettingsKeys;
        QSettings settings;
        settings.setValue(Keys::VoiceEngineTypeId, 3);
        settings.setValue(Keys::VoiceName, QStringLiteral("English (America)"));
        settings.setValue(Keys::VoiceId, 0);
        settings.setValue(Keys::LangId, 1033);
        for (auto key : {Keys::Pitch, Keys::Speed, Keys::Volume})
            settings.setValue(key, 100);
        settings.setValue(Keys::SentPause, 670);
    }
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));

    const Shape shapes[] = {{"paragraphs", false}, {"one-paragraph", true}};
    for (const Shape &shape : shapes) {
        if (!onlyShape.isEmpty() && onlyShape != shape.name)
            continue;
        for (int size : {250 * 1000, 1000 * 1000}) {
            if (onlySize == 0 || onlySize == size)
                runShape(shape, size, keysPerPlace);
        }
    }
    VocalyneMessageService::setInstance(nullptr);
    return 0;
}

namespace {

void runShape(const Shape &shape, const int textSize, const int keysPerPlace)
{
    std::printf("\n== %s, %d characters ==\n", shape.name, textSize);
    // The same density of entities at every size.
    const int sectionCount = textSize / 200, elementCount = textSize / 50,
              bookmarkCount = textSize / 1000;

    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *bookmarkTable = new QTableWidget(0, 3);
    auto *sectionTable = new QTableWidget(0, 8);
    OneTabWindow mainWindow;
    auto *edit = new BenchEdit(nullptr, &mainWindow, bookmarkTable, sectionTable);
    mainWindow.edit = edit;
    layout->addWidget(edit, 3);
    layout->addWidget(bookmarkTable, 1);
    layout->addWidget(sectionTable, 2);
    window.resize(1600, 900);

    QElapsedTimer setup;
    setup.start();
    edit->setPlainText(makeText(textSize, shape.oneParagraph));
    std::printf("text set: %lld ms\n", setup.elapsed());
    QList<QVT2SSection> sections;
    const quint32 sectionSlot = textSize / sectionCount;
    for (int i = 0; i < sectionCount; ++i) {
        QVT2SSection section;
        section.fromChar = quint32(i) * sectionSlot + 10;
        section.toChar = section.fromChar + sectionSlot / 2;
        section.voiceName = QStringLiteral("English (America)");
        section.engineTypeId = 3;
        section.speed = section.volume = section.pitch = 100;
        section.pause = i % 2 ? 300 : 0;
        section.enabled = i % 7 != 0;
        sections.append(section);
    }
    QList<QVT2SBookmark> bookmarks;
    const quint32 bookmarkSlot = textSize / bookmarkCount;
    for (int i = 0; i < bookmarkCount; ++i)
        bookmarks.append(
            {quint32(i) * bookmarkSlot + 50, quint32(i) * bookmarkSlot + 150, i % 3 != 0});
    QList<QVT2SElement> elements;
    const quint32 elementSlot = textSize / elementCount;
    for (int i = 0; i < elementCount; ++i)
        elements.append({quint32(i) * elementSlot + 7, QStringLiteral("pause"),
                         QStringLiteral("500"), i % 5 != 0});
    edit->load(bookmarks, sections, elements);
    std::printf("entities loaded: %lld ms\n", setup.elapsed());
    window.show();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    std::printf("setup: %lld ms (text %d chars, %d sections, %d elements, %d bookmarks, "
                "%d highlights, %d on screen, %d soft breaks)\n",
                setup.elapsed(), int(edit->document()->characterCount()), sectionCount,
                elementCount, bookmarkCount, int(edit->entityHighlights().size()),
                int(edit->shownHighlights().size()),
                VocalyneSoftBreaks::softBreakCount(edit->document()));
    // A picture of the editor, to see where its soft breaks end lines.
    if (const QString picture = qEnvironmentVariable("EDITINGBENCH_PICTURE"); !picture.isEmpty())
        window.grab().save(QStringLiteral("%1-%2-%3.png")
                               .arg(picture)
                               .arg(QLatin1String(shape.name))
                               .arg(textSize));

    struct Place
    {
        const char *name;
        int position;
        Qt::Key key = Qt::Key_A;
    };
    // Backspace over 100 characters crosses two elements, which go.
    const Place places[] = {
        {"start (every row moves)", 0},
        {"middle (half the rows move)", textSize / 2 + 3},
        {"inside a section", int(sections.at(sectionCount / 2).fromChar) + 20},
        {"end (nothing moves)", textSize - 1},
        {"backspace (middle)", textSize / 2 + textSize / 50 + 3, Qt::Key_Backspace},
    };
    const QByteArray only = qgetenv("EDITINGBENCH_PLACE");
    PaintCounter paintCounter;

    // The same text in a plain text widget of the same size: what typing costs
    // without any speech entity, for comparison.
    QTextEdit plain;
    plain.setAcceptRichText(false);
    plain.setPlainText(edit->toPlainText());
    plain.resize(edit->size());

    auto measure = [&](QTextEdit *target, const char *label) {
        std::vector<double> all;
        std::vector<double> allCpu;
        for (const Place &place : places) {
            if (!only.isEmpty() && !QByteArray(place.name).startsWith(only))
                continue;
            QTextCursor cursor = target->textCursor();
            cursor.setPosition(place.position);
            target->setTextCursor(cursor);
            target->setFocus();
            // Let the widget finish laying the text out again after the
            // previous place's edits, as it does while the user moves on.
            target->document()->pageCount();
            for (int i = 0; i < 5; ++i)
                QCoreApplication::processEvents();
            std::vector<double> samples;
            std::vector<double> cpuSamples;
            int unpainted = 0;
            target->viewport()->installEventFilter(&paintCounter);
            for (int k = 0; k < keysPerPlace; ++k) {
                QElapsedTimer timer;
                const double cpuStart = threadCpuMs();
                const int paintsBefore = paintCounter.paints;
                timer.start();
                QTest::keyClick(target, place.key);
                QCoreApplication::processEvents();
                // The repaint is part of the keystroke: wait for it.
                while (paintCounter.paints == paintsBefore && timer.elapsed() < 1000)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
                samples.push_back(double(timer.nsecsElapsed()) / 1e6);
                cpuSamples.push_back(threadCpuMs() - cpuStart);
                if (paintCounter.paints == paintsBefore)
                    ++unpainted;
            }
            target->viewport()->removeEventFilter(&paintCounter);
            const Figures f = figures(samples);
            const Figures c = figures(cpuSamples);
            std::printf("%-6s %-29s wall median %6.2f p95 %6.2f | cpu median %6.2f p95 %6.2f "
                        "max %6.2f ms%s\n",
                        label, place.name, f.median, f.p95, c.median, c.p95, c.max,
                        unpainted ? " (some keys not repainted!)" : "");
            all.insert(all.end(), samples.begin(), samples.end());
            allCpu.insert(allCpu.end(), cpuSamples.begin(), cpuSamples.end());
        }
        const Figures f = figures(all);
        const Figures c = figures(allCpu);
        std::printf("%-6s %-29s wall median %6.2f p95 %6.2f | cpu median %6.2f p95 %6.2f "
                    "max %6.2f ms\n",
                    label, "all places", f.median, f.p95, c.median, c.p95, c.max);
    };

    measure(edit, "editor");
    std::printf("entities after typing: %d sections, %d elements, %d bookmarks; rows %d/%d\n",
                int(edit->sections().size()), int(edit->elements().size()),
                int(edit->bookmarks().size()), sectionTable->rowCount(), bookmarkTable->rowCount());

    // Adding one entity rebuilds every highlight and both tables.
    {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        // In the gap after a bookmark, wherever typing has moved it.
        const int from = int(edit->bookmarks().at(bookmarkCount / 4).toChar) + 100;
        edit->addBookmark(from, from + 20);
        QCoreApplication::processEvents();
        std::printf("editor add one bookmark (full refresh)   wall %6.2f | cpu %6.2f ms\n",
                    double(timer.nsecsElapsed()) / 1e6, threadCpuMs() - cpuStart);
    }
    // The whole text set again while shown, as a paste over everything or
    // opening a file into a shown tab does: the one-off cost of laying it
    // out (and, in the editor, of cutting long paragraphs into pieces).
    // (The editor's own text: through a plain QTextEdit pointer its soft
    // breaks would read as line breaks.)
    const QString text = edit->toPlainText();
    auto setAgain = [&](QTextEdit *target, const char *label) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        if (target == edit)
            edit->setPlainText(text); // the editor's own: it cuts long paragraphs first
        else
            target->setPlainText(text);
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        std::printf("%-6s text set again, shown              wall %6.2f | cpu %6.2f ms\n", label,
                    double(timer.nsecsElapsed()) / 1e6, threadCpuMs() - cpuStart);
    };
    setAgain(edit, "editor");
    if (!qEnvironmentVariableIsEmpty("EDITINGBENCH_NO_BASELINE"))
        return;
    window.hide();
    plain.show();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    measure(&plain, "plain");
    setAgain(&plain, "plain");
}

} // namespace
