// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Opening office documents, PDF, e-books and RTF files: their text goes into
// a new untitled document.
#include "vocalynedocconverter.h"
#include "vocalynedocumentedit.h"
#include "vocalyneextractionresult.h"
#include "vocalynemainwindow.h"
#include "vocalynemessageservice.h"
#include "vocalynetextdecoder.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace {

QString appText(const char *text)
{
    return QApplication::translate("QApplication", text);
}

// The open routine shows the busy cursor; a question must not look busy.
class ArrowCursor
{
public:
    ArrowCursor() { QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor)); }
    ~ArrowCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

void VocalyneMainWindow::importDocument(VocalyneDocumentEdit *edit, const QString &path,
                                        const QByteArray &bytes)
{
    QPointer<VocalyneDocumentEdit> target(edit);
    int result = VocalyneExtraction::NoFilter;
    {
        QFile file(path);
        VocalyneDocConverter converter(edit);
        result = converter.convert(QFileInfo(path).suffix(), file);
    }
    // The tab may have been closed while the text arrived.
    if (!target)
        return;
    // The text is the user's new document: it has no file, so the first save
    // asks for a name instead of overwriting the source.
    const int index = documentTabIndex(target);

    using namespace VocalyneExtraction;
    if (result == TextExtracted) {
        target->setModifiedState(true, QString(), index);
        return;
    }

    ArrowCursor arrow;
    const char *message = nullptr;
    switch (result) {
    case NoText:
        message = QT_TRANSLATE_NOOP("QApplication", "Text content not found.");
        break;
    case AccessDenied:
        message = QT_TRANSLATE_NOOP(
            "QApplication",
            "Access to the specified file denied. This may be due to a sharing violation.");
        break;
    case AccessFailure:
        message = QT_TRANSLATE_NOOP("QApplication", "General access failure.");
        break;
    case PasswordProtected:
        message =
            QT_TRANSLATE_NOOP("QApplication", "Access denied. The document may be protected.");
        break;
    case OutOfMemory:
        message = QT_TRANSLATE_NOOP("QApplication", "Out of memory.");
        break;
    case NoFilter: {
        const QMessageBox::StandardButton answer = VocalyneMessageService::question(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Vocalyne")),
            appText(QT_TRANSLATE_NOOP(
                "QApplication",
                "Text extraction failed.\nWould you like to extract the raw file data?")),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes && target) {
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            target->setPlainText(VocalyneTextDecoder::decode(bytes));
            target->setModifiedState(true, QString(), documentTabIndex(target));
            QApplication::restoreOverrideCursor();
        }
        return;
    }
    default:
        message = QT_TRANSLATE_NOOP("QApplication", "Unspecified error.");
        break;
    }
    VocalyneMessageService::critical(this, appText(QT_TRANSLATE_NOOP("QApplication", "Error")),
                                     appText(message));
}
