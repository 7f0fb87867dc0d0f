// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Takes the pictures the help pages show: the main window with a sample
// document, and the Find and Replace dialog at work on it.
// Usage: help_screenshots OUTPUT_FOLDER   (best under xvfb-run, so that the
// windows are drawn as on a desktop)
#include "benchdocument.h"
#include "vocalynedocumentedit.h"
#include "vocalynefindreplacedlg.h"
#include "vocalyneiconnames.h"
#include "vocalynemainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>

#include <cstdio>

namespace {

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool save(QWidget *widget, const QDir &folder, const char *name)
{
    const QString path = folder.filePath(QLatin1String(name));
    if (widget->grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: help_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));
    QApplication::setWindowIcon(QIcon(VocalyneIconNames::path(VocalyneIconNames::App)));

    VocalyneMainWindow window;
    window.resize(1100, 680);
    window.move(20, 20);
    QTemporaryDir dir;
    BenchDocument::Shape shape;
    shape.paragraphs = 8;
    shape.sections = 6;
    shape.elements = 10;
    shape.bookmarks = 3;
    const QString path = dir.filePath(QStringLiteral("Harbour morning.t2s"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    QString voice = window.currentDocumentEdit()->voiceName();
    if (auto *combo = window.findChild<QComboBox *>(QStringLiteral("voiceComboBox"))) {
        for (int i = 0; i < combo->count(); ++i) {
            if (combo->itemText(i).contains(QStringLiteral("English (Great Britain)"))) {
                voice = combo->itemText(i);
                break;
            }
        }
    }
    file.write(BenchDocument::build(shape, voice));
    file.close();
    window.openDocumentFile(path);
    window.show();
    settle(1500);
    bool ok = save(&window, folder, "mainwindow.png");

    // Replace mode, with the first match selected in the document.
    window.showReplaceDialog();
    VocalyneFindReplaceDlg *dialog = window.findReplaceDialog();
    dialog->findChild<QLineEdit *>(QStringLiteral("findEdit"))->setText(QStringLiteral("the"));
    dialog->findChild<QLineEdit *>(QStringLiteral("replaceEdit"))->setText(QStringLiteral("a"));
    dialog->findChild<QCheckBox *>(QStringLiteral("cbMatchWholeWord"))->setChecked(true);
    QTextCursor start = window.currentDocumentEdit()->textCursor();
    start.movePosition(QTextCursor::Start);
    window.currentDocumentEdit()->setTextCursor(start);
    dialog->findNext();
    dialog->move(window.geometry().right() - dialog->width() - 60, window.geometry().top() + 160);
    settle(800);
    ok = save(dialog, folder, "findreplace.png") && ok;
    dialog->hide();

    // The docks and toolbars as the View menu arranges them.
    window.setspeechToolbarLargeIcons();
    window.setdocToolbarStyleIconsOnly();
    settle(500);
    ok = save(&window, folder, "largeicons.png") && ok;
    window.loadDefaultLayout();
    return ok ? 0 : 1;
}
