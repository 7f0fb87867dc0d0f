// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QStringList>

/// The adapter's command line: `tesseract IMAGE OUTPUTBASE -l LANG`, as the
/// OCR dialog starts it. The dialog writes every blank of the image path as
/// "*"; parse() turns them back into blanks when the path as given does not
/// exist, so paths with blanks work.
class OcrCommandLine
{
public:
    /// Reads the arguments (without the program name). On failure valid()
    /// is false and error() says why.
    static OcrCommandLine parse(const QStringList &arguments);

    /// The image path to open: as given when such a file exists, else with
    /// every "*" read as a blank when that file exists, else as given.
    static QString resolveImagePath(const QString &given);

    bool valid() const { return m_valid; }
    QString error() const { return m_error; }
    QString imagePath() const { return m_imagePath; }
    QString givenImagePath() const { return m_givenImagePath; }
    QString outputBase() const { return m_outputBase; }
    /// Tesseract language code, "eng" when the command line names none.
    QString language() const { return m_language; }

private:
    bool m_valid = false;
    QString m_error;
    QString m_imagePath;
    QString m_givenImagePath;
    QString m_outputBase;
    QString m_language = QStringLiteral("eng");
};
