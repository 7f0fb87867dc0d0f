// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvt2sdocument.h"

#include "vocalynesettingskeys.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QSettings>

#include <algorithm>
#include <limits>

namespace {

const QString PauseType = QStringLiteral("pause");

// Sorting and conflict checks work on a copy of the ranges: stable_sort needs
// a strict weak order, which start positions give.
template <typename Record> void stableSortByStart(QList<Record> &list)
{
    std::stable_sort(list.begin(), list.end(),
                     [](const Record &a, const Record &b) { return a.fromChar < b.fromChar; });
}

template <typename Record> bool removeAt(QList<Record> &list, int index)
{
    if (index < 0 || index >= list.size())
        return false;
    list.removeAt(index);
    return true;
}

template <typename Record> int removeIndexes(QList<Record> &list, QList<int> indexes)
{
    // Remove from the back so that the earlier indexes still mean the same
    // records; this is what makes "rows 1 and 3" remove exactly those two.
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    int removed = 0;
    for (auto it = indexes.crbegin(); it != indexes.crend(); ++it) {
        if (removeAt(list, *it))
            ++removed;
    }
    return removed;
}

// A position fromChar + offset; false when it no longer fits a position.
bool offsetPosition(quint32 fromChar, int offset, quint32 *result)
{
    const quint64 position = quint64(fromChar) + quint64(offset);
    if (position > std::numeric_limits<quint32>::max())
        return false;
    *result = quint32(position);
    return true;
}

quint32 clampToPosition(int value)
{
    return value < 0 ? 0u : quint32(value);
}

} // namespace

QVT2SDocument::QVT2SDocument() = default;

QVT2SDocument::~QVT2SDocument() = default;

void QVT2SDocument::setEngineTypeId(qint16 value)
{
    m_engineTypeId = value;
}

void QVT2SDocument::setVoiceName(const QString &value)
{
    m_voiceName = value;
}

void QVT2SDocument::setVoiceId(qint32 value)
{
    m_voiceId = value;
}

void QVT2SDocument::setLangId(quint16 value)
{
    m_langId = value;
}

void QVT2SDocument::setPitch(qint32 value)
{
    m_pitch = value;
}

void QVT2SDocument::setSpeed(qint32 value)
{
    m_speed = value;
}

void QVT2SDocument::setVolume(qint32 value)
{
    m_volume = value;
}

void QVT2SDocument::setPause(qint32 value)
{
    m_pause = value;
}

void QVT2SDocument::setHighlight(bool value)
{
    m_highlight = value;
}

void QVT2SDocument::setIsXml(bool value)
{
    m_isXml = value;
}

void QVT2SDocument::setContent(const QString &value)
{
    m_content = value;
}

bool QVT2SDocument::loadDefaultSpeechValues()
{
    namespace Keys = VocalyneSettingsKeys;
    const QSettings settings;
    // -2 marks a missing value; langId uses its own marker and is not checked.
    m_engineTypeId = qint16(settings.value(Keys::VoiceEngineTypeId, -2).toInt());
    m_voiceName = settings.value(Keys::VoiceName, QString()).toString();
    m_voiceId = settings.value(Keys::VoiceId, -2).toInt();
    m_langId = quint16(settings.value(Keys::LangId, 999999).toInt());
    m_pitch = settings.value(Keys::Pitch, -2).toInt();
    m_speed = settings.value(Keys::Speed, -2).toInt();
    m_volume = settings.value(Keys::Volume, -2).toInt();
    m_pause = settings.value(Keys::SentPause, -2).toInt();
    m_highlight = settings.value(Keys::Highlight, 0).toInt() != 0;
    m_isXml = settings.value(Keys::IsXml, 0).toInt() != 0;

    return m_engineTypeId != -2 && m_voiceId != -2 && m_pitch != -2 && m_speed != -2 &&
           m_volume != -2 && m_pause != -2 && !m_voiceName.isEmpty();
}

void QVT2SDocument::pickVoice(const VoiceComboUserData &voice, const QString &voiceName)
{
    setEngineTypeId(voice.engineTypeId);
    setVoiceName(voiceName);
    setVoiceId(voice.voiceId);
    setPitch(100);
    setSpeed(100);
    setVolume(100);
    setPause(670);
    setIsXml(true);
}

QString QVT2SDocument::documentText() const
{
    return m_owner ? m_owner->documentText() : m_content;
}

QString QVT2SDocument::sectionText(const QVT2SSection &section) const
{
    // Ranges from a file are not checked on reading; an inverted or
    // out-of-text range covers no text rather than wrapping around.
    const QString text = documentText();
    if (section.fromChar >= section.toChar || section.fromChar >= quint32(text.size()))
        return QString();
    const quint32 to = std::min<quint32>(section.toChar, quint32(text.size()));
    return text.mid(qsizetype(section.fromChar), qsizetype(to - section.fromChar));
}

void QVT2SDocument::notifyOwner()
{
    if (m_owner)
        m_owner->markModifiedAndRefresh();
}

void QVT2SDocument::showCritical(const char *text)
{
    if (m_owner)
        m_owner->showDocumentMessage(QVT2SDocumentOwner::MessageKind::Critical,
                                     QCoreApplication::translate("QApplication", "Error"),
                                     QCoreApplication::translate("QApplication", text));
}

void QVT2SDocument::showWarning(const char *text)
{
    if (m_owner)
        m_owner->showDocumentMessage(QVT2SDocumentOwner::MessageKind::Warning,
                                     QCoreApplication::translate("QApplication", "Error"),
                                     QCoreApplication::translate("QApplication", text));
}

bool QVT2SDocument::rangesConflict(quint32 f1, quint32 t1, quint32 f2, quint32 t2)
{
    if (f1 > t1)
        std::swap(f1, t1);
    if (f2 > t2)
        std::swap(f2, t2);
    return (f1 <= f2 && f2 <= t1) || (f1 <= t2 && t2 <= t1) || (f2 <= f1 && f1 <= t2) ||
           (f2 <= t1 && t1 <= t2);
}

bool QVT2SDocument::conflictsWithSection(quint32 fromChar, quint32 toChar) const
{
    return std::any_of(m_sections.cbegin(), m_sections.cend(), [&](const QVT2SSection &s) {
        return rangesConflict(s.fromChar, s.toChar, fromChar, toChar);
    });
}

bool QVT2SDocument::conflictsWithBookmark(quint32 fromChar, quint32 toChar) const
{
    return std::any_of(m_bookmarks.cbegin(), m_bookmarks.cend(), [&](const QVT2SBookmark &b) {
        return rangesConflict(b.fromChar, b.toChar, fromChar, toChar);
    });
}

QList<int> QVT2SDocument::sentenceEnds(const QString &text)
{
    // A full stop followed by any white space (a carriage return included).
    // A plain scan finds the same matches as searching on from b + 1 would.
    QList<int> ends;
    const qsizetype last = text.size() - 1;
    for (qsizetype i = 0; i < last; ++i) {
        if (text.at(i) == QLatin1Char('.') && text.at(i + 1).isSpace())
            ends.append(int(i + 1));
    }
    return ends;
}

void QVT2SDocument::addSection(int anchor, int position, const VoiceComboUserData &voice,
                               const QString &voiceName, qint32 speed, qint32 volume, qint32 pitch,
                               qint32 pause)
{
    if (anchor == position) {
        showCritical(QT_TRANSLATE_NOOP(
            "QApplication", "Please select a text fragment before creating a speech section."));
        return;
    }
    QVT2SSection section;
    section.fromChar = clampToPosition(std::min(anchor, position));
    section.toChar = clampToPosition(std::max(anchor, position));
    section.engineTypeId = voice.engineTypeId;
    section.voiceName = voiceName;
    section.voiceId = voice.voiceId;
    section.langId = voice.langId;
    section.pitch = pitch;
    section.speed = speed;
    section.volume = volume;
    section.pause = pause;
    section.enabled = true;

    // The section editor has already told the user about a conflict.
    if (section.fromChar == section.toChar ||
        conflictsWithSection(section.fromChar, section.toChar))
        return;

    if (pause > 0)
        insertSentencePauses(section.fromChar, sectionText(section), QString::number(pause));

    m_sections.append(section);
    stableSortByStart(m_sections);
    notifyOwner();
}

void QVT2SDocument::addBookmark(int anchor, int position)
{
    if (anchor == position) {
        showCritical(
            QT_TRANSLATE_NOOP("QApplication", "Please select a text fragment before bookmarking."));
        return;
    }
    QVT2SBookmark bookmark;
    bookmark.fromChar = clampToPosition(std::min(anchor, position));
    bookmark.toChar = clampToPosition(std::max(anchor, position));
    bookmark.enabled = true;
    if (conflictsWithBookmark(bookmark.fromChar, bookmark.toChar)) {
        showWarning(QT_TRANSLATE_NOOP(
            "QApplication",
            "Embedding a speech entity within another speech entity of the same type is not "
            "allowed.\nPlease select a different text section or remove the current speech "
            "entity and try again."));
        return;
    }
    m_bookmarks.append(bookmark);
    stableSortByStart(m_bookmarks);
    notifyOwner();
}

bool QVT2SDocument::insertElement(const QVT2SElement &element)
{
    if (m_elements.contains(element))
        return false;
    m_elements.append(element);
    return true;
}

void QVT2SDocument::sortElements()
{
    std::stable_sort(
        m_elements.begin(), m_elements.end(),
        [](const QVT2SElement &a, const QVT2SElement &b) { return a.afterChar < b.afterChar; });
}

void QVT2SDocument::addElement(quint32 afterChar, const QString &type, const QString &value)
{
    QVT2SElement element;
    element.afterChar = afterChar;
    element.type = type;
    element.value = value;
    element.enabled = true;
    if (!insertElement(element))
        return;
    sortElements();
    notifyOwner();
}

void QVT2SDocument::addElementAtWordEnd(const QString &type, const QString &value)
{
    if (!m_owner)
        return;
    const int blank = m_owner->findNextBlankFromCursor();
    if (blank >= 0)
        addElement(quint32(blank), type, value);
}

bool QVT2SDocument::insertSentencePauses(quint32 fromChar, const QString &text,
                                         const QString &value)
{
    // Only an enabled pause with this value at the same position would be
    // an exact duplicate; collecting those positions once keeps a long
    // section linear instead of comparing every new element with the list.
    QSet<quint32> taken;
    for (const QVT2SElement &element : std::as_const(m_elements)) {
        if (element.enabled && element.type == PauseType && element.value == value)
            taken.insert(element.afterChar);
    }
    // Appending all new elements and sorting once gives the same order as
    // sorting after each one: the sort is stable and they arrive in order.
    bool added = false;
    for (const int end : sentenceEnds(text)) {
        QVT2SElement element;
        element.type = PauseType;
        element.value = value;
        element.enabled = true;
        if (!offsetPosition(fromChar, end, &element.afterChar) || taken.contains(element.afterChar))
            continue;
        m_elements.append(element);
        added = true;
    }
    if (added)
        sortElements();
    return added;
}

void QVT2SDocument::addSentencePauses(quint32 fromChar, const QString &text, const QString &value)
{
    if (insertSentencePauses(fromChar, text, value))
        notifyOwner();
}

void QVT2SDocument::setSentencePausesEnabled(const QVT2SSection &section, bool enabled)
{
    const QString value = QString::number(section.pause);
    // First matching element per position, found in one pass over the list.
    QHash<quint32, int> firstPause;
    for (int i = 0; i < m_elements.size(); ++i) {
        const QVT2SElement &element = m_elements.at(i);
        if (element.type == PauseType && element.value == value &&
            !firstPause.contains(element.afterChar))
            firstPause.insert(element.afterChar, i);
    }
    for (const int end : sentenceEnds(sectionText(section))) {
        quint32 position = 0;
        if (!offsetPosition(section.fromChar, end, &position))
            continue;
        const auto found = firstPause.constFind(position);
        if (found != firstPause.cend())
            m_elements[found.value()].enabled = enabled;
    }
}

void QVT2SDocument::updateSentencePauses(quint32 fromChar, const QString &text,
                                         const QString &newValue, bool remove)
{
    const bool removing = remove || newValue == QLatin1String("0");
    // First pause element per position, in list order; the positions of the
    // sentence ends are distinct, so each element is found at most once.
    QHash<quint32, int> firstPause;
    for (int i = 0; i < m_elements.size(); ++i) {
        const QVT2SElement &element = m_elements.at(i);
        if (element.type == PauseType && !firstPause.contains(element.afterChar))
            firstPause.insert(element.afterChar, i);
    }
    QList<int> doomed;
    for (const int end : sentenceEnds(text)) {
        quint32 position = 0;
        if (!offsetPosition(fromChar, end, &position))
            continue;
        const auto found = firstPause.constFind(position);
        if (found == firstPause.cend())
            continue;
        if (removing)
            doomed.append(found.value());
        else
            m_elements[found.value()].value = newValue;
    }
    removeIndexes(m_elements, doomed);
}

bool QVT2SDocument::removeSection(int index)
{
    return removeAt(m_sections, index);
}

bool QVT2SDocument::removeElement(int index)
{
    return removeAt(m_elements, index);
}

bool QVT2SDocument::removeBookmark(int index)
{
    return removeAt(m_bookmarks, index);
}

int QVT2SDocument::removeSections(const QList<int> &indexes)
{
    return removeIndexes(m_sections, indexes);
}

int QVT2SDocument::removeElements(const QList<int> &indexes)
{
    return removeIndexes(m_elements, indexes);
}

int QVT2SDocument::removeBookmarks(const QList<int> &indexes)
{
    return removeIndexes(m_bookmarks, indexes);
}

bool QVT2SDocument::removeSectionWithPauses(int index)
{
    if (index < 0 || index >= m_sections.size())
        return false;
    const QVT2SSection section = m_sections.at(index);
    updateSentencePauses(section.fromChar, sectionText(section), QStringLiteral("0"), true);
    m_sections.removeAt(index);
    return true;
}

bool QVT2SDocument::setSectionEnabled(int index, bool enabled)
{
    if (index < 0 || index >= m_sections.size())
        return false;
    m_sections[index].enabled = enabled;
    return true;
}

bool QVT2SDocument::setElementEnabled(int index, bool enabled)
{
    if (index < 0 || index >= m_elements.size())
        return false;
    m_elements[index].enabled = enabled;
    return true;
}

bool QVT2SDocument::setBookmarkEnabled(int index, bool enabled)
{
    if (index < 0 || index >= m_bookmarks.size())
        return false;
    m_bookmarks[index].enabled = enabled;
    return true;
}

bool QVT2SDocument::replaceSection(int index, const QVT2SSection &section)
{
    if (index < 0 || index >= m_sections.size())
        return false;
    m_sections[index] = section;
    return true;
}

bool QVT2SDocument::setSectionRange(int index, quint32 fromChar, quint32 toChar)
{
    if (index < 0 || index >= m_sections.size())
        return false;
    m_sections[index].fromChar = fromChar;
    m_sections[index].toChar = toChar;
    return true;
}

bool QVT2SDocument::setBookmarkRange(int index, quint32 fromChar, quint32 toChar)
{
    if (index < 0 || index >= m_bookmarks.size())
        return false;
    m_bookmarks[index].fromChar = fromChar;
    m_bookmarks[index].toChar = toChar;
    return true;
}

bool QVT2SDocument::setElementPosition(int index, quint32 afterChar)
{
    if (index < 0 || index >= m_elements.size())
        return false;
    m_elements[index].afterChar = afterChar;
    return true;
}
