// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// history_recorder FILE COUNT PREFIX: records COUNT paths "PREFIX<n>" for
// today into the history FILE, one connection per entry as the program does.
// Exits with the number of failed entries (at most 100).
#include "vocalynehistorystore.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: history_recorder FILE COUNT PREFIX\n");
        return 101;
    }
    VocalyneHistoryStore store(args.at(1));
    const int count = args.at(2).toInt();
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        const VocalyneHistoryStore::Result result =
            store.record(args.at(3) + QString::number(i), QDate::currentDate());
        if (!result.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(result.errorText));
            ++failures;
        }
    }
    return qMin(failures, 100);
}
