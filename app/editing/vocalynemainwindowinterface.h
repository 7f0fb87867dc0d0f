// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "voicecombouserdata.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QAction;
class VocalyneDocumentEdit;

/// What the main window offers to the editors and dialogs it creates. They
/// hold a non-owning pointer to it; the main window outlives all of them.
/// Operations that act on "the current document" do nothing when no tab is
/// current.
class VocalyneMainWindowInterface
{
public:
    virtual ~VocalyneMainWindowInterface() = default;

    // ---- Documents and tabs -------------------------------------------------

    /// The editor of the current tab, or nullptr when there is none.
    virtual VocalyneDocumentEdit *currentDocumentEdit() const = 0;

    /// Opens the file at path exactly as File > Open does with a given path
    /// (by type; an already open document only gets its tab made current).
    virtual void openDocumentFile(const QString &path) = 0;

    /// The index of the tab that holds edit, or -1 when it is in no tab.
    virtual int documentTabIndex(const VocalyneDocumentEdit *edit) const = 0;
    /// The index of the current tab, or -1 when there is none.
    virtual int currentDocumentTabIndex() const = 0;
    /// The text of the tab at index (empty for an invalid index).
    virtual QString documentTabTitle(int index) const = 0;
    /// Sets the text of the tab at index; an invalid index is ignored.
    virtual void setDocumentTabTitle(int index, const QString &title) = 0;

    /// The main window's action with this object name ("actionSpeak_from_Cursor",
    /// "actionSelection_Speech_Properties", "actionAdd_Speech_Element",
    /// "actionBookmark_Selection", "actionDocument_Properties", ...), or nullptr.
    /// The editor puts these into its context menu; it does not own them.
    virtual QAction *mainWindowAction(const QString &objectName) const = 0;

    /// The window-wide flag that allows Zoom Out; true at start. Editors
    /// clear it when their font reaches 1 point and set it when zooming in
    /// or resetting.
    virtual bool zoomOutAllowed() const = 0;
    virtual void setZoomOutAllowed(bool allowed) = 0;

    /// Rebuilds the highlights and manager tables of the current editor
    /// (its markModifiedAndRefresh()).
    virtual void refreshCurrentDocument() = 0;

    /// The current document's highlight flag (false without a document).
    virtual bool currentDocumentHighlight() const = 0;
    virtual void setCurrentDocumentHighlight(bool highlight) = 0;

    // ---- Clipboard watch ----------------------------------------------------

    /// The next clipboard change is the program's own (a cut or copy in an
    /// editor): the clipboard watch must not turn it into a new document.
    virtual void ignoreNextClipboardChange() = 0;

    // ---- Speech entities on the current document ----------------------------

    /// Adds a section over [min(anchor, position), max(anchor, position)) to
    /// the current document, with its sentence pauses when pause > 0.
    virtual void createSection(int anchor, int position, const VoiceComboUserData &voice,
                               const QString &voiceName, qint32 speed, qint32 volume, qint32 pitch,
                               qint32 pause) = 0;
    /// Adds an element at the next blank after the current editor's cursor.
    virtual void addElementAtWordEnd(const QString &type, const QString &value) = 0;
    /// Adds "pause" elements with value after every sentence end of text,
    /// which starts at fromChar in the current document.
    virtual void addSentencePauses(quint32 fromChar, const QString &text, const QString &value) = 0;
    /// Sets (or, for "0" or remove, deletes) the "pause" elements at the
    /// sentence ends of text, which starts at fromChar in the current document.
    virtual void updateSentencePauses(quint32 fromChar, const QString &text,
                                      const QString &newValue, bool remove) = 0;
    /// Makes sure the "SpeechElements" catalogue exists in the settings;
    /// force rewrites it with the built-in entries.
    virtual void ensureElementCatalogue(bool force) = 0;

    // ---- Speaking -----------------------------------------------------------

    /// The output format for speaking ("DefaultSpeechValues/voiceOutputFormat").
    virtual int voiceOutputFormat() const = 0;

    /// Speaks text (UTF-8) with the given voice and prosody through the
    /// engine, as the Speak command does, and shows the engine's error
    /// message when it fails. Returns the engine's result (0 = success).
    virtual int speakText(qint16 engineTypeId, const QByteArray &voiceName, qint32 voiceId,
                          quint16 langId, const QByteArray &text, qint32 pitch, qint32 speed,
                          qint32 volume, qint32 pause, bool isXml) = 0;
};
