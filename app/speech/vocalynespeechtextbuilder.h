// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechtext.h"
#include "speechtextsource.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>

class QSettings;
class QVT2SDocument;

/// Turns the part of a document that is to be read into one engine text:
/// the plain text with the markup of every enabled section (voice and
/// prosody, by the section's engine type) and every enabled element (the
/// template of its type for the global voice's engine type), plus the maps
/// that lead engine positions back to document positions.
///
/// Every build is linear in the text and the records it touches: the text
/// is assembled once, never by inserting into a growing string.
class VocalyneSpeechTextBuilder
{
public:
    /// settings is the store to read the element templates from (not owned);
    /// null means the program's own store, opened for each build.
    explicit VocalyneSpeechTextBuilder(QSettings *settings = nullptr);
    ~VocalyneSpeechTextBuilder();

    /// Builds the engine text of document. source supplies the editor's
    /// text, selection and cursor. fromCursor reads from the cursor to the
    /// end; otherwise a non-empty selection is read; otherwise the enabled
    /// bookmarks, or the whole text when none is enabled, of the editor's
    /// text or, with useStoredContent, of the document's stored content.
    SpeechText buildSpeechText(const QVT2SDocument &document, const SpeechTextSource &source,
                               bool fromCursor, bool useStoredContent);

    // The steps of a build, public so that they can be checked one by one.

    /// Clears the working lists and the accumulated length and reads what
    /// every fragment of one build shares (the element templates, after
    /// making sure the element-type catalogue exists).
    void beginBuild(const QVT2SDocument &document);
    /// Puts the markup of the enabled sections that touch [rangeFrom,
    /// rangeTo] (inclusive) and of the enabled elements at positions
    /// rangeFrom to rangeTo (inclusive) into fragment, the document text
    /// from rangeFrom on, and records every insertion in the working lists.
    void applyEntityMarkup(const QVT2SDocument &document, QString &fragment, qint64 rangeFrom,
                           qint64 rangeTo);
    /// Moves the working lists into out.insertionMap in document order (at
    /// equal positions: elements, then closings, then openings), with
    /// positions in the engine text; docStart is the fragment's document
    /// position and plainStart its position among the spoken plain text.
    void mergeInsertions(SpeechText &out, qint64 docStart, qint64 plainStart);

private:
    struct Insertion
    {
        qint64 docPos;
        int length;
    };
    struct Markup
    {
        qint64 docPos;
        qint64 rank; ///< order among the markup at one position
        QString text;
    };

    QString elementTemplate(const QString &type);
    void collectSections(const QVT2SDocument &document, qint64 rangeFrom, qint64 rangeTo,
                         qint64 fragmentEnd);
    void collectElements(const QVT2SDocument &document, qint64 rangeFrom, qint64 rangeTo);

    QSettings *m_settings;
    std::unique_ptr<QSettings> m_ownSettings; ///< the program's store, per build

    // Working lists of the running build: (document position, length).
    QList<Insertion> m_openings;
    QList<Insertion> m_closings;
    QList<Insertion> m_elementInsertions;
    qint64 m_accumulated = 0;

    // Shared by the fragments of one build.
    int m_engineType = 0; ///< the global voice's, keys the element templates
    QHash<QString, QString> m_templates;
    bool m_sectionsOrdered = false;
    bool m_elementsOrdered = false;
    QList<Markup> m_markups; ///< scratch list of one fragment
};
