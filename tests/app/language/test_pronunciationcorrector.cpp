// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "mainwindowrecorder.h"
#include "messagerecorder.h"
#include "qvtts.h"
#include "vocalynepronunciationcorrectordlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

// Keeps what the dialog asks the main window to speak.
class SpeakRecorder : public MainWindowRecorder
{
public:
    int speakText(qint16, const QByteArray &voiceName, qint32, quint16, const QByteArray &text,
                  qint32, qint32, qint32, qint32, bool isXml) override
    {
        spoken.append(text);
        voices.append(voiceName);
        EXPECT_TRUE(isXml);
        EXPECT_FALSE(voiceName.isEmpty());
        return 0;
    }
    QList<QByteArray> spoken;
    QList<QByteArray> voices;
};

class CorrectorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The main window initialises the engine, which fills its voice list.
        static const HWND window = [] {
            const HWND w = QVCreateWindow(nullptr);
            InitQVTTSEngineEx(w, nullptr, nullptr);
            return w;
        }();
        ASSERT_NE(window, nullptr);
        m_dialog = std::make_unique<VocalynePronunciationCorrectorDlg>(&m_main);
    }

    template <typename T> T *child(const char *name)
    {
        T *widget = m_dialog->findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Clicks the button labelled text on the shown tab.
    void press(const QString &text)
    {
        QWidget *tab = child<QTabWidget>("twPhonemes")->currentWidget();
        for (QPushButton *button : tab->findChildren<QPushButton *>()) {
            if (button->text() == text) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << text.toStdString();
    }
    void compose(const QString &source, const QStringList &phones, int tab = 0, int role = 1)
    {
        child<QTabWidget>("twPhonemes")->setCurrentIndex(tab);
        child<QComboBox>("cbRole")->setCurrentIndex(role);
        child<QLineEdit>("leSourceWord")->setText(source);
        press(QStringLiteral("CLEAR"));
        for (const QString &phone : phones)
            press(phone);
    }

    MessageRecorder m_messages;
    SpeakRecorder m_main;
    std::unique_ptr<VocalynePronunciationCorrectorDlg> m_dialog;
};

TEST_F(CorrectorTest, PhonemeButtonsComposeTheTargetOfOneLanguage)
{
    auto *target = child<QLineEdit>("leTargetWord");
    compose(QStringLiteral("hello"),
            {QStringLiteral("h"), QStringLiteral("eh"), QStringLiteral("l"), QStringLiteral("ow")});
    EXPECT_EQ(target->text(), QStringLiteral("h eh l ow "));
    EXPECT_TRUE(m_dialog->isTargetValid(target->text()));
    EXPECT_FALSE(m_dialog->isTargetValid(QStringLiteral("h  eh l ow"))) << "two blanks";
    EXPECT_FALSE(m_dialog->isTargetValid(QStringLiteral("h eh l xx")));
    press(QStringLiteral("&&"));
    EXPECT_EQ(target->text(), QStringLiteral("h eh l ow & "));
    EXPECT_TRUE(m_dialog->isTargetValid(target->text()));

    // Another tab starts afresh, with its own symbols and their case.
    child<QTabWidget>("twPhonemes")->setCurrentIndex(3);
    EXPECT_TRUE(target->text().isEmpty());
    EXPECT_TRUE(m_dialog->isTargetValid(QStringLiteral("pf EH 1 r t")));
    EXPECT_TRUE(m_dialog->isTargetValid(QStringLiteral("pf eh 1 r t")));
    EXPECT_FALSE(m_dialog->isTargetValid(QStringLiteral("th eh")));
    EXPECT_FALSE(m_dialog->isTargetValid(QStringLiteral("PF eh")));
    press(QStringLiteral("pf"));
    press(QStringLiteral("CLEAR"));
    EXPECT_TRUE(target->text().isEmpty());

    // Read Word speaks the phonemes in a pron element; an invalid target is refused.
    compose(QStringLiteral("hello"), {QStringLiteral("h"), QStringLiteral("ow")});
    child<QPushButton>("pbReadWord")->click();
    ASSERT_EQ(m_main.spoken.size(), 1);
    EXPECT_EQ(m_main.spoken[0], QByteArray("<pron sym=\"h ow\"/>"));
    child<QLineEdit>("leTargetWord")->setText(QStringLiteral("h  ow"));
    child<QPushButton>("pbReadWord")->click();
    EXPECT_EQ(m_main.spoken.size(), 1);
    ASSERT_EQ(m_messages.messages.size(), 1);
    EXPECT_TRUE(m_messages.messages[0].text.startsWith(QStringLiteral("Invalid target field")));
}

TEST_F(CorrectorTest, EachTabIsReadWithAVoiceOfItsLanguage)
{
    // The symbols of a tab are read in the phones of the voice's language.
    auto *voice = child<QComboBox>("cbVoice");
    EXPECT_TRUE(voice->currentText().contains(QStringLiteral("English")))
        << "the English tab is shown first";
    const struct
    {
        int tab;
        const char *phone;
        const char *language;
    } tabs[] = {
        {1, "rr", "Spanish"}, {2, "aan", "French"}, {3, "pf", "German"}, {4, "ll", "Italian"}};
    for (const auto &t : tabs) {
        compose(QStringLiteral("word"), {QString::fromLatin1(t.phone)}, t.tab);
        child<QPushButton>("pbReadWord")->click();
        ASSERT_FALSE(m_main.voices.isEmpty());
        EXPECT_TRUE(m_main.voices.last().contains(t.language)) << m_main.voices.last().constData();
    }
    // A voice the user chose for the tab stays.
    voice->setCurrentIndex(voice->findText(QStringLiteral("espeak-ng Italian"), Qt::MatchContains));
    const QString chosen = voice->currentText();
    child<QTabWidget>("twPhonemes")->setCurrentIndex(4);
    EXPECT_EQ(voice->currentText(), chosen);
}

TEST_F(CorrectorTest, AWordIsListedOncePerLanguageAndRole)
{
    auto *table = child<QTableWidget>("twDictionary");
    child<QPushButton>("pbAddWord")->click();
    ASSERT_EQ(m_messages.messages.size(), 1);
    EXPECT_EQ(m_messages.messages[0].text,
              QStringLiteral("The source word and the target word fields must not be empty!"));

    compose(QStringLiteral("tomato"), {QStringLiteral("t"), QStringLiteral("ax")});
    child<QPushButton>("pbAddWord")->click();
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("t ax"));
    EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("English"));
    EXPECT_EQ(table->item(0, 4)->text(), QStringLiteral("Noun"));
    EXPECT_EQ(table->item(0, 6)->text(), QStringLiteral("enabled"));
    EXPECT_FALSE(table->item(0, 1)->flags() & Qt::ItemIsEditable);

    compose(QStringLiteral("tomato"), {QStringLiteral("t"), QStringLiteral("ow")});
    child<QPushButton>("pbAddWord")->click();
    EXPECT_EQ(table->rowCount(), 1);
    EXPECT_EQ(m_messages.messages.last().text,
              QStringLiteral("An entry with the specified source word, language and role already "
                             "exists!"));
    compose(QStringLiteral("tomato"), {QStringLiteral("t"), QStringLiteral("ow")}, 0, 2);
    child<QPushButton>("pbAddWord")->click();
    compose(QStringLiteral("tomato"), {QStringLiteral("t"), QStringLiteral("o")}, 4, 1);
    child<QPushButton>("pbAddWord")->click();
    EXPECT_EQ(table->rowCount(), 3) << "another role and another language are other entries";
    EXPECT_EQ(m_dialog->entries().at(2).langId, 1040);
}

TEST_F(CorrectorTest, AnEntryStoredUnderAnotherInterfaceLanguageIsStillTheSameEntry)
{
    // Stored while the interface was German: the names are German words.
    VocalyneUserDictionary::Entry stored;
    stored.source = QStringLiteral("tomato");
    stored.target = QStringLiteral("t ax");
    stored.langName = QStringLiteral("Englisch");
    stored.langId = 1033;
    stored.partOfSpName = QStringLiteral("Substantiv");
    stored.partOfSpId = QVTTSPartOfSpeechNoun;
    VocalyneUserDictionary::save({stored});
    m_dialog = std::make_unique<VocalynePronunciationCorrectorDlg>(&m_main);
    auto *table = child<QTableWidget>("twDictionary");
    ASSERT_EQ(table->rowCount(), 1);

    compose(QStringLiteral("tomato"), {QStringLiteral("t"), QStringLiteral("ow")});
    child<QPushButton>("pbAddWord")->click();
    EXPECT_EQ(table->rowCount(), 1);
    ASSERT_FALSE(m_messages.messages.isEmpty());
    EXPECT_EQ(m_messages.messages.last().text,
              QStringLiteral("An entry with the specified source word, language and role already "
                             "exists!"));
    VocalyneUserDictionary::save({});
}

TEST_F(CorrectorTest, AcceptStoresTheListAndAppliesItToTheLexicon)
{
    // An entry stored before, also in the lexicon, that the user will remove.
    VocalyneUserDictionary::Entry gone;
    gone.source = QStringLiteral("gone");
    gone.target = QStringLiteral("g ao n");
    gone.langName = QStringLiteral("English");
    gone.langId = 1033;
    gone.partOfSpName = QStringLiteral("Noun");
    gone.partOfSpId = QVTTSPartOfSpeechNoun;
    VocalyneUserDictionary::save({gone});
    ASSERT_EQ(MSSAPIAddRemoveWord("gone", "g ao n", 1033, QVTTSPartOfSpeechNoun, 0), 0);
    ASSERT_EQ(MSSAPIAddRemoveWord("potato", "p ax", 1033, QVTTSPartOfSpeechNoun, 0), 0);
    m_dialog = std::make_unique<VocalynePronunciationCorrectorDlg>(&m_main);
    auto *table = child<QTableWidget>("twDictionary");
    ASSERT_EQ(table->rowCount(), 1);

    compose(QStringLiteral("tomato"), {QStringLiteral("t"), QStringLiteral("ax")});
    child<QPushButton>("pbAddWord")->click();
    compose(QStringLiteral("potato"), {QStringLiteral("p"), QStringLiteral("ax")});
    child<QPushButton>("pbAddWord")->click();
    emit table->cellDoubleClicked(2, 6);
    EXPECT_EQ(table->item(2, 6)->text(), QStringLiteral("disabled"));

    m_messages.answers = {QMessageBox::No, QMessageBox::Yes};
    emit table->cellClicked(0, 0);
    EXPECT_EQ(table->rowCount(), 3) << "No keeps the entry";
    emit table->cellClicked(0, 0);
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(m_messages.messages.last().text,
              QStringLiteral("Do you really want to remove this entry?"));

    m_dialog->accept();
    const QList<VocalyneUserDictionary::Entry> stored = VocalyneUserDictionary::load();
    ASSERT_EQ(stored.size(), 2);
    EXPECT_EQ(stored[0].source, QStringLiteral("tomato"));
    EXPECT_FALSE(stored[1].isEnabled);
    EXPECT_EQ(QSettings().value(QStringLiteral("UserDictionary/1/isEnabled")).toInt(), 0);
    EXPECT_EQ(MSSAPIAddRemoveWord("tomato", "t ax", 1033, QVTTSPartOfSpeechNoun, 1), 0);
    EXPECT_EQ(MSSAPIAddRemoveWord("potato", "p ax", 1033, QVTTSPartOfSpeechNoun, 1), 4)
        << "a disabled entry is removed from the lexicon";
    EXPECT_EQ(MSSAPIAddRemoveWord("gone", "g ao n", 1033, QVTTSPartOfSpeechNoun, 1), 4)
        << "a removed entry is removed from the lexicon";
}

} // namespace
