// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "shellfixture.h"

TEST_F(ShellTest, ClosingTheLastTabLeavesOneEmptyUntitledTab)
{
    window->currentDocumentEdit()->insertPlainText(QStringLiteral("scratch"));
    messages.answers = {QMessageBox::Discard};
    window->closeCurrentDocument();
    ASSERT_EQ(window->documentCount(), 1);
    EXPECT_EQ(tabTitle(0), QStringLiteral("Untitled"));
    EXPECT_TRUE(window->currentDocumentEdit()->toPlainText().isEmpty());
    EXPECT_TRUE(window->currentDocumentEdit()->filePath().isEmpty());
}

TEST_F(ShellTest, ModifiedPromptHonoursSaveDiscardAndCancel)
{
    auto modifiedTab = [this](const QString &text) {
        window->newDocument();
        window->currentDocumentEdit()->insertPlainText(text);
        window->currentDocumentEdit()->setModifiedState(true);
    };

    // Cancel keeps the tab and its text.
    modifiedTab(QStringLiteral("cancel me"));
    messages.answers = {QMessageBox::Cancel};
    window->closeCurrentDocument();
    ASSERT_EQ(window->documentCount(), 2);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Save Document"));
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("'Untitled' has been modified.\nDo you want to save your changes?"));

    // Save whose dialog is cancelled turns into Cancel.
    messages.answers = {QMessageBox::Save};
    window->closeCurrentDocument();
    EXPECT_EQ(window->documentCount(), 2);

    // Save writes the file, then the tab goes.
    const QString path = dir.filePath(QStringLiteral("kept.t2s"));
    messages.answers = {QMessageBox::Save};
    dialogs.saveAnswers = {path};
    window->closeCurrentDocument();
    EXPECT_EQ(window->documentCount(), 1);
    QVT2SDocument copy;
    ASSERT_TRUE(copy.read(readFile(path)));
    EXPECT_EQ(copy.content(), QStringLiteral("cancel me"));

    // Discard drops the text without writing.
    modifiedTab(QStringLiteral("drop me"));
    messages.messages.clear();
    messages.answers = {QMessageBox::Discard};
    window->closeCurrentDocument();
    EXPECT_EQ(window->documentCount(), 1);
    EXPECT_EQ(messages.messages.size(), 1);

    // An unmodified document closes without a question.
    window->newDocument();
    messages.messages.clear();
    window->closeCurrentDocument();
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ShellTest, CloseAllStopsAtCancelAndOtherwiseLeavesOneUntitledTab)
{
    window->newDocument();
    window->currentDocumentEdit()->insertPlainText(QStringLiteral("second"));
    window->newDocument();
    window->currentDocumentEdit()->insertPlainText(QStringLiteral("third"));

    messages.answers = {QMessageBox::Discard, QMessageBox::Cancel};
    window->closeAllDocuments();
    EXPECT_EQ(window->documentCount(), 2);

    messages.answers = {QMessageBox::Discard};
    window->closeAllDocuments();
    ASSERT_EQ(window->documentCount(), 1);
    EXPECT_TRUE(window->currentDocumentEdit()->toPlainText().isEmpty());
    EXPECT_EQ(tabTitle(0), QStringLiteral("Untitled"));
}

TEST_F(ShellTest, ClosingTheWindowOffersModifiedDocumentsAndCancelKeepsItOpen)
{
    window->show();
    window->currentDocumentEdit()->insertPlainText(QStringLiteral("unsaved"));
    messages.answers = {QMessageBox::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(window->documentCount(), 1);
    EXPECT_EQ(window->currentDocumentEdit()->toPlainText(), QStringLiteral("unsaved"));

    messages.answers = {QMessageBox::Discard};
    EXPECT_TRUE(window->close());
}
