// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The batch table's rows as the user edits them (voice and format menus,
// range checks, the file and folder pickers), the overwrite question, rows
// whose worker cannot start, and speech documents spoken in a batch as they
// are spoken in the editor.
#include "batchexportfixture.h"
#include "speechtextsource.h"
#include "vocalyneexporterformataction.h"
#include "vocalyneexportervoiceaction.h"
#include "vocalynesettingskeys.h"
#include "vocalynespeechtextbuilder.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWizardPage>

#include <sndfile.h>

namespace {

const QString kInProgress = QStringLiteral("Export in progress...");
const QString kSuccess = QStringLiteral("Export successful!");
const QString kFinished =
    QStringLiteral("Batch Export Finished!\nHit \"Next\" to view the export log.");

void clickCell(VocalyneExporter *wizard, int row, int column)
{
    QTableWidget *table = wizard->table();
    QTableWidgetItem *item = table->item(row, column);
    table->scrollToItem(item);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(item).center());
}

VocalyneExporterFormatAction *formatAction(VocalyneExporter *wizard, const QString &token, int rate,
                                           int channels)
{
    for (QAction *action : wizard->formatMenu()->actions()) {
        auto *format = qobject_cast<VocalyneExporterFormatAction *>(action);
        if (format && format->strToken() == token && format->audioSamplingRate() == rate &&
            format->audioChannels() == channels)
            return format;
    }
    return nullptr;
}

SF_INFO soundInfo(const QString &path)
{
    SF_INFO info{};
    if (SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info))
        sf_close(file);
    return info;
}

QStringList messageTexts(const MessageRecorder &recorder)
{
    QStringList texts;
    for (const MessageRecorder::Message &message : recorder.messages)
        texts << message.text;
    return texts;
}

} // namespace

TEST_F(BatchExportTest, VoiceAndFormatMenusSetTheRowAndItsWorkerUsesThem)
{
    const QString a = textFile(QStringLiteral("a.txt"));
    const QString b = textFile(QStringLiteral("b.txt"));
    const QList<QPair<QString, VoiceComboUserData>> voices = window->exportVoices();
    ASSERT_GE(voices.size(), 2);
    const QPair<QString, VoiceComboUserData> chosen = voices.last();
    QStringList statuses;
    QString log;
    ASSERT_TRUE(withBatchWizard([&](VocalyneExporter *wizard) {
        wizard->setOutputFolder(out);
        wizard->addFiles({a, b});
        wizard->next();

        const QList<QAction *> voiceActions = wizard->voiceMenu()->actions();
        ASSERT_EQ(voiceActions.size(), voices.size());
        for (int i = 0; i < voices.size(); ++i) {
            auto *action = qobject_cast<VocalyneExporterVoiceAction *>(voiceActions.at(i));
            ASSERT_NE(action, nullptr);
            EXPECT_EQ(action->text(), voices.at(i).first);
            EXPECT_EQ(action->voice(), voices.at(i).second);
        }

        // The Voice cell pops the Voice menu; the choice lands in that row.
        clickCell(wizard, 1, VocalyneExporter::VoiceColumn);
        EXPECT_TRUE(wizard->voiceMenu()->isVisible());
        voiceActions.last()->trigger();
        wizard->voiceMenu()->hide();
        const BatchExportItem &second = wizard->items().at(1);
        EXPECT_EQ(second.voiceName, chosen.first);
        EXPECT_EQ(second.voiceEngineTypeId, chosen.second.engineTypeId);
        EXPECT_EQ(second.voiceId, chosen.second.voiceId);
        EXPECT_EQ(second.langId, chosen.second.langId);
        EXPECT_EQ(cell(wizard, 1, VocalyneExporter::VoiceColumn), chosen.first);
        EXPECT_NE(wizard->items().at(0).voiceName, chosen.first);

        // A new format keeps the row's MP3 choice and its extension.
        VocalyneExporterFormatAction *ulaw = formatAction(wizard, QStringLiteral("ulaw"), 8000, 1);
        VocalyneExporterFormatAction *gsm = formatAction(wizard, QStringLiteral("gsm"), 8000, 1);
        ASSERT_NE(ulaw, nullptr);
        ASSERT_NE(gsm, nullptr);
        emit wizard->table()->cellDoubleClicked(0, VocalyneExporter::Mp3Column);
        EXPECT_EQ(cell(wizard, 0, VocalyneExporter::OutputColumn), QStringLiteral("a.txt.mp3"));
        clickCell(wizard, 0, VocalyneExporter::FormatColumn);
        EXPECT_TRUE(wizard->formatMenu()->isVisible());
        ulaw->trigger();
        wizard->formatMenu()->hide();
        EXPECT_EQ(cell(wizard, 0, VocalyneExporter::OutputColumn), QStringLiteral("a.txt.mp3"));
        EXPECT_EQ(cell(wizard, 0, VocalyneExporter::FormatColumn), ulaw->text());
        emit wizard->table()->cellDoubleClicked(0, VocalyneExporter::Mp3Column);
        EXPECT_EQ(cell(wizard, 0, VocalyneExporter::OutputColumn), QStringLiteral("a.txt.wav"));
        clickCell(wizard, 1, VocalyneExporter::FormatColumn);
        gsm->trigger();
        wizard->formatMenu()->hide();
        EXPECT_EQ(cell(wizard, 1, VocalyneExporter::OutputColumn), QStringLiteral("b.txt.gsm"));
        EXPECT_EQ(wizard->items().at(1).intToken, gsm->intToken());

        wizard->next();
        ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->batchFinished(); }, 120000));
        for (int row = 0; row < 2; ++row)
            statuses << cell(wizard, row, VocalyneExporter::StatusColumn);
        wizard->next();
        log = wizard->logEdit()->toPlainText();
    }));
    EXPECT_EQ(statuses, QStringList(2, kSuccess));
    // The workers wrote what the rows asked for.
    const SF_INFO first = soundInfo(QDir(out).filePath(QStringLiteral("a.txt.wav")));
    EXPECT_EQ(first.format & SF_FORMAT_TYPEMASK, SF_FORMAT_WAV);
    EXPECT_EQ(first.format & SF_FORMAT_SUBMASK, SF_FORMAT_ULAW);
    EXPECT_EQ(first.samplerate, 8000);
    EXPECT_EQ(first.channels, 1);
    EXPECT_GT(first.frames, 8000);
    const SF_INFO second = soundInfo(QDir(out).filePath(QStringLiteral("b.txt.gsm")));
    EXPECT_EQ(second.format & SF_FORMAT_SUBMASK, SF_FORMAT_GSM610);
    EXPECT_GT(second.frames, 8000);
    EXPECT_TRUE(
        log.section(QLatin1Char('\n'), 1, 1).contains(QStringLiteral("Voice: ") + chosen.first));
}

TEST_F(BatchExportTest, ProsodyIsCheckedAgainstTheRangesOfTheRowsVoice)
{
    const QString a = textFile(QStringLiteral("a.txt"));
    QStringList typeTwo;
    QStringList typeThree;
    ASSERT_TRUE(withBatchWizard([&](VocalyneExporter *wizard) {
        wizard->addFiles({a, a});
        QTableWidget *table = wizard->table();
        VocalyneExporterVoiceAction otherFamily(QStringLiteral("Other family"), {2, 7, 0x409},
                                                nullptr);
        table->setCurrentCell(0, VocalyneExporter::VoiceColumn);
        wizard->onVoiceChanged(&otherFamily);
        ASSERT_EQ(wizard->items().at(0).voiceEngineTypeId, 2);

        messages.messages.clear();
        table->item(0, VocalyneExporter::SpeedColumn)->setText(QStringLiteral("1000"));
        table->item(0, VocalyneExporter::PitchColumn)->setText(QStringLiteral("5"));
        table->item(0, VocalyneExporter::VolumeColumn)->setText(QStringLiteral("450"));
        typeTwo = messageTexts(messages);
        EXPECT_EQ(cell(wizard, 0, VocalyneExporter::SpeedColumn), QStringLiteral("100"));
        // 100 is no pitch of this family: the cell takes the one it has.
        EXPECT_EQ(cell(wizard, 0, VocalyneExporter::PitchColumn), QStringLiteral("0"));
        EXPECT_EQ(wizard->items().at(0).pitch, 0);
        EXPECT_EQ(wizard->items().at(0).volume, 450);

        messages.messages.clear();
        table->item(1, VocalyneExporter::VolumeColumn)->setText(QStringLiteral("450"));
        table->item(1, VocalyneExporter::SpeedColumn)->setText(QStringLiteral("fast"));
        typeThree = messageTexts(messages);
        EXPECT_EQ(wizard->items().at(1).volume, 100);
        EXPECT_EQ(cell(wizard, 1, VocalyneExporter::VolumeColumn), QStringLiteral("100"));
    }));
    EXPECT_EQ(typeTwo,
              (QStringList{QStringLiteral("Invalid speed!\nPlease enter a valid number between 13 "
                                          "and 800."),
                           QStringLiteral("Invalid pitch!\nPlease enter a valid number between 0 "
                                          "and 0.")}));
    EXPECT_EQ(typeThree,
              (QStringList{QStringLiteral("Invalid volume!\nPlease enter a valid number between 0 "
                                          "and 100."),
                           QStringLiteral("Invalid speed!\nPlease enter a valid number between 30 "
                                          "and 350.")}));
}

TEST_F(BatchExportTest, PickersFillTheFolderAndTheRowsAndACancelledFolderIsRefused)
{
    const QString a = textFile(QStringLiteral("a.txt"));
    const QString b = textFile(QStringLiteral("b.txt"));
    dialogs.folderAnswers << out;
    dialogs.openManyAnswers << QStringList{a, b};
    QStringList afterCancel;
    ASSERT_TRUE(withBatchWizard([&](VocalyneExporter *wizard) {
        wizard->next();
        QList<QPushButton *> browse;
        for (QPushButton *button :
             wizard->page(VocalyneExporter::BatchFilesPage)->findChildren<QPushButton *>())
            if (button->text() == QStringLiteral("Browse..."))
                browse << button;
        ASSERT_EQ(browse.size(), 2);
        browse.at(0)->click();
        EXPECT_EQ(wizard->outputFolder(), out);
        EXPECT_EQ(wizard->findChild<QLineEdit *>()->text(), out);
        browse.at(1)->click();
        ASSERT_EQ(wizard->items().size(), 2);
        EXPECT_EQ(cell(wizard, 1, VocalyneExporter::InputColumn), b);

        // Cancelling the folder dialog empties the folder.
        browse.at(0)->click();
        EXPECT_TRUE(wizard->outputFolder().isEmpty());
        messages.messages.clear();
        wizard->next();
        afterCancel = messageTexts(messages);
        EXPECT_EQ(wizard->currentId(), int(VocalyneExporter::BatchFilesPage));
    }));
    EXPECT_EQ(dialogs.asked, (QStringList{QStringLiteral("Select output folder:"),
                                          QStringLiteral("Select one or more files to convert"),
                                          QStringLiteral("Select output folder:")}));
    EXPECT_EQ(afterCancel, QStringList{QStringLiteral(
                               "You must select an output folder in order to continue.")});
}

TEST_F(BatchExportTest, AnsweringCancelToTheOverwriteQuestionStartsNothing)
{
    const QString a = textFile(QStringLiteral("a.txt"));
    const QString existing = QDir(out).filePath(QStringLiteral("a.txt.wav"));
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("the user's own file");
    file.close();

    QList<MessageRecorder::Message> asked;
    bool startedAfterCancel = true;
    QString status;
    ASSERT_TRUE(withBatchWizard([&](VocalyneExporter *wizard) {
        wizard->setOutputFolder(out);
        wizard->addFiles({a});
        wizard->next();
        messages.messages.clear();
        messages.answers << QMessageBox::Cancel;
        wizard->next();
        asked = messages.messages;
        startedAfterCancel = window->exportBatch() != nullptr ||
                             !window->findChildren<VocalyneExportProcess *>().isEmpty();
        EXPECT_EQ(wizard->currentId(), int(VocalyneExporter::BatchFilesPage));
        EXPECT_EQ(readFile(existing), QByteArray("the user's own file"));

        messages.answers << QMessageBox::Yes;
        wizard->next();
        ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->batchFinished(); }, 60000));
        status = cell(wizard, 0, VocalyneExporter::StatusColumn);
    }));
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked.first().kind, MessageRecorder::Kind::Question);
    EXPECT_EQ(asked.first().title, QStringLiteral("Vocalyne"));
    EXPECT_EQ(asked.first().text,
              QStringLiteral("File 'a.txt.wav' already exists in the output folder.\nOverride?"));
    EXPECT_FALSE(startedAfterCancel);
    EXPECT_EQ(status, kSuccess);
    EXPECT_GT(soundInfo(existing).frames, 0);
}

TEST_F(BatchExportTest, RowsWhoseWorkerCannotStartReportItAndTheBatchStillFinishes)
{
    {
        QSettings settings;
        settings.setValue(QString(VocalyneSettingsKeys::SimulBatchExpProcNum), 1);
    }
    QStringList inputs;
    for (int i = 0; i < 4; ++i)
        inputs << textFile(QStringLiteral("t%1.txt").arg(i));
    const QString worker = QStringLiteral(VOCALYNE_EXPORTER_PROGRAM);
    const QString missing = dir.filePath(QStringLiteral("NoSuchWorker"));
    QStringList statuses;
    QStringList messageList;
    QString log;
    ASSERT_TRUE(withBatchWizard([&](VocalyneExporter *wizard) {
        wizard->setOutputFolder(out);
        wizard->addFiles(inputs);
        wizard->next();
        // A row is shown as in progress just before its worker starts: rows
        // 1 and 3 (the last) get a worker program that is not there.
        QObject::connect(wizard->table(), &QTableWidget::itemChanged, [&](QTableWidgetItem *item) {
            if (item->column() == VocalyneExporter::StatusColumn && item->text() == kInProgress)
                window->exportStarter()->setWorkerProgram(item->row() % 2 ? missing : worker);
        });
        messages.messages.clear();
        wizard->next();
        ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->batchFinished(); }, 120000));
        for (int row = 0; row < inputs.size(); ++row)
            statuses << cell(wizard, row, VocalyneExporter::StatusColumn);
        messageList = messageTexts(messages);
        wizard->next();
        EXPECT_EQ(wizard->currentId(), int(VocalyneExporter::BatchLogPage));
        log = wizard->logEdit()->toPlainText();
    }));
    const QString failed = QStringLiteral(
        "The export process failed to start. Either the invoked program is missing, or you may "
        "have insufficient permissions to invoke the program.");
    EXPECT_EQ(statuses, (QStringList{kSuccess, failed, kSuccess, failed}));
    EXPECT_EQ(messageList, QStringList{kFinished});
    EXPECT_EQ(outFiles(),
              (QStringList{QStringLiteral("t0.txt.wav"), QStringLiteral("t2.txt.wav")}));
    EXPECT_EQ(log.count(QLatin1Char('\n')), 4);
    EXPECT_TRUE(log.section(QLatin1Char('\n'), 3, 3).contains(failed));
}

TEST_F(BatchExportTest, SpeechDocumentsAreSpokenAsTheEditorSpeaksThem)
{
    // Line breaks, typographic quotes and sections: what a document the
    // program saved holds.
    const QString text = QStringLiteral("First line.\nSecond line with \u201cquotes\u201d.\n"
                                        "A third line, with a section.");
    const QString path = writeFile(QStringLiteral("doc.t2s"), t2sBytes(text, 3));
    QString rendered;
    BatchExportItem item;
    ASSERT_TRUE(withBatchWizard([&](VocalyneExporter *wizard) {
        wizard->setOutputFolder(out);
        wizard->addFiles({path});
        wizard->next();
        QObject::connect(wizard->table(), &QTableWidget::itemChanged, [&](QTableWidgetItem *item) {
            if (item->column() != VocalyneExporter::StatusColumn || item->text() != kInProgress)
                return;
            const QStringList texts =
                QDir(out).entryList({QStringLiteral("*.QV_T2S_TXT")}, QDir::Files);
            if (texts.size() == 1)
                rendered = QString::fromUtf8(readFile(QDir(out).filePath(texts.first())));
        });
        wizard->next();
        ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->batchFinished(); }, 60000));
        item = wizard->items().at(0);
    }));
    ASSERT_FALSE(rendered.isEmpty());

    window->openDocumentFile(path);
    VocalyneDocumentEdit *edit = window->currentDocumentEdit();
    ASSERT_EQ(edit->sections().size(), 3);
    SpeechTextSource source;
    source.plainText = edit->toPlainText();
    VocalyneSpeechTextBuilder builder;
    EXPECT_EQ(rendered, builder.buildSpeechText(*edit, source, false, false).text);
    // The row speaks with the document's voice and prosody, and with what
    // the editor takes for values the file does not hold.
    EXPECT_EQ(item.voiceName, edit->voiceName());
    EXPECT_EQ(item.voiceId, edit->voiceId());
    EXPECT_EQ(item.langId, edit->langId());
    EXPECT_EQ(item.speed, edit->speed());
    EXPECT_EQ(item.sentPause, edit->pause());
    EXPECT_EQ(item.sentPause, VocalyneSettingsKeys::DefaultSentPause);
}

TEST_F(BatchExportTest, RowsStartInOrderWhileAWarningIsOpen)
{
    {
        QSettings settings;
        settings.setValue(QString(VocalyneSettingsKeys::SimulBatchExpProcNum), 2);
    }
    const QStringList inputs{textFile(QStringLiteral("long.txt"), 40),
                             textFile(QStringLiteral("short.txt"), 1),
                             writeFile(QStringLiteral("broken.t2s"), "<T2SDocument><unclosed>"),
                             textFile(QStringLiteral("last.txt"), 1)};
    // A real warning box runs its own event loop: here it stays open until
    // the long first row has ended, whose end asks for the next rows.
    class OpenWarnings : public MessageRecorder
    {
    public:
        std::function<void()> whileOpen;
        QMessageBox::StandardButton show(QWidget *parent, Kind kind, const QString &title,
                                         const QString &text, QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton) override
        {
            if (kind == Kind::Warning && whileOpen)
                whileOpen();
            return MessageRecorder::show(parent, kind, title, text, buttons, defaultButton);
        }
    };
    QList<int> starts;
    int maxRunning = 0;
    bool firstEndedWhileOpen = false;
    bool opened = false;
    {
        OpenWarnings warnings;
        opened = withBatchWizard([&](VocalyneExporter *wizard) {
            warnings.whileOpen = [&] {
                firstEndedWhileOpen = waitForStatus(wizard, 0, kSuccess);
                // The user reads on: the first row's end is handled meanwhile.
                QTest::qWait(300);
            };
            wizard->setOutputFolder(out);
            wizard->addFiles(inputs);
            wizard->next();
            QObject::connect(
                wizard->table(), &QTableWidget::itemChanged, [&](QTableWidgetItem *item) {
                    if (item->column() == VocalyneExporter::StatusColumn &&
                        item->text() == kInProgress && !starts.contains(item->row()))
                        starts << item->row();
                    if (window->exportBatch())
                        maxRunning = qMax(maxRunning, window->exportBatch()->runningCount());
                });
            wizard->next();
            ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->batchFinished(); }, 120000));
        });
    }
    VocalyneMessageService::setInstance(&messages);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(firstEndedWhileOpen);
    EXPECT_EQ(starts, (QList<int>{0, 1, 2, 3}));
    EXPECT_LE(maxRunning, 2);
}
