// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynedocconverter.h"

#include "vocalynedocumentedit.h"
#include "vocalynedocumentextractor.h"
#include "vocalyneextractionresult.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Events run at least this often while text is extracted, however small
// the units of work are that report in between.
constexpr int EventInterval = 20;

QWidget *tabAreaOf(QWidget *editor)
{
    for (QWidget *widget = editor; widget; widget = widget->parentWidget())
        if (auto *tabs = qobject_cast<QTabWidget *>(widget))
            return tabs;
    return editor ? editor->window() : nullptr;
}

} // namespace

VocalyneDocConverter::VocalyneDocConverter(VocalyneDocumentEdit *editor) : m_editor(editor)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &VocalyneDocConverter::showProgressDialog);
    m_timer.start();
}

VocalyneDocConverter::~VocalyneDocConverter()
{
    m_timer.stop();
    delete m_progressDialog;
}

void VocalyneDocConverter::showProgressDialog()
{
    if (!m_converting || m_progressDialog)
        return;
    m_progressDialog = new QProgressDialog(tr("Extracting text from document parts..."),
                                           tr("Abort"), 0, 10, tabAreaOf(m_editor));
    m_progressDialog->setWindowTitle(tr("Vocalyne"));
    m_progressDialog->setWindowModality(Qt::WindowModal);
    // The dialog is shown now, not after its own delay: a second has
    // already passed.
    m_progressDialog->setMinimumDuration(0);
    m_progressDialog->setAutoClose(false);
    m_progressDialog->setAutoReset(false);
    m_progressDialog->show();
    m_progressDialog->activateWindow();
    m_dialogShown = true;
}

bool VocalyneDocConverter::cancelled() const
{
    return m_progressDialog && m_progressDialog->wasCanceled();
}

void VocalyneDocConverter::closeProgressDialog()
{
    if (!m_progressDialog)
        return;
    m_progressDialog->setValue(10);
    m_progressDialog->close();
}

int VocalyneDocConverter::convert(const QString &suffix, QFile &file)
{
    Q_UNUSED(suffix)
    const QString path = QFileInfo(file.fileName()).absoluteFilePath();
    if (!m_editor) {
        m_converting = false;
        return VocalyneExtraction::NoFilter;
    }

    m_editor->setUpdatesEnabled(false);
    m_sinceEvents.start();
    const int result = VocalyneDocumentExtractor::extract(path, *this);
    if (m_editor) {
        // The editor's cursor was pushed along by every insertion; the
        // reader starts at the top of the new document.
        QTextCursor start = m_editor->textCursor();
        start.movePosition(QTextCursor::Start);
        m_editor->setTextCursor(start);
        m_editor->setUpdatesEnabled(true);
    }
    closeProgressDialog();
    m_timer.stop();
    m_converting = false;
    return result;
}

bool VocalyneDocConverter::piece(const QString &text, bool newParagraph)
{
    if (!m_editor)
        return false;
    QTextDocument *document = m_editor->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    // One undo step per piece. The first piece goes into the empty document
    // itself, so the text does not begin with a blank paragraph.
    cursor.beginEditBlock();
    if (newParagraph && !document->isEmpty())
        cursor.insertBlock();
    cursor.insertText(text);
    cursor.endEditBlock();

    if (m_progressDialog) {
        m_progressDialog->setValue(m_progress);
        m_progress = (m_progress + 1) % 10;
    }
    QApplication::processEvents();
    m_sinceEvents.restart();
    return m_editor && !cancelled();
}

bool VocalyneDocConverter::keepGoing()
{
    if (m_sinceEvents.elapsed() >= EventInterval) {
        QApplication::processEvents();
        m_sinceEvents.restart();
    }
    return m_editor && !cancelled();
}
