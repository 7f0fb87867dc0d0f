// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalynemainwindowinterface.h"

#include <QAction>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

/// A main window for editor tests: tabs are a list of titles with the editor
/// each holds, actions exist for the names asked, and every request the editor
/// makes (open, clipboard, zoom flag) is recorded.
class MainWindowRecorder : public VocalyneMainWindowInterface
{
public:
    MainWindowRecorder()
    {
        for (const char *name : {"actionSpeak_from_Cursor", "actionSelection_Speech_Properties",
                                 "actionAdd_Speech_Element", "actionBookmark_Selection",
                                 "actionDocument_Properties"}) {
            auto *action = new QAction(QLatin1String(name), &m_actionOwner);
            action->setObjectName(QLatin1String(name));
            m_actions.insert(action->objectName(), action);
        }
    }

    /// Adds a tab holding edit and makes it current; returns its index.
    int addTab(VocalyneDocumentEdit *edit, const QString &title)
    {
        tabEditors.append(edit);
        tabTitles.append(title);
        current = int(tabEditors.size()) - 1;
        return current;
    }

    VocalyneDocumentEdit *currentDocumentEdit() const override
    {
        return current >= 0 && current < tabEditors.size() ? tabEditors.at(current) : nullptr;
    }
    void openDocumentFile(const QString &path) override { openedFiles.append(path); }
    int documentTabIndex(const VocalyneDocumentEdit *edit) const override
    {
        for (int i = 0; i < tabEditors.size(); ++i) {
            if (tabEditors.at(i) == edit)
                return i;
        }
        return -1;
    }
    int currentDocumentTabIndex() const override { return current; }
    QString documentTabTitle(int index) const override { return tabTitles.value(index); }
    void setDocumentTabTitle(int index, const QString &title) override
    {
        if (index >= 0 && index < tabTitles.size())
            tabTitles[index] = title;
    }
    QAction *mainWindowAction(const QString &objectName) const override
    {
        return m_actions.value(objectName);
    }
    bool zoomOutAllowed() const override { return zoomOut; }
    void setZoomOutAllowed(bool allowed) override { zoomOut = allowed; }
    void refreshCurrentDocument() override {}
    bool currentDocumentHighlight() const override { return false; }
    void setCurrentDocumentHighlight(bool) override {}
    void ignoreNextClipboardChange() override { ++clipboardIgnores; }
    void createSection(int, int, const VoiceComboUserData &, const QString &, qint32, qint32,
                       qint32, qint32) override
    {
    }
    void addElementAtWordEnd(const QString &, const QString &) override {}
    void addSentencePauses(quint32, const QString &, const QString &) override {}
    void updateSentencePauses(quint32, const QString &, const QString &, bool) override {}
    void ensureElementCatalogue(bool) override {}
    int voiceOutputFormat() const override { return 18; }
    int speakText(qint16, const QByteArray &, qint32, quint16, const QByteArray &, qint32, qint32,
                  qint32, qint32, bool) override
    {
        return 0;
    }

    QList<VocalyneDocumentEdit *> tabEditors;
    QStringList tabTitles;
    int current = -1;
    QStringList openedFiles;
    int clipboardIgnores = 0;
    bool zoomOut = true;

private:
    QObject m_actionOwner;
    QHash<QString, QAction *> m_actions;
};
