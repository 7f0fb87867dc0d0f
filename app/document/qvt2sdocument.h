// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvt2sbookmark.h"
#include "qvt2sdocumentowner.h"
#include "qvt2selement.h"
#include "qvt2ssection.h"
#include "voicecombouserdata.h"

#include <QByteArray>
#include <QDomDocument>
#include <QList>
#include <QString>

class QTextStream;

/// A speech document: the global voice, sections, elements, bookmarks and
/// the text they refer to. Positions are UTF-16 code-unit offsets into the
/// document's plain text. The lists are kept sorted by start position (stable)
/// by the add operations; read() takes a file's records as they stand, so a
/// loaded list may be unsorted and hold ranges that are inverted (fromChar >
/// toChar) or reach past the text. The model's own operations cope with them;
/// other readers of positions clamp them to the text (sectionText() does).
class QVT2SDocument
{
public:
    QVT2SDocument();
    virtual ~QVT2SDocument();
    QVT2SDocument(const QVT2SDocument &) = delete;
    QVT2SDocument &operator=(const QVT2SDocument &) = delete;

    /// The owner shows messages and provides the live text; not owned.
    void setOwner(QVT2SDocumentOwner *owner) { m_owner = owner; }
    QVT2SDocumentOwner *owner() const { return m_owner; }

    // The global voice. The setters are virtual so that the editor can mark
    // itself modified when a value really changes.
    virtual void setEngineTypeId(qint16 value);
    virtual void setVoiceName(const QString &value);
    virtual void setVoiceId(qint32 value);
    virtual void setLangId(quint16 value);
    virtual void setPitch(qint32 value);
    virtual void setSpeed(qint32 value);
    virtual void setVolume(qint32 value);
    virtual void setPause(qint32 value);
    virtual void setHighlight(bool value);
    virtual void setIsXml(bool value);
    virtual void setContent(const QString &value);

    qint16 engineTypeId() const { return m_engineTypeId; }
    QString voiceName() const { return m_voiceName; }
    qint32 voiceId() const { return m_voiceId; }
    quint16 langId() const { return m_langId; }
    qint32 pitch() const { return m_pitch; }
    qint32 speed() const { return m_speed; }
    qint32 volume() const { return m_volume; }
    qint32 pause() const { return m_pause; }
    bool highlight() const { return m_highlight; }
    bool isXml() const { return m_isXml; }
    QString content() const { return m_content; }

    const QList<QVT2SSection> &sections() const { return m_sections; }
    const QList<QVT2SElement> &elements() const { return m_elements; }
    const QList<QVT2SBookmark> &bookmarks() const { return m_bookmarks; }

    /// Parses a whole .t2s file. Returns false on any format fault; lists
    /// already replaced by earlier steps stay replaced. Records are taken as
    /// they stand (file order, not checked against the content); a negative
    /// position makes the file invalid, and so does nesting deeper than 256
    /// elements. Values are stored without going through the virtual
    /// setters: loading a file is not an edit.
    bool read(const QByteArray &bytes);
    /// Serialises the document with content as its text, in UTF-8 without an
    /// XML declaration. Characters that XML cannot carry (control characters
    /// other than tab and line breaks, unpaired surrogates) are written as a
    /// blank or U+FFFD, one for one, so the file always reads back and every
    /// position stays valid. Never fails itself.
    bool write(QTextStream &stream, const QString &content);
    /// Saves the document with content as its text into the file at path,
    /// atomically: it is written beside the file and replaces it only once
    /// complete and flushed to disk, so a save that fails (a full disk, a
    /// write error) leaves the previous file byte for byte and no partial
    /// file behind. On failure returns false and, when errorText is given,
    /// puts the system's reason there.
    bool saveToFile(const QString &path, const QString &content, QString *errorText = nullptr);

    /// Fills the global voice from "DefaultSpeechValues" (without the virtual
    /// setters); false when a value is missing (the values read are kept
    /// either way).
    bool loadDefaultSpeechValues();
    /// Picking a voice for the whole document resets its prosody: engine
    /// type, name and id from the voice, pitch/speed/volume 100, pause 670,
    /// isXml true; langId is left as it is. Goes through the setters.
    void pickVoice(const VoiceComboUserData &voice, const QString &voiceName);

    /// The owner's live text, or the stored content without an owner.
    QString documentText() const;
    /// The text a section covers, clamped to the document text; empty when
    /// fromChar lies beyond the text or exceeds toChar.
    QString sectionText(const QVT2SSection &section) const;

    // Adding records. Each keeps its list sorted (stable), skips conflicting
    // ranges and exact duplicate elements, enables the new record and, when
    // something was added, calls the owner's markModifiedAndRefresh() once.
    void addSection(int anchor, int position, const VoiceComboUserData &voice,
                    const QString &voiceName, qint32 speed, qint32 volume, qint32 pitch,
                    qint32 pause);
    void addBookmark(int anchor, int position);
    void addElement(quint32 afterChar, const QString &type, const QString &value);
    void addElementAtWordEnd(const QString &type, const QString &value);

    /// Adds an enabled "pause" element with value at every sentence end of
    /// text, which starts at fromChar in the document.
    void addSentencePauses(quint32 fromChar, const QString &text, const QString &value);
    /// Enables or disables the section's own sentence-pause elements (type
    /// "pause", value = the section's pause). Does not notify the owner.
    void setSentencePausesEnabled(const QVT2SSection &section, bool enabled);
    /// For every sentence end of text (starting at fromChar), the first
    /// "pause" element there gets newValue, or is removed when newValue is
    /// "0" or remove is true. Does not notify the owner.
    void updateSentencePauses(quint32 fromChar, const QString &text, const QString &newValue,
                              bool remove);

    // Changing records by index. An index outside the list changes nothing
    // and returns false. These neither re-sort nor notify the owner: the
    // editor and the managers refresh once when they are done.
    bool removeSection(int index);
    bool removeElement(int index);
    bool removeBookmark(int index);
    /// Removes the records at the given indexes (as they are before the
    /// call; any order, duplicates and invalid indexes ignored). Returns how
    /// many were removed.
    int removeSections(const QList<int> &indexes);
    int removeElements(const QList<int> &indexes);
    int removeBookmarks(const QList<int> &indexes);
    /// Removes the section's sentence-pause elements, then the section.
    bool removeSectionWithPauses(int index);
    bool setSectionEnabled(int index, bool enabled);
    bool setElementEnabled(int index, bool enabled);
    bool setBookmarkEnabled(int index, bool enabled);
    /// Replaces a section by an edited copy (the section editor).
    bool replaceSection(int index, const QVT2SSection &section);
    /// Position updates for the editor when text is typed or deleted.
    bool setSectionRange(int index, quint32 fromChar, quint32 toChar);
    bool setBookmarkRange(int index, quint32 fromChar, quint32 toChar);
    bool setElementPosition(int index, quint32 afterChar);

    /// True when [fromChar, toChar] conflicts with an existing section, or
    /// bookmark (inclusive ends; see rangesConflict).
    bool conflictsWithSection(quint32 fromChar, quint32 toChar) const;
    bool conflictsWithBookmark(quint32 fromChar, quint32 toChar) const;

    /// Positions right after each sentence-ending full stop in text: a "."
    /// followed by a white-space character.
    static QList<int> sentenceEnds(const QString &text);

    /// True when the two inclusive ranges [f1, t1] and [f2, t2] conflict:
    /// they overlap or touch. A range whose start exceeds its end (only a
    /// damaged file holds one) is taken with its ends swapped.
    static bool rangesConflict(quint32 f1, quint32 t1, quint32 f2, quint32 t2);

protected:
    void notifyOwner();
    void showCritical(const char *text);
    void showWarning(const char *text);
    /// Inserts without notifying; false for an exact duplicate.
    bool insertElement(const QVT2SElement &element);
    /// addSentencePauses without notifying; true when an element was added.
    bool insertSentencePauses(quint32 fromChar, const QString &text, const QString &value);
    void sortElements();

    QVT2SDocumentOwner *m_owner = nullptr;

    qint16 m_engineTypeId = 0;
    QString m_voiceName;
    qint32 m_voiceId = 0;
    quint16 m_langId = 0;
    qint32 m_pitch = 0;
    qint32 m_speed = 0;
    qint32 m_volume = 0;
    qint32 m_pause = 0;
    bool m_highlight = false;
    bool m_isXml = false;
    QList<QVT2SSection> m_sections;
    QList<QVT2SElement> m_elements;
    QList<QVT2SBookmark> m_bookmarks;
    QString m_content;
    /// Not used by read() and write(), which work on the XML text directly.
    QDomDocument m_dom;
};
