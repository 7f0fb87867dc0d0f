// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "shellfixture.h"
#include "vocalynehistorystore.h"
#include "vocalynehistorytree.h"

#include <QDockWidget>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>
#include <QTreeWidget>

namespace {

class HistoryShellTest : public ShellTest
{
protected:
    void SetUp() override
    {
        // Month names as a user of the English interface sees them.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        VocalyneHistoryStore().remove();
        ShellTest::SetUp();
    }

    QTreeWidget *tree() const { return window->historyTree()->tree(); }
    QTreeWidgetItem *root() const { return window->historyTree()->root(); }
    static QStringList childTexts(const QTreeWidgetItem *item)
    {
        QStringList texts;
        for (int i = 0; i < item->childCount(); ++i)
            texts.append(item->child(i)->text(0));
        return texts;
    }
    void select(QTreeWidgetItem *item)
    {
        tree()->clearSelection();
        item->setSelected(true);
    }
    void damageHistoryFile()
    {
        QFile file(VocalyneHistoryStore::defaultPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QByteArray bytes(8192, '\0');
        for (char &byte : bytes)
            byte = char(QRandomGenerator::global()->bounded(256));
        file.write(bytes);
    }

    VocalyneHistoryStore store;
};

} // namespace

TEST_F(HistoryShellTest, OpenedAndFirstSavedDocumentsAreRecordedAndShownWhenOpened)
{
    // At start the file exists and the dock shows the root alone.
    EXPECT_TRUE(store.exists());
    ASSERT_EQ(tree()->topLevelItemCount(), 1);
    EXPECT_EQ(root()->text(0), QStringLiteral("Dates"));
    EXPECT_EQ(root()->childCount(), 0);

    const QString speech = writeFile(QStringLiteral("speech.t2s"), t2sBytes(QStringLiteral("Hi")));
    const QString text = writeFile(QStringLiteral("notes.txt"), "plain words");
    window->openDocumentFile(speech);
    window->openDocumentFile(speech); // already open: only switches tabs
    window->openDocumentFile(text);

    window->newDocument();
    typeText(window->currentDocumentEdit(), QStringLiteral("fresh"));
    const QString saved = dir.filePath(QStringLiteral("saved.t2s"));
    dialogs.saveAnswers = {saved};
    ASSERT_TRUE(window->saveCurrentDocument());
    typeText(window->currentDocumentEdit(), QStringLiteral("again"));
    ASSERT_TRUE(window->saveCurrentDocument()); // not a first save

    EXPECT_EQ(store.entryCount(), 3);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(root()->childCount(), 0); // recording does not touch the tree

    window->onHistoryTreeItemDblClicked(root(), 0);
    ASSERT_EQ(childTexts(root()), QStringList{VocalyneHistoryTree::dateText(QDate::currentDate())});
    QTreeWidgetItem *day = root()->child(0);
    window->onHistoryTreeItemDblClicked(day, 0);
    EXPECT_EQ(childTexts(day), (QStringList{speech, text, saved}));
    EXPECT_EQ(day->child(0)->toolTip(0), speech);
    EXPECT_TRUE(day->isSelected());

    // Switched off, nothing is added; a missing key means on.
    QSettings().setValue(QStringLiteral("FileHistory/record"), 0);
    window->openDocumentFile(writeFile(QStringLiteral("off.txt"), "x"));
    EXPECT_EQ(store.entryCount(), 3);
    QSettings().remove(QStringLiteral("FileHistory/record"));
    window->openDocumentFile(writeFile(QStringLiteral("on.txt"), "x"));
    EXPECT_EQ(store.entryCount(), 4);
}

TEST_F(HistoryShellTest, DaysFilesAndQuotedPathsAreBrowsedOpenedAndDeleted)
{
    const QDate january(2012, 1, 5);
    const QDate march(2013, 3, 1);
    const QString first = writeFile(QStringLiteral("first.t2s"), t2sBytes(QStringLiteral("One")));
    const QString quoted =
        writeFile(QStringLiteral("O'Brien's \"draft\".t2s"), t2sBytes(QStringLiteral("Two")));
    ASSERT_TRUE(store.record(first, january).ok());
    ASSERT_TRUE(store.record(quoted, january).ok());
    ASSERT_TRUE(store.record(first, january).ok());
    ASSERT_TRUE(store.record(first, march).ok());

    window->displayHistItem(); // nothing selected: nothing happens
    select(root());
    window->displayHistItem();
    ASSERT_EQ(childTexts(root()),
              (QStringList{QStringLiteral("Jan 05 2012"), QStringLiteral("Mar 01 2013")}));
    QTreeWidgetItem *day = root()->child(0);
    select(day);
    window->displayHistItem();
    ASSERT_EQ(childTexts(day), (QStringList{first, quoted}));

    // A file item opens the document, which records it again.
    window->onHistoryTreeItemDblClicked(day->child(1), 0);
    EXPECT_EQ(window->currentDocumentEdit()->filePath(), quoted);
    EXPECT_EQ(store.entryCount(), 5);

    // "No" keeps everything; "Yes" deletes the quoted file of that day.
    select(day->child(1));
    messages.answers = {QMessageBox::No};
    window->deleteHistItem();
    EXPECT_EQ(store.entryCount(), 5);
    select(day->child(1));
    messages.answers = {QMessageBox::Yes};
    window->deleteHistItem();
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(messages.messages[1].title, QStringLiteral("Vocalyne"));
    EXPECT_TRUE(messages.messages[1].text.startsWith(
        QStringLiteral("Are you sure you want to delete the selected history item?\n")));
    day = root()->child(0);
    EXPECT_EQ(childTexts(day), QStringList{first});
    QStringList left;
    store.files(QDate::currentDate(), &left);
    EXPECT_EQ(left, QStringList{quoted}); // today's entry is another day's

    // A day, then everything.
    select(root()->child(1));
    messages.answers = {QMessageBox::Yes};
    window->deleteHistItem();
    EXPECT_FALSE(childTexts(root()).contains(QStringLiteral("Mar 01 2013")));
    EXPECT_TRUE(childTexts(root()).contains(QStringLiteral("Jan 05 2012")));
    select(root());
    messages.answers = {QMessageBox::Yes};
    window->deleteHistItem();
    EXPECT_EQ(store.entryCount(), 0);
    ASSERT_EQ(tree()->topLevelItemCount(), 1);
    EXPECT_EQ(root()->childCount(), 0);
    EXPECT_EQ(messages.messages.size(), 4); // the questions only
}

TEST_F(HistoryShellTest, DoubleClicksWithTheMouseOpenTheRootAndADay)
{
    ASSERT_TRUE(store.record(QStringLiteral("/a.t2s"), QDate(2012, 1, 5)).ok());
    window->show();
    auto *dock = window->findChild<QDockWidget *>(QStringLiteral("dwDocHistory"));
    dock->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto doubleClick = [this](QTreeWidgetItem *item) {
        const QPoint centre = tree()->visualItemRect(item).center();
        // A double click arrives after a press and release of its own.
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, centre);
    };
    doubleClick(root());
    ASSERT_EQ(root()->childCount(), 1);
    EXPECT_TRUE(root()->isExpanded()); // the view must not fold it up again
    doubleClick(root()->child(0));
    EXPECT_TRUE(root()->child(0)->isExpanded());
    EXPECT_EQ(childTexts(root()->child(0)), QStringList{QStringLiteral("/a.t2s")});
}

TEST_F(HistoryShellTest, ADamagedFileIsReportedReplacedAndTheProgramGoesOn)
{
    ASSERT_TRUE(store.record(QStringLiteral("/lost.t2s"), QDate::currentDate()).ok());
    damageHistoryFile();

    const QString path = writeFile(QStringLiteral("a.t2s"), t2sBytes(QStringLiteral("Text")));
    window->openDocumentFile(path);
    EXPECT_EQ(window->currentDocumentEdit()->filePath(), path); // the document still opens
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].kind, MessageRecorder::Kind::Critical);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Error"));
    EXPECT_TRUE(messages.messages[0].text.startsWith(
        QStringLiteral("The history database cannot be updated.\nMessage # 1000. ('")))
        << messages.messages[0].text.toStdString();
    EXPECT_TRUE(messages.messages[0].text.endsWith(QStringLiteral("').")));

    // Replaced by an empty history that takes the next entry.
    EXPECT_EQ(store.entryCount(), 0);
    window->openDocumentFile(writeFile(QStringLiteral("b.txt"), "b"));
    EXPECT_EQ(store.entryCount(), 1);
    EXPECT_EQ(messages.messages.size(), 1);

    // Opening the root of a damaged file: message 1001, the root alone, healed.
    damageHistoryFile();
    window->onHistoryTreeItemDblClicked(root(), 0);
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_TRUE(messages.messages[1].text.startsWith(
        QStringLiteral("The history database cannot be opened. Message # 1001. ('")));
    EXPECT_EQ(root()->childCount(), 0);
    EXPECT_EQ(store.entryCount(), 0);
}

TEST_F(HistoryShellTest, HistoryPreferencesAndPropertiesCommandsAreOffered)
{
    for (const char *name : {"actionPreferences", "actionDocument_Properties",
                             "actionDisplay_HistItem", "actionDelete_HistItem"})
        EXPECT_TRUE(window->mainWindowAction(QString::fromLatin1(name))->isEnabled()) << name;
    auto *menu = window->findChild<QMenu *>(QStringLiteral("historyContextMenu"));
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (QAction *action : menu->actions())
        entries.append(action->isSeparator() ? QStringLiteral("|") : action->text());
    EXPECT_EQ(entries, (QStringList{QStringLiteral("Display"), QStringLiteral("|"),
                                    QStringLiteral("Delete")}));
}
