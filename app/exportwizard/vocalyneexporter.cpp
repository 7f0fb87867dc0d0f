// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneexporter.h"

#include "vocalyneexportcatalogue.h"
#include "vocalyneexportinterface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWizardPage>

VocalyneExporter::VocalyneExporter(QWidget *parent, VocalyneExportInterface *exportInterface,
                                   int mode, int voiceEngineType)
    : QWizard(parent), m_exportInterface(exportInterface), m_mode(mode),
      m_voiceEngineType(voiceEngineType)
{
    VocalyneExportCatalogue::registerMetaType();
    if (m_mode == SingleMode)
        createSinglePages();
    else
        createBatchPages();

    connect(this, &QWizard::currentIdChanged, this, &VocalyneExporter::onNext);
    connect(this, &QDialog::finished, this, &VocalyneExporter::onFinish);
}

VocalyneExporter::~VocalyneExporter() = default;

void VocalyneExporter::createSinglePages()
{
    setWindowTitle(tr("Vocalyne Export Wizard"));

    auto *welcome = new QWizardPage(this);
    welcome->setTitle(tr("Vocalyne Export Wizard"));
    auto *welcomeLabel = new QLabel(
        tr("This wizard will help you export the speech from the current document in the audio "
           "format of your choice.\n\nHit \"Next\" to continue."),
        welcome);
    welcomeLabel->setWordWrap(true);
    auto *welcomeLayout = new QVBoxLayout(welcome);
    welcomeLayout->addWidget(welcomeLabel);
    setPage(WelcomePage, welcome);

    auto *formatPage = new QWizardPage(this);
    formatPage->setTitle(tr("Audio Format"));
    auto *prompt = new QLabel(
        tr("Please select the audio format for the audio file you wish to create:"), formatPage);
    prompt->setWordWrap(true);
    m_formatCombo = new QComboBox(formatPage);
    m_mp3Check =
        new QCheckBox(tr("Convert resulting audio file to MP3 (may take longer time)"), formatPage);
    auto *hint = new QLabel(tr("\n\nHit \"Next\" to continue."), formatPage);
    hint->setWordWrap(true);
    auto *formatLayout = new QVBoxLayout(formatPage);
    formatLayout->addWidget(prompt);
    formatLayout->addWidget(m_formatCombo);
    formatLayout->addWidget(m_mp3Check);
    formatLayout->addWidget(hint);
    setPage(FormatPage, formatPage);

    auto *review = new QWizardPage(this);
    review->setTitle(tr("Review and Finish"));
    m_reviewLabel = new QLabel(review);
    m_reviewLabel->setWordWrap(true);
    auto *reviewLayout = new QVBoxLayout(review);
    reviewLayout->addWidget(m_reviewLabel);
    setPage(ReviewPage, review);

    fillFormatCombo();
    connect(m_formatCombo, &QComboBox::currentIndexChanged, this,
            &VocalyneExporter::onFormatComboIndexChanged);
    connect(m_mp3Check, &QCheckBox::stateChanged, this, &VocalyneExporter::onCBIsMP3StateChanged);
    updateReviewLabel();
}

void VocalyneExporter::fillFormatCombo()
{
    const QList<ExportSettingData> list =
        VocalyneExportCatalogue::listForEngineType(m_voiceEngineType);
    const QIcon icon(VocalyneExportCatalogue::entryIconPath());
    for (const ExportSettingData &row : list)
        m_formatCombo->addItem(icon, row.formatName, QVariant::fromValue(row));

    if (m_voiceEngineType == 4) {
        // Voices of this family write AIFF only, which is never converted.
        m_mp3Check->setChecked(false);
        m_mp3Check->setVisible(false);
        return;
    }
    const QSettings settings;
    const VocalyneExportCatalogue::Selection selection =
        VocalyneExportCatalogue::selectStored(list, settings);
    m_formatCombo->setCurrentIndex(selection.index);
    m_mp3Check->setChecked(selection.mp3Checked);
    m_mp3Check->setVisible(selection.mp3Visible);
}

bool VocalyneExporter::formatAt(int index, ExportSettingData &out) const
{
    return m_formatCombo && index >= 0 &&
           VocalyneExportCatalogue::fromVariant(m_formatCombo->itemData(index), out);
}

void VocalyneExporter::updateReviewLabel()
{
    ExportSettingData format;
    if (!formatAt(m_formatCombo->currentIndex(), format))
        return;
    const QString name =
        QStringLiteral("<b>") + format.formatName.toHtmlEscaped() + QStringLiteral("</b>");
    const QString mp3 =
        m_mp3Check->isChecked() ? tr("(will be converted to an MP3 file)") : QString();
    m_reviewLabel->setText(tr("You selected %1 %2 for the format of your audio file.<p>Hit "
                              "\"Finish\" to start the conversion process or hit \"Back\" to "
                              "modify your selection.</p>")
                               .arg(name, mp3));
}

void VocalyneExporter::onNext(int pageId)
{
    setWhatsThis(QString());
    if (m_mode == BatchMode) {
        onBatchPage(pageId);
        return;
    }
    if (pageId == FormatPage)
        setWhatsThis(tr("<ol><li>Select your preferred audio format for the output file from the "
                        "drop-down.<br>Note: Not all formats are supported by all voices.</li>"
                        "<li>Check the check box if you wish the resulting file to be in MP3 "
                        "format. This will take a little longer than non-MP3 conversions.</li>"
                        "<li>Hit \"Next\" to review your choice and start the conversion "
                        "process.<br>Note: You will be required to specify a file name and "
                        "location.</li></ol>"));
}

void VocalyneExporter::onFormatComboIndexChanged(int index)
{
    ExportSettingData format;
    if (!formatAt(index, format))
        return;
    if (!VocalyneExportCatalogue::isMp3Allowed(format.strToken)) {
        // Cleared for good: going back to a WAV row does not bring the
        // user's earlier choice back.
        m_mp3Check->setChecked(false);
        m_mp3Check->setVisible(false);
    } else {
        m_mp3Check->setVisible(true);
    }
    updateReviewLabel();
}

void VocalyneExporter::onCBIsMP3StateChanged(int)
{
    updateReviewLabel();
}

void VocalyneExporter::onFinish(int result)
{
    if (result != QDialog::Accepted)
        return;
    if (m_mode == BatchMode) {
        if (m_saveLogCheck && m_saveLogCheck->isChecked() && m_exportInterface)
            m_exportInterface->saveBatchLog(m_logEdit->toPlainText());
        return;
    }
    if (!m_formatCombo)
        return;
    ExportSettingData format;
    if (!formatAt(m_formatCombo->currentIndex(), format))
        return;
    m_exportSettingData =
        VocalyneExportCatalogue::chosen(m_formatCombo->currentData(), m_mp3Check->isChecked());
    if (m_exportInterface)
        m_exportInterface->exportToAudioWithFormat(m_exportSettingData);
}
