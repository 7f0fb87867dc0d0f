// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The batch's speech documents rendered away from the window's thread: the
// results and their files, the order, and a cancel that leaves no file.
#include "batchexportfixture.h"
#include "qvt2sdocument.h"
#include "vocalynebatchrenderer.h"
#include "vocalyneexportfiles.h"
#include "vocalynesettingskeys.h"

#include <QDir>
#include <QSignalSpy>

namespace {

class BatchRendererTest : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        out = dir.filePath(QStringLiteral("out"));
        QDir().mkpath(out);
    }

    QStringList texts() const
    {
        return QDir(out).entryList({QStringLiteral("*.QV_T2S_TXT")}, QDir::Files, QDir::Name);
    }

    QString document(const QString &name, const QString &text, int sections = 0)
    {
        return writeFile(name, t2sBytes(text, sections));
    }

    QString out;
};

} // namespace

TEST_F(BatchRendererTest, ResultsCarryTheDocumentsVoiceOrTheFailure)
{
    QVT2SDocument source;
    source.loadDefaultSpeechValues();
    source.setSpeed(140);
    source.setPitch(90);
    source.setPause(400);
    source.setVoiceId(77);
    QByteArray bytes;
    QTextStream stream(&bytes);
    source.write(stream, QStringLiteral("Caf\u00e9 au lait, \u201cplease\u201d."));
    stream.flush();
    const QString path = writeFile(QStringLiteral("a.t2s"), bytes);

    const BatchRendering first = VocalyneBatchRenderer::render(4, path, out);
    ASSERT_EQ(first.outcome, BatchRendering::Rendered);
    EXPECT_EQ(first.row, 4);
    EXPECT_EQ(first.speed, 140);
    EXPECT_EQ(first.pitch, 90);
    // Not kept in the file: the default speech values stand in, as in an
    // editor that opens it.
    const QSettings settings;
    EXPECT_EQ(first.sentPause, settings.value(QString(VocalyneSettingsKeys::SentPause)).toInt());
    EXPECT_EQ(first.sentPause, VocalyneSettingsKeys::DefaultSentPause);
    EXPECT_EQ(first.voiceId, settings.value(QString(VocalyneSettingsKeys::VoiceId)).toInt());
    EXPECT_EQ(first.voiceName, source.voiceName());
    EXPECT_EQ(first.path, VocalyneExportFiles::join(out, QStringLiteral("a.t2s") +
                                                             VocalyneExportFiles::token() +
                                                             QStringLiteral(".QV_T2S_TXT")));
    // UTF-8, quotes made plain for the engine.
    EXPECT_EQ(QString::fromUtf8(readFile(first.path)),
              QStringLiteral("Caf\u00e9 au lait, \"please\"."));
    // The same document again gets a file of its own.
    const BatchRendering second = VocalyneBatchRenderer::render(5, path, out);
    ASSERT_EQ(second.outcome, BatchRendering::Rendered);
    EXPECT_NE(second.path, first.path);
    EXPECT_EQ(texts().size(), 2);

    const BatchRendering broken = VocalyneBatchRenderer::render(
        0, writeFile(QStringLiteral("b.t2s"), "<T2SDocument><unclosed>"), out);
    EXPECT_EQ(broken.outcome, BatchRendering::InvalidDocument);
    const BatchRendering missing =
        VocalyneBatchRenderer::render(0, dir.filePath(QStringLiteral("none.t2s")), out);
    EXPECT_EQ(missing.outcome, BatchRendering::OpenFailed);
    EXPECT_FALSE(missing.errorText.isEmpty());
    const BatchRendering unwritable =
        VocalyneBatchRenderer::render(0, path, dir.filePath(QStringLiteral("no/such/folder")));
    EXPECT_EQ(unwritable.outcome, BatchRendering::WriteFailed);
    EXPECT_EQ(texts().size(), 2);
}

TEST_F(BatchRendererTest, DocumentsAreRenderedInRowOrderAndACancelLeavesNoNewFile)
{
    QList<QPair<int, QString>> documents;
    for (int row = 0; row < 3; ++row)
        documents.append({row * 2, document(QStringLiteral("d%1.t2s").arg(row),
                                            QStringLiteral("Document %1.").arg(row), 1)});
    {
        VocalyneBatchRenderer renderer;
        QSignalSpy rendered(&renderer, &VocalyneBatchRenderer::rendered);
        renderer.start(documents, out);
        ASSERT_TRUE(QTest::qWaitFor([&] { return rendered.size() == 3; }, 30000));
        EXPECT_EQ(rendered.at(0).at(0).toInt(), 0);
        EXPECT_EQ(rendered.at(1).at(0).toInt(), 2);
        EXPECT_EQ(rendered.at(2).at(0).toInt(), 4);
        EXPECT_TRUE(renderer.isDone(2));
        EXPECT_FALSE(renderer.isDone(1));
        EXPECT_EQ(renderer.take(2).outcome, BatchRendering::Rendered);
        EXPECT_FALSE(renderer.isDone(2));
    }
    for (const QString &name : texts())
        QFile::remove(QDir(out).filePath(name));

    // Large documents: the cancel comes while one is being rendered, and
    // what it writes then goes again.
    const QString big = QString(QStringLiteral("A long sentence of a long book. ")).repeated(30000);
    documents.clear();
    for (int row = 0; row < 4; ++row)
        documents.append({row, document(QStringLiteral("big%1.t2s").arg(row), big, 50)});
    QStringList atCancel;
    {
        VocalyneBatchRenderer renderer;
        renderer.start(documents, out);
        QTest::qWait(50);
        renderer.cancel();
        atCancel = texts();
    }
    EXPECT_LE(texts().size(), atCancel.size());
    for (const QString &name : texts())
        EXPECT_TRUE(atCancel.contains(name)) << name.toStdString();
}
