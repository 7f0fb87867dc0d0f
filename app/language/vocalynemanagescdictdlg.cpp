// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynemanagescdictdlg.h"

#include "ui_vocalynemanagescdictdlg.h"
#include "vocalyneiconnames.h"
#include "vocalynelocations.h"
#include "vocalynemessageservice.h"
#include "vocalynespellcheckdictionaries.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QSettings>

namespace {

enum Column { RemoveColumn = 0, NameColumn = 1, StatusColumn = 2, DefaultColumn = 3 };

VocalyneManageSCDictDlg::FileChooser &fileChooser()
{
    static VocalyneManageSCDictDlg::FileChooser chooser;
    return chooser;
}

QString enabledText()
{
    return VocalyneManageSCDictDlg::tr("enabled");
}

QTableWidgetItem *newItem(const QString &text = QString())
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

QIcon icon(const char *name)
{
    return QIcon(VocalyneIconNames::path(name));
}

void critical(QWidget *parent, const QString &text)
{
    VocalyneMessageService::critical(parent, QApplication::translate("QApplication", "Error"),
                                     text);
}

} // namespace

VocalyneManageSCDictDlg::VocalyneManageSCDictDlg(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::VocalyneManageSCDictDlg>())
{
    m_ui->setupUi(this);
    QHeaderView *header = m_ui->tableWidgetDicts->horizontalHeader();
    header->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    for (int column : {RemoveColumn, StatusColumn, DefaultColumn})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);

    QSettings settings;
    for (const VocalyneSpellCheckDictionary &entry : VocalyneSpellCheckDictionaries::read(settings))
        appendRow(entry.name, entry.path, entry.enabled, entry.isDefault);

    using D = VocalyneManageSCDictDlg;
    connect(m_ui->tableWidgetDicts, &QTableWidget::cellClicked, this, &D::onTWidgetCellClicked);
    connect(m_ui->tableWidgetDicts, &QTableWidget::cellDoubleClicked, this,
            &D::onTWidgetCellDoubleClicked);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &D::onAccept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &D::reject);
    connect(m_ui->pushButtonBrowse, &QPushButton::clicked, this, &D::onBrowseForDictFile);
    connect(m_ui->pushButtonAddDict, &QPushButton::clicked, this, &D::onAddDict);
}

VocalyneManageSCDictDlg::~VocalyneManageSCDictDlg() = default;

void VocalyneManageSCDictDlg::setFileChooser(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

void VocalyneManageSCDictDlg::appendRow(const QString &name, const QString &path, bool enabled,
                                        bool isDefault)
{
    QTableWidget *table = m_ui->tableWidgetDicts;
    const int row = table->rowCount();
    table->insertRow(row);
    QTableWidgetItem *remove = newItem();
    remove->setIcon(icon(VocalyneIconNames::DeleteDoc));
    remove->setToolTip(tr("Remove"));
    table->setItem(row, RemoveColumn, remove);
    table->setItem(row, NameColumn, newItem(name));
    table->setItem(row, StatusColumn, newItem());
    setRowEnabled(row, enabled);
    QTableWidgetItem *defaultItem = newItem();
    if (isDefault)
        defaultItem->setIcon(icon(VocalyneIconNames::Done));
    defaultItem->setToolTip(tr("Default?"));
    table->setItem(row, DefaultColumn, defaultItem);
    m_paths.append(path);
}

void VocalyneManageSCDictDlg::setRowEnabled(int row, bool enabled)
{
    QTableWidgetItem *item = m_ui->tableWidgetDicts->item(row, StatusColumn);
    item->setText(enabled ? enabledText() : tr("disabled"));
    item->setIcon(icon(enabled ? VocalyneIconNames::Enabled : VocalyneIconNames::Disabled));
}

bool VocalyneManageSCDictDlg::isDefaultRow(int row) const
{
    const QTableWidgetItem *item = m_ui->tableWidgetDicts->item(row, DefaultColumn);
    return item && !item->icon().isNull();
}

void VocalyneManageSCDictDlg::onBrowseForDictFile()
{
    const QString caption = tr("Add spell check dictionary");
    const QString directory = VocalyneLocations::current().dataDirectory();
    const QString filter = tr("Halvern SCD File (*.scd)");
    const QString path = fileChooser()
                             ? fileChooser()(this, caption, directory, filter)
                             : QFileDialog::getOpenFileName(this, caption, directory, filter);
    if (!path.isEmpty())
        m_ui->lineEditDictFilePath->setText(path);
}

void VocalyneManageSCDictDlg::onAddDict()
{
    const QString path = m_ui->lineEditDictFilePath->text().trimmed();
    const QString name = m_ui->lineEditDictName->text().trimmed();
    if (path.isEmpty()) {
        critical(this,
                 QApplication::translate(
                     "QApplication", "You must select a dictionary file in order to continue."));
        return;
    }
    if (name.isEmpty()) {
        critical(this,
                 QApplication::translate("QApplication",
                                         "You must enter a dictionary name in order to continue."));
        m_ui->lineEditDictName->setFocus();
        return;
    }
    QTableWidget *table = m_ui->tableWidgetDicts;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString rowName = table->item(row, NameColumn)->text();
        if (m_paths.at(row).compare(path, Qt::CaseInsensitive) == 0) {
            critical(this, QApplication::translate(
                               "QApplication",
                               "The dictionary '%1' has the same file path ('%2').\nYou cannot "
                               "load more than 1 dictionary with the same dictionary file path.")
                               .arg(rowName, path));
            return;
        }
        if (rowName == name) {
            critical(this, QApplication::translate(
                               "QApplication",
                               "A dictionary with the name '%1' already exists.\nYou cannot load "
                               "more than 1 dictionary with the same name.")
                               .arg(name));
            return;
        }
    }
    appendRow(name, path, true, false);
    m_ui->lineEditDictName->clear();
    m_ui->lineEditDictFilePath->clear();
}

void VocalyneManageSCDictDlg::onTWidgetCellClicked(int row, int column)
{
    if (column != RemoveColumn || row < 0 || row >= m_paths.size())
        return;
    if (isDefaultRow(row)) {
        critical(this, QApplication::translate("QApplication",
                                               "You cannot delete the default dictionary!"));
        return;
    }
    const auto answer = VocalyneMessageService::question(
        this, QApplication::translate("QApplication", "Vocalyne"),
        QApplication::translate("QApplication",
                                "Are you sure you want to remove the selected dictionary from the "
                                "list?\nYour changes will take effect when you hit \"OK\""));
    if (answer != QMessageBox::Yes)
        return;
    m_ui->tableWidgetDicts->removeRow(row);
    m_paths.removeAt(row);
}

void VocalyneManageSCDictDlg::onTWidgetCellDoubleClicked(int row, int column)
{
    QTableWidget *table = m_ui->tableWidgetDicts;
    if (row < 0 || row >= table->rowCount())
        return;
    if (column == StatusColumn) {
        if (isDefaultRow(row)) {
            critical(this, QApplication::translate("QApplication",
                                                   "You cannot disable the default dictionary!"));
            return;
        }
        setRowEnabled(row, table->item(row, StatusColumn)->text() != enabledText());
    } else if (column == DefaultColumn) {
        for (int other = 0; other < table->rowCount(); ++other)
            table->item(other, DefaultColumn)->setIcon(QIcon());
        table->item(row, DefaultColumn)->setIcon(icon(VocalyneIconNames::Done));
        setRowEnabled(row, true);
    }
}

void VocalyneManageSCDictDlg::onAccept()
{
    QList<VocalyneSpellCheckDictionary> list;
    QTableWidget *table = m_ui->tableWidgetDicts;
    for (int row = 0; row < table->rowCount(); ++row) {
        VocalyneSpellCheckDictionary entry;
        entry.name = table->item(row, NameColumn)->text();
        entry.path = m_paths.at(row);
        entry.enabled = table->item(row, StatusColumn)->text() == enabledText();
        entry.isDefault = isDefaultRow(row);
        list.append(entry);
    }
    QSettings settings;
    VocalyneSpellCheckDictionaries::write(settings, list);
    VocalyneMessageService::information(
        this, QApplication::translate("QApplication", "Vocalyne"),
        QApplication::translate("QApplication",
                                "Your changes will apply when you restart Vocalyne."));
    accept();
}
