// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The batch mode of the export wizard: the file table with its per-row
// voice, prosody and format, the checks before a run, the rows' reports
// and the log.
#include "vocalynebatchnames.h"
#include "vocalynedialogservice.h"
#include "vocalyneexportcatalogue.h"
#include "vocalyneexporter.h"
#include "vocalyneexporterformataction.h"
#include "vocalyneexportervoiceaction.h"
#include "vocalyneexportfiles.h"
#include "vocalyneexportinterface.h"
#include "vocalynemessageservice.h"
#include "vocalynesectionranges.h"
#include "vocalynesettingskeys.h"
#include "vocalynesettingsvalue.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWizardPage>

namespace {

QString icon(const char *file)
{
    return QStringLiteral(":/Vocalyne/images/icons/png/") + QLatin1String(file);
}

QString appText(const char *text)
{
    return QApplication::translate("QApplication", text);
}

QString readyText()
{
    return QApplication::translate("VocalyneMainWindow", "Ready");
}

} // namespace

void VocalyneExporter::createBatchPages()
{
    setWindowTitle(tr("Vocalyne Batch Export Wizard"));
    readBatchDefaults();

    auto *welcome = new QWizardPage(this);
    welcome->setTitle(tr("Vocalyne Batch Export Wizard"));
    auto *welcomeLabel =
        new QLabel(tr("This wizard will help you export the speech from selected documents in "
                      "the audio formats of your choice in a batch mode.\n\nHit \"Next\" to "
                      "continue."),
                   welcome);
    welcomeLabel->setWordWrap(true);
    (new QVBoxLayout(welcome))->addWidget(welcomeLabel);
    setPage(BatchWelcomePage, welcome);

    auto *files = new QWizardPage(this);
    files->setTitle(tr("Add Files and Set Audio Formats"));
    auto *grid = new QGridLayout(files);
    grid->addWidget(new QLabel(tr("Select output folder: "), files), 0, 0);
    m_folderEdit = new QLineEdit(files);
    m_folderEdit->setReadOnly(true);
    grid->addWidget(m_folderEdit, 0, 1);
    auto *folderButton = new QPushButton(tr("Browse..."), files);
    grid->addWidget(folderButton, 0, 2);
    grid->addWidget(new QLabel(tr("Add files: "), files), 1, 0);
    auto *fileButton = new QPushButton(tr("Browse..."), files);
    grid->addWidget(fileButton, 1, 2);
    m_table = new QTableWidget(0, ColumnCount, files);
    m_table->setHorizontalHeaderLabels({QString(), tr("Status"), tr("File Path"), tr("Output File"),
                                        tr("Voice"), tr("Speed"), tr("Volume"), tr("Pitch"),
                                        tr("Speech XML?"), tr("Format"), tr("Make MP3?")});
    m_table->horizontalHeader()->setSectionResizeMode(RemoveColumn, QHeaderView::ResizeToContents);
    grid->addWidget(m_table, 2, 0, 1, 3);
    setPage(BatchFilesPage, files);

    auto *log = new QWizardPage(this);
    log->setTitle(tr("Batch Export Finished"));
    auto *logLayout = new QVBoxLayout(log);
    logLayout->addWidget(new QLabel(tr("Batch export log"), log));
    m_logEdit = new QPlainTextEdit(log);
    m_logEdit->setReadOnly(true);
    logLayout->addWidget(m_logEdit);
    m_saveLogCheck = new QCheckBox(tr("Save log to file"), log);
    logLayout->addWidget(m_saveLogCheck);
    setPage(BatchLogPage, log);
    // Room for the eleven columns of a few rows.
    resize(920, 600);

    m_voiceMenu = new QMenu(this);
    if (m_exportInterface)
        for (const auto &voice : m_exportInterface->exportVoices())
            m_voiceMenu->addAction(
                new VocalyneExporterVoiceAction(voice.first, voice.second, m_voiceMenu));
    m_formatMenu = new QMenu(this);
    for (const ExportSettingData &row : VocalyneExportCatalogue::generalList())
        m_formatMenu->addAction(new VocalyneExporterFormatAction(row, m_formatMenu));

    connect(folderButton, &QPushButton::clicked, this, &VocalyneExporter::onSelFolderBtnClicked);
    connect(fileButton, &QPushButton::clicked, this, &VocalyneExporter::onSelFileBtnClicked);
    connect(m_table, &QTableWidget::cellClicked, this,
            &VocalyneExporter::onDisplayEditTWidgetCellClicked);
    connect(m_table, &QTableWidget::cellChanged, this,
            &VocalyneExporter::onDisplayEditTWidgetCellChanged);
    connect(m_table, &QTableWidget::cellDoubleClicked, this,
            &VocalyneExporter::onDisplayEditTWidgetCellDoubleClicked);
    connect(m_voiceMenu, &QMenu::triggered, this, &VocalyneExporter::onVoiceChanged);
    connect(m_formatMenu, &QMenu::triggered, this, &VocalyneExporter::onFormatChanged);
    connect(this, &QDialog::rejected, this, &VocalyneExporter::onCancelBatchExport);
}

void VocalyneExporter::readBatchDefaults()
{
    namespace K = VocalyneSettingsKeys;
    using V = VocalyneSettingsValue;
    const QSettings settings;
    const ExportSettingData format = VocalyneExportCatalogue::readStored(settings);
    BatchExportItem &item = m_defaultItem;
    item.voiceEngineTypeId = qint16(V::readInt(settings, QString(K::VoiceEngineTypeId), 3));
    item.voiceName = V::readText(settings, QString(K::VoiceName));
    item.voiceId = V::readInt(settings, QString(K::VoiceId), -1);
    item.langId = quint16(V::readInt(settings, QString(K::LangId), 0));
    item.pitch = V::readInt(settings, QString(K::Pitch), K::DefaultPitch);
    item.speed = V::readInt(settings, QString(K::Speed), K::DefaultSpeed);
    item.volume = V::readInt(settings, QString(K::Volume), K::DefaultVolume);
    item.sentPause = V::readInt(settings, QString(K::SentPause), K::DefaultSentPause);
    item.isXml = V::readInt(settings, QString(K::IsXml), K::DefaultIsXml) != 0 ? 1 : 0;
    const bool typeFour = item.voiceEngineTypeId == 4;
    item.strToken = typeFour ? QStringLiteral("aiff") : format.strToken;
    item.intToken = format.intToken;
    item.audioSamplingRate = format.audioSamplingRate;
    item.audioChannels = format.audioChannels;
    item.audioBitRate = format.audioBitRate;
    item.isMP3 = !typeFour && format.isMP3;

    m_defaultExtension =
        QLatin1Char('.') +
        VocalyneExportCatalogue::extension(typeFour ? VocalyneExportCatalogue::row(1) : format);
    for (const ExportSettingData &row : VocalyneExportCatalogue::generalList())
        if (row.strToken == format.strToken && row.audioSamplingRate == format.audioSamplingRate &&
            row.audioChannels == format.audioChannels && row.audioBitRate == format.audioBitRate)
            m_defaultFormatName = row.formatName;
}

void VocalyneExporter::onBatchPage(int pageId)
{
    if (pageId == BatchFilesPage)
        setWhatsThis(tr(
            "<ol><li>Select the folder where you want the audio files to be created by hitting "
            "the \"Browse...\" button.</li><li>Add document files for the conversion from the "
            "file dialog by hitting the second \"Browse...\" button.<br>Note: Multiple selections "
            "are supported.</li><li>You can remove file entries by hitting the first cell in the "
            "list (image of a document with a red cross on top) for the desired input file.</li>"
            "<li>The following format parameters can be modified:<ul><li>Voice: hit the desired "
            "cell in the Voice column and select your desired voice from the menu;</li><li>Speed, "
            "Volume, Pitch: focus and enter your desired value (the wizard will prompt you to "
            "correct any errors);</li><li>Speech XML?: double-click to enable / disable (it is "
            "recommended that you leave it on);</li><li>Format: hit the desired cell in the "
            "Format column and select your desired format. Note: not all voices support all "
            "formats;</li><li>Make MP3?: double-click to enable / disable (MP3 conversion takes "
            "longer time and it only works with WAV file formats);</li><li>Important: Any speech "
            "XML or speech sections that change the voice properties in the document will "
            "override your settings where the XML or speech sections take effect;</li></ul></li>"
            "</ol>"));
    else if (pageId == BatchLogPage)
        button(QWizard::BackButton)->setEnabled(false);
}

void VocalyneExporter::setOutputFolder(const QString &folder)
{
    m_outputFolder = folder;
    if (m_folderEdit)
        m_folderEdit->setText(folder);
}

void VocalyneExporter::onSelFolderBtnClicked()
{
    // A cancelled dialog empties the folder too; Next then asks for one.
    setOutputFolder(VocalyneDialogService::instance()->existingDirectory(
        this, tr("Select output folder:"), QString()));
}

void VocalyneExporter::onSelFileBtnClicked()
{
    addFiles(VocalyneDialogService::instance()->openFileNames(
        this, tr("Select one or more files to convert"), QString(), QString()));
}

void VocalyneExporter::setFlagCell(int row, int column, bool enabled)
{
    QTableWidgetItem *cell = m_table->item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        m_table->setItem(row, column, cell);
    }
    cell->setText(enabled ? tr("enabled") : tr("disabled"));
    cell->setIcon(QIcon(icon(enabled ? "enabled.png" : "disabled.png")));
}

void VocalyneExporter::addFiles(const QStringList &paths)
{
    if (!m_table)
        return;
    m_fillingRow = true;
    for (const QString &path : paths) {
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        const auto fixed = [this, row](int column, const QString &text, const QString &iconPath) {
            auto *cell = new QTableWidgetItem(text);
            if (!iconPath.isEmpty())
                cell->setIcon(QIcon(iconPath));
            cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            m_table->setItem(row, column, cell);
        };
        const QString output = VocalyneBatchNames::uniqueName(
            VocalyneBatchNames::outputNameFor(path, m_defaultExtension),
            [this, row](const QString &name) {
                for (int other = 0; other < row; ++other)
                    if (QTableWidgetItem *cell = m_table->item(other, OutputColumn))
                        if (cell->text() == name)
                            return true;
                return false;
            });
        const BatchExportItem &item = m_defaultItem;
        fixed(RemoveColumn, QString(), icon("deletedoc16.png"));
        fixed(StatusColumn, readyText(), icon("ready16.png"));
        fixed(InputColumn, path, QString());
        fixed(OutputColumn, output, QString());
        fixed(VoiceColumn, item.voiceName, icon("voice16.png"));
        m_table->setItem(row, SpeedColumn, new QTableWidgetItem(QString::number(item.speed)));
        m_table->setItem(row, VolumeColumn, new QTableWidgetItem(QString::number(item.volume)));
        m_table->setItem(row, PitchColumn, new QTableWidgetItem(QString::number(item.pitch)));
        setFlagCell(row, XmlColumn, item.isXml != 0);
        fixed(FormatColumn,
              item.voiceEngineTypeId == 4 ? VocalyneExportCatalogue::row(1).formatName
                                          : m_defaultFormatName,
              VocalyneExportCatalogue::entryIconPath());
        setFlagCell(row, Mp3Column, item.isMP3);
        m_items.append(item);
    }
    m_fillingRow = false;
    m_table->resizeColumnsToContents();
}

void VocalyneExporter::setItem(int row, const BatchExportItem &item)
{
    if (row < 0 || row >= m_items.size())
        return;
    m_items[row] = item;
    m_fillingRow = true;
    m_table->item(row, VoiceColumn)->setText(item.voiceName);
    m_table->item(row, SpeedColumn)->setText(QString::number(item.speed));
    m_table->item(row, VolumeColumn)->setText(QString::number(item.volume));
    m_table->item(row, PitchColumn)->setText(QString::number(item.pitch));
    m_fillingRow = false;
}

int VocalyneExporter::selectedRow() const
{
    const QList<QTableWidgetItem *> selected = m_table->selectedItems();
    if (!selected.isEmpty())
        return selected.first()->row();
    return m_table->currentRow();
}

void VocalyneExporter::onDisplayEditTWidgetCellClicked(int row, int column)
{
    if (column == RemoveColumn && m_removingAllowed && row >= 0 && row < m_items.size()) {
        m_table->removeRow(row);
        m_items.removeAt(row);
    } else if (column == VoiceColumn) {
        m_voiceMenu->popup(QCursor::pos());
    } else if (column == FormatColumn) {
        m_formatMenu->popup(QCursor::pos());
    }
}

void VocalyneExporter::onVoiceChanged(QAction *action)
{
    const int row = selectedRow();
    const auto *voiceAction = qobject_cast<VocalyneExporterVoiceAction *>(action);
    if (!voiceAction || row < 0 || row >= m_items.size())
        return;
    const VoiceComboUserData voice = voiceAction->voice();
    BatchExportItem &item = m_items[row];
    item.voiceEngineTypeId = voice.engineTypeId;
    item.voiceId = voice.voiceId;
    item.langId = voice.langId;
    item.voiceName = action->text();
    m_table->item(row, VoiceColumn)->setText(action->text());
}

void VocalyneExporter::onFormatChanged(QAction *action)
{
    const int row = selectedRow();
    const auto *format = qobject_cast<VocalyneExporterFormatAction *>(action);
    if (!format || row < 0 || row >= m_items.size())
        return;
    BatchExportItem &item = m_items[row];
    item.strToken = format->strToken();
    item.intToken = format->intToken();
    item.audioSamplingRate = format->audioSamplingRate();
    item.audioChannels = format->audioChannels();
    item.audioBitRate = format->audioBitRate();
    QTableWidgetItem *output = m_table->item(row, OutputColumn);
    output->setText(
        VocalyneBatchNames::replaceExtension(output->text(), item.strToken, item.isMP3));
    m_table->item(row, FormatColumn)->setText(action->text());
}

void VocalyneExporter::onDisplayEditTWidgetCellDoubleClicked(int row, int column)
{
    if (row < 0 || row >= m_items.size())
        return;
    BatchExportItem &item = m_items[row];
    if (column == XmlColumn) {
        item.isXml = item.isXml != 0 ? 0 : 1;
        setFlagCell(row, XmlColumn, item.isXml != 0);
    } else if (column == Mp3Column) {
        item.isMP3 = !item.isMP3;
        QTableWidgetItem *output = m_table->item(row, OutputColumn);
        output->setText(
            VocalyneBatchNames::replaceExtension(output->text(), item.strToken, item.isMP3));
        setFlagCell(row, Mp3Column, item.isMP3);
    }
}

void VocalyneExporter::onDisplayEditTWidgetCellChanged(int row, int column)
{
    if (m_fillingRow || row < 0 || row >= m_items.size() ||
        (column != SpeedColumn && column != VolumeColumn && column != PitchColumn))
        return;
    BatchExportItem &item = m_items[row];
    VocalyneSectionRanges::Ranges ranges{0, 0, 0, 0, 0, 0, 0, 0, 0};
    VocalyneSectionRanges::forEngineType(item.voiceEngineTypeId, &ranges);
    int low = ranges.speedMin, high = ranges.speedMax;
    qint32 *target = &item.speed;
    if (column == VolumeColumn) {
        low = ranges.volumeMin;
        high = ranges.volumeMax;
        target = &item.volume;
    } else if (column == PitchColumn) {
        low = ranges.pitchMin;
        high = ranges.pitchMax;
        target = &item.pitch;
    }
    bool ok = false;
    const int value = m_table->item(row, column)->text().toInt(&ok, 10);
    if (ok && value >= low && value <= high) {
        *target = value;
        return;
    }
    // The value's name in running text: lower case in English, but German
    // nouns keep their capital, so each language spells the word itself.
    const char *name = QT_TRANSLATE_NOOP("QApplication", "speed");
    if (column == VolumeColumn)
        name = QT_TRANSLATE_NOOP("QApplication", "volume");
    else if (column == PitchColumn)
        name = QT_TRANSLATE_NOOP("QApplication", "pitch");
    const QString what = appText(name);
    VocalyneMessageService::critical(
        this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
        appText(QT_TRANSLATE_NOOP("QApplication",
                                  "Invalid %1!\nPlease enter a valid number between %2 and %3."))
            .arg(what, QString::number(low), QString::number(high)));
    // The cell goes back to the voice's normal 100, checked like any edit.
    // Where 100 lies outside the range (pitch of engine type 2 takes only
    // 0) the nearest valid value stands instead: the same text again would
    // leave a value the row refuses, shown after a second error box.
    m_table->item(row, column)->setText(QString::number(qBound(low, 100, high)));
}

bool VocalyneExporter::validateCurrentPage()
{
    if (m_mode == SingleMode || currentId() != BatchFilesPage)
        return true;
    if (m_batchFinished) {
        m_logEdit->setPlainText(logText());
        button(QWizard::NextButton)->setEnabled(true);
        return true;
    }
    // Next may come back to life while the batch runs; one run per wizard.
    if (m_batchStarted)
        return false;
    if (m_outputFolder.isEmpty()) {
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP("QApplication",
                                      "You must select an output folder in order to continue.")));
        return false;
    }
    if (m_items.isEmpty()) {
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP(
                "QApplication", "You must select at least 1 input file in order to continue.")));
        return false;
    }
    for (int row = 0; row < m_items.size(); ++row) {
        const QString name = m_table->item(row, OutputColumn)->text();
        if (!QFileInfo::exists(VocalyneExportFiles::join(m_outputFolder, name)))
            continue;
        const QMessageBox::StandardButton answer = VocalyneMessageService::question(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Vocalyne")),
            appText(QT_TRANSLATE_NOOP("QApplication",
                                      "File '%1' already exists in the output folder.\nOverride?"))
                .arg(name),
            QMessageBox::Yes | QMessageBox::Cancel);
        if (answer != QMessageBox::Yes)
            return false;
    }
    m_batchStarted = true;
    if (m_exportInterface)
        m_exportInterface->runBatchExport(this);
    return false;
}

QString VocalyneExporter::logText() const
{
    QString log;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        QStringList columns;
        for (int column = InputColumn; column < ColumnCount; ++column) {
            const QTableWidgetItem *cell = m_table->item(row, column);
            columns << (cell ? cell->text() : QString());
        }
        const QTableWidgetItem *status = m_table->item(row, StatusColumn);
        log += VocalyneBatchNames::logLine(status ? status->text() : QString(), m_outputFolder,
                                           columns);
    }
    return log;
}

void VocalyneExporter::report(const QString &message, int status, int row)
{
    if (!m_table || row < 0 || row >= m_table->rowCount())
        return;
    const char *file = status == -1  ? "error16.png"
                       : status == 0 ? "done16.png"
                       : status == 1 ? "ready16.png"
                                     : "busy16.png";
    QTableWidgetItem *cell = m_table->item(row, StatusColumn);
    cell->setIcon(QIcon(icon(file)));
    cell->setText(message);
    // Sizing the column measures every row; with hundreds of rows reporting
    // it is done once for all reports of one pass of the event loop.
    if (!m_statusResizePending) {
        m_statusResizePending = true;
        QTimer::singleShot(0, this, [this] {
            m_statusResizePending = false;
            m_table->resizeColumnToContents(StatusColumn);
        });
    }
}

void VocalyneExporter::batchEnded()
{
    m_batchFinished = true;
    button(QWizard::NextButton)->setEnabled(true);
    VocalyneMessageService::information(
        this, appText(QT_TRANSLATE_NOOP("QApplication", "Vocalyne")),
        appText(QT_TRANSLATE_NOOP("QApplication",
                                  "Batch Export Finished!\nHit \"Next\" to view the export log.")));
}

void VocalyneExporter::onCancelBatchExport()
{
    if (m_mode == BatchMode && m_exportInterface)
        m_exportInterface->cancelBatchExport();
}
