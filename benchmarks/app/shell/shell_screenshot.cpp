// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Shows the main window with a sample document (sections, elements and
// bookmarks) and saves a picture of it: shell_screenshot OUTPUT.png
#include "benchdocument.h"
#include "vocalynedocumentedit.h"
#include "vocalyneiconnames.h"
#include "vocalynemainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: shell_screenshot OUTPUT.png\n");
        return 2;
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));
    QApplication::setWindowIcon(QIcon(VocalyneIconNames::path(VocalyneIconNames::App)));

    VocalyneMainWindow window;
    window.resize(1180, 720);
    window.move(40, 30);

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
    // An English voice reads the English sample text.
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
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 1500)
        QApplication::processEvents(QEventLoop::AllEvents, 20);

    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
