// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "shellfixture.h"
#include "vocalynerecentfiles.h"

#include <QTableWidget>

TEST_F(ShellTest, OpensASpeechDocumentWithItsEntities)
{
    const QString path = writeFile(QStringLiteral("letter.t2s"),
                                   t2sBytes(QStringLiteral("One two three four five"), 2, 1));
    dialogs.openAnswers = {path};
    window->openDocument();

    ASSERT_EQ(window->documentCount(), 2);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_TRUE(messages.messages.isEmpty());
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("One two three four five"));
    EXPECT_EQ(edit->filePath(), path);
    EXPECT_FALSE(edit->isUntitled());
    EXPECT_FALSE(edit->document()->isModified());
    EXPECT_EQ(tabTitle(1), QStringLiteral("letter.t2s"));
    EXPECT_EQ(edit->sections().size(), 2);
    EXPECT_EQ(edit->bookmarks().size(), 1);
    EXPECT_EQ(window->findChild<QTableWidget *>(QStringLiteral("twSectionSpProps"))->rowCount(),
              2);

    QSettings settings;
    EXPECT_EQ(VocalyneRecentFiles::paths(settings), QStringList{path});
}

TEST_F(ShellTest, InvalidSpeechDocumentLeavesAnEmptyUntitledTab)
{
    const QString path = writeFile(QStringLiteral("broken.t2s"), "<QVT2SDoc><oops");
    window->openDocumentFile(path);

    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("Invalid T2S file format!"));
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Error"));
    ASSERT_EQ(window->documentCount(), 2);
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    EXPECT_TRUE(edit->toPlainText().isEmpty());
    EXPECT_TRUE(edit->filePath().isEmpty());
    EXPECT_EQ(tabTitle(1), QStringLiteral("Untitled"));
    // The path is listed although reading it failed.
    QSettings settings;
    EXPECT_EQ(VocalyneRecentFiles::paths(settings), QStringList{path});
}

TEST_F(ShellTest, MissingFileIsReportedAndOpensNothing)
{
    window->openDocumentFile(dir.filePath(QStringLiteral("absent.t2s")));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].text.startsWith(QStringLiteral("Failed to open ")));
    EXPECT_EQ(window->documentCount(), 1);
    QSettings settings;
    EXPECT_TRUE(VocalyneRecentFiles::paths(settings).isEmpty());
}

TEST_F(ShellTest, TextFilesOfEitherEncodingAreImportedUntitledAndModified)
{
    const QString utf8 = writeFile(QStringLiteral("utf8.txt"),
                                   QStringLiteral("Grüße, Ærøskøbing — 東京").toUtf8());
    const QString latin1 = writeFile(QStringLiteral("latin1.txt"),
                                     QByteArray("Caf\xe9 cr\xe8me br\xfbl\xe9" "e, \xc6r\xf8"));

    window->openDocumentFile(utf8);
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("Grüße, Ærøskøbing — 東京"));
    EXPECT_TRUE(edit->filePath().isEmpty());
    EXPECT_TRUE(edit->document()->isModified());
    EXPECT_EQ(tabTitle(1), QStringLiteral("Untitled*"));

    window->openDocumentFile(latin1);
    EXPECT_EQ(window->currentDocumentEdit()->toPlainText(),
              QStringLiteral("Café crème brûlée, Ærø"));
    EXPECT_TRUE(messages.messages.isEmpty());

    // A file that no reader takes (here not really RTF) is offered for raw
    // import, which the recorder accepts.
    const QString rtf = writeFile(QStringLiteral("notes.rtf"), "plain words");
    window->openDocumentFile(rtf);
    EXPECT_EQ(window->currentDocumentEdit()->toPlainText(), QStringLiteral("plain words"));
    EXPECT_EQ(window->documentCount(), 4);
}

TEST_F(ShellTest, LongFileNamesAreCutToTwentyCharactersInTheTabTitle)
{
    EXPECT_EQ(VocalyneMainWindow::tabTitleForPath(QStringLiteral("/x/abcdefghijklmnop.t2s")),
              QStringLiteral("abcdefghijklmnop.t2s")); // exactly 20
    const QString path = writeFile(QStringLiteral("abcdefghijklmnopq.t2s"), // 21
                                   t2sBytes(QStringLiteral("x")));
    window->openDocumentFile(path);
    EXPECT_EQ(tabTitle(1), QStringLiteral("abcdefghijklmnopq.t2..."));
    EXPECT_EQ(tabTitle(1).size(), 23);
}

TEST_F(ShellTest, OpeningAnOpenDocumentSwitchesToItsTabWithoutRecordingIt)
{
    const QString a = writeFile(QStringLiteral("a.t2s"), t2sBytes(QStringLiteral("A")));
    const QString b = writeFile(QStringLiteral("b.t2s"), t2sBytes(QStringLiteral("B")));
    window->openDocumentFile(a);
    window->openDocumentFile(b);
    ASSERT_EQ(window->documentCount(), 3);

    // An unsaved edit in the open tab must survive: the file is not re-read.
    window->documentEditAt(1)->setPlainText(QStringLiteral("A changed"));
    window->openDocumentFile(a);
    EXPECT_EQ(window->documentCount(), 3);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(window->currentDocumentEdit()->toPlainText(), QStringLiteral("A changed"));
    QSettings settings;
    EXPECT_EQ(VocalyneRecentFiles::paths(settings), (QStringList{b, a}));
}
