// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynepreferencesdlg.h"

#include "ui_vocalynepreferencesdlg.h"
#include "vocalyneenginehost.h"
#include "vocalyneexportcatalogue.h"
#include "vocalynehistoryactions.h"
#include "vocalynemessageservice.h"
#include "vocalynerecentfiles.h"
#include "vocalynesettingskeys.h"
#include "vocalynesettingsvalue.h"
#include "vocalynespeakcontroller.h"
#include "voicecombouserdata.h"

#include <QApplication>
#include <QFontDialog>
#include <QIcon>
#include <QPushButton>
#include <QSettings>

namespace K = VocalyneSettingsKeys;

namespace {

constexpr int Missing = -1;
constexpr int LimitWhenSwitchedOn = 200;
const QString VoiceIcon = QStringLiteral(":/Vocalyne/images/icons/png/voice16.png");

QString appText(const char *text)
{
    return QApplication::translate("QApplication", text);
}

ExportSettingData formatAt(const QComboBox *combo, int index)
{
    ExportSettingData data;
    VocalyneExportCatalogue::fromVariant(combo->itemData(index), data);
    return data;
}

int indexOfStreamFormat(const QComboBox *combo, int streamFormat)
{
    for (int i = 0; i < combo->count(); ++i) {
        ExportSettingData data;
        if (VocalyneExportCatalogue::fromVariant(combo->itemData(i), data) &&
            data.intToken == streamFormat)
            return i;
    }
    return -1;
}

} // namespace

VocalynePreferencesDlg::VocalynePreferencesDlg(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::VocalynePreferencesDlg>())
{
    m_ui->setupUi(this);
    VocalyneSpeakControls spins;
    spins.speedSpin = m_ui->spinBoxDefSpeed;
    spins.volumeSpin = m_ui->spinBoxDefVolume;
    spins.pitchSpin = m_ui->spinBoxDefPitch;
    // The speech toolbar's controller holds the table of engine-type
    // ranges; this one only ever applies ranges to the dialog's boxes.
    m_ranges = new VocalyneSpeakController(spins, this);

    load();

    // Connected after loading, so that setting the stored states does not
    // run the toggles' side effects (the limit would become 200).
    using D = VocalynePreferencesDlg;
    connect(m_ui->buttonBox, &QDialogButtonBox::clicked, this, &D::onButtonBoxClicked);
    connect(m_ui->comboBoxDefVoice, &QComboBox::activated, this, &D::syncSpinsWithVoiceCombo);
    connect(m_ui->comboBoxDefExportFormat, &QComboBox::currentIndexChanged, this,
            &D::syncMp3WithExportFormat);
    connect(m_ui->checkBoxDefExportIsMP3, &QCheckBox::clicked, this,
            [this](bool checked) { m_mp3Choice = checked; });
    connect(m_ui->pushButtonDocFont, &QPushButton::clicked, this, &D::onDocFontChanged);
    connect(m_ui->pushButtonClearHist, &QPushButton::clicked, this, &D::onClearHistory);
    connect(m_ui->pushButtonCompactHistDB, &QPushButton::clicked, this, &D::onCompactHistoryDB);
    connect(m_ui->pushButtonClearRecentMenu, &QPushButton::clicked, this, &D::onClearRecent);
    connect(m_ui->checkBoxWatchClipboard, &QCheckBox::stateChanged, this,
            &D::onClipboardWatchCBClicked);
    connect(m_ui->checkBoxClipboardWatchCharLimit, &QCheckBox::stateChanged, this,
            &D::onClipboardWatchCBActivateLimitClicked);
}

VocalynePreferencesDlg::~VocalynePreferencesDlg() = default;

void VocalynePreferencesDlg::load()
{
    const QSettings settings;
    auto readInt = [&settings](QLatin1String key, int fallback) {
        return VocalyneSettingsValue::readInt(settings, QString(key), fallback);
    };
    auto readText = [&settings](QLatin1String key) {
        return VocalyneSettingsValue::readText(settings, QString(key), QString());
    };

    // 1. The font.
    const QString fontText = readText(K::DocumentFont);
    if (!fontText.isEmpty())
        m_font.fromString(fontText);

    // 2. The stored values; a missing number reads as -1.
    const QString voiceName = readText(K::VoiceName);
    const int engineType = readInt(K::VoiceEngineTypeId, Missing);
    int speed = readInt(K::Speed, Missing);
    int volume = readInt(K::Volume, Missing);
    int pitch = readInt(K::Pitch, Missing);
    int highlight = readInt(K::Highlight, Missing);
    int isXml = readInt(K::IsXml, Missing);
    const int voiceOutputFormat = readInt(K::VoiceOutputFormat, K::DefaultVoiceOutputFormat);
    ExportSettingData stored;
    stored.strToken = readText(K::AudioFormatStrToken);
    stored.intToken = readInt(K::AudioFormatIntToken, Missing);
    stored.audioSamplingRate = readInt(K::AudioFormatSamplingRate, Missing);
    stored.audioChannels = readInt(K::AudioFormatChannels, Missing);
    stored.audioBitRate = readInt(K::AudioFormatBitRate, Missing);
    int simultaneous = readInt(K::SimulBatchExpProcNum, Missing);
    const int isMp3 = readInt(K::AudioFormatIsMP3, K::DefaultAudioFormatIsMP3);
    const bool record = readInt(K::FileHistoryRecord, K::DefaultFileHistoryRecord) != 0;
    const int recentItems = VocalyneRecentFiles::numOfItems(settings);
    const bool watch = readInt(K::ClipboardWatchEnabled, K::DefaultClipboardWatchEnabled) != 0;
    const bool notify = readInt(K::ClipboardWatchNotify, K::DefaultClipboardWatchNotify) != 0;
    const int charLimit =
        watch ? readInt(K::ClipboardWatchCharLimit, K::DefaultClipboardWatchCharLimit) : 0;

    // 3. An incomplete set starts from the first-run values.
    const bool complete = !voiceName.isEmpty() && engineType != Missing && speed != Missing &&
                          volume != Missing && pitch != Missing && !stored.strToken.isEmpty() &&
                          stored.intToken != Missing && stored.audioSamplingRate != Missing &&
                          stored.audioChannels != Missing && stored.audioBitRate != Missing &&
                          simultaneous != Missing && highlight != Missing && isXml != Missing;
    if (!complete) {
        speed = K::DefaultSpeed;
        volume = K::DefaultVolume;
        pitch = K::DefaultPitch;
        stored.strToken = QString(K::DefaultAudioFormatStrToken);
        stored.intToken = K::DefaultAudioFormatIntToken;
        stored.audioSamplingRate = K::DefaultAudioFormatSamplingRate;
        stored.audioChannels = K::DefaultAudioFormatChannels;
        stored.audioBitRate = K::DefaultAudioFormatBitRate;
        simultaneous = K::DefaultSimulBatchExpProcNum;
        highlight = K::DefaultHighlight;
        isXml = K::DefaultIsXml;
    }

    // 4. The voices.
    fillVoices();
    // A stored voice is shown even when other values are missing.
    const int voiceIndex = voiceName.isEmpty() ? 0 : m_ui->comboBoxDefVoice->findText(voiceName);
    m_ui->comboBoxDefVoice->setCurrentIndex(qMax(voiceIndex, 0));

    // 5. The formats.
    fillFormats();
    const int voiceFormatIndex = indexOfStreamFormat(m_ui->comboBoxVoiceFormat, voiceOutputFormat);
    if (voiceFormatIndex >= 0)
        m_ui->comboBoxVoiceFormat->setCurrentIndex(voiceFormatIndex);
    QList<ExportSettingData> exportList;
    for (int i = 0; i < m_ui->comboBoxDefExportFormat->count(); ++i)
        exportList.append(formatAt(m_ui->comboBoxDefExportFormat, i));
    if (!exportList.isEmpty()) {
        const VocalyneExportCatalogue::Selection selection =
            VocalyneExportCatalogue::selectStored(exportList, stored, isMp3 != 0);
        m_ui->comboBoxDefExportFormat->setCurrentIndex(selection.index);
    }
    m_mp3Choice = isMp3 != 0;
    syncMp3WithExportFormat();

    // 6. Ranges first, so that the values are not cut to the wrong range.
    applyEngineRanges(
        complete ? engineType
                 : m_ui->comboBoxDefVoice->currentData().value<VoiceComboUserData>().engineTypeId);
    m_ui->spinBoxDefSpeed->setValue(speed);
    m_ui->spinBoxDefVolume->setValue(volume);
    m_ui->spinBoxDefPitch->setValue(pitch);
    m_ui->checkBoxHighlight->setChecked(highlight != 0);
    m_ui->checkBoxIsXML->setChecked(isXml != 0);
    m_ui->spinBoxSimultBatchProcesses->setValue(simultaneous);
    m_ui->checkBoxSaveToHist->setChecked(record);
    m_ui->spinBoxNumRecentMenuItmes->setValue(recentItems);

    m_ui->checkBoxWatchClipboard->setChecked(watch);
    m_ui->checkBoxClipboardWatchNotify->setEnabled(watch);
    m_ui->checkBoxClipboardWatchNotify->setChecked(watch && notify);
    m_ui->checkBoxClipboardWatchCharLimit->setEnabled(watch);
    const bool limited = charLimit > 0;
    m_ui->checkBoxClipboardWatchCharLimit->setChecked(limited);
    m_ui->labelCBWatchCharLimit->setEnabled(limited);
    m_ui->spinBoxCWatchCharLimit->setEnabled(limited);
    m_ui->spinBoxCWatchCharLimit->setValue(limited ? charLimit : 0);
}

void VocalynePreferencesDlg::fillVoices()
{
    const QList<VocalyneInstalledVoice> voices = VocalyneEngineHost::installedVoices();
    const QIcon icon(VoiceIcon);
    for (const VocalyneInstalledVoice &voice : voices) {
        VoiceComboUserData data;
        data.engineTypeId = voice.engineTypeId;
        data.voiceId = voice.voiceId;
        data.langId = voice.langId;
        m_ui->comboBoxDefVoice->addItem(icon, voice.name, QVariant::fromValue(data));
    }
    if (voices.isEmpty())
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP("QApplication",
                                      "No voices can be found on your system! Please "
                                      "download and install at least 1 voice!")));
}

void VocalynePreferencesDlg::fillFormats()
{
    VocalyneExportCatalogue::registerMetaType();
    const QIcon icon(VocalyneExportCatalogue::entryIconPath());
    for (const ExportSettingData &row : VocalyneExportCatalogue::generalList())
        m_ui->comboBoxDefExportFormat->addItem(icon, row.formatName, QVariant::fromValue(row));
    // Voices speak in plain PCM only.
    for (const ExportSettingData &row : VocalyneExportCatalogue::rows())
        if (row.strToken.startsWith(QLatin1String("pcm")))
            m_ui->comboBoxVoiceFormat->addItem(icon, row.formatName, QVariant::fromValue(row));
}

void VocalynePreferencesDlg::applyEngineRanges(int engineType)
{
    m_ranges->setSpinRangesForEngineType(engineType);
}

void VocalynePreferencesDlg::syncMp3WithExportFormat()
{
    const ExportSettingData format =
        formatAt(m_ui->comboBoxDefExportFormat, m_ui->comboBoxDefExportFormat->currentIndex());
    const bool wav =
        !format.strToken.isEmpty() && VocalyneExportCatalogue::isMp3Allowed(format.strToken);
    m_ui->checkBoxDefExportIsMP3->setEnabled(wav);
    m_ui->checkBoxDefExportIsMP3->setChecked(wav && m_mp3Choice);
}

void VocalynePreferencesDlg::syncSpinsWithVoiceCombo(int index)
{
    const QVariant data = m_ui->comboBoxDefVoice->itemData(index);
    if (data.canConvert<VoiceComboUserData>())
        applyEngineRanges(data.value<VoiceComboUserData>().engineTypeId);
    m_ui->spinBoxDefSpeed->setValue(K::DefaultSpeed);
    m_ui->spinBoxDefVolume->setValue(K::DefaultVolume);
    m_ui->spinBoxDefPitch->setValue(K::DefaultPitch);
}

void VocalynePreferencesDlg::onDocFontChanged()
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, m_font, this);
    if (ok)
        m_font = font;
}

void VocalynePreferencesDlg::onClearHistory()
{
    VocalyneHistoryActions::clear(this);
}

void VocalynePreferencesDlg::onCompactHistoryDB()
{
    VocalyneHistoryActions::compact(this);
}

void VocalynePreferencesDlg::onClearRecent()
{
    if (VocalyneMessageService::question(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Vocalyne")),
            appText(QT_TRANSLATE_NOOP("QApplication", "Are you sure you want to clear the recent "
                                                      "document menu list?\nWarning: This action "
                                                      "cannot be undone!"))) != QMessageBox::Yes)
        return;
    QSettings settings;
    VocalyneRecentFiles::clear(settings);
}

void VocalynePreferencesDlg::onClipboardWatchCBClicked(int state)
{
    const bool on = state != Qt::Unchecked;
    m_ui->checkBoxClipboardWatchNotify->setEnabled(on);
    m_ui->checkBoxClipboardWatchNotify->setChecked(on);
    m_ui->checkBoxClipboardWatchCharLimit->setEnabled(on);
    m_ui->checkBoxClipboardWatchCharLimit->setChecked(false);
    // Unchecking an unchecked box sends no signal; the limit is reset anyway.
    onClipboardWatchCBActivateLimitClicked(Qt::Unchecked);
}

void VocalynePreferencesDlg::onClipboardWatchCBActivateLimitClicked(int state)
{
    const bool on = state != Qt::Unchecked;
    m_ui->labelCBWatchCharLimit->setEnabled(on);
    m_ui->spinBoxCWatchCharLimit->setEnabled(on);
    m_ui->spinBoxCWatchCharLimit->setValue(on ? LimitWhenSwitchedOn : 0);
}

void VocalynePreferencesDlg::onButtonBoxClicked(QAbstractButton *button)
{
    switch (m_ui->buttonBox->buttonRole(button)) {
    case QDialogButtonBox::AcceptRole:
        save();
        accept();
        break;
    case QDialogButtonBox::ResetRole:
        restoreDefaults();
        break;
    case QDialogButtonBox::RejectRole:
        reject();
        break;
    default:
        break;
    }
}

void VocalynePreferencesDlg::restoreDefaults()
{
    if (m_ui->comboBoxDefVoice->count() > 0) {
        m_ui->comboBoxDefVoice->setCurrentIndex(0);
        syncSpinsWithVoiceCombo(0);
    } else {
        syncSpinsWithVoiceCombo(-1);
    }
    const int voiceFormat =
        indexOfStreamFormat(m_ui->comboBoxVoiceFormat, K::DefaultVoiceOutputFormat);
    if (voiceFormat >= 0)
        m_ui->comboBoxVoiceFormat->setCurrentIndex(voiceFormat);
    m_mp3Choice = K::DefaultAudioFormatIsMP3 != 0;
    const int exportFormat =
        indexOfStreamFormat(m_ui->comboBoxDefExportFormat, K::DefaultAudioFormatIntToken);
    if (exportFormat >= 0)
        m_ui->comboBoxDefExportFormat->setCurrentIndex(exportFormat);
    syncMp3WithExportFormat();
    m_ui->checkBoxHighlight->setChecked(K::DefaultHighlight != 0);
    // Stored on OK like every other box, so its default comes back too.
    m_ui->checkBoxIsXML->setChecked(K::DefaultIsXml != 0);
    m_ui->spinBoxSimultBatchProcesses->setValue(K::DefaultSimulBatchExpProcNum);
    m_font = QFont();
    m_ui->checkBoxSaveToHist->setChecked(K::DefaultFileHistoryRecord != 0);
    m_ui->spinBoxNumRecentMenuItmes->setValue(K::DefaultRecentFilesNumOfItems);
    m_ui->checkBoxWatchClipboard->setChecked(false);
    onClipboardWatchCBClicked(Qt::Unchecked);
}

void VocalynePreferencesDlg::save()
{
    QSettings settings;
    auto write = [&settings](QLatin1String key, const QVariant &value) {
        settings.setValue(QString(key), value);
    };
    auto flag = [](const QCheckBox *box) { return box->isChecked() ? 1 : 0; };

    const QVariant voiceData = m_ui->comboBoxDefVoice->currentData();
    if (voiceData.canConvert<VoiceComboUserData>()) {
        const VoiceComboUserData voice = voiceData.value<VoiceComboUserData>();
        write(K::VoiceName, m_ui->comboBoxDefVoice->currentText());
        write(K::VoiceEngineTypeId, int(voice.engineTypeId));
        write(K::VoiceId, int(voice.voiceId));
        write(K::LangId, int(voice.langId));
    }
    write(K::Speed, m_ui->spinBoxDefSpeed->value());
    write(K::Volume, m_ui->spinBoxDefVolume->value());
    write(K::Pitch, m_ui->spinBoxDefPitch->value());
    ExportSettingData voiceFormat;
    if (VocalyneExportCatalogue::fromVariant(m_ui->comboBoxVoiceFormat->currentData(), voiceFormat))
        write(K::VoiceOutputFormat, int(voiceFormat.intToken));
    write(K::Highlight, flag(m_ui->checkBoxHighlight));
    // The box would otherwise change nothing; it is kept with the others.
    write(K::IsXml, flag(m_ui->checkBoxIsXML));
    ExportSettingData format;
    const bool formatReadable =
        VocalyneExportCatalogue::fromVariant(m_ui->comboBoxDefExportFormat->currentData(), format);
    if (formatReadable) {
        write(K::AudioFormatStrToken, format.strToken);
        write(K::AudioFormatIntToken, int(format.intToken));
        write(K::AudioFormatSamplingRate, int(format.audioSamplingRate));
        write(K::AudioFormatChannels, int(format.audioChannels));
        write(K::AudioFormatBitRate, int(format.audioBitRate));
    }
    write(K::SimulBatchExpProcNum, m_ui->spinBoxSimultBatchProcesses->value());
    const bool mp3 = formatReadable &&
                     VocalyneExportCatalogue::chosen(m_ui->comboBoxDefExportFormat->currentData(),
                                                     m_ui->checkBoxDefExportIsMP3->isChecked())
                         .isMP3;
    write(K::AudioFormatIsMP3, mp3 ? 1 : 0);
    write(K::DocumentFont, m_font.toString());
    write(K::FileHistoryRecord, flag(m_ui->checkBoxSaveToHist));
    write(K::RecentFilesNumOfItems, m_ui->spinBoxNumRecentMenuItmes->value());
    write(K::ClipboardWatchEnabled, flag(m_ui->checkBoxWatchClipboard));
    write(K::ClipboardWatchNotify, flag(m_ui->checkBoxClipboardWatchNotify));
    write(K::ClipboardWatchCharLimit, m_ui->checkBoxClipboardWatchCharLimit->isChecked()
                                          ? m_ui->spinBoxCWatchCharLimit->value()
                                          : 0);
    settings.sync();
}
