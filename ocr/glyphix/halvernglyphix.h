// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QDialog>
#include <QProcess>
#include <QString>
#include <QStringDecoder>

#include <memory>

class QTranslator;

namespace Ui {
class HalvernGlyphixClass;
}

/// The OCR dialog: runs the "tesseract" program from its own folder on a
/// scanned image, shows the recognised text for correction, and copies it to
/// the clipboard or saves it as a UTF-8 text file.
class HalvernGlyphix : public QDialog
{
    Q_OBJECT

public:
    /// `programFolder` is where the "tesseract" program is looked for; empty
    /// means this program's own folder.
    explicit HalvernGlyphix(QWidget *parent = nullptr, const QString &programFolder = QString());
    ~HalvernGlyphix() override;

    QString programFolder() const { return m_programFolder; }

    /// Output text as the editor shows it: every character that is not a
    /// letter (with its marks), digit, punctuation, white space or symbol
    /// becomes a blank; line breaks stay.
    static QString cleanText(const QString &text);
    /// Exit codes come through the system as 8-bit values: 255 is -1.
    static int readExitCode(int code);

    /// Loads the program's catalogue for `localeName` (such as "de_DE", which
    /// falls back to "de") from `folder` into `translator` and installs it.
    static bool installCatalogue(QTranslator *translator, const QString &localeName,
                                 const QString &folder);

    /// Writes the editor's text to `path` in UTF-8; shows the error and
    /// returns false when the file cannot be written.
    bool saveTextTo(const QString &path);

    /// The running recognition, or null.
    QProcess *process() const { return m_process; }

public Q_SLOTS:
    void setTiffFilePath();
    void runTiffToText();
    void copyToClipBoard();
    void saveTotextFile();
    void cancelTiffToText();

    void onStdoutFlushed();
    void onTiff2TxtProcStart();
    void onTiff2TxtProcError(QProcess::ProcessError error);
    void onTiff2TxtProcFinished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    void releaseProcess();
    void setBusyCursor(bool busy);
    void setRunningButtons(bool running);

    std::unique_ptr<Ui::HalvernGlyphixClass> m_ui;
    QString m_programFolder;
    QProcess *m_process = nullptr;
    QStringDecoder m_decoder;
    bool m_firstOutput = true;
    bool m_busyCursor = false;
};
