// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "messagerecorder.h"
#include "tsfile.h"
#include "vocalynecatalogues.h"
#include "vocalynedocpropertiesdlg.h"
#include "vocalynedocumentedit.h"
#include "vocalyneexporter.h"
#include "vocalynefindreplacedlg.h"
#include "vocalynemainwindow.h"
#include "vocalynemanagescdictdlg.h"
#include "vocalynepreferencesdlg.h"
#include "vocalynepronunciationcorrectordlg.h"
#include "vocalynespeechelementeditor.h"
#include "vocalynespeechsectioneditor.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QWizardPage>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const QString CompiledFolder = QStringLiteral(VOCALYNE_QM_DIR);

/// A main window started as in a German locale.
class GermanWindow : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static QTemporaryDir home;
        qputenv("HOME", home.path().toLocal8Bit());
    }

    void SetUp() override
    {
        QSettings().clear();
        catalogues = std::make_unique<VocalyneCatalogues>(QStringLiteral("Vocalyne"),
                                                          QStringLiteral("de_DE"), CompiledFolder);
        ASSERT_FALSE(catalogues->programCatalogue().isEmpty());
        window = std::make_unique<VocalyneMainWindow>();
    }

    void TearDown() override
    {
        window.reset();
        catalogues.reset();
    }

    template <typename T> T *child(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }

    std::unique_ptr<VocalyneCatalogues> catalogues;
    std::unique_ptr<VocalyneMainWindow> window;
};

/// The texts a widget and its children show.
QStringList shownTexts(const QWidget *root)
{
    QStringList shown{root->windowTitle()};
    for (QAction *action : root->findChildren<QAction *>())
        shown << action->text() << action->toolTip();
    for (QMenu *menu : root->findChildren<QMenu *>())
        shown << menu->title();
    for (QLabel *label : root->findChildren<QLabel *>())
        shown << label->text();
    for (QAbstractButton *button : root->findChildren<QAbstractButton *>())
        shown << button->text() << button->toolTip();
    for (QGroupBox *box : root->findChildren<QGroupBox *>())
        shown << box->title();
    for (QComboBox *combo : root->findChildren<QComboBox *>())
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
    for (QWizardPage *page : root->findChildren<QWizardPage *>())
        shown << page->title() << page->subTitle();
    for (QDockWidget *dock : root->findChildren<QDockWidget *>())
        shown << dock->windowTitle();
    for (QToolBar *bar : root->findChildren<QToolBar *>())
        shown << bar->windowTitle();
    for (QTableWidget *table : root->findChildren<QTableWidget *>())
        for (int column = 0; column < table->columnCount(); ++column)
            if (QTableWidgetItem *item = table->horizontalHeaderItem(column))
                shown << item->text();
    for (QTreeWidget *tree : root->findChildren<QTreeWidget *>()) {
        shown << tree->headerItem()->text(0);
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            shown << tree->topLevelItem(i)->text(0);
    }
    for (QTabWidget *tabs : root->findChildren<QTabWidget *>())
        for (int i = 0; i < tabs->count(); ++i)
            shown << tabs->tabText(i);
    return shown;
}

/// The source texts that have a German translation different from them.
QSet<QString> translatedSources()
{
    QString error;
    const QList<TsMessage> messages =
        readTsFile(QStringLiteral(VOCALYNE_TS_DIR "/Vocalyne_de.ts"), &error);
    QSet<QString> english;
    for (const TsMessage &message : messages)
        if (message.translation != message.source)
            english.insert(message.source);
    return english;
}

/// The texts of shown that are still the English source of a translation.
QStringList leftInEnglish(const QStringList &shown, const QSet<QString> &english)
{
    QStringList left;
    for (const QString &text : shown)
        if (!text.isEmpty() && english.contains(text) && !left.contains(text))
            left << text;
    return left;
}

QChar mnemonic(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toLower();
        ++i;
    }
    return QChar();
}

} // namespace

TEST_F(GermanWindow, ShowsGermanMenusActionsAndStatus)
{
    const QHash<const char *, QString> menus = {
        {"menuFile", QStringLiteral("&Datei")},
        {"menuSpeech", QStringLiteral("&Sprachausgabe")},
        {"menuEdit", QStringLiteral("&Bearbeiten")},
        {"menuView", QStringLiteral("&Ansicht")},
        {"menu_Tools", QStringLiteral("E&xtras")},
        {"menu_Window", QStringLiteral("&Fenster")},
        {"menu_Help", QStringLiteral("&Hilfe")},
    };
    for (auto it = menus.cbegin(); it != menus.cend(); ++it) {
        auto *menu = child<QMenu>(it.key());
        ASSERT_NE(menu, nullptr) << it.key();
        EXPECT_EQ(menu->title(), it.value()) << it.key();
    }
    const QHash<const char *, QString> actions = {
        {"actionSpeak", QStringLiteral("Vorlesen")},
        {"actionSpeak_from_Cursor", QStringLiteral("Ab Cursor vorlesen")},
        {"actionPause_Resume", QStringLiteral("Pause / Fortsetzen")},
        {"actionStop", QStringLiteral("Stopp")},
        {"actionExit", QStringLiteral("Beenden")},
    };
    for (auto it = actions.cbegin(); it != actions.cend(); ++it) {
        auto *action = child<QAction>(it.key());
        ASSERT_NE(action, nullptr) << it.key();
        EXPECT_EQ(action->text(), it.value()) << it.key();
    }
    // Shortcuts are not translated away.
    EXPECT_EQ(child<QAction>("actionSpeak")->shortcut(), QKeySequence(QStringLiteral("Ctrl+F1")));
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Bereit"));
    auto *tabs = child<QTabWidget>("documentTabs");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Unbenannt"));
}

TEST_F(GermanWindow, LeavesNoTranslatedTextOfTheWindowInEnglish)
{
    // Every text the window shows that the catalogue translates must show
    // translated: a text looked up in another context than the one it was
    // collected in would stay English.
    const QSet<QString> english = translatedSources();
    ASSERT_GT(english.size(), 400);
    const QStringList shown = shownTexts(window.get());
    EXPECT_GT(shown.size(), 100);
    const QStringList left = leftInEnglish(shown, english);
    EXPECT_TRUE(left.isEmpty()) << left.join(QStringLiteral(" | ")).toStdString();
}

TEST_F(GermanWindow, DialogsShowTheirTextsInGerman)
{
    const QSet<QString> english = translatedSources();
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    ASSERT_NE(edit, nullptr);
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.emplace_back(new VocalynePreferencesDlg(window.get()));
    dialogs.emplace_back(new VocalyneManageSCDictDlg(window.get()));
    dialogs.emplace_back(new VocalyneFindReplaceDlg(window.get(), window.get()));
    dialogs.emplace_back(new VocalyneDocPropertiesDlg(window.get(), edit));
    dialogs.emplace_back(new VocalyneSpeechSectionEditor(window.get(), QStringLiteral("Hallo"), 0,
                                                         -1, window.get()));
    dialogs.emplace_back(new VocalyneSpeechElementEditor(window.get(), window.get()));
    dialogs.emplace_back(new VocalynePronunciationCorrectorDlg(window.get(), window.get()));
    dialogs.emplace_back(
        new VocalyneExporter(window.get(), window.get(), VocalyneExporter::SingleMode, 3));
    dialogs.emplace_back(
        new VocalyneExporter(window.get(), window.get(), VocalyneExporter::BatchMode, -4));
    for (const auto &dialog : dialogs) {
        const QStringList shown = shownTexts(dialog.get());
        const QStringList left = leftInEnglish(shown, english);
        EXPECT_TRUE(left.isEmpty()) << dialog->metaObject()->className() << ": "
                                    << left.join(QStringLiteral(" | ")).toStdString();
    }
    // Spot checks that the sweep looks at translated texts at all.
    EXPECT_EQ(dialogs.at(0)->windowTitle(), QStringLiteral("Einstellungen"));
    EXPECT_EQ(dialogs.at(2)->windowTitle(), QStringLiteral("Suchen und Ersetzen"));
}

TEST_F(GermanWindow, PhonemeButtonsKeepTheirSymbolsAndClearStillClears)
{
    // The corrector types a button's text into the target word and finds
    // its clear buttons by their text: a translated symbol would write a
    // wrong pronunciation.
    const auto buttonTexts = [this](QWidget *dialog) {
        QHash<QString, QString> texts;
        for (QPushButton *button : dialog->findChild<QTabWidget *>(QStringLiteral("twPhonemes"))
                                       ->findChildren<QPushButton *>())
            texts.insert(button->objectName(), button->text());
        return texts;
    };
    VocalynePronunciationCorrectorDlg german(window.get(), window.get());
    const QHash<QString, QString> shownInGerman = buttonTexts(&german);
    auto *target = german.findChild<QLineEdit *>(QStringLiteral("leTargetWord"));
    ASSERT_NE(target, nullptr);
    target->setText(QStringLiteral("aa b"));
    german.findChild<QPushButton *>(QStringLiteral("pbClearEnglish"))->click();
    EXPECT_TRUE(target->text().isEmpty());

    catalogues.reset();
    VocalynePronunciationCorrectorDlg english(window.get(), window.get());
    const QHash<QString, QString> shownInEnglish = buttonTexts(&english);
    EXPECT_GT(shownInEnglish.size(), 100);
    EXPECT_EQ(shownInGerman, shownInEnglish);
}

TEST_F(GermanWindow, MessagesAreGerman)
{
    // Message boxes look their texts up through helpers of their own; each
    // must land on the catalogue's wording.
    MessageRecorder messages;
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    ASSERT_NE(edit, nullptr);

    window->bookmarkSelection();
    window->showSpeechSectionEditDialog();
    window->doQuickExport();
    edit->insertPlainText(QStringLiteral("Guten Tag"));
    edit->setModifiedState(true);
    messages.answers = {QMessageBox::Cancel};
    window->closeCurrentDocument();

    ASSERT_EQ(messages.messages.size(), 4);
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("Bitte markieren Sie einen Textabschnitt, bevor Sie ein Lesezeichen "
                             "setzen."));
    EXPECT_EQ(messages.messages[1].text,
              QStringLiteral("Bitte markieren Sie einen Textabschnitt, bevor Sie einen "
                             "Sprachabschnitt erstellen."));
    EXPECT_EQ(messages.messages[2].title, QStringLiteral("Fehler"));
    EXPECT_EQ(
        messages.messages[2].text,
        QStringLiteral("Bitte geben Sie den Text ein, der als Audio exportiert werden soll."));
    EXPECT_EQ(messages.messages[3].title, QStringLiteral("Dokument speichern"));
    EXPECT_EQ(messages.messages[3].text,
              QStringLiteral("„Unbenannt“ wurde geändert.\nMöchten Sie die Änderungen speichern?"));
    edit->setModifiedState(false);
}

TEST_F(GermanWindow, MenuBarAcceleratorsStayUnique)
{
    QSet<QChar> used;
    for (QAction *action : static_cast<QMainWindow *>(window.get())->menuBar()->actions()) {
        const QChar key = mnemonic(action->text());
        ASSERT_FALSE(key.isNull()) << action->text().toStdString();
        EXPECT_FALSE(used.contains(key)) << action->text().toStdString();
        used.insert(key);
    }
}
