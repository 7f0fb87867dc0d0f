// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The batch export: output names, the log's form, and runs through the
// Batch Converter command with the real worker program.
#include "batchexportfixture.h"
#include "vocalynebatchnames.h"
#include "vocalyneexporter.h"
#include "vocalyneexportprocess.h"
#include "vocalyneexportstarter.h"
#include "vocalynesettingskeys.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QString nameAfter(const QStringList &taken, const QString &name)
{
    return VocalyneBatchNames::uniqueName(name,
                                          [&](const QString &n) { return taken.contains(n); });
}

} // namespace

TEST(BatchNames, CollidingNamesCountUpInBrackets)
{
    EXPECT_EQ(nameAfter({}, QStringLiteral("a.txt.wav")), QStringLiteral("a.txt.wav"));
    QStringList taken{QStringLiteral("a.txt.wav")};
    EXPECT_EQ(nameAfter(taken, QStringLiteral("a.txt.wav")), QStringLiteral("a.txt[1].wav"));
    taken << QStringLiteral("a.txt[1].wav");
    EXPECT_EQ(nameAfter(taken, QStringLiteral("a.txt.wav")), QStringLiteral("a.txt[2].wav"));
    // A two-digit count is not recognised any more.
    for (int i = 2; i <= 10; ++i)
        taken << QStringLiteral("a.txt[%1].wav").arg(i);
    EXPECT_EQ(nameAfter(taken, QStringLiteral("a.txt.wav")), QStringLiteral("a.txt[10][1].wav"));
    // "[0]" must not loop for ever; a name without a dot gets the count at its end.
    EXPECT_EQ(nameAfter({QStringLiteral("b[0].wav")}, QStringLiteral("b[0].wav")),
              QStringLiteral("b[1].wav"));
    EXPECT_EQ(nameAfter({QStringLiteral("noext")}, QStringLiteral("noext")),
              QStringLiteral("noext[1]"));
}

TEST(BatchNames, ExtensionFollowsTheFormat)
{
    const QString name = QStringLiteral("report.doc.wav");
    EXPECT_EQ(VocalyneBatchNames::replaceExtension(name, QStringLiteral("pcm16"), true),
              QStringLiteral("report.doc.mp3"));
    EXPECT_EQ(VocalyneBatchNames::replaceExtension(name, QStringLiteral("snd"), false),
              QStringLiteral("report.doc.au"));
    EXPECT_EQ(VocalyneBatchNames::replaceExtension(name, QStringLiteral("gsm"), false),
              QStringLiteral("report.doc.gsm"));
    EXPECT_EQ(VocalyneBatchNames::replaceExtension(QStringLiteral("x.mp3"), QStringLiteral("alaw"),
                                                   false),
              QStringLiteral("x.wav"));
}

TEST(BatchNames, LogFieldsWithCommasOrQuotesAreQuoted)
{
    const QString line = VocalyneBatchNames::logLine(
        QStringLiteral("Export successful!"), QStringLiteral("/out"),
        {QStringLiteral("/in/a, b.txt"), QStringLiteral("a, b.txt.wav"), QStringLiteral("Voice"),
         QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("100"),
         QStringLiteral("enabled"), QStringLiteral("WAV \"x\""), QStringLiteral("disabled")});
    EXPECT_EQ(line,
              QStringLiteral("Export Status: Export successful!,Output folder: /out,"
                             "\"Input file: /in/a, b.txt\",\"Output file: a, b.txt.wav\","
                             "Voice: Voice,Speed: 100,Volume: 100,Pitch: 100,"
                             "Speech XML: enabled,\"Format: WAV \"\"x\"\"\",MP3: disabled\n"));
}

TEST_F(BatchExportTest, RowsGetUniqueNamesAndCheckedValues)
{
    const QString a = textFile(QStringLiteral("a.txt"));
    QStringList names;
    QStringList errors;
    QString speedAfter;
    ASSERT_TRUE(withBatchWizard([&](VocalyneExporter *wizard) {
        EXPECT_EQ(wizard->windowTitle(), QStringLiteral("Vocalyne Batch Export Wizard"));
        EXPECT_EQ(wizard->table()->columnCount(), 11);
        EXPECT_EQ(wizard->formatMenu()->actions().size(), 65);
        wizard->addFiles({a, a, a});
        for (int row = 0; row < 3; ++row)
            names << cell(wizard, row, VocalyneExporter::OutputColumn);
        // Engine type 3 takes speeds of 30 to 350; a bad value goes back to 100.
        wizard->table()->item(1, VocalyneExporter::SpeedColumn)->setText(QStringLiteral("1000"));
        speedAfter = cell(wizard, 1, VocalyneExporter::SpeedColumn);
        for (const MessageRecorder::Message &message : messages.messages)
            errors << message.text;
        EXPECT_EQ(wizard->items().at(1).speed, 100);
        // The first cell removes a row.
        wizard->onDisplayEditTWidgetCellClicked(0, VocalyneExporter::RemoveColumn);
        EXPECT_EQ(wizard->items().size(), 2);
        // Next without a folder is refused.
        wizard->next();
        messages.messages.clear();
        wizard->next();
        ASSERT_FALSE(messages.messages.isEmpty());
        EXPECT_EQ(messages.messages.first().text,
                  QStringLiteral("You must select an output folder in order to continue."));
        EXPECT_EQ(wizard->currentId(), int(VocalyneExporter::BatchFilesPage));
    }));
    EXPECT_EQ(names, (QStringList{QStringLiteral("a.txt.wav"), QStringLiteral("a.txt[1].wav"),
                                  QStringLiteral("a.txt[2].wav")}));
    EXPECT_EQ(errors, QStringList{QStringLiteral(
                          "Invalid speed!\nPlease enter a valid number between 30 and 350.")});
    EXPECT_EQ(speedAfter, QStringLiteral("100"));
    EXPECT_TRUE(window->findChildren<VocalyneExportProcess *>().isEmpty());
}

TEST_F(BatchExportTest, RunKeepsTheLimitRendersDocumentsAndWritesTheLog)
{
    {
        QSettings settings;
        settings.setValue(QString(VocalyneSettingsKeys::SimulBatchExpProcNum), 2);
    }
    QStringList inputs;
    for (int i = 0; i < 3; ++i)
        inputs << textFile(QStringLiteral("t%1.txt").arg(i), 20);
    inputs << writeFile(QStringLiteral("doc.t2s"),
                        t2sBytes(QStringLiteral("A speech document."), 1));
    inputs << writeFile(QStringLiteral("broken.t2s"), "<T2SDocument><unclosed>");
    const QString logPath = dir.filePath(QStringLiteral("log.csv"));
    dialogs.saveAnswers << logPath;

    int maxRunning = 0;
    QStringList statuses;
    QString log;
    QStringList warnings;
    ASSERT_TRUE(withBatchWizard([&](VocalyneExporter *wizard) {
        wizard->setOutputFolder(out);
        wizard->addFiles(inputs);
        wizard->next();
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            if (window->exportBatch())
                maxRunning = qMax(maxRunning, window->exportBatch()->runningCount());
        });
        sampler.start(1);
        wizard->next(); // starts the run and stays on the page
        EXPECT_EQ(wizard->currentId(), int(VocalyneExporter::BatchFilesPage));
        // A second Next while it runs must not start the rows again.
        wizard->next();
        ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->batchFinished(); }, 120000));
        sampler.stop();
        for (int row = 0; row < inputs.size(); ++row)
            statuses << cell(wizard, row, VocalyneExporter::StatusColumn);
        for (const MessageRecorder::Message &message : messages.messages)
            if (message.kind == MessageRecorder::Kind::Warning)
                warnings << message.text;
        EXPECT_EQ(messages.messages.last().text,
                  QStringLiteral("Batch Export Finished!\nHit \"Next\" to view the export log."));
        wizard->next();
        EXPECT_EQ(wizard->currentId(), int(VocalyneExporter::BatchLogPage));
        log = wizard->logEdit()->toPlainText();
        wizard->saveLogCheckBox()->setChecked(true);
        wizard->accept();
    }));
    EXPECT_EQ(maxRunning, 2);
    EXPECT_EQ(window->exportBatch()->finishedCount(), 5);
    EXPECT_EQ(statuses, QStringList(5, QStringLiteral("Export successful!")));
    EXPECT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.value(0).startsWith(QStringLiteral("Invalid T2S format for file '")));
    // Audio for every row, and no temporary text left behind.
    EXPECT_EQ(outFiles(),
              (QStringList{QStringLiteral("broken.t2s.wav"), QStringLiteral("doc.t2s.wav"),
                           QStringLiteral("t0.txt.wav"), QStringLiteral("t1.txt.wav"),
                           QStringLiteral("t2.txt.wav")}));
    EXPECT_EQ(log.count(QLatin1Char('\n')), 5);
    EXPECT_TRUE(log.startsWith(QStringLiteral("Export Status: Export successful!,Output folder: ") +
                               out + QStringLiteral(",Input file: ") + inputs.first()));
    EXPECT_EQ(QString::fromUtf8(readFile(logPath)), log);
}

TEST_F(BatchExportTest, ZeroLimitBecomesThreeAndCancelKeepsFinishedFiles)
{
    {
        QSettings settings;
        settings.setValue(QString(VocalyneSettingsKeys::SimulBatchExpProcNum), 0);
    }
    QStringList inputs{textFile(QStringLiteral("short.txt"), 1)};
    for (int i = 0; i < 4; ++i)
        inputs << writeFile(
            QStringLiteral("long%1.t2s").arg(i),
            t2sBytes(QString(QStringLiteral("A long sentence for a slow batch. ")).repeated(3000)));
    QString cancelMessage;
    ASSERT_TRUE(withBatchWizard([&](VocalyneExporter *wizard) {
        wizard->setOutputFolder(out);
        wizard->addFiles(inputs);
        wizard->next();
        wizard->next();
        ASSERT_TRUE(waitForStatus(wizard, 0, QStringLiteral("Export successful!")));
        EXPECT_GT(window->exportBatch()->runningCount(), 0);
        messages.messages.clear();
        wizard->reject();
        ASSERT_FALSE(messages.messages.isEmpty());
        cancelMessage = messages.messages.last().text;
    }));
    EXPECT_EQ(QSettings().value(QString(VocalyneSettingsKeys::SimulBatchExpProcNum)).toInt(), 3);
    EXPECT_TRUE(cancelMessage.startsWith(QStringLiteral("The batch export has been canceled.")));
    EXPECT_EQ(outFiles(), QStringList{QStringLiteral("short.txt.wav")});
}
