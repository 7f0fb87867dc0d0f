// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "halvernglyphix.h"
#include "ocrlog.h"

#include "ui_halvernglyphix.h"
#include "vocalynelocations.h"
#include "vocalynemessageservice.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QTextCursor>
#include <QTranslator>

namespace {

struct Language
{
    const char *name;
    const char *code;
};

// The order of the language list, and the codes of the recogniser's data.
constexpr Language Languages[] = {
    {QT_TRANSLATE_NOOP("HalvernGlyphix", "English"), "eng"},
    {QT_TRANSLATE_NOOP("HalvernGlyphix", "Spanish"), "spa"},
    {QT_TRANSLATE_NOOP("HalvernGlyphix", "French"), "fra"},
    {QT_TRANSLATE_NOOP("HalvernGlyphix", "German"), "deu"},
    {QT_TRANSLATE_NOOP("HalvernGlyphix", "Italian"), "ita"},
    {QT_TRANSLATE_NOOP("HalvernGlyphix", "Dutch"), "nld"},
    {QT_TRANSLATE_NOOP("HalvernGlyphix", "Portuguese (Brazilian)"), "por"},
    {QT_TRANSLATE_NOOP("HalvernGlyphix", "Vietnamese"), "vie"},
};

} // namespace

HalvernGlyphix::HalvernGlyphix(QWidget *parent, const QString &programFolder)
    : QDialog(parent), m_ui(std::make_unique<Ui::HalvernGlyphixClass>()),
      m_programFolder(programFolder.isEmpty() ? VocalyneLocations::current().helperDirectory()
                                              : programFolder),
      m_decoder(QStringDecoder::Utf8)
{
    m_ui->setupUi(this);
    for (const Language &language : Languages)
        m_ui->langCombo->addItem(tr(language.name), QString::fromLatin1(language.code));

    connect(m_ui->browseForTiffFile, &QPushButton::clicked, this, &HalvernGlyphix::setTiffFilePath);
    connect(m_ui->extractBtn, &QPushButton::clicked, this, &HalvernGlyphix::runTiffToText);
    connect(m_ui->copytoClipboardBtn, &QPushButton::clicked, this,
            &HalvernGlyphix::copyToClipBoard);
    connect(m_ui->saveToTxtFileBtn, &QPushButton::clicked, this, &HalvernGlyphix::saveTotextFile);
    connect(m_ui->cancelBtn, &QPushButton::clicked, this, &HalvernGlyphix::cancelTiffToText);
}

HalvernGlyphix::~HalvernGlyphix()
{
    releaseProcess();
    setBusyCursor(false);
}

QString HalvernGlyphix::cleanText(const QString &text)
{
    QString cleaned = text;
    for (QChar &c : cleaned) {
        if (c == QLatin1Char('\n'))
            continue;
        // Combining marks are kept: recognised text may carry its accents
        // that way, and a blank there would split the word.
        if (c.isLetterOrNumber() || c.isPunct() || c.isSpace() || c.isSymbol() || c.isMark())
            continue;
        // Surrogate halves of letters outside the first plane are kept too.
        if (c.isSurrogate())
            continue;
        c = QLatin1Char(' ');
    }
    // Control characters count as white space for QChar (tab, form feed):
    // only blanks and line breaks are left standing.
    for (QChar &c : cleaned) {
        if (c != QLatin1Char('\n') && c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return cleaned;
}

int HalvernGlyphix::readExitCode(int code)
{
    return code >= 128 ? code - 256 : code;
}

bool HalvernGlyphix::installCatalogue(QTranslator *translator, const QString &localeName,
                                      const QString &folder)
{
    if (!translator->load(QStringLiteral("HalvernGlyphix_") + localeName, folder))
        return false;
    return QCoreApplication::installTranslator(translator);
}

void HalvernGlyphix::setTiffFilePath()
{
    // TIFF stays the first choice; the recogniser reads the other common
    // image types as well.
    const QString filters = tr("TIFF Images (*.tif *.tiff)") + QStringLiteral(";;") +
                            tr("Other Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.pbm "
                               "*.pgm *.ppm *.pnm *.jp2)") +
                            QStringLiteral(";;") + tr("All Files (*)");
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Select TIFF File"), QString(), filters);
    if (!path.isEmpty())
        m_ui->tiffFilePath->setText(path);
}

void HalvernGlyphix::runTiffToText()
{
    releaseProcess();
    QString path = m_ui->tiffFilePath->text();
    if (path.isEmpty()) {
        VocalyneMessageService::critical(this, tr("Error"),
                                         tr("Please select a TIFF file before continuing."));
        return;
    }
    // The recogniser's command line cannot carry blanks in the path; it reads
    // "*" back as a blank.
    path.replace(QLatin1Char(' '), QLatin1Char('*'));

    m_process = new QProcess(this);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &HalvernGlyphix::onStdoutFlushed);
    connect(m_process, &QProcess::started, this, &HalvernGlyphix::onTiff2TxtProcStart);
    connect(m_process, &QProcess::errorOccurred, this, &HalvernGlyphix::onTiff2TxtProcError);
    connect(m_process, &QProcess::finished, this, &HalvernGlyphix::onTiff2TxtProcFinished);

    m_decoder = QStringDecoder(QStringDecoder::Utf8);
    m_firstOutput = true;
    const QString code = m_ui->langCombo->currentData().toString();
    m_process->start(m_programFolder + QStringLiteral("/tesseract"),
                     {path, path, QStringLiteral("-l"), code}, QIODevice::ReadWrite);
}

void HalvernGlyphix::copyToClipBoard()
{
    QApplication::clipboard()->setText(m_ui->textEdit->toPlainText());
}

void HalvernGlyphix::saveTotextFile()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save as Text File"), tr("Untitled"),
                                                      tr("Text Document (*.txt)"));
    if (path.isEmpty())
        return;
    saveTextTo(path);
}

bool HalvernGlyphix::saveTextTo(const QString &path)
{
    // Saved whole or not at all: a failed save leaves an earlier file as it was.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(m_ui->textEdit->toPlainText().toUtf8());
        if (file.commit())
            return true;
    }
    VocalyneMessageService::critical(this, tr("Error"),
                                     tr("Failed to open %1\n%2").arg(path, file.errorString()));
    return false;
}

void HalvernGlyphix::cancelTiffToText()
{
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    const QString title = tr("Halvern ") + tr("\u00ae") + tr(" Glyphix");
    const QMessageBox::StandardButton answer = VocalyneMessageService::question(
        this, title,
        tr("The conversion process is currently running.\n\nDo you really want to terminate it?"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes && m_process)
        m_process->kill();
}

void HalvernGlyphix::onStdoutFlushed()
{
    if (!m_process)
        return;
    const QByteArray bytes = m_process->readAllStandardOutput();
    if (bytes.isEmpty())
        return;
    // The decoder keeps a character whose bytes are split between two reads.
    const QString text = cleanText(m_decoder.decode(bytes));
    if (m_firstOutput) {
        m_ui->textEdit->setPlainText(text);
        m_firstOutput = false;
    } else {
        QTextCursor cursor(m_ui->textEdit->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(text);
    }
}

void HalvernGlyphix::onTiff2TxtProcStart()
{
    setBusyCursor(true);
    setRunningButtons(true);
}

void HalvernGlyphix::onTiff2TxtProcError(QProcess::ProcessError error)
{
    setBusyCursor(false);
    if (error == QProcess::FailedToStart)
        VocalyneMessageService::critical(this, tr("Error"),
                                         tr("Unable to start the conversion process."));
    m_ui->extractBtn->setEnabled(true);
    m_ui->copytoClipboardBtn->setEnabled(false);
    m_ui->saveToTxtFileBtn->setEnabled(false);
    m_ui->cancelBtn->setEnabled(false);
}

void HalvernGlyphix::onTiff2TxtProcFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    // Whatever is still buffered belongs to the text too.
    onStdoutFlushed();
    setBusyCursor(false);
    // A killed run has no exit code to explain.
    if (exitStatus == QProcess::NormalExit) {
        const int code = readExitCode(exitCode);
        if (code == -2)
            VocalyneMessageService::critical(this, tr("Error"), tr("Out of memory."));
        else if (code == -1)
            VocalyneMessageService::critical(
                this, tr("Error"),
                tr("Unable to open TIFF file. Make sure it an uncompressed TIFF file."));
        if (code != 0 && code < 100)
            VocalyneMessageService::critical(
                this, tr("Error"),
                tr("The conversion process terminated with error code %1.\nImportant: The TIFF "
                   "file must be of the UNCOMPRESSED TIFF file format.\nPlease check file "
                   "'%2' for more information about this error.")
                    .arg(code)
                    .arg(QDir::toNativeSeparators(OcrLog::defaultPath())));
    }
    setRunningButtons(false);
}

void HalvernGlyphix::releaseProcess()
{
    if (!m_process)
        return;
    QProcess *process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(3000);
    }
    process->deleteLater();
}

void HalvernGlyphix::setBusyCursor(bool busy)
{
    if (busy == m_busyCursor)
        return;
    m_busyCursor = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void HalvernGlyphix::setRunningButtons(bool running)
{
    m_ui->extractBtn->setEnabled(!running);
    m_ui->copytoClipboardBtn->setEnabled(!running);
    m_ui->saveToTxtFileBtn->setEnabled(!running);
    m_ui->cancelBtn->setEnabled(running);
}
