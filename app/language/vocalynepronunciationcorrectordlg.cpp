// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynepronunciationcorrectordlg.h"

#include "qvtts.h"
#include "ui_vocalynepronunciationcorrectordlg.h"
#include "vocalynemainwindowinterface.h"
#include "vocalynemessageservice.h"
#include "vocalynevoicelist.h"
#include "voicecombouserdata.h"

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidgetItem>

namespace {

const int kRemoveColumn = 0;
const int kSourceColumn = 1;
const int kTargetColumn = 2;
const int kLanguageColumn = 3;
const int kRoleColumn = 4;
const int kReadColumn = 5;
const int kStatusColumn = 6;

const uint16_t kTabLanguages[] = {1033, 1034, 1036, 1031, 1040};

QString symbolOf(const QPushButton *button)
{
    // "&&" shows a single "&" on the button and stands for the symbol "&".
    QString text = button->text();
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return text;
}

QString message(const char *text)
{
    return QApplication::translate("QApplication", text);
}

QTableWidgetItem *cell(const QString &text, const QString &icon = QString())
{
    auto *item =
        icon.isEmpty() ? new QTableWidgetItem(text) : new QTableWidgetItem(QIcon(icon), text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

VocalynePronunciationCorrectorDlg::VocalynePronunciationCorrectorDlg(
    VocalyneMainWindowInterface *mainWindow, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::VocalynePronunciationCorrectorDlg>()),
      m_mainWindow(mainWindow)
{
    m_ui->setupUi(this);
    const struct
    {
        const char *name;
        int32_t value;
    } roles[] = {{QT_TRANSLATE_NOOP("VocalynePronunciationCorrectorDlg", "Unspecified"), 0},
                 {QT_TRANSLATE_NOOP("VocalynePronunciationCorrectorDlg", "Noun"), 4096},
                 {QT_TRANSLATE_NOOP("VocalynePronunciationCorrectorDlg", "Verb"), 8192},
                 {QT_TRANSLATE_NOOP("VocalynePronunciationCorrectorDlg", "Modifier"), 12288},
                 {QT_TRANSLATE_NOOP("VocalynePronunciationCorrectorDlg", "Function"), 16384},
                 {QT_TRANSLATE_NOOP("VocalynePronunciationCorrectorDlg", "Interjection"), 20480}};
    for (const auto &role : roles)
        m_ui->cbRole->addItem(tr(role.name), role.value);

    if (VocalyneVoiceList::fill(m_ui->cbVoice) == 0) {
        VocalyneMessageService::warning(
            this, message(QT_TRANSLATE_NOOP("QApplication", "Error")),
            message(QT_TRANSLATE_NOOP(
                "QApplication",
                "No voices that support pronunciation corrections can be found on your "
                "system!")));
    }

    for (int tab = 0; tab < m_ui->twPhonemes->count(); ++tab) {
        const QList<QPushButton *> buttons =
            m_ui->twPhonemes->widget(tab)->findChildren<QPushButton *>();
        for (QPushButton *button : buttons) {
            if (button->text() == QLatin1String("CLEAR"))
                connect(button, &QPushButton::clicked, this,
                        &VocalynePronunciationCorrectorDlg::phBtnClearTarget);
            else
                connect(button, &QPushButton::clicked, this,
                        &VocalynePronunciationCorrectorDlg::phBtnClicked);
        }
    }
    connect(m_ui->twPhonemes, &QTabWidget::currentChanged, this,
            &VocalynePronunciationCorrectorDlg::phBtnClearTarget);
    // A pronunciation is read in the phones of the voice's language: the
    // symbols of a tab sound right only from a voice of that tab's language.
    connect(m_ui->twPhonemes, &QTabWidget::currentChanged, this,
            &VocalynePronunciationCorrectorDlg::chooseVoiceFor);
    chooseVoiceFor(m_ui->twPhonemes->currentIndex());
    connect(m_ui->pbReadWord, &QPushButton::clicked, this,
            &VocalynePronunciationCorrectorDlg::readTest);
    connect(m_ui->pbAddWord, &QPushButton::clicked, this,
            &VocalynePronunciationCorrectorDlg::addWordToList);
    connect(m_ui->twDictionary, &QTableWidget::cellClicked, this,
            &VocalynePronunciationCorrectorDlg::onTWidgetCellClicked);
    connect(m_ui->twDictionary, &QTableWidget::cellDoubleClicked, this,
            &VocalynePronunciationCorrectorDlg::onTWidgetCellDoubleClicked);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_ui->buttonBox, &QDialogButtonBox::helpRequested, this,
            &VocalynePronunciationCorrectorDlg::showHelpPhonemes);
    connect(this, &QDialog::accepted, this,
            &VocalynePronunciationCorrectorDlg::reloadSettingsWithDictDataAndreapplyUseDict);

    // The phonemes get the room the table has to spare, so a long
    // pronunciation stays on one line.
    m_ui->twDictionary->horizontalHeader()->setSectionResizeMode(kTargetColumn,
                                                                 QHeaderView::Stretch);
    for (const VocalyneUserDictionary::Entry &entry : VocalyneUserDictionary::load())
        appendRow(entry);
    m_ui->leSourceWord->setFocus();
}

VocalynePronunciationCorrectorDlg::~VocalynePronunciationCorrectorDlg() = default;

void VocalynePronunciationCorrectorDlg::phBtnClicked()
{
    if (const auto *button = qobject_cast<const QPushButton *>(sender()))
        m_ui->leTargetWord->setText(m_ui->leTargetWord->text() + symbolOf(button) +
                                    QLatin1Char(' '));
}

void VocalynePronunciationCorrectorDlg::phBtnClearTarget()
{
    // Also on a change of tab, so that a target never mixes languages.
    m_ui->leTargetWord->clear();
}

bool VocalynePronunciationCorrectorDlg::isTargetValid(const QString &target) const
{
    QStringList symbols;
    for (const QPushButton *button :
         m_ui->twPhonemes->currentWidget()->findChildren<QPushButton *>()) {
        if (button->text() != QLatin1String("CLEAR"))
            symbols.append(symbolOf(button));
    }
    // Empty pieces are kept: two blanks in a row make the target invalid.
    const QStringList pieces = target.trimmed().split(QLatin1Char(' '));
    for (const QString &piece : pieces) {
        if (!symbols.contains(piece))
            return false;
    }
    return true;
}

bool VocalynePronunciationCorrectorDlg::checkTarget()
{
    if (isTargetValid(m_ui->leTargetWord->text()))
        return true;
    VocalyneMessageService::critical(
        this, message(QT_TRANSLATE_NOOP("QApplication", "Error")),
        message(QT_TRANSLATE_NOOP(
            "QApplication",
            "Invalid target field phonemes!\nEach phoneme must be valid and all phonemes "
            "must be separated by a space.\n\nPlease use the phoneme buttons to aviod "
            "errors.")));
    m_ui->leTargetWord->setFocus();
    return false;
}

void VocalynePronunciationCorrectorDlg::speak(const QString &target, bool isPhoneme)
{
    const QString trimmed = target.trimmed();
    if (trimmed.isEmpty() || !m_mainWindow)
        return;
    const VoiceComboUserData voice = m_ui->cbVoice->currentData().value<VoiceComboUserData>();
    const QString text = isPhoneme
                             ? QStringLiteral("<pron sym=\"%1\"/>").arg(trimmed.toHtmlEscaped())
                             : trimmed.toHtmlEscaped();
    QVTTSStop(QVTTSEngineSpeechPlatform, 0);
    // The main window shows the engine's error message when speaking fails.
    m_mainWindow->speakText(voice.engineTypeId, m_ui->cbVoice->currentText().toUtf8(),
                            voice.voiceId, voice.langId, text.toUtf8(), -1, -1, -1, -1, true);
}

void VocalynePronunciationCorrectorDlg::chooseVoiceFor(int tab)
{
    // The catalogue gives no language for the platform's voices; their
    // names carry it in English ("espeak-ng Spanish (Spain)").
    static const char *const languageNames[] = {"English", "Spanish", "French", "German",
                                                "Italian"};
    const QRegularExpression speaks(
        QStringLiteral("\\b%1\\b").arg(QLatin1String(languageNames[qBound(0, tab, 4)])));
    if (m_ui->cbVoice->currentText().contains(speaks))
        return;
    for (int i = 0; i < m_ui->cbVoice->count(); ++i) {
        if (m_ui->cbVoice->itemText(i).contains(speaks)) {
            m_ui->cbVoice->setCurrentIndex(i);
            return;
        }
    }
}

void VocalynePronunciationCorrectorDlg::readTest()
{
    if (checkTarget())
        speak(m_ui->leTargetWord->text(), true);
}

void VocalynePronunciationCorrectorDlg::addWordToList()
{
    const QString source = m_ui->leSourceWord->text().trimmed();
    const QString target = m_ui->leTargetWord->text().trimmed();
    if (source.isEmpty() || target.isEmpty()) {
        VocalyneMessageService::critical(
            this, message(QT_TRANSLATE_NOOP("QApplication", "Error")),
            message(QT_TRANSLATE_NOOP(
                "QApplication", "The source word and the target word fields must not be empty!")));
        m_ui->leSourceWord->setFocus();
        return;
    }
    if (!checkTarget())
        return;
    bool ok = false;
    const int32_t role = m_ui->cbRole->currentData().toInt(&ok);
    if (!ok) {
        VocalyneMessageService::critical(
            this, message(QT_TRANSLATE_NOOP("QApplication", "Error")),
            message(QT_TRANSLATE_NOOP("QApplication", "Failed to get the speech role.")));
        return;
    }
    VocalyneUserDictionary::Entry entry;
    entry.source = source;
    entry.target = target;
    entry.langName = m_ui->twPhonemes->tabText(m_ui->twPhonemes->currentIndex());
    entry.langId = kTabLanguages[qBound(0, m_ui->twPhonemes->currentIndex(), 4)];
    entry.partOfSpName = m_ui->cbRole->currentText();
    entry.partOfSpId = role;
    // Language and role are compared by their identifiers: their names are
    // the interface's words, so an entry stored under another interface
    // language ("English" against "Englisch") is still the same entry.
    for (const VocalyneUserDictionary::Entry &listed : std::as_const(m_entries)) {
        if (listed.source == entry.source && listed.langId == entry.langId &&
            listed.partOfSpId == entry.partOfSpId) {
            VocalyneMessageService::critical(
                this, message(QT_TRANSLATE_NOOP("QApplication", "Error")),
                message(QT_TRANSLATE_NOOP(
                    "QApplication",
                    "An entry with the specified source word, language and role already "
                    "exists!")));
            return;
        }
    }
    appendRow(entry);
}

void VocalynePronunciationCorrectorDlg::appendRow(const VocalyneUserDictionary::Entry &entry)
{
    QTableWidget *table = m_ui->twDictionary;
    const int row = table->rowCount();
    table->insertRow(row);
    m_entries.append(entry);
    table->setItem(
        row, kRemoveColumn,
        cell(tr("remove"), QStringLiteral(":/Vocalyne/images/icons/png/deletedoc16.png")));
    table->setItem(row, kSourceColumn, cell(entry.source));
    table->setItem(row, kTargetColumn, cell(entry.target));
    table->setItem(row, kLanguageColumn, cell(entry.langName));
    table->setItem(row, kRoleColumn, cell(entry.partOfSpName));
    table->setItem(row, kReadColumn,
                   cell(tr("read"), QStringLiteral(":/Vocalyne/images/icons/png/speak16.png")));
    table->setItem(row, kStatusColumn, cell(QString()));
    showStatus(row);
}

void VocalynePronunciationCorrectorDlg::showStatus(int row)
{
    QTableWidgetItem *item = m_ui->twDictionary->item(row, kStatusColumn);
    const bool enabled = m_entries.at(row).isEnabled;
    item->setText(enabled ? tr("enabled") : tr("disabled"));
    item->setIcon(QIcon(enabled ? QStringLiteral(":/Vocalyne/images/icons/png/enabled.png")
                                : QStringLiteral(":/Vocalyne/images/icons/png/disabled.png")));
}

void VocalynePronunciationCorrectorDlg::onTWidgetCellClicked(int row, int column)
{
    if (row < 0 || row >= m_entries.size())
        return;
    if (column == kRemoveColumn) {
        if (VocalyneMessageService::question(
                this, message(QT_TRANSLATE_NOOP("QApplication", "Warning")),
                message(
                    QT_TRANSLATE_NOOP("QApplication", "Do you really want to remove this entry?")),
                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return;
        m_removed.append(m_entries.takeAt(row));
        m_ui->twDictionary->removeRow(row);
    } else if (column == kReadColumn) {
        speak(m_entries.at(row).target, m_entries.at(row).isPhoneme);
    }
}

void VocalynePronunciationCorrectorDlg::onTWidgetCellDoubleClicked(int row, int column)
{
    if (column != kStatusColumn || row < 0 || row >= m_entries.size())
        return;
    m_entries[row].isEnabled = !m_entries[row].isEnabled;
    showStatus(row);
}

void VocalynePronunciationCorrectorDlg::showHelpPhonemes()
{
    // The main window knows where the help pages are and reports a missing
    // one itself.
    emit phonemesHelpRequested();
}

void VocalynePronunciationCorrectorDlg::reloadSettingsWithDictDataAndreapplyUseDict()
{
    VocalyneUserDictionary::save(m_entries);
    // The voices' lexicon and the vendor voices' own files alike.
    VocalyneUserDictionary::applyToVoices(m_removed, this);
    m_removed.clear();
}
