// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "halvernglyphix.h"
#include "messagerecorder.h"
#include "ocrlog.h"
#include "ocrtestimages.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace OcrTestImages;

namespace {

class OcrDialog : public ::testing::Test
{
protected:
    OcrDialog() : dialog(nullptr, QStringLiteral(GLYPHIX_PROGRAM_FOLDER)) {}

    QPushButton *button(const char *name)
    {
        return dialog.findChild<QPushButton *>(QLatin1String(name));
    }
    QString text()
    {
        return dialog.findChild<QTextEdit *>(QStringLiteral("textEdit"))->toPlainText();
    }
    void setPath(const QString &path)
    {
        dialog.findChild<QLineEdit *>(QStringLiteral("tiffFilePath"))->setText(path);
    }
    // Extract Text, then wait for the run's end.
    bool extract(int timeoutMs = 120000)
    {
        button("extractBtn")->click();
        if (!dialog.process())
            return false;
        QSignalSpy finished(dialog.process(), &QProcess::finished);
        return finished.wait(timeoutMs) || !finished.isEmpty();
    }
    // Extract, Copy, Save, Cancel.
    QList<bool> buttons()
    {
        return {button("extractBtn")->isEnabled(), button("copytoClipboardBtn")->isEnabled(),
                button("saveToTxtFileBtn")->isEnabled(), button("cancelBtn")->isEnabled()};
    }

    MessageRecorder recorder;
    HalvernGlyphix dialog;
    QTemporaryDir dir;
};

} // namespace

TEST_F(OcrDialog, StartsIdleWithTheEightLanguages)
{
    EXPECT_EQ(buttons(), (QList<bool>{true, false, false, false}));
    auto *languages = dialog.findChild<QComboBox *>(QStringLiteral("langCombo"));
    ASSERT_EQ(languages->count(), 8);
    EXPECT_EQ(languages->itemData(3).toString(), QStringLiteral("deu"));
    EXPECT_EQ(languages->itemText(6), QStringLiteral("Portuguese (Brazilian)"));
    EXPECT_EQ(languages->itemData(7).toString(), QStringLiteral("vie"));
}

TEST_F(OcrDialog, ExtractsTextFromAPathWithBlanks)
{
    const QString path = dir.filePath(QStringLiteral("scan of letter.tif"));
    ASSERT_TRUE(writeTiff({renderPage(englishSample())}, path, Tiff::Lzw));
    setPath(path);
    button("extractBtn")->click();
    ASSERT_TRUE(dialog.process());
    QSignalSpy started(dialog.process(), &QProcess::started);
    QSignalSpy finished(dialog.process(), &QProcess::finished);
    ASSERT_TRUE(started.wait(10000));
    EXPECT_EQ(buttons(), (QList<bool>{false, false, false, true}));
    EXPECT_TRUE(QApplication::overrideCursor());
    ASSERT_TRUE(finished.wait(120000));

    EXPECT_TRUE(recorder.messages.isEmpty());
    EXPECT_EQ(buttons(), (QList<bool>{true, true, true, false}));
    EXPECT_FALSE(QApplication::overrideCursor());
    EXPECT_GE(wordRecall(englishSample().join(QLatin1Char('\n')), text()), 0.98)
        << text().toStdString();

    button("copytoClipboardBtn")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), text());
}

TEST_F(OcrDialog, MissingFileShowsBothMessages)
{
    setPath(dir.filePath(QStringLiteral("no such scan.tif")));
    ASSERT_TRUE(extract());
    ASSERT_EQ(recorder.messages.size(), 2);
    EXPECT_EQ(recorder.messages.at(0).text,
              QStringLiteral("Unable to open TIFF file. Make sure it an uncompressed TIFF file."));
    EXPECT_TRUE(recorder.messages.at(1).text.startsWith(
        QStringLiteral("The conversion process terminated with error code -1.\n")));
    // The message sends the user to the recogniser's log in the user's data
    // folder, not to the program's folder, where nothing is written.
    const QString log = OcrLog::defaultPath();
    EXPECT_TRUE(recorder.messages.at(1).text.contains(QDir::toNativeSeparators(log)))
        << recorder.messages.at(1).text.toStdString();
    EXPECT_EQ(recorder.messages.at(1).title, QStringLiteral("Error"));
    EXPECT_EQ(buttons(), (QList<bool>{true, true, true, false}));
}

TEST_F(OcrDialog, NoPathNoProgramAndNoRun)
{
    button("extractBtn")->click();
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_EQ(recorder.messages.at(0).text,
              QStringLiteral("Please select a TIFF file before continuing."));

    // Cancelling with nothing running asks nothing.
    dialog.cancelTiffToText();
    EXPECT_EQ(recorder.messages.size(), 1);

    // A folder without the recogniser.
    HalvernGlyphix lonely(nullptr, dir.path());
    lonely.findChild<QLineEdit *>(QStringLiteral("tiffFilePath"))
        ->setText(QStringLiteral("/x.tif"));
    lonely.findChild<QPushButton *>(QStringLiteral("extractBtn"))->click();
    QSignalSpy errors(lonely.process(), &QProcess::errorOccurred);
    if (errors.isEmpty()) {
        ASSERT_TRUE(errors.wait(10000));
    }
    ASSERT_EQ(recorder.messages.size(), 2);
    EXPECT_EQ(recorder.messages.at(1).text,
              QStringLiteral("Unable to start the conversion process."));
    EXPECT_TRUE(lonely.findChild<QPushButton *>(QStringLiteral("extractBtn"))->isEnabled());
    EXPECT_FALSE(lonely.findChild<QPushButton *>(QStringLiteral("cancelBtn"))->isEnabled());
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(OcrDialog, CancelKillsTheRunAndRestoresTheButtons)
{
    const QString path = dir.filePath(QStringLiteral("book.tif"));
    const QImage page = renderPage(englishSample());
    ASSERT_TRUE(writeTiff({page, page, page, page}, path, Tiff::G4));
    setPath(path);
    button("extractBtn")->click();
    ASSERT_TRUE(dialog.process());
    QSignalSpy started(dialog.process(), &QProcess::started);
    QSignalSpy finished(dialog.process(), &QProcess::finished);
    ASSERT_TRUE(started.wait(10000));

    recorder.answers = {QMessageBox::No};
    dialog.cancelTiffToText();
    EXPECT_EQ(dialog.process()->state(), QProcess::Running);
    recorder.answers = {QMessageBox::Yes};
    dialog.cancelTiffToText();
    ASSERT_TRUE(finished.wait(10000));

    ASSERT_EQ(recorder.messages.size(), 2);
    EXPECT_EQ(recorder.messages.at(1).title, QStringLiteral("Halvern \u00ae Glyphix"));
    EXPECT_EQ(recorder.messages.at(1).kind, MessageRecorder::Kind::Question);
    EXPECT_EQ(buttons(), (QList<bool>{true, true, true, false}));
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST(OcrDialogText, ControlCharactersBecomeBlanksAndExitCodesAreSigned)
{
    const QString raw = QStringLiteral("a\x01"
                                       "b\tc\fd\ne\u0301 Stra\u00dfe \u20ac 42!\x7f");
    EXPECT_EQ(HalvernGlyphix::cleanText(raw),
              QStringLiteral("a b c d\ne\u0301 Stra\u00dfe \u20ac 42! "));
    EXPECT_EQ(HalvernGlyphix::readExitCode(255), -1);
    EXPECT_EQ(HalvernGlyphix::readExitCode(254), -2);
    EXPECT_EQ(HalvernGlyphix::readExitCode(100), 100);
    EXPECT_EQ(HalvernGlyphix::readExitCode(3), 3);
}

TEST_F(OcrDialog, SavesUtf8AndReportsAFileItCannotWrite)
{
    dialog.findChild<QTextEdit *>(QStringLiteral("textEdit"))
        ->setPlainText(QStringLiteral("Sch\u00f6ne Gr\u00fc\u00dfe"));
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    ASSERT_TRUE(dialog.saveTextTo(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QStringLiteral("Sch\u00f6ne Gr\u00fc\u00dfe").toUtf8());

    const QString bad = dir.filePath(QStringLiteral("missing/folder/out.txt"));
    EXPECT_FALSE(dialog.saveTextTo(bad));
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_TRUE(recorder.messages.at(0).text.startsWith(QStringLiteral("Failed to open ") + bad +
                                                        QLatin1Char('\n')));
}

TEST(OcrDialogLanguage, GermanLocaleShowsGermanTexts)
{
    QTranslator translator;
    ASSERT_TRUE(HalvernGlyphix::installCatalogue(&translator, QStringLiteral("de_DE"),
                                                 QStringLiteral(GLYPHIX_PROGRAM_FOLDER)));
    {
        HalvernGlyphix dialog(nullptr, QStringLiteral(GLYPHIX_PROGRAM_FOLDER));
        EXPECT_EQ(dialog.findChild<QPushButton *>(QStringLiteral("extractBtn"))->text(),
                  QStringLiteral("Text erkennen"));
        EXPECT_EQ(dialog.findChild<QComboBox *>(QStringLiteral("langCombo"))->itemText(3),
                  QStringLiteral("Deutsch"));
    }
    QCoreApplication::removeTranslator(&translator);
    // No catalogue for a language the program does not ship.
    QTranslator none;
    EXPECT_FALSE(HalvernGlyphix::installCatalogue(&none, QStringLiteral("fi_FI"),
                                                  QStringLiteral(GLYPHIX_PROGRAM_FOLDER)));
}
