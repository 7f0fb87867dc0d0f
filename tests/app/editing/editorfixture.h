// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "mainwindowrecorder.h"
#include "messagerecorder.h"
#include "vocalynedocumentedit.h"
#include "vocalynesettingskeys.h"

#include <QSettings>
#include <QStringList>
#include <QTableWidget>
#include <QTextCursor>
#include <gtest/gtest.h>

#include <memory>

/// One editor in one tab of a recorded main window, with real manager tables
/// and complete default speech values in the (test-mode) settings.
class EditorFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings settings;
        settings.clear();
        writeDefaultSpeechValues(settings);
        settings.sync();
        bookmarkTable = std::make_unique<QTableWidget>(0, 3);
        sectionTable = std::make_unique<QTableWidget>(0, 8);
        edit = makeEditor();
        mainWindow.addTab(edit.get(), QStringLiteral("Untitled"));
    }

    void TearDown() override
    {
        edit.reset();
        QSettings().clear();
    }

    static void writeDefaultSpeechValues(QSettings &settings)
    {
        namespace Keys = VocalyneSettingsKeys;
        settings.setValue(Keys::VoiceEngineTypeId, 3);
        settings.setValue(Keys::VoiceName, QStringLiteral("English (America)"));
        settings.setValue(Keys::VoiceId, 0);
        settings.setValue(Keys::LangId, 1033);
        settings.setValue(Keys::Pitch, 100);
        settings.setValue(Keys::Speed, 100);
        settings.setValue(Keys::Volume, 100);
        settings.setValue(Keys::SentPause, 670);
        settings.setValue(Keys::Highlight, 1);
        settings.setValue(Keys::IsXml, 1);
    }

    std::unique_ptr<VocalyneDocumentEdit> makeEditor()
    {
        return std::make_unique<VocalyneDocumentEdit>(nullptr, &mainWindow, bookmarkTable.get(),
                                                      sectionTable.get());
    }

    void insertAt(int position, const QString &text)
    {
        QTextCursor cursor(edit->document());
        cursor.setPosition(position);
        cursor.insertText(text);
    }

    void removeRange(int from, int to)
    {
        QTextCursor cursor(edit->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }

    static QStringList row(const QTableWidget *table, int r)
    {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells.append(table->item(r, c) ? table->item(r, c)->text() : QStringLiteral("<none>"));
        return cells;
    }

    static QString tabTitle(const MainWindowRecorder &window, int index)
    {
        return window.tabTitles.value(index);
    }

    MessageRecorder messages;
    MainWindowRecorder mainWindow;
    std::unique_ptr<QTableWidget> bookmarkTable;
    std::unique_ptr<QTableWidget> sectionTable;
    std::unique_ptr<VocalyneDocumentEdit> edit;
};

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << s.toStdString();
}
inline void PrintTo(const QStringList &l, std::ostream *os)
{
    *os << l.join(QStringLiteral("|")).toStdString();
}
