// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Export to audio through the main window's commands: the wizard's pages
// and format rules, the quick export's proposed names and filters, and real
// exports by the worker program read back with libsndfile.
#include "shellfixture.h"
#include "vocalyneexportcatalogue.h"
#include "vocalyneexporter.h"
#include "vocalyneexportprocess.h"
#include "vocalyneexportstarter.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWizardPage>

#include <functional>
#include <sndfile.h>

namespace {

struct SoundInfo
{
    bool opened = false;
    int format = 0;
    int sampleRate = 0;
    int channels = 0;
    sf_count_t frames = 0;
};

SoundInfo soundInfo(const QString &path)
{
    SoundInfo result;
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return result;
    sf_close(file);
    result.opened = true;
    result.format = info.format & SF_FORMAT_TYPEMASK;
    result.sampleRate = info.samplerate;
    result.channels = info.channels;
    result.frames = info.frames;
    return result;
}

class ExportWizardTest : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        window->exportStarter()->setWorkerProgram(QStringLiteral(VOCALYNE_EXPORTER_PROGRAM));
        edit = window->currentDocumentEdit();
        typeText(edit, QStringLiteral("Hello there. This is a short export."));
    }

    void TearDown() override
    {
        // Nothing may run on when the window goes.
        EXPECT_TRUE(QTest::qWaitFor([this] { return workers().isEmpty(); }, 30000));
        ShellTest::TearDown();
    }

    QList<VocalyneExportProcess *> workers() const
    {
        return window->findChildren<VocalyneExportProcess *>();
    }

    /// Triggers action and runs script on the wizard it opens; false when
    /// no wizard opened.
    bool withWizard(QAction *action, const std::function<void(VocalyneExporter *)> &script)
    {
        bool opened = false;
        QTimer::singleShot(0, window.get(), [&] {
            if (auto *wizard = window->findChild<VocalyneExporter *>()) {
                opened = true;
                script(wizard);
            }
        });
        action->trigger();
        return opened;
    }

    bool waitForMessage()
    {
        return QTest::qWaitFor([this] { return !messages.messages.isEmpty(); }, 60000);
    }

    QAction *exportAction() const
    {
        return window->mainWindowAction(QStringLiteral("actionExport"));
    }
    QAction *quickAction() const
    {
        return window->mainWindowAction(QStringLiteral("actionQuick_Export"));
    }

    static int indexOfName(const QComboBox *combo, const QString &name)
    {
        return combo->findText(name);
    }

    VocalyneDocumentEdit *edit = nullptr;
};

} // namespace

TEST_F(ExportWizardTest, CommandsAreEnabledWithTheirShortcuts)
{
    EXPECT_TRUE(exportAction()->isEnabled());
    EXPECT_TRUE(quickAction()->isEnabled());
    EXPECT_EQ(exportAction()->shortcut().toString(), QStringLiteral("Ctrl+F7"));
    EXPECT_EQ(quickAction()->shortcut().toString(), QStringLiteral("Ctrl+Shift+F7"));
    EXPECT_EQ(window->lastExportFolder(), QDir::homePath());
}

TEST_F(ExportWizardTest, WizardExportsARealFileInTheChosenFormat)
{
    const QString name = QStringLiteral("WAV 22.05 KHz 16 bit Stereo");
    QStringList titles;
    QString whatsThisOnFormatPage;
    QString review;
    bool mp3ShownAtStart = false;
    bool mp3CheckedAtStart = false;
    QString startFormat;
    int formats = 0;
    // A name typed without an extension gets the proposed one.
    dialogs.saveAnswers << dir.filePath(QStringLiteral("speech"));

    ASSERT_TRUE(withWizard(exportAction(), [&](VocalyneExporter *wizard) {
        titles << wizard->windowTitle();
        for (int id : wizard->pageIds())
            titles << wizard->page(id)->title();
        formats = wizard->formatCombo()->count();
        // First-run defaults: 16 kHz 16 bit mono, converted to MP3.
        startFormat = wizard->formatCombo()->currentText();
        mp3ShownAtStart = !wizard->mp3CheckBox()->isHidden();
        mp3CheckedAtStart = wizard->mp3CheckBox()->isChecked();
        wizard->next();
        whatsThisOnFormatPage = wizard->whatsThis();
        wizard->formatCombo()->setCurrentIndex(indexOfName(wizard->formatCombo(), name));
        wizard->mp3CheckBox()->setChecked(false);
        wizard->next();
        review = wizard->reviewLabel()->text();
        wizard->accept();
    }));

    EXPECT_EQ(titles,
              (QStringList{QStringLiteral("Vocalyne Export Wizard"),
                           QStringLiteral("Vocalyne Export Wizard"), QStringLiteral("Audio Format"),
                           QStringLiteral("Review and Finish")}));
    EXPECT_EQ(formats, 65);
    EXPECT_EQ(startFormat, QStringLiteral("WAV 16 KHz 16 bit Mono"));
    EXPECT_TRUE(mp3ShownAtStart);
    EXPECT_TRUE(mp3CheckedAtStart);
    EXPECT_TRUE(whatsThisOnFormatPage.startsWith(QStringLiteral("<ol><li>Select your preferred")));
    EXPECT_TRUE(review.startsWith(QStringLiteral("You selected <b>") + name +
                                  QStringLiteral("</b>  for the format")))
        << review.toStdString();

    EXPECT_EQ(dialogs.asked, QStringList{QStringLiteral("Export to Audio")});
    EXPECT_EQ(dialogs.lastProposal, QDir::home().filePath(QStringLiteral("Untitled.wav")));
    EXPECT_EQ(dialogs.lastFilter, QStringLiteral("WAV files (*.wav)"));
    ASSERT_TRUE(waitForMessage());
    EXPECT_EQ(messages.messages.first().text, QStringLiteral("Export successful!"));

    const SoundInfo info = soundInfo(dir.filePath(QStringLiteral("speech.wav")));
    ASSERT_TRUE(info.opened);
    EXPECT_EQ(info.format, SF_FORMAT_WAV);
    EXPECT_EQ(info.sampleRate, 22050);
    EXPECT_EQ(info.channels, 2);
    EXPECT_GT(info.frames, 22050 / 2);
    EXPECT_EQ(window->lastExportFolder(), dir.path());
}

TEST_F(ExportWizardTest, Mp3OptionFollowsTheFormatAndIsNotRestored)
{
    bool hiddenForGsm = false;
    bool checkedAfterReturn = true;
    bool shownAfterReturn = false;
    QString reviewWithMp3;
    ASSERT_TRUE(withWizard(exportAction(), [&](VocalyneExporter *wizard) {
        QComboBox *combo = wizard->formatCombo();
        QCheckBox *mp3 = wizard->mp3CheckBox();
        combo->setCurrentIndex(indexOfName(combo, QStringLiteral("WAV 8 KHz 16 bit Mono")));
        mp3->setChecked(true);
        reviewWithMp3 = wizard->reviewLabel()->text();
        combo->setCurrentIndex(indexOfName(combo, QStringLiteral("GSM 8 kHz Mono")));
        hiddenForGsm = mp3->isHidden() && !mp3->isChecked();
        combo->setCurrentIndex(indexOfName(combo, QStringLiteral("WAV 8 KHz 16 bit Mono")));
        checkedAfterReturn = mp3->isChecked();
        shownAfterReturn = !mp3->isHidden();
        wizard->reject();
    }));
    EXPECT_TRUE(reviewWithMp3.contains(QStringLiteral(
        "<b>WAV 8 KHz 16 bit Mono</b> (will be converted to an MP3 file) for the format")));
    EXPECT_TRUE(hiddenForGsm);
    EXPECT_FALSE(checkedAfterReturn);
    EXPECT_TRUE(shownAfterReturn);
    // Cancelled: nothing asked, nothing started, the folder unchanged.
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_TRUE(workers().isEmpty());
    EXPECT_EQ(window->lastExportFolder(), QDir::homePath());
}

TEST_F(ExportWizardTest, EngineTypeFourIsOfferedOnlyAiffAndQuickExportsAiff)
{
    edit->setEngineTypeId(4);
    // Stored settings of another format must not matter.
    {
        QSettings settings;
        VocalyneExportCatalogue::writeStored(settings, VocalyneExportCatalogue::row(33));
    }
    QStringList entries;
    bool mp3Hidden = false;
    ASSERT_TRUE(withWizard(exportAction(), [&](VocalyneExporter *wizard) {
        for (int i = 0; i < wizard->formatCombo()->count(); ++i)
            entries << wizard->formatCombo()->itemText(i);
        mp3Hidden = wizard->mp3CheckBox()->isHidden() && !wizard->mp3CheckBox()->isChecked();
        wizard->reject();
    }));
    EXPECT_EQ(entries, QStringList{QStringLiteral("AIFF (Audio Interchange File Format)")});
    EXPECT_TRUE(mp3Hidden);

    dialogs.saveAnswers << dir.filePath(QStringLiteral("four.aiff"));
    quickAction()->trigger();
    EXPECT_EQ(dialogs.lastProposal, QDir::home().filePath(QStringLiteral("Untitled.aiff")));
    EXPECT_EQ(dialogs.lastFilter, QStringLiteral("AIFF files (*.aiff)"));
    const QList<VocalyneExportProcess *> started = workers();
    ASSERT_EQ(started.size(), 1);
    const QStringList arguments = started.first()->arguments();
    ASSERT_EQ(arguments.size(), 18);
    EXPECT_EQ(arguments.at(0), QStringLiteral("4"));
    // Stream format, token, rate, channels and no MP3.
    EXPECT_EQ(arguments.mid(11, 4), (QStringList{QStringLiteral("16"), QStringLiteral("aiff"),
                                                 QStringLiteral("16000"), QStringLiteral("1")}));
    EXPECT_EQ(arguments.at(16), QStringLiteral("0"));
}

TEST_F(ExportWizardTest, QuickExportProposesNamesAndFiltersFromTheStoredFormat)
{
    // First-run defaults convert to MP3.
    quickAction()->trigger();
    EXPECT_EQ(dialogs.lastProposal, QDir::home().filePath(QStringLiteral("Untitled.mp3")));
    EXPECT_EQ(dialogs.lastFilter, QStringLiteral("MP3 files (*.mp3)"));
    EXPECT_TRUE(workers().isEmpty());
    EXPECT_EQ(window->lastExportFolder(), QDir::homePath());

    // The AU row proposes ".snd" under the "*.au" filter, and writes a real
    // AU file.
    {
        QSettings settings;
        VocalyneExportCatalogue::writeStored(settings, VocalyneExportCatalogue::row(67));
    }
    dialogs.saveAnswers << dir.filePath(QStringLiteral("quick.au"));
    quickAction()->trigger();
    EXPECT_EQ(dialogs.lastProposal, QDir::home().filePath(QStringLiteral("Untitled.snd")));
    EXPECT_EQ(dialogs.lastFilter, QStringLiteral("AU SND files (*.au)"));
    ASSERT_TRUE(waitForMessage());
    EXPECT_EQ(messages.messages.first().text, QStringLiteral("Export successful!"));
    const SoundInfo info = soundInfo(dir.filePath(QStringLiteral("quick.au")));
    ASSERT_TRUE(info.opened);
    EXPECT_EQ(info.format, SF_FORMAT_AU);
    EXPECT_EQ(info.sampleRate, 8000);
    EXPECT_GT(info.frames, 0);

    // The next export proposes the folder of this one.
    quickAction()->trigger();
    EXPECT_EQ(dialogs.lastProposal, dir.filePath(QStringLiteral("Untitled.snd")));
}

TEST_F(ExportWizardTest, EmptyTextIsReportedBeforeAnyDialog)
{
    typeText(edit, QString());
    const QString expected = QStringLiteral("Please enter text to be exported to audio.");
    EXPECT_FALSE(withWizard(exportAction(), [](VocalyneExporter *wizard) { wizard->reject(); }));
    quickAction()->trigger();
    ASSERT_EQ(messages.messages.size(), 2);
    for (const MessageRecorder::Message &message : messages.messages) {
        EXPECT_EQ(message.title, QStringLiteral("Error"));
        EXPECT_EQ(message.text, expected);
    }
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_TRUE(workers().isEmpty());
}
