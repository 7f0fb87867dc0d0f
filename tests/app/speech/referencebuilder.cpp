// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "referencebuilder.h"

#include "qvt2sdocument.h"
#include "vocalyneelementcatalogue.h"
#include "vocalynespeechmarkup.h"

#include <QSettings>

#include <algorithm>

namespace {

using Entry = QPair<qint64, int>; // (document position, inserted length)

struct Working
{
    QList<Entry> openings;
    QList<Entry> closings;
    QList<Entry> elements;
    qint64 accumulated = 0;
};

bool conflict(qint64 f1, qint64 t1, qint64 f2, qint64 t2)
{
    return (f1 <= f2 && f2 <= t1) || (f1 <= t2 && t2 <= t1) || (f2 <= f1 && f1 <= t2) ||
           (f2 <= t1 && t1 <= t2);
}

void applyEntityMarkup(const QVT2SDocument &doc, QSettings &settings, Working &w,
                       QString &fragment, qint64 from, qint64 to)
{
    if (fragment.isEmpty())
        return;
    const qint64 end = from + fragment.size();
    QList<Entry> local;
    int inserted = 0;
    for (const QVT2SSection &s : doc.sections()) {
        if (!s.enabled || s.fromChar >= s.toChar || !conflict(s.fromChar, s.toChar, from, to))
            continue;
        if (!VocalyneSpeechMarkup::hasSectionMarkup(s.engineTypeId))
            continue;
        const QString opening = VocalyneSpeechMarkup::sectionOpening(s, doc.speed());
        const QString closing = VocalyneSpeechMarkup::sectionClosing(s.engineTypeId);
        qint64 pos;
        if (s.fromChar > from) {
            fragment.insert(s.fromChar - from + inserted, opening);
            pos = s.fromChar;
        } else {
            fragment.prepend(opening);
            pos = from;
        }
        inserted += opening.size();
        local.append({pos, int(opening.size())});
        w.openings.append({pos, int(opening.size())});
        if (s.toChar < end) {
            fragment.insert(s.toChar - from + inserted, closing);
            pos = s.toChar;
        } else {
            fragment.append(closing);
            pos = end;
        }
        inserted += closing.size();
        local.append({pos, int(closing.size())});
        w.closings.append({pos, int(closing.size())});
    }
    if (doc.elements().isEmpty())
        return;
    VocalyneElementCatalogue::ensure(settings);
    const QString engineType = QString::number(doc.engineTypeId());
    for (const QVT2SElement &e : doc.elements()) {
        if (!e.enabled)
            continue;
        const QString tmpl = settings
                                 .value(QStringLiteral("SpeechElements/") + e.type +
                                        QStringLiteral("/speechXML/") + engineType)
                                 .toString();
        if (tmpl.isEmpty())
            continue;
        if (from <= e.afterChar && e.afterChar <= to) {
            const QString markup = VocalyneElementCatalogue::fillTemplate(tmpl, e.value);
            int sum = 0;
            for (const Entry &l : local)
                if (l.first <= e.afterChar)
                    sum += l.second;
            fragment.insert(e.afterChar - from + sum, markup);
            local.append({e.afterChar, int(markup.size())});
            w.elements.append({e.afterChar, int(markup.size())});
        }
    }
}

void mergeInsertions(Working &w, SpeechText &out, qint64 docStart, qint64 plainStart)
{
    for (QList<Entry> *list : {&w.elements, &w.closings, &w.openings})
        std::stable_sort(list->begin(), list->end(),
                         [](const Entry &a, const Entry &b) { return a.first < b.first; });
    while (!w.elements.isEmpty() || !w.closings.isEmpty() || !w.openings.isEmpty()) {
        QList<Entry> *pick = nullptr;
        for (QList<Entry> *list : {&w.elements, &w.closings, &w.openings})
            if (!list->isEmpty() && (!pick || list->first().first < pick->first().first))
                pick = list;
        const Entry head = pick->takeFirst();
        out.insertionMap.append(
            {qint32(w.accumulated + head.first + plainStart - docStart), -head.second});
        w.accumulated += head.second;
    }
}

} // namespace

SpeechText referenceBuildSpeechText(const QVT2SDocument &doc, const SpeechTextSource &src,
                                    bool fromCursor, bool useStoredContent, QSettings &settings)
{
    Working w;
    SpeechText out;
    const QString &plain = src.plainText;
    if (fromCursor) {
        const qint64 cursor = qBound(0, src.cursorPosition, int(plain.size()));
        QString fragment = plain.mid(cursor);
        if (!fragment.isEmpty()) {
            applyEntityMarkup(doc, settings, w, fragment, cursor, plain.size() - 1);
            out.rangeMap.append({0, qint32(cursor)});
            mergeInsertions(w, out, cursor, 0);
            out.text = fragment;
        }
    } else if (src.selectionAnchor != src.selectionPosition) {
        const int from = qBound(0, qMin(src.selectionAnchor, src.selectionPosition),
                                int(plain.size()));
        const int to = qBound(0, qMax(src.selectionAnchor, src.selectionPosition),
                              int(plain.size()));
        QString fragment = plain.mid(from, to - from);
        applyEntityMarkup(doc, settings, w, fragment, from, to);
        out.rangeMap.append({0, from});
        mergeInsertions(w, out, from, 0);
        out.text = fragment;
    } else {
        const QString source = useStoredContent ? doc.content() : plain;
        bool anyEnabled = false;
        for (const QVT2SBookmark &b : doc.bookmarks())
            anyEnabled = anyEnabled || b.enabled;
        if (anyEnabled) {
            qint64 plainLength = 0;
            bool firstBookmark = true;
            for (const QVT2SBookmark &b : doc.bookmarks()) {
                if (!b.enabled)
                    continue;
                const qint64 f = qMin<qint64>(b.fromChar, source.size());
                const qint64 t = qMin<qint64>(b.toChar, source.size());
                if (f >= t)
                    continue;
                QString fragment = source.mid(f, t - f);
                qint64 spokenStart = plainLength;
                if (!firstBookmark) {
                    for (const auto &ins : std::as_const(out.insertionMap))
                        if (ins.first <= out.text.size())
                            spokenStart -= ins.second;
                }
                firstBookmark = false;
                out.rangeMap.append({qint32(spokenStart), qint32(f - plainLength)});
                applyEntityMarkup(doc, settings, w, fragment, f, t);
                out.text += fragment;
                mergeInsertions(w, out, f, plainLength);
                plainLength += t - f;
            }
        } else if (!source.isEmpty()) {
            QString fragment = source;
            applyEntityMarkup(doc, settings, w, fragment, 0, source.size() - 1);
            mergeInsertions(w, out, 0, 0);
            out.text = fragment;
        }
    }
    for (QChar &c : out.text) {
        if (c == QChar(0x2018) || c == QChar(0x2019))
            c = QLatin1Char('\'');
        else if (c == QChar(0x201C) || c == QChar(0x201D))
            c = QLatin1Char('"');
    }
    return out;
}

QPair<qint32, qint32> referenceHighlight(const SpeechText &speech, qint16 engineType,
                                         qint32 speakPitch, qint32 first, qint32 last)
{
    if (engineType == 3) {
        const int prefix = 20 + QString::number(VocalyneSpeechMarkup::semitones(speakPitch)).size();
        first -= prefix;
        last -= prefix;
    }
    qint64 shift = 0;
    for (const auto &ins : speech.insertionMap)
        if (quint32(ins.first) <= quint32(last))
            shift += ins.second;
    qint32 delta = 0;
    for (const auto &r : speech.rangeMap)
        if (quint32(r.first) <= quint32(last))
            delta = r.second;
    shift += delta;
    return {qint32(first + shift), qint32(last + shift + 1)};
}
