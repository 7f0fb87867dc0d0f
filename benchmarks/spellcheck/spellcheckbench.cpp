// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Spell-checking speed, as a user meets it:
//  1. loading the default dictionary (reading the words and building the
//     checker, which the first check does);
//  2. the check run (Spell Check, F7) over the large sample document with one
//     misspelt word in a hundred, until the dialog shows the first word;
//  3. the dialog moving on to the next word with its suggestions (Ignore).
// Run with QT_QPA_PLATFORM=offscreen and VOCALYNE_AUDIO_OUTPUT=fast-null.
// Wall and CPU times are printed; CPU time is less distorted on a busy machine.
#include "benchdocument.h"
#include "vocalynedocumentedit.h"
#include "vocalynemainwindow.h"
#include "vocalynesc.h"
#include "vocalynespellcheckerdlg.h"
#include "vocalynespellcheckrun.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

struct Times
{
    QList<double> wall;
    QList<double> cpu;

    void add(double wallMs, double cpuMs)
    {
        wall.append(wallMs);
        cpu.append(cpuMs);
    }
    static double median(QList<double> list)
    {
        std::sort(list.begin(), list.end());
        return list.isEmpty() ? 0 : list.at(list.size() / 2);
    }
    static double worst(const QList<double> &list)
    {
        return list.isEmpty() ? 0 : *std::max_element(list.begin(), list.end());
    }
    void print(const char *what) const
    {
        std::printf("%s: median %.1f ms (CPU %.1f ms), worst %.1f ms (CPU %.1f ms), %lld runs\n",
                    what, median(wall), median(cpu), worst(wall), worst(cpu),
                    static_cast<long long>(wall.size()));
    }
};

class Stopwatch
{
public:
    Stopwatch() : m_cpu(std::clock()) { m_wall.start(); }
    double wallMs() const { return m_wall.nsecsElapsed() / 1e6; }
    double cpuMs() const { return double(std::clock() - m_cpu) * 1000.0 / CLOCKS_PER_SEC; }

private:
    QElapsedTimer m_wall;
    std::clock_t m_cpu;
};

// One word in a hundred gets two inner letters swapped (the next word of
// four letters or more when the hundredth is shorter), which keeps the
// text's length and so every entity's position.
QByteArray withTypos(QByteArray bytes, int *typos, int *words)
{
    const int start = bytes.indexOf("<QVT2SContent>");
    const int end = bytes.indexOf("</QVT2SContent>");
    QString content = QString::fromUtf8(bytes.mid(start, end - start));
    static const QRegularExpression word(QStringLiteral("\\b[A-Za-z]+\\b"));
    int count = 0;
    bool pending = false;
    *typos = 0;
    for (auto it = word.globalMatch(content); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (++count % 100 == 0)
            pending = true;
        const int length = int(match.capturedLength());
        if (!pending || length < 4)
            continue;
        pending = false;
        const int at = int(match.capturedStart()) + 1 + (count / 100) % (length - 2);
        const QChar first = content.at(at);
        content[at] = content.at(at + 1);
        content[at + 1] = first;
        ++*typos;
    }
    *words = count;
    return bytes.left(start) + content.toUtf8() + bytes.mid(end);
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));
    const QByteArray english = QFile::encodeName(QCoreApplication::applicationDirPath() +
                                                 QStringLiteral("/English-USUK.scd"));
    const QByteArray german =
        QFile::encodeName(QCoreApplication::applicationDirPath() + QStringLiteral("/German.scd"));

    // 1. Loading.
    Times read, build, total;
    for (int run = 0; run < 7; ++run) {
        Stopwatch watch;
        if (!QVSCLoadDictionary(english.constData(), false)) {
            std::fprintf(stderr, "cannot load %s\n", english.constData());
            return 1;
        }
        const double readWall = watch.wallMs(), readCpu = watch.cpuMs();
        QVSCIsWordKnown("the");
        read.add(readWall, readCpu);
        build.add(watch.wallMs() - readWall, watch.cpuMs() - readCpu);
        total.add(watch.wallMs(), watch.cpuMs());
    }
    std::printf("default dictionary: %zu words\n", QVSCWordCount());
    read.print("  reading the word list");
    build.print("  building the checker (first check)");
    total.print("load, default dictionary in all");
    {
        Stopwatch watch;
        QVSCLoadDictionary(english.constData(), false);
        QVSCLoadDictionary(german.constData(), true);
        QVSCIsWordKnown("the");
        std::printf("load, English and German (%zu words): %.1f ms (CPU %.1f ms)\n",
                    QVSCWordCount(), watch.wallMs(), watch.cpuMs());
    }

    // 2. and 3. The main window with the large document.
    auto *window = new VocalyneMainWindow();
    window->show();
    QTemporaryDir dir;
    BenchDocument::Shape shape;
    shape.paragraphs = 7700; // about 1,000,000 characters of text
    shape.sections = 5000;
    shape.elements = 20000;
    shape.bookmarks = 1000;
    int typos = 0;
    int words = 0;
    const QByteArray bytes = withTypos(
        BenchDocument::build(shape, window->currentDocumentEdit()->voiceName()), &typos, &words);
    const QString path = dir.filePath(QStringLiteral("large.t2s"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 1;
    file.close();
    window->openDocumentFile(path);
    QApplication::processEvents();
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    const QString text = edit->toPlainText();
    std::printf("document: %lld characters, %d words, %d of them misspelt\n",
                static_cast<long long>(text.size()), words, typos);

    Times scan;
    qsizetype unknown = 0;
    for (int run = 0; run < 5; ++run) {
        Stopwatch watch;
        unknown = VocalyneSpellCheckRun::unknownWords(edit->toPlainText()).size();
        scan.add(watch.wallMs(), watch.cpuMs());
    }
    std::printf("unknown words found: %lld\n", static_cast<long long>(unknown));
    scan.print("  finding the unknown words (plain text and look-ups)");

    Times command, step;
    QString changeAll;
    for (int run = 0; run < 3; ++run) {
        Stopwatch watch;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&]() {
            auto *dialog =
                qobject_cast<VocalyneSpellCheckerDlg *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            command.add(watch.wallMs(), watch.cpuMs());
            auto *ignore = dialog->findChild<QPushButton *>(QStringLiteral("pushButtonIgnore"));
            auto *list = dialog->findChild<QListWidget *>(QStringLiteral("listWidget"));
            for (int i = 0; i < 40 && dialog->isVisible(); ++i) {
                Stopwatch next;
                ignore->click();
                QApplication::processEvents(); // the dialog and the editor repaint
                step.add(next.wallMs(), next.cpuMs());
                if (list->count() == 0)
                    std::printf("no suggestion list\n");
            }
            if (run == 0) {
                // Change All on a word that recurs through the document.
                auto *word = dialog->findChild<QLineEdit *>(QStringLiteral("lineEditWord"));
                const QString changed = word->text();
                const QString before = edit->toPlainText();
                const qsizetype occurrences =
                    before.count(QRegularExpression(QStringLiteral("\\b%1\\b").arg(changed)));
                Stopwatch all;
                dialog->findChild<QPushButton *>(QStringLiteral("pushButtonChangeAll"))->click();
                QApplication::processEvents();
                changeAll = QStringLiteral("Change All of \"%1\" (%2 occurrences in the "
                                           "document) until the next word is shown: %3 ms "
                                           "(CPU %4 ms)")
                                .arg(changed)
                                .arg(occurrences)
                                .arg(all.wallMs(), 0, 'f', 1)
                                .arg(all.cpuMs(), 0, 'f', 1);
                edit->undo();
            }
            dialog->reject();
        });
        timer.start(0);
        window->mainWindowAction(QStringLiteral("actionSpell_Check"))->trigger();
    }
    command.print("check run: Spell Check until the dialog shows the first word");
    step.print("dialog: next word with its suggestions");
    std::printf("dialog: %s\n", qPrintable(changeAll));

    edit->document()->setModified(false);
    delete window;
    return 0;
}
