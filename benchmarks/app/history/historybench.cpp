// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// historybench [ENTRIES [DAYS]]: fills a history with ENTRIES entries
// (100000) spread over DAYS days (1096, three years) of a few thousand
// documents, then times what the user waits for: recording one entry as an
// open or a first save does (settings read, connection, insert), opening the
// root of the "Document History" tree, and opening one day. Wall-clock
// milliseconds, median and worst of several runs.
#include "vocalynehistoryactions.h"
#include "vocalynehistorystore.h"
#include "vocalynehistorytree.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Figures
{
    double median = 0;
    double worst = 0;
};

Figures summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

void fill(const QString &path, int entries, int days)
{
    const QString name = QStringLiteral("fill");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        db.transaction();
        query.prepare(QStringLiteral("INSERT INTO HISTORY(HISTDATE,FILEPATH) VALUES(?,?)"));
        const qint64 first = QDate::currentDate().addDays(-days).toJulianDay();
        QRandomGenerator random(20260101);
        for (int i = 0; i < entries; ++i) {
            // Entries are made in date order, as the program makes them.
            const qint64 day = first + qint64(i) * days / entries;
            const int document = int(random.bounded(4000));
            query.addBindValue(day);
            query.addBindValue(QStringLiteral("/home/user/Documents/project %1/chapter %2.t2s")
                                   .arg(document / 40)
                                   .arg(document));
            query.exec();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));
    const QStringList args = QCoreApplication::arguments();
    const int entries = args.size() > 1 ? args.at(1).toInt() : 100000;
    const int days = args.size() > 2 ? args.at(2).toInt() : 1096;

    VocalyneHistoryStore store;
    store.ensureCreated();
    QElapsedTimer timer;
    timer.start();
    fill(store.path(), entries, days);
    std::printf("history: %d entries over %d days (filled in %lld ms)\n", entries, days,
                timer.elapsed());

    // As at the program's start. The fill above closed its connection with
    // a checkpoint that removed the write-ahead log; the program's own
    // connections leave it in place, so one entry made before the timing
    // puts the file in the state every later run of the program finds.
    VocalyneHistoryActions::startupCheck(nullptr);
    store.record(QStringLiteral("/home/user/warm.t2s"), QDate::currentDate());
    std::vector<double> record;
    for (int i = 0; i < 1000; ++i) {
        timer.restart();
        VocalyneHistoryActions::record(nullptr,
                                       QStringLiteral("/home/user/new/document %1.t2s").arg(i));
        record.push_back(timer.nsecsElapsed() / 1e6);
    }

    std::vector<double> query;
    for (int i = 0; i < 10; ++i) {
        QList<qint64> list;
        timer.restart();
        store.days(&list);
        query.push_back(timer.nsecsElapsed() / 1e6);
    }

    QTreeWidget widget;
    VocalyneHistoryTree tree(&widget, nullptr);
    tree.resetRoot();
    std::vector<double> root;
    for (int i = 0; i < 10; ++i) {
        timer.restart();
        tree.activate(tree.root());
        root.push_back(timer.nsecsElapsed() / 1e6);
    }
    const int dayItems = tree.root()->childCount();

    std::vector<double> day;
    int files = 0;
    for (int i = 0; i < 20 && dayItems > 0; ++i) {
        QTreeWidgetItem *item = tree.root()->child((i * 97) % dayItems);
        timer.restart();
        tree.activate(item);
        day.push_back(timer.nsecsElapsed() / 1e6);
        files += item->childCount();
    }

    const Figures r = summarise(record);
    std::vector<double> sorted = record;
    std::sort(sorted.begin(), sorted.end());
    const double p99 = sorted[sorted.size() * 99 / 100];
    const Figures o = summarise(root);
    const Figures d = summarise(day);
    const Figures q = summarise(query);
    std::printf("record one entry (%zu times): median %.2f ms, 99th percentile %.2f ms, worst "
                "%.2f ms (limit 10 ms); first %.2f ms\n",
                record.size(), r.median, p99, r.worst, record.front());
    std::printf("open the root (%d days): median %.2f ms, worst %.2f ms (limit 100 ms)\n", dayItems,
                o.median, o.worst);
    std::printf("  of which the days' query: median %.2f ms, worst %.2f ms\n", q.median, q.worst);
    std::printf("open a day (%.1f files on average): median %.2f ms, worst %.2f ms (limit 50 ms)\n",
                double(files) / qMax<size_t>(day.size(), 1), d.median, d.worst);
    return 0;
}
