// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "shellfixture.h"
#include "vocalynerecentfiles.h"

#include <QFileInfo>

TEST_F(ShellTest, SavingAskForANameWritesTheDocumentAndClearsTheStar)
{
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    edit->insertPlainText(QStringLiteral("Saved <text> & more"));
    edit->setModifiedState(true);
    ASSERT_EQ(tabTitle(0), QStringLiteral("Untitled*"));

    const QString path = dir.filePath(QStringLiteral("saved.t2s"));
    dialogs.saveAnswers = {path};
    EXPECT_TRUE(window->saveCurrentDocument());
    EXPECT_EQ(dialogs.asked, QStringList{QStringLiteral("Save Document")});
    EXPECT_TRUE(dialogs.lastProposal.endsWith(QStringLiteral("/NewDocument.t2s")));
    EXPECT_EQ(dialogs.lastFilter, QStringLiteral("Halvern T2S Document (*.t2s)"));
    EXPECT_EQ(edit->filePath(), path);
    EXPECT_FALSE(edit->document()->isModified());
    EXPECT_FALSE(edit->isUntitled());
    EXPECT_EQ(tabTitle(0), QStringLiteral("saved.t2s"));

    // What was written reads back as the same document.
    QVT2SDocument copy;
    ASSERT_TRUE(copy.read(readFile(path)));
    EXPECT_EQ(copy.content(), QStringLiteral("Saved <text> & more"));
    QSettings settings;
    EXPECT_EQ(VocalyneRecentFiles::paths(settings), QStringList{path});

    // A second save goes straight to the file.
    typeText(edit, QStringLiteral("Second"));
    EXPECT_TRUE(window->saveCurrentDocument());
    EXPECT_EQ(dialogs.asked.size(), 1);
    ASSERT_TRUE(copy.read(readFile(path)));
    EXPECT_EQ(copy.content(), QStringLiteral("Second"));
}

TEST_F(ShellTest, CancelledOrFailedSaveChangesNothing)
{
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    edit->insertPlainText(QStringLiteral("keep me"));
    edit->setModifiedState(true);
    EXPECT_FALSE(window->saveCurrentDocument()); // no answer: cancelled
    EXPECT_TRUE(edit->document()->isModified());
    EXPECT_TRUE(messages.messages.isEmpty());

    dialogs.saveAnswers = {dir.filePath(QStringLiteral("no/such/folder/x.t2s"))};
    EXPECT_FALSE(window->saveCurrentDocument());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].text.startsWith(QStringLiteral("Failed to open ")));
    EXPECT_TRUE(edit->filePath().isEmpty());
    EXPECT_TRUE(edit->document()->isModified());
}

TEST_F(ShellTest, SaveAsRefusesTheNameOfADocumentOpenInAnotherTab)
{
    const QByteArray original = t2sBytes(QStringLiteral("T"));
    const QString taken = writeFile(QStringLiteral("taken.t2s"), original);
    window->openDocumentFile(taken);
    window->newDocument();
    window->currentDocumentEdit()->insertPlainText(QStringLiteral("new text"));

    const QString other = dir.filePath(QStringLiteral("other.t2s"));
    dialogs.saveAnswers = {taken, other};
    window->saveCurrentDocumentAs();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("Cannot save with the name of a file that is open in another tab!"));
    EXPECT_EQ(dialogs.asked.size(), 2); // the dialog came back
    EXPECT_EQ(window->currentDocumentEdit()->filePath(), other);
    EXPECT_EQ(readFile(taken), original);

    // Its own name is fine.
    messages.messages.clear();
    dialogs.saveAnswers = {other};
    window->saveCurrentDocumentAs();
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(window->currentDocumentEdit()->filePath(), other);
}

TEST_F(ShellTest, SaveAllWritesOnlyDocumentsWithAPathAndAsksNothing)
{
    const QString titled = writeFile(QStringLiteral("titled.t2s"), t2sBytes(QStringLiteral("old")));
    window->currentDocumentEdit()->insertPlainText(QStringLiteral("untitled one"));
    window->newDocument();
    window->currentDocumentEdit()->insertPlainText(QStringLiteral("untitled two"));
    window->openDocumentFile(titled);
    typeText(window->currentDocumentEdit(), QStringLiteral("new"));

    window->saveAllDocuments();
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_TRUE(messages.messages.isEmpty());
    QVT2SDocument copy;
    ASSERT_TRUE(copy.read(readFile(titled)));
    EXPECT_EQ(copy.content(), QStringLiteral("new"));
    EXPECT_TRUE(window->documentEditAt(0)->document()->isModified());
    EXPECT_FALSE(window->documentEditAt(2)->document()->isModified());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("titled.t2s")});
}
