// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "shellfixture.h"
#include "vocalyneexporter.h"
#include "vocalyneexportprocess.h"
#include "vocalyneexportstarter.h"

#include <QAction>
#include <QDir>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

/// A main window whose Batch Converter runs the real worker program, with
/// WAV as the default format and an output folder in the scratch folder.
class BatchExportTest : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        window->exportStarter()->setWorkerProgram(QStringLiteral(VOCALYNE_EXPORTER_PROGRAM));
        // WAV without MP3 keeps the runs short.
        QSettings settings;
        settings.setValue(QStringLiteral("DefaultSpeechValues/audioFormat/isMP3"), 0);
        out = dir.filePath(QStringLiteral("out"));
        QDir().mkpath(out);
    }

    void TearDown() override
    {
        EXPECT_TRUE(QTest::qWaitFor(
            [this] { return window->findChildren<VocalyneExportProcess *>().isEmpty(); }, 30000));
        ShellTest::TearDown();
    }

    bool withBatchWizard(const std::function<void(VocalyneExporter *)> &script)
    {
        bool opened = false;
        QTimer::singleShot(0, window.get(), [&] {
            if (auto *wizard = window->findChild<VocalyneExporter *>()) {
                opened = true;
                script(wizard);
                if (wizard->isVisible())
                    wizard->reject();
            }
        });
        window->mainWindowAction(QStringLiteral("actionBatch_Converter"))->trigger();
        return opened;
    }

    QString textFile(const QString &name, int sentences = 2)
    {
        QByteArray text;
        for (int i = 0; i < sentences; ++i)
            text += "This sentence goes into a batch of audio files. ";
        return writeFile(name, text);
    }

    static QString cell(VocalyneExporter *wizard, int row, int column)
    {
        const QTableWidgetItem *item = wizard->table()->item(row, column);
        return item ? item->text() : QString();
    }

    QStringList outFiles() const
    {
        return QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    bool waitForStatus(VocalyneExporter *wizard, int row, const QString &status, int ms = 60000)
    {
        return QTest::qWaitFor(
            [&] { return cell(wizard, row, VocalyneExporter::StatusColumn) == status; }, ms);
    }

    QString out;
};
