// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "shellfixture.h"
#include "testdocuments.h"
#include "testpdf.h"
#include "vocalynerecentfiles.h"

using namespace TestPackages;

TEST_F(ShellTest, OpeningAnOfficeDocumentGivesAModifiedUntitledTabWithItsText)
{
    const QString path = writeFile(QStringLiteral("minutes.docx"),
                                   docx(wp(QStringLiteral("Minutes"), QStringLiteral("Heading1")) +
                                        wp(QStringLiteral("All present."))));
    dialogs.openAnswers = {path};
    window->openDocument();

    EXPECT_TRUE(messages.messages.isEmpty());
    ASSERT_EQ(window->documentCount(), 2);
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("Minutes\nAll present."));
    EXPECT_TRUE(edit->filePath().isEmpty());
    EXPECT_TRUE(edit->document()->isModified());
    EXPECT_EQ(tabTitle(1), QStringLiteral("Untitled*"));
    QSettings settings;
    EXPECT_EQ(VocalyneRecentFiles::paths(settings), QStringList{path});

    // The first save asks for a name rather than writing over the source.
    dialogs.saveAnswers = {QString()};
    EXPECT_FALSE(window->saveCurrentDocument());
    EXPECT_EQ(readFile(path).left(2), QByteArray("PK"));
}

TEST_F(ShellTest, FilesWithoutAReaderOfferTheirRawData)
{
    const QByteArray raw("Plain words in an unknown format");
    const QString path = writeFile(QStringLiteral("old.wpd"), raw);

    messages.answers = {QMessageBox::No};
    window->openDocumentFile(path);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].kind, VocalyneMessageService::Kind::Question);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Vocalyne"));
    EXPECT_EQ(
        messages.messages[0].text,
        QStringLiteral("Text extraction failed.\nWould you like to extract the raw file data?"));
    EXPECT_TRUE(window->currentDocumentEdit()->toPlainText().isEmpty());
    EXPECT_FALSE(window->currentDocumentEdit()->document()->isModified());
    EXPECT_EQ(tabTitle(window->currentDocumentTabIndex()), QStringLiteral("Untitled"));

    messages.messages.clear();
    messages.answers = {QMessageBox::Yes};
    window->closeCurrentDocument();
    window->openDocumentFile(path);
    EXPECT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(window->currentDocumentEdit()->toPlainText(), QString::fromLatin1(raw));
    EXPECT_TRUE(window->currentDocumentEdit()->document()->isModified());
    EXPECT_TRUE(window->currentDocumentEdit()->filePath().isEmpty());
}

TEST_F(ShellTest, ExtractionFailuresAreReportedAsErrors)
{
    const QString plain = dir.filePath(QStringLiteral("plain.pdf"));
    ASSERT_TRUE(writePdf(plain, {{QStringLiteral("Confidential words")}}));
    const QString locked = dir.filePath(QStringLiteral("locked.pdf"));
    ASSERT_TRUE(encryptPdf(plain, locked, QStringLiteral("secret")));
    const QString empty = writeFile(QStringLiteral("empty.docx"), docx(QStringLiteral("<w:p/>")));

    window->openDocumentFile(locked);
    window->openDocumentFile(empty);
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(messages.messages[0].kind, VocalyneMessageService::Kind::Critical);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("Access denied. The document may be protected."));
    EXPECT_EQ(messages.messages[1].text, QStringLiteral("Text content not found."));
    // Each failure leaves an empty, unmodified untitled tab.
    ASSERT_EQ(window->documentCount(), 3);
    for (int i = 1; i < 3; ++i) {
        EXPECT_TRUE(window->documentEditAt(i)->toPlainText().isEmpty());
        EXPECT_FALSE(window->documentEditAt(i)->document()->isModified());
    }
}
