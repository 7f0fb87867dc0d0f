// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Build tool: merges word lists (UTF-8, one word per line) into one .scd
// dictionary: every word trimmed, in lower case and composed, each once,
// sorted. Usage: vocalynesc_scdgen OUTPUT INPUT...
#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT INPUT...\n", argv[0]);
        return 2;
    }
    std::vector<QByteArray> words;
    for (int i = 2; i < argc; ++i) {
        QFile input(QFile::decodeName(argv[i]));
        if (!input.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[i]);
            return 1;
        }
        const QList<QByteArray> lines = input.readAll().split('\n');
        for (const QByteArray &line : lines) {
            const QString word = QString::fromUtf8(line)
                                     .trimmed()
                                     .replace(QChar(0x2019), QLatin1Char('\''))
                                     .toLower()
                                     .normalized(QString::NormalizationForm_C);
            if (!word.isEmpty())
                words.push_back(word.toUtf8());
        }
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());

    QSaveFile output(QFile::decodeName(argv[1]));
    if (!output.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    for (const QByteArray &word : words) {
        output.write(word);
        output.write("\n", 1);
    }
    if (!output.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
