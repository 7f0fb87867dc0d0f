// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvt2sbookmark.h"
#include "qvt2selement.h"
#include "qvt2ssection.h"

#include <QList>
#include <QString>

class QTextDocument;

/// Keeps speech entity positions in step with the edits of a text document
/// without a text cursor per entity (the document makes every edit pay for
/// every cursor it has ever held at once).
///
/// A position moves as a text cursor's would: text inserted at it goes in
/// front of it, a removed stretch pulls the positions inside it to its
/// start, and a stretch replaced by new text puts the positions inside it
/// or at its ends behind the new text. An entity whose characters are all
/// removed is gone.
///
/// The document reports the edits of one edit block (and of an undo or redo
/// of one) as a single changed range that may be far wider than what really
/// changed, for example a typed key and a cut of a long paragraph many
/// pages further on, or a word corrected in several places. The tracker
/// keeps a copy of the text with every paragraph separator as a blank and
/// finds the stretches whose characters really differ (a difference of the
/// old and new text of the range, kept between runs of equal text of a few
/// characters at least), so only positions there are moved by the rule
/// above, and a change of a blank into a paragraph separator (or back)
/// moves nothing. A range whose difference would cost too much is taken as
/// one replacement.
class VocalynePositionTracker
{
public:
    /// One replacement: [from, from + removed) became added characters.
    struct Change
    {
        int from = 0;
        int removed = 0;
        int added = 0;
        bool isEmpty() const { return removed == 0 && added == 0; }
    };

    /// First and last list rows whose positions changed (-1: none) and the
    /// rows removed (ascending).
    struct Moved
    {
        int first = -1;
        int last = -1;
        QList<int> gone;
    };

    /// An entity end as it was before a change pulled it into the change's
    /// place: list (0 bookmarks, 1 sections), index, which end, value.
    struct Restore
    {
        int list = 0;
        int index = 0;
        bool end = false;
        quint32 value = 0;
    };
    /// One edit as the entities saw it, with the ends it pulled in, so that
    /// its undo (the inverse change right after it) can put them back where
    /// they were rather than where the rule puts them.
    struct Step
    {
        Change change;
        QList<Restore> restores;
        /// Whether next is the inverse of this step.
        bool undoneBy(const Change &next) const
        {
            return next.from == change.from && next.removed == change.added &&
                   next.added == change.removed;
        }
        /// Joins next into this step where the document's undo joins the
        /// two (typing on, deleting on backwards or forwards); false if not.
        bool merge(const Step &next);
    };

    /// Takes the document's whole text as the text before the next change.
    void reset(const QTextDocument *document);

    /// Takes the change the document reported (QTextDocument::contentsChange)
    /// and returns what really changed, as changes of the text before it in
    /// descending order of position (none when nothing changed), so that
    /// each can be applied in turn; the copy then holds the new text.
    QList<Change> follow(const QTextDocument *document, int from, int removed, int added);

    /// The stretches where before and after differ, as changes of before in
    /// descending order; a single replacement of the whole when finding them
    /// would take more than about budget character comparisons. Equal runs
    /// shorter than minRun between two changes count as changed.
    static QList<Change> difference(QStringView before, QStringView after, int offset,
                                    qint64 budget = 20'000'000, int minRun = 4);

    /// The text as the tracker last saw it (separators as blanks).
    QString text() const;

    /// Where position p goes through change.
    static quint32 move(quint32 p, const Change &change)
    {
        const quint32 from = quint32(change.from);
        if (p < from || change.isEmpty())
            return p;
        if (quint64(p) <= quint64(from) + quint32(change.removed))
            return from + quint32(change.added);
        const qint64 moved = qint64(p) + change.added - change.removed;
        return moved < 0 ? 0 : moved > qint64(0xffffffffu) ? 0xffffffffu : quint32(moved);
    }

    /// Moves the ranges (bookmarks or sections) through change; ordered as
    /// VocalyneEntityRanges::rangesOrdered says, so that ranges wholly
    /// before the change are skipped. Gone ranges are listed, not removed.
    /// With restores, every end within the changed stretch (or at its
    /// edges) is listed with its value before the change (list as given).
    static Moved moveRanges(QList<QVT2SBookmark> &ranges, bool ordered, const Change &change,
                            QList<Restore> *restores = nullptr, int list = 0);
    static Moved moveRanges(QList<QVT2SSection> &ranges, bool ordered, const Change &change,
                            QList<Restore> *restores = nullptr, int list = 1);
    /// The same for elements: each stands on one character.
    static Moved moveElements(QList<QVT2SElement> &elements, bool ordered, const Change &change);

    /// Puts every position beyond last at last (values from a file may lie
    /// beyond the text).
    static void clamp(QList<QVT2SBookmark> &bookmarks, QList<QVT2SSection> &sections,
                      QList<QVT2SElement> &elements, quint32 last);

    /// Removes the entries at ascending indexes in one pass.
    template <typename List> static void removeIndexes(List &list, const QList<int> &ascending)
    {
        if (ascending.isEmpty())
            return;
        qsizetype write = ascending.first();
        qsizetype next = 0;
        for (qsizetype read = write; read < list.size(); ++read) {
            if (next < ascending.size() && ascending.at(next) == read) {
                ++next;
                continue;
            }
            list[write++] = std::move(list[read]);
        }
        list.resize(write);
    }

    /// The text of [from, to) of document with separators as blanks.
    static QString readText(const QTextDocument *document, int from, int to);

private:
    /// Moves the gap to position (a position of the text).
    void moveGap(qsizetype position);
    qsizetype size() const { return m_buffer.size() - m_gapLength; }

    // The copy of the text with a gap where it was last changed, so that
    // typing at one place costs the same however long the text is:
    // [0, m_gapStart) and [m_gapStart + m_gapLength, end) hold the text.
    QString m_buffer;
    qsizetype m_gapStart = 0;
    qsizetype m_gapLength = 0;
};
