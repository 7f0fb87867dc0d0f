// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "shellfixture.h"
#include "vocalynemanagescdictdlg.h"
#include "vocalynespellcheckdictionaries.h"
#include "vocalynespellcheckerdlg.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>

#include <functional>

namespace {

/// Spell checking through the main window's Spell Check command, with the
/// dictionaries that ship with the program.
class SpellCheckTest : public ShellTest
{
protected:
    void SetUp() override
    {
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
        ShellTest::SetUp();
    }

    /// Runs Spell Check on text; script handles the dialog while it is open
    /// (a dialog left open is cancelled). False when no dialog opened.
    bool check(const QString &text, const std::function<void(VocalyneSpellCheckerDlg &)> &script)
    {
        edit()->setPlainText(text);
        bool opened = false;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&]() {
            auto *dialog =
                qobject_cast<VocalyneSpellCheckerDlg *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            opened = true;
            script(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        timer.start(0);
        window->mainWindowAction(QStringLiteral("actionSpell_Check"))->trigger();
        return opened;
    }

    VocalyneDocumentEdit *edit() const { return window->currentDocumentEdit(); }

    static QString shown(VocalyneSpellCheckerDlg &dialog)
    {
        return dialog.findChild<QLineEdit *>(QStringLiteral("lineEditWord"))->text();
    }
    static QStringList suggestions(VocalyneSpellCheckerDlg &dialog)
    {
        QStringList list;
        auto *widget = dialog.findChild<QListWidget *>(QStringLiteral("listWidget"));
        for (int i = 0; i < widget->count(); ++i)
            list.append(widget->item(i)->text());
        return list;
    }
    static void choose(VocalyneSpellCheckerDlg &dialog, const QString &suggestion)
    {
        auto *widget = dialog.findChild<QListWidget *>(QStringLiteral("listWidget"));
        const QList<QListWidgetItem *> items = widget->findItems(suggestion, Qt::MatchExactly);
        ASSERT_FALSE(items.isEmpty()) << suggestion.toStdString();
        widget->setCurrentItem(items.first());
    }
    static void click(VocalyneSpellCheckerDlg &dialog, const char *button)
    {
        dialog.findChild<QPushButton *>(QString::fromLatin1(button))->click();
    }
    /// The editor's selection: where the dialog found the word shown.
    QPair<int, int> selection() const
    {
        const QTextCursor cursor = edit()->textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd()};
    }

    int completeMessages() const
    {
        int count = 0;
        for (const MessageRecorder::Message &message : messages.messages)
            if (message.title == QStringLiteral("Vocalyne") &&
                message.text == QStringLiteral("The spelling check is complete."))
                ++count;
        return count;
    }
};

TEST_F(SpellCheckTest, StartsWithTheShippedDictionariesAndAnEnabledCommand)
{
    EXPECT_TRUE(constructionMessages.isEmpty());
    QAction *action = window->mainWindowAction(QStringLiteral("actionSpell_Check"));
    EXPECT_TRUE(action->isEnabled());
    EXPECT_EQ(action->shortcut().toString(), QStringLiteral("F7"));
    QSettings settings;
    const auto list = VocalyneSpellCheckDictionaries::read(settings);
    ASSERT_EQ(list.size(), 2);
    EXPECT_TRUE(QFile::exists(list.at(0).path));
    EXPECT_TRUE(QFile::exists(list.at(1).path));
}

TEST_F(SpellCheckTest, NumbersAndOneLetterWordsFinishAtOnce)
{
    EXPECT_FALSE(check(QStringLiteral("1 22 a I 1,000 3.14 x 2026\nb"), {}));
    EXPECT_EQ(completeMessages(), 1);
    EXPECT_EQ(edit()->textCursor().position(), 0);
}

TEST_F(SpellCheckTest, ChangeReplacesTheFoundOccurrenceWithACapitalisedSuggestion)
{
    const bool opened = check(QStringLiteral("Teh cat sat on teh mat."), [&](auto &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Spell Checker"));
        EXPECT_EQ(shown(dialog), QStringLiteral("Teh"));
        EXPECT_EQ(selection(), qMakePair(0, 3));
        EXPECT_TRUE(suggestions(dialog).contains(QStringLiteral("The")));
        EXPECT_FALSE(suggestions(dialog).contains(QStringLiteral("the")));
        choose(dialog, QStringLiteral("The"));
        click(dialog, "pushButtonChange");

        EXPECT_EQ(shown(dialog), QStringLiteral("teh"));
        EXPECT_EQ(selection(), qMakePair(15, 18));
        EXPECT_TRUE(suggestions(dialog).contains(QStringLiteral("the")));
        choose(dialog, QStringLiteral("the"));
        click(dialog, "pushButtonChange");
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(opened);
    EXPECT_EQ(edit()->toPlainText(), QStringLiteral("The cat sat on the mat."));
    EXPECT_EQ(completeMessages(), 1);
    EXPECT_EQ(edit()->textCursor().position(), 0);
    EXPECT_TRUE(edit()->document()->isModified());
}

TEST_F(SpellCheckTest, IgnoreAllSkipsLaterOccurrencesUpToTheLastUnknownWord)
{
    QStringList seen;
    check(QStringLiteral("Zorblax met zorblax, Zorblax and zorblax again, then qwzxv."),
          [&](auto &dialog) {
              seen.append(shown(dialog));
              click(dialog, "pushButtonIgnoreAll"); // every later "Zorblax"
              seen.append(shown(dialog));
              EXPECT_EQ(selection(), qMakePair(12, 19));
              click(dialog, "pushButtonIgnore"); // this "zorblax" only
              seen.append(shown(dialog));
              EXPECT_EQ(selection(), qMakePair(33, 40));
              click(dialog, "pushButtonIgnoreAll");
              // The last word is offered after the skipped ones.
              seen.append(shown(dialog));
              click(dialog, "pushButtonIgnore");
          });
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Zorblax"), QStringLiteral("zorblax"),
                                 QStringLiteral("zorblax"), QStringLiteral("qwzxv")}));
    EXPECT_EQ(completeMessages(), 1);
    EXPECT_FALSE(edit()->document()->isModified());
}

TEST_F(SpellCheckTest, CancelEndsWithoutTheCompleteMessage)
{
    EXPECT_TRUE(check(QStringLiteral("one qwzxv two"),
                      [&](auto &dialog) { click(dialog, "pushButtonCancel"); }));
    EXPECT_EQ(completeMessages(), 0);
    EXPECT_EQ(edit()->textCursor().position(), 0);
}

TEST_F(SpellCheckTest, ChangeAllReplacesTheCurrentAndLaterOccurrencesAsOneStep)
{
    const QString text = QStringLiteral("recieve one; recieve two; x recieve three recieved");
    check(text, [&](auto &dialog) {
        click(dialog, "pushButtonIgnore");
        EXPECT_EQ(selection(), qMakePair(13, 20));
        choose(dialog, QStringLiteral("receive"));
        click(dialog, "pushButtonChangeAll");
        // The other occurrences are gone; the next different word is shown.
        EXPECT_EQ(shown(dialog), QStringLiteral("recieved"));
        click(dialog, "pushButtonIgnore");
    });
    EXPECT_EQ(edit()->toPlainText(),
              QStringLiteral("recieve one; receive two; x receive three recieved"));
    EXPECT_EQ(completeMessages(), 1);
    edit()->undo();
    EXPECT_EQ(edit()->toPlainText(), text);
}

TEST_F(SpellCheckTest, WithoutSuggestionsChangeDoesNothing)
{
    check(QStringLiteral("zqxjvkwpq"), [&](auto &dialog) {
        EXPECT_EQ(suggestions(dialog), QStringList{QStringLiteral("(no spelling suggestions)")});
        click(dialog, "pushButtonChange");
        click(dialog, "pushButtonChangeAll");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(shown(dialog), QStringLiteral("zqxjvkwpq"));
    });
    EXPECT_EQ(edit()->toPlainText(), QStringLiteral("zqxjvkwpq"));
    EXPECT_EQ(completeMessages(), 0);
}

TEST_F(SpellCheckTest, AddedWordsAreKnownForTheRunAndAfterARestart)
{
    const QString shipped =
        QCoreApplication::applicationDirPath() + QStringLiteral("/English-USUK.scd");
    const qint64 shippedSize = QFileInfo(shipped).size();
    QStringList seen;
    check(QStringLiteral("Vocalyne reads vocalyne and Qwzxv."), [&](auto &dialog) {
        seen.append(shown(dialog));
        click(dialog, "pushButtonAdd"); // both spellings are skipped now
        seen.append(shown(dialog));
        click(dialog, "pushButtonIgnore");
    });
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Vocalyne"), QStringLiteral("Qwzxv")}));
    EXPECT_TRUE(messages.messages.size() == 1 && completeMessages() == 1);

    // The word went to the user's copy, which the settings now name; the
    // shipped file is untouched.
    const QString copy = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                         QStringLiteral("/English-USUK.scd");
    EXPECT_TRUE(readFile(copy).endsWith("\nvocalyne\n"));
    EXPECT_EQ(QFileInfo(shipped).size(), shippedSize);
    QSettings settings;
    EXPECT_EQ(VocalyneSpellCheckDictionaries::read(settings).at(0).path, copy);

    // Known in later check runs, and after the program starts again.
    EXPECT_FALSE(check(QStringLiteral("Vocalyne"), {}));
    window.reset();
    window = std::make_unique<VocalyneMainWindow>();
    EXPECT_FALSE(check(QStringLiteral("VOCALYNE vocalyne"), {}));
    EXPECT_EQ(completeMessages(), 3);
}

TEST_F(SpellCheckTest, GermanDictionaryChecksAndChangesAccentedWords)
{
    QSettings settings;
    auto list = VocalyneSpellCheckDictionaries::read(settings);
    list[1].enabled = true;
    VocalyneSpellCheckDictionaries::write(settings, list);
    window.reset();
    window = std::make_unique<VocalyneMainWindow>();

    check(QStringLiteral("Das Mädchen läuft über die Strasse. Grüße aus Köln, liebe Grüsse!"),
          [&](auto &dialog) {
              EXPECT_EQ(shown(dialog), QStringLiteral("Strasse"));
              EXPECT_EQ(suggestions(dialog).value(0), QStringLiteral("Straße"));
              click(dialog, "pushButtonChange");
              EXPECT_EQ(shown(dialog), QStringLiteral("Grüsse"));
              choose(dialog, QStringLiteral("Grüße"));
              click(dialog, "pushButtonChange");
          });
    EXPECT_EQ(edit()->toPlainText(),
              QStringLiteral("Das Mädchen läuft über die Straße. Grüße aus Köln, liebe Grüße!"));
    EXPECT_EQ(completeMessages(), 1);
}

TEST_F(SpellCheckTest, StartUpReportsADictionaryThatCannotBeLoadedAndGoesOn)
{
    const QString own = writeFile(QStringLiteral("own.scd"), "qwzxv\n");
    QSettings settings;
    VocalyneSpellCheckDictionaries::write(
        settings, {{QStringLiteral("Lost"), dir.filePath(QStringLiteral("lost.scd")), true, true},
                   {QStringLiteral("Own"), own, true, false}});
    window.reset();
    messages.messages.clear();
    window = std::make_unique<VocalyneMainWindow>();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.at(0).kind, VocalyneMessageService::Kind::Critical);
    EXPECT_EQ(messages.messages.at(0).title, QStringLiteral("Error"));
    EXPECT_EQ(messages.messages.at(0).text,
              QStringLiteral("The spell checker dictionary 'Lost' (path: '%1') cannot be "
                             "loaded.\nPlease make sure that the file exists.")
                  .arg(dir.filePath(QStringLiteral("lost.scd"))));
    messages.messages.clear();
    EXPECT_FALSE(check(QStringLiteral("qwzxv"), {}));
}

/// The dictionary manager on the first-run list.
class DictionaryManagerTest : public SpellCheckTest
{
protected:
    QTableWidget *table(VocalyneManageSCDictDlg &dialog)
    {
        return dialog.findChild<QTableWidget *>(QStringLiteral("tableWidgetDicts"));
    }
    void add(VocalyneManageSCDictDlg &dialog, const QString &name, const QString &path)
    {
        dialog.findChild<QLineEdit *>(QStringLiteral("lineEditDictName"))->setText(name);
        dialog.findChild<QLineEdit *>(QStringLiteral("lineEditDictFilePath"))->setText(path);
        dialog.findChild<QPushButton *>(QStringLiteral("pushButtonAddDict"))->click();
    }
    QString lastMessage() const
    {
        return messages.messages.isEmpty() ? QString() : messages.messages.last().text;
    }
};

TEST_F(DictionaryManagerTest, ShowsTheListAndRefusesBadAdditions)
{
    VocalyneManageSCDictDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Manage Dictionaries"));
    QTableWidget *rows = table(dialog);
    ASSERT_EQ(rows->rowCount(), 2);
    EXPECT_EQ(rows->item(0, 1)->text(), QStringLiteral("English (U.S. and U.K.)"));
    EXPECT_EQ(rows->item(0, 2)->text(), QStringLiteral("enabled"));
    EXPECT_FALSE(rows->item(0, 3)->icon().isNull());
    EXPECT_EQ(rows->item(1, 2)->text(), QStringLiteral("disabled"));
    EXPECT_TRUE(rows->item(1, 3)->icon().isNull());
    EXPECT_EQ(rows->item(0, 0)->toolTip(), QStringLiteral("Remove"));
    EXPECT_FALSE(rows->item(0, 1)->flags() & Qt::ItemIsEditable);

    add(dialog, QStringLiteral("Mine"), QString());
    EXPECT_EQ(lastMessage(),
              QStringLiteral("You must select a dictionary file in order to continue."));
    add(dialog, QStringLiteral("  "), QStringLiteral("/tmp/mine.scd"));
    EXPECT_EQ(lastMessage(),
              QStringLiteral("You must enter a dictionary name in order to continue."));
    // The same file whatever the letter case of its path.
    const QString shipped = dialog.paths().at(1);
    add(dialog, QStringLiteral("Mine"), shipped.toUpper());
    EXPECT_EQ(lastMessage(),
              QStringLiteral("The dictionary 'German' has the same file path ('%1').\nYou cannot "
                             "load more than 1 dictionary with the same dictionary file path.")
                  .arg(shipped.toUpper()));
    add(dialog, QStringLiteral("German"), QStringLiteral("/tmp/mine.scd"));
    EXPECT_EQ(lastMessage(), QStringLiteral("A dictionary with the name 'German' already "
                                            "exists.\nYou cannot load more than 1 dictionary "
                                            "with the same name."));
    EXPECT_EQ(messages.messages.size(), 4);
    for (const auto &message : messages.messages)
        EXPECT_EQ(message.title, QStringLiteral("Error"));
    EXPECT_EQ(rows->rowCount(), 2);

    // Browse asks the dialog service and fills the path.
    dialogs.openAnswers = {QStringLiteral("/tmp/Chosen.scd")};
    dialog.findChild<QPushButton *>(QStringLiteral("pushButtonBrowse"))->click();
    EXPECT_EQ(dialogs.asked, QStringList{QStringLiteral("Add spell check dictionary")});
    EXPECT_EQ(dialog.findChild<QLineEdit *>(QStringLiteral("lineEditDictFilePath"))->text(),
              QStringLiteral("/tmp/Chosen.scd"));
}

TEST_F(DictionaryManagerTest, EditsTheListAndWritesItOnOk)
{
    const QString own = writeFile(QStringLiteral("own.scd"), "qwzxv\n");
    {
        VocalyneManageSCDictDlg dialog;
        QTableWidget *rows = table(dialog);
        add(dialog, QStringLiteral("Own"), own);
        ASSERT_EQ(rows->rowCount(), 3);
        EXPECT_EQ(rows->item(2, 2)->text(), QStringLiteral("enabled"));
        EXPECT_TRUE(rows->item(2, 3)->icon().isNull());

        // The default can be neither removed nor disabled.
        dialog.onTWidgetCellClicked(0, 0);
        EXPECT_EQ(lastMessage(), QStringLiteral("You cannot delete the default dictionary!"));
        dialog.onTWidgetCellDoubleClicked(0, 2);
        EXPECT_EQ(lastMessage(), QStringLiteral("You cannot disable the default dictionary!"));
        EXPECT_EQ(rows->item(0, 2)->text(), QStringLiteral("enabled"));

        // German becomes the default, and with it enabled.
        dialog.onTWidgetCellDoubleClicked(1, 3);
        EXPECT_TRUE(rows->item(0, 3)->icon().isNull());
        EXPECT_FALSE(rows->item(1, 3)->icon().isNull());
        EXPECT_EQ(rows->item(1, 2)->text(), QStringLiteral("enabled"));
        dialog.onTWidgetCellDoubleClicked(0, 2);
        EXPECT_EQ(rows->item(0, 2)->text(), QStringLiteral("disabled"));

        // Removing asks first; No keeps the row.
        messages.answers = {QMessageBox::No, QMessageBox::Yes};
        dialog.onTWidgetCellClicked(0, 0);
        EXPECT_EQ(messages.messages.last().kind, VocalyneMessageService::Kind::Question);
        EXPECT_EQ(rows->rowCount(), 3);
        dialog.onTWidgetCellClicked(0, 0);
        ASSERT_EQ(rows->rowCount(), 2);
        EXPECT_EQ(dialog.paths(), (QStringList{dialog.paths().at(0), own}));

        messages.messages.clear();
        dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
            ->button(QDialogButtonBox::Ok)
            ->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_EQ(messages.messages.at(0).text,
                  QStringLiteral("Your changes will apply when you restart Vocalyne."));
    }
    QSettings settings;
    const auto list = VocalyneSpellCheckDictionaries::read(settings);
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.at(0).name, QStringLiteral("German"));
    EXPECT_TRUE(list.at(0).enabled && list.at(0).isDefault);
    EXPECT_EQ(list.at(1).path, own);
    EXPECT_TRUE(list.at(1).enabled && !list.at(1).isDefault);

    // The list applies from the next start: German and the user's own words.
    window.reset();
    window = std::make_unique<VocalyneMainWindow>();
    EXPECT_FALSE(check(QStringLiteral("Straße qwzxv"), {}));
}

TEST_F(DictionaryManagerTest, OpensFromTheSpellChecker)
{
    bool managerShown = false;
    check(QStringLiteral("qwzxv"), [&](auto &dialog) {
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&]() {
            if (auto *manager =
                    qobject_cast<VocalyneManageSCDictDlg *>(QApplication::activeModalWidget())) {
                managerShown = true;
                manager->reject();
            }
        });
        timer.start(0);
        click(dialog, "pushButtonManage");
        EXPECT_TRUE(dialog.isVisible());
    });
    EXPECT_TRUE(managerShown);
}

} // namespace
