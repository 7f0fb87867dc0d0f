// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The document life cycle of the main window: new, open, save, close.
#include "vocalynedialogservice.h"
#include "vocalynedocumentedit.h"
#include "vocalynedocumentextractor.h"
#include "vocalyneiconnames.h"
#include "vocalynemainwindow.h"
#include "vocalynemessageservice.h"
#include "vocalynerecentdocaction.h"
#include "vocalynerecentfiles.h"
#include "vocalynespeakcontroller.h"
#include "vocalynetextdecoder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTextStream>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString appText(const char *text)
{
    return QApplication::translate("QApplication", text);
}

// Keeps the busy cursor up for a scope, also on early returns.
class BusyCursor
{
public:
    explicit BusyCursor(Qt::CursorShape shape = Qt::BusyCursor)
    {
        QApplication::setOverrideCursor(QCursor(shape));
    }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

QString VocalyneMainWindow::tabTitleForPath(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (name.size() > 20)
        return name.left(20) + QStringLiteral("...");
    return name;
}

VocalyneDocumentEdit *VocalyneMainWindow::documentEditAt(int index) const
{
    QWidget *page = documentTabs->widget(index);
    if (!page)
        return nullptr;
    return page->findChild<VocalyneDocumentEdit *>(QStringLiteral("VocalyneDocumentEdit"));
}

int VocalyneMainWindow::documentCount() const
{
    return documentTabs->count();
}

VocalyneDocumentEdit *VocalyneMainWindow::currentDocumentEdit() const
{
    return documentEditAt(documentTabs->currentIndex());
}

int VocalyneMainWindow::documentTabIndex(const VocalyneDocumentEdit *edit) const
{
    for (int i = 0; i < documentTabs->count(); ++i)
        if (edit && documentEditAt(i) == edit)
            return i;
    return -1;
}

int VocalyneMainWindow::currentDocumentTabIndex() const
{
    return documentTabs->currentIndex();
}

QString VocalyneMainWindow::documentTabTitle(int index) const
{
    return documentTabs->tabText(index);
}

void VocalyneMainWindow::setDocumentTabTitle(int index, const QString &title)
{
    if (index >= 0 && index < documentTabs->count())
        documentTabs->setTabText(index, title);
}

VocalyneDocumentEdit *VocalyneMainWindow::addDocumentTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setObjectName(QStringLiteral("vboxLayout1"));
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *edit = new VocalyneDocumentEdit(page, this, twBookmarkManager, twSectionSpProps);
    edit->setObjectName(QStringLiteral("VocalyneDocumentEdit"));
    layout->addWidget(edit);
    // Adding the tab may make it current at once (the first one after a
    // close-all), so the voice check below must not run twice.
    const QSignalBlocker blocker(documentTabs);
    const int index = documentTabs->addTab(
        page, QIcon(VocalyneIconNames::path(VocalyneIconNames::T2sDoc)), tr("Untitled"));
    documentTabs->setCurrentIndex(index);
    return edit;
}

void VocalyneMainWindow::newDocument()
{
    addDocumentTab();
    syncGUIWithSpeechPropsForTabId(documentTabs->currentIndex());
}

void VocalyneMainWindow::openDocument()
{
    QString path = VocalyneDialogService::instance()->openFileName(
        this, tr("Open Document"), m_lastOpenDirectory,
        VocalyneDocumentExtractor::fileDialogFilter());
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (info.isSymLink())
        path = info.symLinkTarget();
    openDocumentPath(path);
}

void VocalyneMainWindow::openDocumentFile(const QString &path)
{
    openDocumentPath(path);
}

void VocalyneMainWindow::openDocumentByAction(QAction *action)
{
    if (auto *recent = qobject_cast<VocalyneRecentDocAction *>(action))
        openDocumentPath(recent->path());
}

void VocalyneMainWindow::openDocumentPath(const QString &givenPath)
{
    // A relative path from the command line names the same file as its
    // absolute form; only one of them may be open and listed.
    const QString path = QFileInfo(givenPath).absoluteFilePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP("QApplication", "Failed to open %1\n%2"))
                .arg(path, file.errorString()));
        return;
    }

    const int open = tabOfPath(path, -1);
    if (open >= 0) {
        documentTabs->setCurrentIndex(open);
        syncGUIWithSpeechPropsForTabId(open);
        return;
    }

    // The list is kept even when the file then turns out to be unreadable,
    // so the user can find it again.
    recordRecentFile(path);
    recordHistory(path);

    {
        BusyCursor busy;
        const QByteArray bytes = file.readAll();
        file.close();
        readDocumentFile(path, bytes);
    }
    m_lastOpenDirectory = QFileInfo(path).absolutePath();
}

void VocalyneMainWindow::readDocumentFile(const QString &path, const QByteArray &bytes)
{
    const QString suffix = QFileInfo(path).suffix().toUpper();
    if (suffix == QLatin1String("HTM") || suffix == QLatin1String("HTML")) {
        openInBrowser(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
        return;
    }

    VocalyneDocumentEdit *edit = addDocumentTab();
    const int index = documentTabs->currentIndex();
    QCoreApplication::processEvents();

    if (suffix == QLatin1String("T2S")) {
        edit->setUntitled(false);
        if (!edit->read(bytes)) {
            VocalyneMessageService::critical(
                this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
                appText(QT_TRANSLATE_NOOP("QApplication", "Invalid T2S file format!")));
            // A failed read may have taken some records already; a fresh
            // editor leaves the tab truly empty and untitled.
            removeDocumentTab(index);
            newDocument();
            return;
        }
        edit->setPlainText(edit->content());
        edit->setFilePath(path);
        edit->setModifiedState(false, tabTitleForPath(path), index);
        // Drawing the highlights of a large document lays out all of its
        // text, so it is done once: the editor may have drawn them already
        // when its text was set, else the voice check or this does it.
        const bool drawn = edit->entityHighlights().size()
                           == edit->bookmarks().size() + edit->sections().size()
                                  + edit->elements().size();
        if (!checkDocumentVoice(index, !drawn) && !drawn)
            edit->refreshHighlights();
        return;
    }

    if (suffix != QLatin1String("TXT")) {
        importDocument(edit, path, bytes);
        return;
    }

    // Plain text: the text is taken as it stands and the document stays
    // untitled, so the first save asks for a name instead of overwriting the
    // source file.
    BusyCursor wait(Qt::WaitCursor);
    edit->setPlainText(VocalyneTextDecoder::decode(bytes));
    edit->setModifiedState(true, QString(), index);
}

int VocalyneMainWindow::tabOfPath(const QString &path, int exceptTab) const
{
    if (path.isEmpty())
        return -1;
    for (int i = 0; i < documentTabs->count(); ++i) {
        if (i == exceptTab)
            continue;
        if (VocalyneDocumentEdit *edit = documentEditAt(i))
            if (edit->filePath() == path)
                return i;
    }
    return -1;
}

void VocalyneMainWindow::openInBrowser(const QUrl &url)
{
    BusyCursor busy;
    if (!QDesktopServices::openUrl(url))
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP("QApplication", "No default web browser could be found.")));
}

void VocalyneMainWindow::recordRecentFile(const QString &path)
{
    QSettings settings;
    VocalyneRecentFiles::record(settings, path);
}

bool VocalyneMainWindow::saveCurrentDocument()
{
    return saveDocumentAt(documentTabs->currentIndex());
}

void VocalyneMainWindow::saveCurrentDocumentAs()
{
    m_saveAs = true;
    saveCurrentDocument();
    m_saveAs = false;
}

void VocalyneMainWindow::saveAllDocuments()
{
    for (int i = 0; i < documentTabs->count(); ++i) {
        VocalyneDocumentEdit *edit = documentEditAt(i);
        if (!edit || edit->filePath().isEmpty())
            continue;
        if (!saveDocumentAt(i))
            break;
    }
}

bool VocalyneMainWindow::saveDocumentAt(int index)
{
    VocalyneDocumentEdit *edit = documentEditAt(index);
    if (!edit)
        return false;

    QString path = edit->filePath();
    const bool fromDialog = path.isEmpty() || m_saveAs;
    if (fromDialog) {
        for (;;) {
            path = VocalyneDialogService::instance()->saveFileName(
                this, tr("Save Document"),
                m_lastSaveDirectory + QLatin1Char('/') + tr("NewDocument.t2s"),
                tr("Halvern T2S Document (*.t2s)"));
            if (path.isEmpty())
                return false;
            if (tabOfPath(path, index) < 0)
                break;
            VocalyneMessageService::warning(
                this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
                appText(QT_TRANSLATE_NOOP(
                    "QApplication",
                    "Cannot save with the name of a file that is open in another tab!")));
        }
    }

    if (!writeDocument(edit, path))
        return false;

    edit->setFilePath(path);
    if (fromDialog)
        m_lastSaveDirectory = QFileInfo(path).absolutePath();
    edit->setModifiedState(false, tabTitleForPath(path), index);
    recordRecentFile(path);
    // A document made in the program enters the history with its first save.
    if (edit->isUntitled())
        recordHistory(path);
    edit->setUntitled(false);
    return true;
}

bool VocalyneMainWindow::writeDocument(VocalyneDocumentEdit *edit, const QString &path)
{
    // Written beside the target and moved over it only when complete, so a
    // failed save never destroys the previous file.
    QString error;
    if (!edit->saveToFile(path, edit->toPlainText(), &error)) {
        VocalyneMessageService::critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
            appText(QT_TRANSLATE_NOOP("QApplication", "Failed to open %1\n%2")).arg(path, error));
        return false;
    }
    return true;
}

QMessageBox::StandardButton VocalyneMainWindow::askToSaveTab(int index)
{
    VocalyneDocumentEdit *edit = documentEditAt(index);
    if (!edit || !edit->document()->isModified())
        return QMessageBox::Discard;
    documentTabs->setCurrentIndex(index);
    const QString name = edit->filePath().isEmpty() ? tr("Untitled") : edit->fileName();
    const QMessageBox::StandardButton answer = VocalyneMessageService::instance()->show(
        this, VocalyneMessageService::Kind::Question,
        appText(QT_TRANSLATE_NOOP("QApplication", "Save Document")),
        appText(QT_TRANSLATE_NOOP("QApplication",
                                  "'%1' has been modified.\nDo you want to save your changes?"))
            .arg(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return saveDocumentAt(index) ? QMessageBox::Save : QMessageBox::Cancel;
    if (answer == QMessageBox::Discard)
        return QMessageBox::Discard;
    return QMessageBox::Cancel;
}

void VocalyneMainWindow::removeDocumentTab(int index)
{
    QWidget *page = documentTabs->widget(index);
    if (!page)
        return;
    VocalyneDocumentEdit *edit = documentEditAt(index);
    // The engine must not go on reading a text whose editor is gone.
    m_speak->editorClosing(edit);
    documentTabs->removeTab(index);
    delete page;
}

void VocalyneMainWindow::closeCurrentDocument()
{
    const int index = documentTabs->currentIndex();
    if (index < 0)
        return;
    if (askToSaveTab(index) == QMessageBox::Cancel)
        return;
    const bool last = documentTabs->count() == 1;
    removeDocumentTab(index);
    if (last)
        newDocument();
}

void VocalyneMainWindow::closeAllDocuments()
{
    while (documentTabs->count() > 0) {
        const int index = documentTabs->currentIndex();
        if (askToSaveTab(index) == QMessageBox::Cancel)
            return;
        removeDocumentTab(index);
    }
    newDocument();
}

void VocalyneMainWindow::closeWindow()
{
    m_exitRequested = true;
    close();
}

void VocalyneMainWindow::closeEvent(QCloseEvent *event)
{
    if (hideToTrayInsteadOfClosing()) {
        event->ignore();
        return;
    }
    // Without a tray to hide in, closing the window ends the program, so
    // every document is offered for saving first, the current one first.
    QList<int> order;
    const int current = documentTabs->currentIndex();
    if (current >= 0)
        order.append(current);
    for (int i = 0; i < documentTabs->count(); ++i)
        if (i != current)
            order.append(i);
    for (int index : order) {
        if (askToSaveTab(index) == QMessageBox::Cancel) {
            m_exitRequested = false;
            restoreWindow();
            event->ignore();
            return;
        }
    }
    while (documentTabs->count() > 0)
        removeDocumentTab(0);
    // Kept off while a tray icon holds the program (see createTrayIcon).
    QGuiApplication::setQuitOnLastWindowClosed(true);
    event->accept();
}
