// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QDialog>
#include <QString>

namespace Ui {
class VocalyneSpElementEditorDialog;
}
class VocalyneMainWindowInterface;

/// The modal "Speech Element Editor": inserts an element of a type from the
/// element-type catalogue ("SpeechElements" in the settings) at the end of
/// the word at the current editor's cursor. Types users added as further
/// groups are offered too; a type whose data is invalid is removed from the
/// settings when it is chosen.
class VocalyneSpeechElementEditor : public QDialog
{
    Q_OBJECT

public:
    explicit VocalyneSpeechElementEditor(VocalyneMainWindowInterface *mainWindow,
                                         QWidget *parent = nullptr);
    ~VocalyneSpeechElementEditor() override;

    /// The description of the type group in the language of the default
    /// locale (QLocale()): "aboutText_" with the full locale name, else with
    /// its language part, else "aboutText"; empty when there is none.
    static QString aboutText(const QString &type);

public slots:
    void syncSetControlsPerSpElement(int index);
    void acceptSpElement();

private:
    void fillTypes();

    Ui::VocalyneSpElementEditorDialog *m_ui;
    VocalyneMainWindowInterface *m_mainWindow;
    int m_hasNumberValue = 0;
    int m_hasTextValue = 0;
};
