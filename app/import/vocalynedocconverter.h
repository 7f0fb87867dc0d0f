// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalyneextractionsink.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

class QFile;
class VocalyneDocumentEdit;

/// Puts the text of an office document, PDF, e-book or RTF file into an
/// editor, piece by piece: each piece is one undo step, the editor does not
/// repaint until the end, and events run between pieces so the window stays
/// responsive. An extraction that takes longer than a second shows a
/// progress dialog whose Abort keeps the text so far. The converter shows no
/// messages: convert() returns a VocalyneExtraction::Result for the caller.
class VocalyneDocConverter : public QObject, private VocalyneExtractionSink
{
    Q_OBJECT

public:
    /// editor is not owned (when it is destroyed during the extraction, the
    /// extraction stops); the one-second timer starts here.
    explicit VocalyneDocConverter(VocalyneDocumentEdit *editor);
    ~VocalyneDocConverter() override;

    /// Extracts the text of the open file (by its name; the file is not read
    /// and stays open for a raw import) and appends it to the editor.
    /// suffix is the file name's suffix (the content decides the reader).
    int convert(const QString &suffix, QFile &file);

    /// The progress dialog, null until shown.
    QProgressDialog *progressDialog() const { return m_progressDialog; }
    bool progressDialogShown() const { return m_dialogShown; }

public slots:
    /// Shows the progress dialog (once) while extraction still runs.
    void showProgressDialog();

private:
    bool piece(const QString &text, bool newParagraph) override;
    bool keepGoing() override;
    bool cancelled() const;
    void closeProgressDialog();

    // The user may close the tab while events run between pieces.
    QPointer<VocalyneDocumentEdit> m_editor;
    QPointer<QProgressDialog> m_progressDialog;
    bool m_converting = true;
    int m_progress = 0;
    QTimer m_timer;
    bool m_dialogShown = false;
    QElapsedTimer m_sinceEvents;
};
