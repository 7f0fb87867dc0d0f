// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "messagerecorder.h"
#include "qstringprint.h"
#include "testdocuments.h"
#include "testpdf.h"
#include "vocalynedocconverter.h"
#include "vocalynedocumentedit.h"
#include "vocalyneextractionresult.h"
#include "vocalynetextpieces.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using VocalyneExtraction::Result;

namespace {

// An RTF document of `paragraphs` numbered paragraphs of about 700
// characters: 60 of them fill three pieces.
QByteArray longRtf(int paragraphs, QStringList *expected)
{
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int i = 0; i < paragraphs; ++i) {
        QString text = QStringLiteral("Paragraph %1 caf\u00e9").arg(i);
        while (text.size() < 700)
            text += QStringLiteral(" words");
        expected->append(text);
        rtf += text.toLatin1().replace("\xe9", "\\'e9") + "\\par\n";
    }
    return rtf + "}";
}

class DocConverter : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    // A fresh settings store has no default voice: the editor says so.
    MessageRecorder messages;
    std::unique_ptr<VocalyneDocumentEdit> edit =
        std::make_unique<VocalyneDocumentEdit>(nullptr, nullptr, nullptr, nullptr);
};

} // namespace

TEST_F(DocConverter, EveryPieceIsOneUndoStepAndTheTextStartsAtTheTop)
{
    QStringList expected;
    QFile file(write(QStringLiteral("long.rtf"), longRtf(60, &expected)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    VocalyneDocConverter converter(edit.get());
    EXPECT_EQ(converter.convert(QStringLiteral("rtf"), file), Result::TextExtracted);
    EXPECT_EQ(edit->toPlainText(), expected.join(QLatin1Char('\n')));
    EXPECT_EQ(edit->textCursor().position(), 0);
    const int pieces =
        int((expected.join(QLatin1Char('\n')).size() + VocalyneTextPieces::MaxPiece - 1) /
            VocalyneTextPieces::MaxPiece);
    EXPECT_EQ(pieces, 3);
    // Undo takes back one whole piece at a time.
    const QString all = edit->toPlainText();
    edit->undo();
    const QString twoPieces = edit->toPlainText();
    EXPECT_TRUE(all.startsWith(twoPieces));
    EXPECT_GT(twoPieces.size(), VocalyneTextPieces::MaxPiece);
    EXPECT_LE(all.size() - twoPieces.size(), VocalyneTextPieces::MaxPiece + 1);
    edit->undo();
    EXPECT_LE(edit->toPlainText().size(), VocalyneTextPieces::MaxPiece);
    edit->undo();
    EXPECT_TRUE(edit->toPlainText().isEmpty());
    EXPECT_TRUE(edit->updatesEnabled());
    EXPECT_FALSE(converter.progressDialogShown());
    // The file stays open for a raw import.
    EXPECT_TRUE(file.isOpen());
}

TEST_F(DocConverter, AbortKeepsTheTextSoFar)
{
    QStringList expected;
    QFile file(write(QStringLiteral("long.rtf"), longRtf(60, &expected)));
    VocalyneDocConverter converter(edit.get());
    converter.showProgressDialog();
    ASSERT_TRUE(converter.progressDialog());
    EXPECT_EQ(converter.progressDialog()->labelText(),
              QStringLiteral("Extracting text from document parts..."));
    converter.progressDialog()->cancel();
    EXPECT_EQ(converter.convert(QStringLiteral("rtf"), file), Result::TextExtracted);
    const QString text = edit->toPlainText();
    EXPECT_FALSE(text.isEmpty());
    EXPECT_LE(text.size(), VocalyneTextPieces::MaxPiece);
    EXPECT_TRUE(expected.join(QLatin1Char('\n')).startsWith(text));
    EXPECT_TRUE(text.endsWith(expected.first()) || text.contains(QLatin1Char('\n')));

    // Aborted before the first page: nothing arrived.
    const QString pdf = dir.filePath(QStringLiteral("a.pdf"));
    ASSERT_TRUE(writePdf(pdf, {{QStringLiteral("Some words")}}));
    auto other = std::make_unique<VocalyneDocumentEdit>(nullptr, nullptr, nullptr, nullptr);
    VocalyneDocConverter early(other.get());
    early.showProgressDialog();
    early.progressDialog()->cancel();
    QFile pdfFile(pdf);
    EXPECT_EQ(early.convert(QStringLiteral("pdf"), pdfFile), Result::NoText);
    EXPECT_TRUE(other->toPlainText().isEmpty());
}

TEST_F(DocConverter, TheProgressDialogComesAfterOneSecondOnlyWhileConverting)
{
    VocalyneDocConverter converter(edit.get());
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 700)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(converter.progressDialogShown());
    while (timer.elapsed() < 1300)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(converter.progressDialogShown());
    EXPECT_EQ(converter.progressDialog()->windowTitle(), QStringLiteral("Vocalyne"));
    EXPECT_EQ(converter.progressDialog()->maximum(), 10);

    // Once a conversion has ended, the timer of a second converter cannot
    // bring up a dialog any more.
    QFile file(write(QStringLiteral("a.rtf"), "{\\rtf1 x\\par}"));
    VocalyneDocConverter finished(edit.get());
    finished.convert(QStringLiteral("rtf"), file);
    timer.restart();
    while (timer.elapsed() < 1200)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(finished.progressDialogShown());
}

TEST_F(DocConverter, ClosingTheEditorWhileTextArrivesStopsCleanly)
{
    QStringList expected;
    QFile file(write(QStringLiteral("long.rtf"), longRtf(200, &expected)));
    VocalyneDocConverter converter(edit.get());
    // The first round of events (after the first piece) closes the tab.
    QTimer::singleShot(0, [this] { edit.reset(); });
    EXPECT_EQ(converter.convert(QStringLiteral("rtf"), file), Result::TextExtracted);
    EXPECT_FALSE(edit);
}
