// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvt2sdocument.h"

#include <ostream>

/// Readable QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

/// A document whose record lists a test fills directly, in any order, as a
/// loaded file may bring them.
class TestDocument : public QVT2SDocument
{
public:
    TestDocument(qint16 engineType = 3, qint32 speed = 100, qint32 pitch = 100)
    {
        m_engineTypeId = engineType;
        m_voiceName = QStringLiteral("Global");
        m_speed = speed;
        m_pitch = pitch;
        m_volume = 100;
        m_pause = 670;
        m_highlight = true;
        m_isXml = true;
    }

    QList<QVT2SSection> &sectionList() { return m_sections; }
    QList<QVT2SElement> &elementList() { return m_elements; }
    QList<QVT2SBookmark> &bookmarkList() { return m_bookmarks; }
    void setStoredContent(const QString &text) { m_content = text; }
    void setGlobalEngineType(qint16 type) { m_engineTypeId = type; }

    QVT2SSection &section(quint32 from, quint32 to, qint16 type, const QString &voice = {},
                          qint32 speed = 100, qint32 volume = 100, qint32 pitch = 100,
                          bool enabled = true)
    {
        QVT2SSection s;
        s.fromChar = from;
        s.toChar = to;
        s.engineTypeId = type;
        s.voiceName = voice.isEmpty() ? QStringLiteral("Voice") : voice;
        s.speed = speed;
        s.volume = volume;
        s.pitch = pitch;
        s.enabled = enabled;
        m_sections.append(s);
        return m_sections.last();
    }
    void element(quint32 at, const QString &value, bool enabled = true,
                 const QString &type = QStringLiteral("pause"))
    {
        m_elements.append({at, type, value, enabled});
    }
    void bookmark(quint32 from, quint32 to, bool enabled = true)
    {
        m_bookmarks.append({from, to, enabled});
    }
};
