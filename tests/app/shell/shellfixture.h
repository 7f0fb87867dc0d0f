// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "dialogrecorder.h"
#include "messagerecorder.h"
#include "vocalynedocumentedit.h"
#include "vocalynemainwindow.h"

#include <QFile>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

/// Readable QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

/// Replaces the editor's text by typing, so the document counts as modified.
inline void typeText(VocalyneDocumentEdit *edit, const QString &text)
{
    edit->selectAll();
    edit->insertPlainText(text);
}

/// A main window on a fresh settings store, with message boxes and input
/// dialogs answered by recorders and a scratch folder for files.
class ShellTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // Other test programs share the test-mode settings file and may run
        // at the same time; a home of our own keeps their writes out.
        static QTemporaryDir home;
        qputenv("HOME", home.path().toLocal8Bit());
    }

    void SetUp() override
    {
        QSettings().clear();
        window = std::make_unique<VocalyneMainWindow>();
        constructionMessages = messages.messages;
        messages.messages.clear();
    }

    void TearDown() override
    {
        // Nothing may be left unsaved-prompted when the window goes.
        if (window)
            for (int i = 0; i < window->documentCount(); ++i)
                if (VocalyneDocumentEdit *edit = window->documentEditAt(i))
                    edit->document()->setModified(false);
        window.reset();
    }

    QTabWidget *tabs() const
    {
        return window->findChild<QTabWidget *>(QStringLiteral("documentTabs"));
    }
    QString tabTitle(int index) const { return tabs()->tabText(index); }

    QString writeFile(const QString &name, const QByteArray &bytes) const
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(bytes);
        return path;
    }

    QByteArray readFile(const QString &path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    /// A valid .t2s document spoken with the first installed voice.
    QByteArray t2sBytes(const QString &text, int sections = 0, int bookmarks = 0) const
    {
        QVT2SDocument doc;
        doc.loadDefaultSpeechValues();
        for (int i = 0; i < sections; ++i)
            doc.addSection(i * 4, i * 4 + 2,
                           {doc.engineTypeId(), doc.voiceId(), doc.langId()}, doc.voiceName(),
                           120, 90, 110, 0);
        for (int i = 0; i < bookmarks; ++i)
            doc.addBookmark(i * 4 + 1, i * 4 + 3);
        QByteArray bytes;
        QTextStream stream(&bytes);
        doc.write(stream, text);
        stream.flush();
        return bytes;
    }

    QTemporaryDir dir;
    MessageRecorder messages;
    QList<MessageRecorder::Message> constructionMessages;
    DialogRecorder dialogs;
    std::unique_ptr<VocalyneMainWindow> window;
};
