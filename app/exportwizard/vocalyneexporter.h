// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "batchexportitem.h"
#include "exportsettingdata.h"
#include "vocalyneexportreporter.h"

#include <QList>
#include <QWizard>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTableWidget;
class VocalyneExportInterface;

/// The export wizard. In single mode (0) it walks the user through three
/// pages (welcome, "Audio Format", "Review and Finish") and, when finished,
/// hands the chosen format to the main window's export to audio. In batch
/// mode (1) the user adds files to a table, sets voice, prosody and format
/// per file, and the main window exports them; the rows show the workers'
/// reports, and the last page shows the log.
class VocalyneExporter : public QWizard, public VocalyneExportReporter
{
    Q_OBJECT

public:
    enum Mode { SingleMode = 0, BatchMode = 1 };
    enum SinglePage { WelcomePage = 0, FormatPage = 1, ReviewPage = 2 };
    enum BatchPage { BatchWelcomePage = 0, BatchFilesPage = 1, BatchLogPage = 2 };
    /// Columns of the batch table.
    enum Column {
        RemoveColumn = 0,
        StatusColumn,
        InputColumn,
        OutputColumn,
        VoiceColumn,
        SpeedColumn,
        VolumeColumn,
        PitchColumn,
        XmlColumn,
        FormatColumn,
        Mp3Column,
        ColumnCount
    };

    /// exportInterface: the main window's export operations (not owned);
    /// voiceEngineType: the current document's engine type in single mode
    /// (type 4 is offered only AIFF), -4 in batch mode.
    VocalyneExporter(QWidget *parent, VocalyneExportInterface *exportInterface, int mode,
                     int voiceEngineType);
    ~VocalyneExporter() override;

    int mode() const { return m_mode; }
    int voiceEngineType() const { return m_voiceEngineType; }
    /// The format handed to the export, filled when the wizard finishes.
    ExportSettingData exportSettingData() const { return m_exportSettingData; }

    QComboBox *formatCombo() const { return m_formatCombo; }
    QCheckBox *mp3CheckBox() const { return m_mp3Check; }
    QLabel *reviewLabel() const { return m_reviewLabel; }

    /// Single mode always accepts. Batch mode checks the files page and
    /// starts the batch there (the wizard stays on the page while it runs);
    /// once the batch has finished it fills the log and moves on.
    bool validateCurrentPage() override;

    // Batch mode.
    QTableWidget *table() const { return m_table; }
    QMenu *voiceMenu() const { return m_voiceMenu; }
    QMenu *formatMenu() const { return m_formatMenu; }
    QPlainTextEdit *logEdit() const { return m_logEdit; }
    QCheckBox *saveLogCheckBox() const { return m_saveLogCheck; }
    QString outputFolder() const { return m_outputFolder; }
    void setOutputFolder(const QString &folder);
    /// Appends one row per path with the batch defaults.
    void addFiles(const QStringList &paths);
    const QList<BatchExportItem> &items() const { return m_items; }
    /// Replaces a row's item and shows its voice name, speed, volume and pitch.
    void setItem(int row, const BatchExportItem &item);
    void setRemovingAllowed(bool allowed) { m_removingAllowed = allowed; }
    bool batchFinished() const { return m_batchFinished; }
    /// The log: one line per row.
    QString logText() const;

    // VocalyneExportReporter: the row's status cell shows the report.
    void report(const QString &message, int status, int row) override;
    void batchEnded() override;

public Q_SLOTS:
    /// The current page changed: the What's This help follows the page.
    void onNext(int pageId);
    /// Accepted in single mode: exports in the chosen format.
    void onFinish(int result);
    void onFormatComboIndexChanged(int index);
    void onCBIsMP3StateChanged(int state);
    void onSelFolderBtnClicked();
    void onSelFileBtnClicked();
    void onDisplayEditTWidgetCellClicked(int row, int column);
    void onVoiceChanged(QAction *action);
    void onFormatChanged(QAction *action);
    void onDisplayEditTWidgetCellChanged(int row, int column);
    void onDisplayEditTWidgetCellDoubleClicked(int row, int column);
    void onCancelBatchExport();

private:
    void createSinglePages();
    void fillFormatCombo();
    /// The record of the combo entry at index; false when it carries none.
    bool formatAt(int index, ExportSettingData &out) const;
    void updateReviewLabel();
    void createBatchPages();
    void onBatchPage(int pageId);
    void readBatchDefaults();
    void setFlagCell(int row, int column, bool enabled);
    int selectedRow() const;

    VocalyneExportInterface *m_exportInterface;
    int m_mode;
    int m_voiceEngineType;
    ExportSettingData m_exportSettingData;

    QComboBox *m_formatCombo = nullptr;
    QCheckBox *m_mp3Check = nullptr;
    QLabel *m_reviewLabel = nullptr;

    QString m_outputFolder;
    QList<BatchExportItem> m_items;
    BatchExportItem m_defaultItem;
    QString m_defaultExtension;
    QString m_defaultFormatName;
    QLineEdit *m_folderEdit = nullptr;
    QTableWidget *m_table = nullptr;
    QMenu *m_voiceMenu = nullptr;
    QMenu *m_formatMenu = nullptr;
    QPlainTextEdit *m_logEdit = nullptr;
    QCheckBox *m_saveLogCheck = nullptr;
    bool m_removingAllowed = true;
    bool m_batchFinished = false;
    bool m_batchStarted = false;
    bool m_fillingRow = false;
    bool m_statusResizePending = false;
};
