// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynespeechtextbuilder.h"

#include "qvt2sdocument.h"
#include "vocalyneelementcatalogue.h"
#include "vocalynespeechmarkup.h"

#include <QSettings>

#include <algorithm>

namespace {

// Records from a file may be out of order; the binary searches below are
// only used when the start and end positions never decrease.
bool sectionsOrdered(const QList<QVT2SSection> &sections)
{
    for (int i = 1; i < sections.size(); ++i)
        if (sections.at(i).fromChar < sections.at(i - 1).fromChar ||
            sections.at(i).toChar < sections.at(i - 1).toChar)
            return false;
    return true;
}

bool elementsOrdered(const QList<QVT2SElement> &elements)
{
    for (int i = 1; i < elements.size(); ++i)
        if (elements.at(i).afterChar < elements.at(i - 1).afterChar)
            return false;
    return true;
}

} // namespace

VocalyneSpeechTextBuilder::VocalyneSpeechTextBuilder(QSettings *settings) : m_settings(settings) {}

VocalyneSpeechTextBuilder::~VocalyneSpeechTextBuilder() = default;

void VocalyneSpeechTextBuilder::beginBuild(const QVT2SDocument &document)
{
    m_openings.clear();
    m_closings.clear();
    m_elementInsertions.clear();
    m_accumulated = 0;
    m_templates.clear();
    m_engineType = document.engineTypeId();
    m_sectionsOrdered = sectionsOrdered(document.sections());
    m_elementsOrdered = elementsOrdered(document.elements());
    if (!m_settings)
        m_ownSettings = std::make_unique<QSettings>();
    if (!document.elements().isEmpty())
        VocalyneElementCatalogue::ensure(m_settings ? *m_settings : *m_ownSettings);
}

QString VocalyneSpeechTextBuilder::elementTemplate(const QString &type)
{
    // One settings read per element type and build, not per element.
    auto it = m_templates.constFind(type);
    if (it == m_templates.cend()) {
        QSettings &settings = m_settings ? *m_settings : *m_ownSettings;
        it = m_templates.insert(type, VocalyneElementCatalogue::markupTemplate(
                                          settings, type, m_engineType));
    }
    return it.value();
}

void VocalyneSpeechTextBuilder::collectSections(const QVT2SDocument &document, qint64 rangeFrom,
                                                qint64 rangeTo, qint64 fragmentEnd)
{
    const QList<QVT2SSection> &sections = document.sections();
    qsizetype first = 0;
    qsizetype last = sections.size();
    if (m_sectionsOrdered) {
        // Touching [rangeFrom, rangeTo] means fromChar <= rangeTo and
        // toChar >= rangeFrom; with both ends ordered that is one run.
        first = std::lower_bound(sections.cbegin(), sections.cend(), rangeFrom,
                                 [](const QVT2SSection &s, qint64 v) { return s.toChar < v; }) -
                sections.cbegin();
        last = std::upper_bound(sections.cbegin(), sections.cend(), rangeTo,
                                [](qint64 v, const QVT2SSection &s) { return v < s.fromChar; }) -
               sections.cbegin();
    }
    for (qsizetype i = first; i < last; ++i) {
        const QVT2SSection &section = sections.at(i);
        // An empty or inverted range (only a damaged file has one) would
        // put its markup outside the fragment.
        if (!section.enabled || section.fromChar >= section.toChar)
            continue;
        if (qint64(section.fromChar) > rangeTo || qint64(section.toChar) < rangeFrom)
            continue;
        if (!VocalyneSpeechMarkup::hasSectionMarkup(section.engineTypeId))
            continue;
        const QString opening = VocalyneSpeechMarkup::sectionOpening(section, document.speed());
        const QString closing = VocalyneSpeechMarkup::sectionClosing(section.engineTypeId);
        const qint64 openAt = qMax<qint64>(section.fromChar, rangeFrom);
        // The closing goes where the section ends inside the fragment, or
        // after the fragment's last character. Comparing with the fragment's
        // end rather than rangeTo matters for the whole text, whose range
        // ends at its last character: a section ending just before that
        // character must close before it.
        const qint64 closeAt = qMin<qint64>(section.toChar, fragmentEnd);
        // An opening at the start of the range goes in front of all markup
        // already there, so a section touching the range from the left
        // (only a loaded file has those) ends up inside the next one's
        // voice, as the fragment is read from its first character.
        const bool inFront = qint64(section.fromChar) <= rangeFrom;
        const qint64 seq = m_markups.size();
        m_markups.append({openAt, inFront ? -seq - 1 : seq, opening});
        m_openings.append({openAt, int(opening.size())});
        m_markups.append({closeAt, seq + 1, closing});
        m_closings.append({closeAt, int(closing.size())});
    }
}

void VocalyneSpeechTextBuilder::collectElements(const QVT2SDocument &document, qint64 rangeFrom,
                                                qint64 rangeTo)
{
    const QList<QVT2SElement> &elements = document.elements();
    qsizetype first = 0;
    qsizetype last = elements.size();
    if (m_elementsOrdered) {
        first = std::lower_bound(elements.cbegin(), elements.cend(), rangeFrom,
                                 [](const QVT2SElement &e, qint64 v) { return e.afterChar < v; }) -
                elements.cbegin();
        last = std::upper_bound(elements.cbegin(), elements.cend(), rangeTo,
                                [](qint64 v, const QVT2SElement &e) { return v < e.afterChar; }) -
               elements.cbegin();
    }
    for (qsizetype i = first; i < last; ++i) {
        const QVT2SElement &element = elements.at(i);
        if (!element.enabled)
            continue;
        if (qint64(element.afterChar) < rangeFrom || qint64(element.afterChar) > rangeTo)
            continue;
        const QString markupTemplate = elementTemplate(element.type);
        if (markupTemplate.isEmpty())
            continue;
        const QString markup = VocalyneElementCatalogue::fillTemplate(markupTemplate, element.value);
        m_markups.append({qint64(element.afterChar), m_markups.size(), markup});
        m_elementInsertions.append({qint64(element.afterChar), int(markup.size())});
    }
}

void VocalyneSpeechTextBuilder::applyEntityMarkup(const QVT2SDocument &document, QString &fragment,
                                                  qint64 rangeFrom, qint64 rangeTo)
{
    // Nothing is spoken, so nothing may be said around it either.
    if (fragment.isEmpty())
        return;
    const qint64 fragmentEnd = rangeFrom + fragment.size();
    m_markups.clear();
    collectSections(document, rangeFrom, rangeTo, fragmentEnd);
    if (!document.elements().isEmpty())
        collectElements(document, rangeFrom, rangeTo);
    if (m_markups.isEmpty())
        return;

    // Every markup string belongs right before the character at its
    // document position, after the markup placed there before it (sections
    // in list order, each opening before its closing, then the elements in
    // list order), except that openings in front of the range go before
    // everything, the later one first. Sorting by (position, rank) gives
    // exactly that order without inserting into the text.
    std::sort(m_markups.begin(), m_markups.end(), [](const Markup &a, const Markup &b) {
        return a.docPos != b.docPos ? a.docPos < b.docPos : a.rank < b.rank;
    });
    qsizetype total = fragment.size();
    for (const Markup &m : std::as_const(m_markups))
        total += m.text.size();
    QString result;
    result.reserve(total);
    qint64 copied = rangeFrom;
    for (const Markup &m : std::as_const(m_markups)) {
        if (m.docPos > copied) {
            result.append(QStringView(fragment).mid(copied - rangeFrom, m.docPos - copied));
            copied = m.docPos;
        }
        result.append(m.text);
    }
    result.append(QStringView(fragment).mid(copied - rangeFrom));
    fragment = result;
}

void VocalyneSpeechTextBuilder::mergeInsertions(SpeechText &out, qint64 docStart,
                                                qint64 plainStart)
{
    // Three-way merge by document position; at equal positions an element
    // goes first, then a closing, then an opening. A list is in position
    // order unless its records were (a loaded file's elements out of
    // order, say); merging such a list as it stands would number later
    // insertions as if they came first and throw every word mapping after
    // them off. A stable sort keeps the order of equal positions.
    for (QList<Insertion> *list : {&m_elementInsertions, &m_closings, &m_openings}) {
        const auto byPosition = [](const Insertion &a, const Insertion &b) {
            return a.docPos < b.docPos;
        };
        if (!std::is_sorted(list->cbegin(), list->cend(), byPosition))
            std::stable_sort(list->begin(), list->end(), byPosition);
    }
    qsizetype e = 0, c = 0, o = 0;
    const qsizetype ne = m_elementInsertions.size(), nc = m_closings.size(),
                    no = m_openings.size();
    out.insertionMap.reserve(out.insertionMap.size() + ne + nc + no);
    while (e < ne || c < nc || o < no) {
        const Insertion *best = nullptr;
        qsizetype *advance = nullptr;
        if (e < ne) {
            best = &m_elementInsertions.at(e);
            advance = &e;
        }
        if (c < nc && (!best || m_closings.at(c).docPos < best->docPos)) {
            best = &m_closings.at(c);
            advance = &c;
        }
        if (o < no && (!best || m_openings.at(o).docPos < best->docPos)) {
            best = &m_openings.at(o);
            advance = &o;
        }
        const qint64 spokenPos = m_accumulated + best->docPos + plainStart - docStart;
        out.insertionMap.append({qint32(spokenPos), -best->length});
        m_accumulated += best->length;
        ++*advance;
    }
    m_elementInsertions.clear();
    m_closings.clear();
    m_openings.clear();
}

SpeechText VocalyneSpeechTextBuilder::buildSpeechText(const QVT2SDocument &document,
                                                      const SpeechTextSource &source,
                                                      bool fromCursor, bool useStoredContent)
{
    SpeechText out;
    beginBuild(document);
    const QString &plain = source.plainText;
    const qint64 length = plain.size();

    if (fromCursor) {
        const qint64 cursor = std::clamp<qint64>(source.cursorPosition, 0, length);
        QString fragment = plain.mid(cursor);
        if (!fragment.isEmpty()) {
            applyEntityMarkup(document, fragment, cursor, length - 1);
            out.rangeMap.append({0, qint32(cursor)});
            mergeInsertions(out, cursor, 0);
            out.text = fragment;
        }
    } else if (source.hasSelection()) {
        const qint64 from =
            std::clamp<qint64>(qMin(source.selectionAnchor, source.selectionPosition), 0, length);
        const qint64 to =
            std::clamp<qint64>(qMax(source.selectionAnchor, source.selectionPosition), 0, length);
        QString fragment = plain.mid(from, to - from);
        applyEntityMarkup(document, fragment, from, to);
        out.rangeMap.append({0, qint32(from)});
        mergeInsertions(out, from, 0);
        out.text = fragment;
    } else {
        const QString content = useStoredContent ? document.content() : QString();
        const QString &text = useStoredContent ? content : plain;
        const qint64 textLength = text.size();
        const QList<QVT2SBookmark> &bookmarks = document.bookmarks();
        const bool anyEnabled = std::any_of(bookmarks.cbegin(), bookmarks.cend(),
                                            [](const QVT2SBookmark &b) { return b.enabled; });
        if (anyEnabled) {
            qint64 plainLength = 0;
            for (const QVT2SBookmark &bookmark : bookmarks) {
                if (!bookmark.enabled)
                    continue;
                // A bookmark reaching past the text (a stale file) is cut
                // to the text; one with nothing left says nothing.
                const qint64 f = qMin<qint64>(bookmark.fromChar, textLength);
                const qint64 t = qMin<qint64>(bookmark.toChar, textLength);
                if (f >= t)
                    continue;
                // All markup of the earlier fragments lies before the end of
                // the engine text, so the fragment starts at its length.
                out.rangeMap.append({qint32(out.text.size()), qint32(f - plainLength)});
                QString fragment = text.mid(f, t - f);
                applyEntityMarkup(document, fragment, f, t);
                out.text.append(fragment);
                mergeInsertions(out, f, plainLength);
                plainLength += t - f;
            }
        } else if (textLength > 0) {
            QString fragment = text;
            applyEntityMarkup(document, fragment, 0, textLength - 1);
            mergeInsertions(out, 0, 0);
            out.text = fragment;
        }
    }

    out.text = VocalyneSpeechMarkup::normalizeQuotes(std::move(out.text));
    out.reindex();
    m_ownSettings.reset();
    return out;
}
