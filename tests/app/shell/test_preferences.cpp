// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "shellfixture.h"
#include "vocalyneenginehost.h"
#include "vocalyneexportcatalogue.h"
#include "vocalynehistorystore.h"
#include "vocalynepreferencesdlg.h"
#include "vocalynerecentfiles.h"
#include "voicecombouserdata.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

using Values = QMap<QString, QVariant>;

const QString DefaultsGroup = QStringLiteral("DefaultSpeechValues/");

// Every key the dialog edits.
QStringList editedKeys()
{
    QStringList keys;
    for (const char *name :
         {"voiceName", "voiceEngineTypeId", "voiceId", "langId", "speed", "volume", "pitch",
          "voiceOutputFormat", "highlight", "isXml", "audioFormat/strToken", "audioFormat/intToken",
          "audioFormat/audioSamplingRate", "audioFormat/audioChannels", "audioFormat/audioBitRate",
          "simulBatchExpProcNum", "audioFormat/isMP3"})
        keys.append(DefaultsGroup + QString::fromLatin1(name));
    keys << QStringLiteral("DocumentFont/font") << QStringLiteral("FileHistory/record")
         << QStringLiteral("RecentFiles/numOfItems") << QStringLiteral("ClipboardWatch/enabled")
         << QStringLiteral("ClipboardWatch/notify") << QStringLiteral("ClipboardWatch/charLimit");
    return keys;
}

Values storedValues()
{
    QSettings settings;
    Values values;
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key).toString());
    return values;
}

// The dialog beside a main window, whose engine lists the voices as it does
// inside the program; the store is emptied after the window's first-run
// defaults.
class PreferencesTest : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        QSettings().clear();
        voices = VocalyneEngineHost::installedVoices();
        ASSERT_FALSE(voices.isEmpty());
    }

    void open()
    {
        messages.messages.clear();
        dialog = std::make_unique<VocalynePreferencesDlg>();
        loadMessages = messages.messages;
        messages.messages.clear();
    }
    template <typename T> T *child(const char *name) const
    {
        T *widget = dialog->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void press(QDialogButtonBox::StandardButton which)
    {
        child<QDialogButtonBox>("buttonBox")->button(which)->click();
    }
    ExportSettingData currentFormat(const char *combo)
    {
        ExportSettingData data;
        VocalyneExportCatalogue::fromVariant(child<QComboBox>(combo)->currentData(), data);
        return data;
    }

    QList<MessageRecorder::Message> loadMessages;
    QList<VocalyneInstalledVoice> voices;
    std::unique_ptr<VocalynePreferencesDlg> dialog;
};

} // namespace

TEST_F(PreferencesTest, FormShowsItsTabsGroupsAndHelpTexts)
{
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Preferences"));
    auto *tabs = child<QTabWidget>("tabWidget");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Speech"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Content"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Clipboard Watch"));
    EXPECT_EQ(child<QCheckBox>("checkBoxClipboardWatchCharLimit")->text(),
              QStringLiteral("Activate copied text legth constraint"));
    EXPECT_TRUE(child<QWidget>("groupBoxClipboardWatch")
                    ->whatsThis()
                    .contains(QStringLiteral("transferred  (system tray balloon notification).")));
    EXPECT_EQ(child<QSpinBox>("spinBoxCWatchCharLimit")->maximum(), 1000000000);
    EXPECT_EQ(child<QSpinBox>("spinBoxNumRecentMenuItmes")->maximum(), 100);
    EXPECT_EQ(child<QSpinBox>("spinBoxSimultBatchProcesses")->minimum(), 1);

    // Formats: every general row for export, the PCM rows for voices.
    EXPECT_EQ(child<QComboBox>("comboBoxDefExportFormat")->count(), 65);
    auto *voiceFormats = child<QComboBox>("comboBoxVoiceFormat");
    ASSERT_GT(voiceFormats->count(), 0);
    for (int i = 0; i < voiceFormats->count(); ++i) {
        ExportSettingData data;
        ASSERT_TRUE(VocalyneExportCatalogue::fromVariant(voiceFormats->itemData(i), data));
        EXPECT_TRUE(data.strToken.startsWith(QStringLiteral("pcm")));
    }
    EXPECT_EQ(child<QComboBox>("comboBoxDefVoice")->count(), voices.size());
}

TEST_F(PreferencesTest, MissingKeysStartFromTheDefaults)
{
    // Only a voice and a speed stored: the set is incomplete, so the
    // defaults hold for the values, while the stored voice is shown.
    QSettings().setValue(DefaultsGroup + QStringLiteral("voiceName"), voices.last().name);
    QSettings().setValue(DefaultsGroup + QStringLiteral("speed"), 250);
    open();
    EXPECT_TRUE(loadMessages.isEmpty());
    EXPECT_EQ(child<QComboBox>("comboBoxDefVoice")->currentText(), voices.last().name);
    EXPECT_EQ(child<QSpinBox>("spinBoxDefSpeed")->value(), 100);
    EXPECT_EQ(child<QSpinBox>("spinBoxDefVolume")->value(), 100);
    EXPECT_EQ(child<QSpinBox>("spinBoxDefPitch")->value(), 100);
    EXPECT_EQ(currentFormat("comboBoxVoiceFormat").intToken, 18);
    const ExportSettingData format = currentFormat("comboBoxDefExportFormat");
    EXPECT_EQ(format.strToken, QStringLiteral("pcm16"));
    EXPECT_EQ(format.audioSamplingRate, 16000);
    EXPECT_EQ(format.audioChannels, 1);
    EXPECT_TRUE(child<QCheckBox>("checkBoxDefExportIsMP3")->isChecked());
    EXPECT_EQ(child<QSpinBox>("spinBoxSimultBatchProcesses")->value(), 3);
    EXPECT_TRUE(child<QCheckBox>("checkBoxHighlight")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("checkBoxIsXML")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("checkBoxSaveToHist")->isChecked());
    EXPECT_EQ(child<QSpinBox>("spinBoxNumRecentMenuItmes")->value(), 5);
    EXPECT_FALSE(child<QCheckBox>("checkBoxWatchClipboard")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("checkBoxClipboardWatchNotify")->isEnabled());
    EXPECT_FALSE(child<QSpinBox>("spinBoxCWatchCharLimit")->isEnabled());
}

TEST_F(PreferencesTest, EveryKeyRoundTripsThroughOk)
{
    const VocalyneInstalledVoice &voice = voices.size() > 1 ? voices.at(1) : voices.at(0);
    const QList<ExportSettingData> general = VocalyneExportCatalogue::generalList();
    // A WAV format that is not the default, and a voice format other than 18.
    ExportSettingData format;
    for (const ExportSettingData &row : general)
        if (row.intToken != 18 && VocalyneExportCatalogue::isMp3Allowed(row.strToken) &&
            row.audioChannels == 2)
            format = row;
    ASSERT_FALSE(format.strToken.isEmpty());
    int voiceFormat = 0;
    for (const ExportSettingData &row : VocalyneExportCatalogue::rows())
        if (row.strToken == QStringLiteral("pcm8") && row.intToken != 18)
            voiceFormat = row.intToken;
    ASSERT_NE(voiceFormat, 0);
    QFont font(QStringLiteral("Serif"), 17);
    font.setItalic(true);

    const Values stored = {
        {DefaultsGroup + QStringLiteral("voiceName"), voice.name},
        {DefaultsGroup + QStringLiteral("voiceEngineTypeId"), QString::number(voice.engineTypeId)},
        {DefaultsGroup + QStringLiteral("voiceId"), QString::number(voice.voiceId)},
        {DefaultsGroup + QStringLiteral("langId"), QString::number(voice.langId)},
        {DefaultsGroup + QStringLiteral("speed"), QStringLiteral("150")},
        {DefaultsGroup + QStringLiteral("volume"), QStringLiteral("80")},
        {DefaultsGroup + QStringLiteral("pitch"), QStringLiteral("120")},
        {DefaultsGroup + QStringLiteral("voiceOutputFormat"), QString::number(voiceFormat)},
        {DefaultsGroup + QStringLiteral("highlight"), QStringLiteral("0")},
        {DefaultsGroup + QStringLiteral("isXml"), QStringLiteral("0")},
        {DefaultsGroup + QStringLiteral("audioFormat/strToken"), format.strToken},
        {DefaultsGroup + QStringLiteral("audioFormat/intToken"), QString::number(format.intToken)},
        {DefaultsGroup + QStringLiteral("audioFormat/audioSamplingRate"),
         QString::number(format.audioSamplingRate)},
        {DefaultsGroup + QStringLiteral("audioFormat/audioChannels"),
         QString::number(format.audioChannels)},
        {DefaultsGroup + QStringLiteral("audioFormat/audioBitRate"),
         QString::number(format.audioBitRate)},
        {DefaultsGroup + QStringLiteral("simulBatchExpProcNum"), QStringLiteral("7")},
        {DefaultsGroup + QStringLiteral("audioFormat/isMP3"), QStringLiteral("0")},
        {QStringLiteral("DocumentFont/font"), font.toString()},
        {QStringLiteral("FileHistory/record"), QStringLiteral("0")},
        {QStringLiteral("RecentFiles/numOfItems"), QStringLiteral("9")},
        {QStringLiteral("ClipboardWatch/enabled"), QStringLiteral("1")},
        {QStringLiteral("ClipboardWatch/notify"), QStringLiteral("0")},
        {QStringLiteral("ClipboardWatch/charLimit"), QStringLiteral("350")},
    };
    ASSERT_EQ(stored.keys(), [] {
        QStringList keys = editedKeys();
        keys.sort();
        return keys;
    }());
    {
        QSettings settings;
        for (auto it = stored.begin(); it != stored.end(); ++it)
            settings.setValue(it.key(), it.value());
    }

    open();
    EXPECT_EQ(child<QComboBox>("comboBoxDefVoice")->currentText(), voice.name);
    EXPECT_EQ(child<QSpinBox>("spinBoxDefSpeed")->value(), 150);
    EXPECT_EQ(child<QSpinBox>("spinBoxDefVolume")->value(), 80);
    EXPECT_EQ(child<QSpinBox>("spinBoxDefPitch")->value(), 120);
    EXPECT_TRUE(currentFormat("comboBoxDefExportFormat").sameFormat(format));
    EXPECT_EQ(currentFormat("comboBoxVoiceFormat").intToken, voiceFormat);
    EXPECT_FALSE(child<QCheckBox>("checkBoxDefExportIsMP3")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("checkBoxDefExportIsMP3")->isEnabled());
    EXPECT_EQ(dialog->documentFont(), font);
    EXPECT_TRUE(child<QCheckBox>("checkBoxClipboardWatchNotify")->isEnabled());
    EXPECT_TRUE(child<QCheckBox>("checkBoxClipboardWatchCharLimit")->isChecked());
    EXPECT_EQ(child<QSpinBox>("spinBoxCWatchCharLimit")->value(), 350);

    QSettings().clear();
    press(QDialogButtonBox::Ok);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(storedValues(), stored);
}

TEST_F(PreferencesTest, RestoreDefaultsWritesNothingUntilOk)
{
    {
        QSettings settings;
        settings.setValue(DefaultsGroup + QStringLiteral("voiceName"), voices.last().name);
        settings.setValue(DefaultsGroup + QStringLiteral("speed"), 150);
        settings.setValue(QStringLiteral("RecentFiles/numOfItems"), 12);
        settings.setValue(QStringLiteral("ClipboardWatch/enabled"), 1);
        settings.setValue(QStringLiteral("ClipboardWatch/charLimit"), 40);
        settings.setValue(QStringLiteral("FileHistory/record"), 0);
    }
    const Values before = storedValues();
    open();
    child<QSpinBox>("spinBoxDefVolume")->setValue(42);
    press(QDialogButtonBox::RestoreDefaults);
    EXPECT_EQ(child<QComboBox>("comboBoxDefVoice")->currentIndex(), 0);
    EXPECT_EQ(child<QSpinBox>("spinBoxDefVolume")->value(), 100);
    EXPECT_EQ(child<QSpinBox>("spinBoxNumRecentMenuItmes")->value(), 5);
    EXPECT_FALSE(child<QCheckBox>("checkBoxWatchClipboard")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("checkBoxClipboardWatchCharLimit")->isChecked());
    EXPECT_EQ(child<QSpinBox>("spinBoxCWatchCharLimit")->value(), 0);
    EXPECT_TRUE(child<QCheckBox>("checkBoxSaveToHist")->isChecked());
    EXPECT_EQ(currentFormat("comboBoxDefExportFormat").intToken, 18);
    EXPECT_EQ(storedValues(), before);
    press(QDialogButtonBox::Cancel);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(storedValues(), before);

    open();
    press(QDialogButtonBox::RestoreDefaults);
    press(QDialogButtonBox::Ok);
    QSettings settings;
    EXPECT_EQ(settings.value(DefaultsGroup + QStringLiteral("voiceName")).toString(),
              voices.first().name);
    EXPECT_EQ(settings.value(DefaultsGroup + QStringLiteral("speed")).toInt(), 100);
    EXPECT_EQ(settings.value(QStringLiteral("RecentFiles/numOfItems")).toInt(), 5);
    EXPECT_EQ(settings.value(QStringLiteral("ClipboardWatch/enabled")).toInt(), 0);
    EXPECT_EQ(settings.value(QStringLiteral("ClipboardWatch/charLimit")).toInt(), 0);
    EXPECT_EQ(settings.value(QStringLiteral("FileHistory/record")).toInt(), 1);
    EXPECT_EQ(settings.value(QStringLiteral("DocumentFont/font")).toString(), QFont().toString());
}

TEST_F(PreferencesTest, ClipboardWatchBoxesFollowEachOther)
{
    open();
    auto *watch = child<QCheckBox>("checkBoxWatchClipboard");
    auto *notify = child<QCheckBox>("checkBoxClipboardWatchNotify");
    auto *limit = child<QCheckBox>("checkBoxClipboardWatchCharLimit");
    auto *limitSpin = child<QSpinBox>("spinBoxCWatchCharLimit");
    watch->click();
    EXPECT_TRUE(notify->isEnabled());
    EXPECT_TRUE(notify->isChecked());
    EXPECT_TRUE(limit->isEnabled());
    EXPECT_FALSE(limit->isChecked());
    limit->click();
    EXPECT_TRUE(limitSpin->isEnabled());
    EXPECT_TRUE(child<QLabel>("labelCBWatchCharLimit")->isEnabled());
    EXPECT_EQ(limitSpin->value(), 200);
    limit->click();
    EXPECT_EQ(limitSpin->value(), 0);
    EXPECT_FALSE(limitSpin->isEnabled());
    press(QDialogButtonBox::Ok);
    QSettings settings;
    EXPECT_EQ(settings.value(QStringLiteral("ClipboardWatch/enabled")).toInt(), 1);
    EXPECT_EQ(settings.value(QStringLiteral("ClipboardWatch/notify")).toInt(), 1);
    EXPECT_EQ(settings.value(QStringLiteral("ClipboardWatch/charLimit")).toInt(), 0);

    open();
    child<QCheckBox>("checkBoxClipboardWatchCharLimit")->click();
    child<QCheckBox>("checkBoxWatchClipboard")->click(); // off again
    EXPECT_FALSE(child<QCheckBox>("checkBoxClipboardWatchNotify")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("checkBoxClipboardWatchCharLimit")->isChecked());
    EXPECT_EQ(child<QSpinBox>("spinBoxCWatchCharLimit")->value(), 0);
}

TEST_F(PreferencesTest, VoiceChoiceSetsTheEngineRangesAndHundreds)
{
    open();
    auto *combo = child<QComboBox>("comboBoxDefVoice");
    auto *pitch = child<QSpinBox>("spinBoxDefPitch");
    pitch->setValue(150);
    // A voice of engine type 2 has no pitch range at all.
    combo->addItem(QStringLiteral("Type two"),
                   QVariant::fromValue(VoiceComboUserData{2, 7, 0x0409}));
    dialog->syncSpinsWithVoiceCombo(combo->count() - 1);
    EXPECT_EQ(pitch->minimum(), 0);
    EXPECT_EQ(pitch->maximum(), 0);
    EXPECT_EQ(child<QSpinBox>("spinBoxDefSpeed")->maximum(), 800);
    EXPECT_EQ(child<QSpinBox>("spinBoxDefSpeed")->value(), 100);
    dialog->syncSpinsWithVoiceCombo(0);
    EXPECT_EQ(pitch->value(), 100);
}

TEST_F(PreferencesTest, MaintenanceButtonsActAtOnceWhateverTheOutcome)
{
    {
        QSettings settings;
        settings.setValue(QStringLiteral("RecentFiles/numOfItems"), 7);
        VocalyneRecentFiles::record(settings, QStringLiteral("/a.t2s"));
        VocalyneRecentFiles::record(settings, QStringLiteral("/b.t2s"));
    }
    VocalyneHistoryStore store;
    store.remove();
    ASSERT_TRUE(store.record(QStringLiteral("/a.t2s"), QDate::currentDate()).ok());
    open();

    messages.answers = {QMessageBox::No, QMessageBox::No};
    child<QPushButton>("pushButtonClearRecentMenu")->click();
    child<QPushButton>("pushButtonClearHist")->click();
    {
        QSettings settings;
        EXPECT_EQ(VocalyneRecentFiles::paths(settings).size(), 2);
    }
    EXPECT_EQ(store.entryCount(), 1);

    messages.answers = {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes};
    child<QPushButton>("pushButtonClearRecentMenu")->click();
    child<QPushButton>("pushButtonClearHist")->click();
    child<QPushButton>("pushButtonCompactHistDB")->click();
    press(QDialogButtonBox::Cancel);
    ASSERT_EQ(messages.messages.size(), 5); // the questions, no failure
    EXPECT_TRUE(messages.messages[4].text.startsWith(
        QStringLiteral("Are you sure you want to compact and repair the history?")));
    QSettings settings;
    EXPECT_TRUE(VocalyneRecentFiles::paths(settings).isEmpty());
    EXPECT_EQ(settings.value(QStringLiteral("RecentFiles/numOfItems")).toInt(), 7);
    EXPECT_EQ(store.entryCount(), 0);
}

TEST_F(PreferencesTest, PreferencesCommandShowsTheDialogAndCancelWritesNothing)
{
    QSettings().setValue(QStringLiteral("RecentFiles/numOfItems"), 8);
    const Values before = storedValues();
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            shown = modal->objectName();
            modal->findChild<QSpinBox *>(QStringLiteral("spinBoxNumRecentMenuItmes"))->setValue(2);
            modal->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
                ->button(QDialogButtonBox::Cancel)
                ->click();
        }
    });
    window->mainWindowAction(QStringLiteral("actionPreferences"))->trigger();
    EXPECT_EQ(shown, QStringLiteral("VocalynePreferencesDlg"));
    EXPECT_EQ(storedValues(), before);
}
