// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "exportsettingdata.h"

#include <QWizard>

class QCheckBox;
class QComboBox;
class QLabel;
class VocalyneExportInterface;

/// The export wizard. In single mode (0) it walks the user through three
/// pages (welcome, "Audio Format", "Review and Finish") and, when finished,
/// hands the chosen format to the main window's export to audio.
class VocalyneExporter : public QWizard
{
    Q_OBJECT

public:
    enum Mode { SingleMode = 0, BatchMode = 1 };
    enum SinglePage { WelcomePage = 0, FormatPage = 1, ReviewPage = 2 };

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

    /// Single mode always accepts.
    bool validateCurrentPage() override;

public Q_SLOTS:
    /// The current page changed: the What's This help follows the page.
    void onNext(int pageId);
    /// Accepted in single mode: exports in the chosen format.
    void onFinish(int result);
    void onFormatComboIndexChanged(int index);
    void onCBIsMP3StateChanged(int state);

private:
    void createSinglePages();
    void fillFormatCombo();
    /// The record of the combo entry at index; false when it carries none.
    bool formatAt(int index, ExportSettingData &out) const;
    void updateReviewLabel();

    VocalyneExportInterface *m_exportInterface;
    int m_mode;
    int m_voiceEngineType;
    ExportSettingData m_exportSettingData;

    QComboBox *m_formatCombo = nullptr;
    QCheckBox *m_mp3Check = nullptr;
    QLabel *m_reviewLabel = nullptr;
};
