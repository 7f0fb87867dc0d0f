// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Replace All in the large sample document (about 1,000,000 characters with
// 5,000 sections, 20,000 elements and 1,000 bookmarks), opened in the main
// window, through the Find and Replace dialog. For each search it reports the
// number of matches, the time of Replace All (wall and CPU time of the GUI
// thread, including the position sync and the layout that follow the edit),
// the time of undoing it, and checks that the text and every entity end up
// exactly where an independent computation puts them, and that the undo
// brings the text back.
// Usage: findbench_replaceall   (offscreen unless QT_QPA_PLATFORM is set;
// VOCALYNE_AUDIO_OUTPUT=fast-null keeps the engine away from the sound server)
#include "benchdocument.h"
#include "vocalynedocumentedit.h"
#include "vocalynefindreplacedlg.h"
#include "vocalynemainwindow.h"
#include "vocalynemessageservice.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

class StderrMessages : public VocalyneMessageService
{
public:
    QMessageBox::StandardButton show(QWidget *, Kind, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons,
                                     QMessageBox::StandardButton defaultButton) override
    {
        last = text;
        std::fprintf(stderr, "  [%s] %s\n", qPrintable(title), qPrintable(text));
        return defaultButton;
    }
    QString last;
};

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Search
{
    const char *text;
    const char *replacement;
    bool wholeWords;
    bool matchCase;
};

// Where a position of the old text lies after the replacements: in front of
// a match it stays, behind one it moves by the length difference, inside one
// it keeps its offset as far as the replacement reaches.
qint64 mapPosition(qint64 p, const std::vector<qint64> &starts, qint64 length, qint64 size)
{
    const qint64 shift = size - length;
    const auto it = std::lower_bound(starts.begin(), starts.end(), p); // first start >= p
    const qint64 before = it - starts.begin();
    if (before > 0) {
        const qint64 m = starts[size_t(before - 1)];
        if (p < m + length)
            return m + (before - 1) * shift + std::min(p - m, size);
    }
    return p + before * shift;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    StderrMessages messages;
    VocalyneMessageService::setInstance(&messages);

    auto *window = new VocalyneMainWindow();
    window->resize(1280, 800);
    window->show();
    QApplication::processEvents();

    QTemporaryDir dir;
    BenchDocument::Shape shape;
    shape.paragraphs = 7700; // about 1,000,000 characters of text
    shape.sections = 5000;
    shape.elements = 20000;
    shape.bookmarks = 1000;
    const QString path = dir.filePath(QStringLiteral("large.t2s"));
    {
        const QByteArray bytes =
            BenchDocument::build(shape, window->currentDocumentEdit()->voiceName());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }

    auto *dialog = new VocalyneFindReplaceDlg(window, window);
    auto *findEdit = dialog->findChild<QLineEdit *>(QStringLiteral("findEdit"));
    auto *replaceEdit = dialog->findChild<QLineEdit *>(QStringLiteral("replaceEdit"));
    auto *wholeWords = dialog->findChild<QCheckBox *>(QStringLiteral("cbMatchWholeWord"));
    auto *matchCase = dialog->findChild<QCheckBox *>(QStringLiteral("cbMatchCase"));
    dialog->showReplace();

    // A whole word (many matches, few entity edges inside them) and a pair
    // of letters inside words (entity edges and elements inside matches).
    const Search searches[] = {
        {"the", "that", true, false},
        {"re", "RE!", false, true},
        {"a", "an", true, true},
    };
    bool allGood = true;
    for (const Search &search : searches) {
        window->openDocumentFile(path);
        QApplication::processEvents();
        VocalyneDocumentEdit *edit = window->currentDocumentEdit();
        const QString before = edit->toPlainText();
        const QList<QVT2SSection> sections = edit->sections();
        const QList<QVT2SBookmark> bookmarks = edit->bookmarks();
        const QList<QVT2SElement> elements = edit->elements();

        // The matches, found independently of the document's own search.
        const QString text = QLatin1String(search.text);
        const QString replacement = QLatin1String(search.replacement);
        QString pattern = QRegularExpression::escape(text);
        if (search.wholeWords)
            pattern = QStringLiteral("(?<![\\p{L}\\p{N}])") + pattern +
                      QStringLiteral("(?![\\p{L}\\p{N}])");
        QRegularExpression expression(pattern, search.matchCase
                                                   ? QRegularExpression::NoPatternOption
                                                   : QRegularExpression::CaseInsensitiveOption);
        std::vector<qint64> starts;
        QString expected;
        qint64 copied = 0;
        for (auto it = expression.globalMatch(before); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            starts.push_back(match.capturedStart());
            expected += QStringView(before).mid(copied, match.capturedStart() - copied);
            expected += replacement;
            copied = match.capturedEnd();
        }
        expected += QStringView(before).mid(copied);

        findEdit->setText(text);
        replaceEdit->setText(replacement);
        wholeWords->setChecked(search.wholeWords);
        matchCase->setChecked(search.matchCase);

        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        dialog->replaceAll();
        const double wallMs = double(timer.nsecsElapsed()) / 1e6;
        const double cpuMs = threadCpuMs() - cpuStart;
        timer.restart();
        QApplication::processEvents();
        const double paintMs = double(timer.nsecsElapsed()) / 1e6;

        // Every entity where the replacements put it.
        const qint64 length = text.size();
        const qint64 size = replacement.size();
        auto map = [&](quint32 p) { return quint32(mapPosition(p, starts, length, size)); };
        int wrong = 0;
        bool sameCounts = edit->sections().size() == sections.size() &&
                          edit->bookmarks().size() == bookmarks.size() &&
                          edit->elements().size() == elements.size();
        if (sameCounts) {
            for (qsizetype i = 0; i < sections.size(); ++i)
                wrong += edit->sections().at(i).fromChar != map(sections.at(i).fromChar) ||
                         edit->sections().at(i).toChar != map(sections.at(i).toChar);
            for (qsizetype i = 0; i < bookmarks.size(); ++i)
                wrong += edit->bookmarks().at(i).fromChar != map(bookmarks.at(i).fromChar) ||
                         edit->bookmarks().at(i).toChar != map(bookmarks.at(i).toChar);
            for (qsizetype i = 0; i < elements.size(); ++i)
                wrong += edit->elements().at(i).afterChar != map(elements.at(i).afterChar);
        }
        const bool textRight = edit->toPlainText() == expected;

        timer.restart();
        const double undoCpuStart = threadCpuMs();
        edit->undo();
        const double undoMs = double(timer.nsecsElapsed()) / 1e6;
        const double undoCpuMs = threadCpuMs() - undoCpuStart;
        bool undone = edit->toPlainText() == before && edit->sections().size() == sections.size() &&
                      edit->bookmarks().size() == bookmarks.size() &&
                      edit->elements().size() == elements.size();
        for (qsizetype i = 0; undone && i < sections.size(); ++i)
            undone = edit->sections().at(i).fromChar == sections.at(i).fromChar &&
                     edit->sections().at(i).toChar == sections.at(i).toChar;
        for (qsizetype i = 0; undone && i < bookmarks.size(); ++i)
            undone = edit->bookmarks().at(i).fromChar == bookmarks.at(i).fromChar &&
                     edit->bookmarks().at(i).toChar == bookmarks.at(i).toChar;
        for (qsizetype i = 0; undone && i < elements.size(); ++i)
            undone = edit->elements().at(i).afterChar == elements.at(i).afterChar;

        const bool good =
            sameCounts && wrong == 0 && textRight && undone &&
            messages.last.startsWith(QStringLiteral("Replaced %1 ").arg(starts.size()));
        allGood = allGood && good;
        std::printf("'%s' -> '%s'%s%s: %zu matches in %d characters (%d sections, %d elements, "
                    "%d bookmarks)\n"
                    "  replace all: wall %.1f ms, cpu %.1f ms; first paint after it %.1f ms\n"
                    "  undo (one step): wall %.1f ms, cpu %.1f ms\n"
                    "  check: text %s, entities %s, undo %s\n",
                    search.text, search.replacement, search.wholeWords ? " whole words" : "",
                    search.matchCase ? " match case" : "", starts.size(), int(before.size()),
                    int(sections.size()), int(elements.size()), int(bookmarks.size()), wallMs,
                    cpuMs, paintMs, undoMs, undoCpuMs, textRight ? "right" : "WRONG",
                    !sameCounts ? "LOST OR GAINED"
                                : (wrong ? qPrintable(QStringLiteral("%1 MOVED").arg(wrong))
                                         : "all on their text"),
                    undone ? "restores text and entities" : "WRONG");
        edit->document()->setModified(false);
        window->closeCurrentDocument();
    }
    VocalyneMessageService::setInstance(nullptr);
    delete window;
    return allGood ? 0 : 1;
}
