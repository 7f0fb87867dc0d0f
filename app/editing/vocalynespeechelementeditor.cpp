// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynespeechelementeditor.h"

#include "ui_vocalynespeechelementeditor.h"
#include "vocalyneelementcatalogue.h"
#include "vocalynemainwindowinterface.h"
#include "vocalynemessageservice.h"
#include "vocalynesettingskeys.h"

#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>

namespace K = VocalyneSettingsKeys;

namespace {

// -1 for a missing key and for a value that is not a whole number, so a
// damaged entry is never taken for a valid 0.
int readCatalogueInt(const QSettings &settings, const QString &type, QLatin1String field)
{
    const QVariant value = settings.value(K::elementKey(type, field));
    if (!value.isValid())
        return -1;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : -1;
}

} // namespace

VocalyneSpeechElementEditor::VocalyneSpeechElementEditor(VocalyneMainWindowInterface *mainWindow,
                                                         QWidget *parent)
    : QDialog(parent), m_ui(new Ui::VocalyneSpElementEditorDialog), m_mainWindow(mainWindow)
{
    m_ui->setupUi(this);
    if (m_mainWindow)
        m_mainWindow->ensureElementCatalogue(false);
    fillTypes();
    connect(m_ui->comboBoxType, &QComboBox::currentIndexChanged, this,
            &VocalyneSpeechElementEditor::syncSetControlsPerSpElement);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this,
            &VocalyneSpeechElementEditor::acceptSpElement);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    syncSetControlsPerSpElement(0);
}

VocalyneSpeechElementEditor::~VocalyneSpeechElementEditor()
{
    delete m_ui;
}

void VocalyneSpeechElementEditor::fillTypes()
{
    const QSignalBlocker blocker(m_ui->comboBoxType);
    m_ui->comboBoxType->clear();
    QSettings settings;
    for (const QString &group : VocalyneElementCatalogue::types(settings)) {
        if (group.isEmpty())
            continue;
        // The group name itself is the type: the list only capitalises it.
        m_ui->comboBoxType->addItem(group.left(1).toUpper() + group.mid(1), group);
    }
}

QString VocalyneSpeechElementEditor::aboutText(const QString &type)
{
    QSettings settings;
    const QString base = K::elementKey(type, K::ElementAboutText);
    const QString full = QLocale().name(); // "de_DE"
    const QString language = full.section(QLatin1Char('_'), 0, 0);
    for (const QString &suffix : {full, language}) {
        const QString key = base + QLatin1Char('_') + suffix;
        if (!suffix.isEmpty() && settings.contains(key))
            return settings.value(key).toString();
    }
    return settings.value(base).toString();
}

void VocalyneSpeechElementEditor::syncSetControlsPerSpElement(int index)
{
    QPushButton *ok = m_ui->buttonBox->button(QDialogButtonBox::Ok);
    const QString type = m_ui->comboBoxType->itemData(index).toString();
    if (index < 0 || type.isEmpty()) {
        // Nothing left to insert.
        m_hasNumberValue = m_hasTextValue = 0;
        m_ui->spinBoxNumValue->setEnabled(false);
        m_ui->plainTextEditTextValue->setEnabled(false);
        m_ui->plainTextEditAbout->clear();
        if (ok)
            ok->setEnabled(false);
        return;
    }

    QSettings settings;
    const int hasNumber = readCatalogueInt(settings, type, K::ElementHasNumberValue);
    const int hasText = readCatalogueInt(settings, type, K::ElementHasTextValue);
    const int minimum = readCatalogueInt(settings, type, K::ElementNumberValueMin);
    const int maximum = readCatalogueInt(settings, type, K::ElementNumberValueMax);
    const QString about = aboutText(type);
    const bool valid = (hasNumber == 0 || hasNumber == 1) && (hasText == 0 || hasText == 1) &&
                       minimum != -1 && maximum != -1 && !about.isEmpty();
    if (!valid) {
        VocalyneMessageService::warning(
            this, QCoreApplication::translate("QApplication", "Error"),
            QCoreApplication::translate("QApplication",
                                        "Invalid element data. The element will be removed."));
        settings.remove(QString(K::SpeechElementsGroup) + QLatin1Char('/') + type);
        settings.sync();
        fillTypes();
        syncSetControlsPerSpElement(m_ui->comboBoxType->currentIndex());
        return;
    }

    if (ok)
        ok->setEnabled(true);
    m_hasNumberValue = hasNumber;
    m_hasTextValue = hasText;
    m_ui->spinBoxNumValue->setEnabled(hasNumber == 1);
    if (hasNumber == 1)
        m_ui->spinBoxNumValue->setRange(minimum, maximum);
    m_ui->plainTextEditTextValue->setEnabled(hasText == 1);
    if (hasText == 1)
        m_ui->plainTextEditTextValue->clear();
    else
        m_ui->plainTextEditTextValue->setPlainText(
            QCoreApplication::translate("VocalyneSpElementEditorDialog", "Not applicable."));
    m_ui->plainTextEditAbout->setPlainText(about);
}

void VocalyneSpeechElementEditor::acceptSpElement()
{
    const QString type = m_ui->comboBoxType->currentData().toString();
    if (type.isEmpty())
        return;
    QString value;
    if (m_hasNumberValue == 1)
        value = QString::number(m_ui->spinBoxNumValue->value());
    else if (m_hasTextValue == 1)
        value = m_ui->plainTextEditTextValue->toPlainText();
    if (m_mainWindow)
        m_mainWindow->addElementAtWordEnd(type, value);
    accept();
}
