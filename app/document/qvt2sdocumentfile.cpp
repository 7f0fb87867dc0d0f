// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The .t2s file of a QVT2SDocument: its reader and writer.
//
// Both work on the XML text directly rather than through a DOM tree: a tree
// of a large document costs several times the time of one pass over it. They
// keep the results of the tree: the reader looks names up at any depth and
// reads text as the tree holds it (T2SFileScan), the writer produces the
// tree's serialization with one blank of indentation per level.
#include "qvt2sdocument.h"

#include "t2sfilescan.h"
#include "t2sxml.h"

#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

namespace {

constexpr int MaxNesting = 256;

// Lists are replaced only when the file holds at least one record, and not
// at all when any record is faulty or the container is missing or repeated.
template <typename Record> bool takeList(T2SFileScan::List<Record> &list, QList<Record> *target)
{
    if (list.containers != 1 || !list.valid)
        return false;
    if (!list.records.isEmpty())
        *target = std::move(list.records);
    return true;
}

// The serialized tree, built as one text.
class FileText
{
public:
    QString text;

    void startTag(int depth, QLatin1String name)
    {
        text.append(QString(depth, QLatin1Char(' ')));
        text.append(QLatin1Char('<'));
        text.append(name);
    }
    void attribute(QLatin1String name, const QString &value)
    {
        startAttribute(name);
        T2SXml::appendEscaped(&text, T2SXml::xmlSafe(value), true);
        text.append(QLatin1Char('"'));
    }
    void attribute(QLatin1String name, qint64 number)
    {
        startAttribute(name);
        text.append(QString::number(number));
        text.append(QLatin1Char('"'));
    }
    void flag(QLatin1String name, bool value) { attribute(name, qint64(value ? 1 : 0)); }
    void endEmptyTag() { text.append(QLatin1String("/>\n")); }
    void endStartTag() { text.append(QLatin1String(">\n")); }
    void endTag(int depth, QLatin1String name)
    {
        text.append(QString(depth, QLatin1Char(' ')));
        text.append(QLatin1String("</"));
        text.append(name);
        text.append(QLatin1String(">\n"));
    }

    // A container at depth 1: an empty element when there is no record.
    template <typename Record, typename WriteRecord>
    void container(QLatin1String name, const QList<Record> &records, WriteRecord writeRecord)
    {
        startTag(1, name);
        if (records.isEmpty()) {
            endEmptyTag();
            return;
        }
        endStartTag();
        for (const Record &record : records)
            writeRecord(record);
        endTag(1, name);
    }

private:
    void startAttribute(QLatin1String name)
    {
        text.append(QLatin1Char(' '));
        text.append(name);
        text.append(QLatin1String("=\""));
    }
};

} // namespace

bool QVT2SDocument::read(const QByteArray &bytes)
{
    // A real document nests three levels deep; 256 leaves room for any
    // wrapping a tool may add.
    T2SFileScan scan;
    if (!scan.run(bytes, MaxNesting))
        return false;

    const QXmlStreamAttributes &voice = scan.voiceAttributes;
    if (scan.voices != 1 || voice.isEmpty())
        return false;
    // Each value is stored as it is read. voiceid, langid and pause stay as
    // they were: the default speech values.
    if (!T2SXml::readInt16(voice, T2SXml::EngineTypeIdAttr, &m_engineTypeId) ||
        !T2SXml::readText(voice, T2SXml::VoiceNameAttr, &m_voiceName) ||
        !T2SXml::readInt32(voice, T2SXml::PitchAttr, &m_pitch) ||
        !T2SXml::readInt32(voice, T2SXml::SpeedAttr, &m_speed) ||
        !T2SXml::readInt32(voice, T2SXml::VolumeAttr, &m_volume) ||
        !T2SXml::readFlag(voice, T2SXml::HighlightAttr, &m_highlight) ||
        !T2SXml::readFlag(voice, T2SXml::IsXmlAttr, &m_isXml))
        return false;

    if (!takeList(scan.sections, &m_sections) || !takeList(scan.elements, &m_elements) ||
        !takeList(scan.bookmarks, &m_bookmarks))
        return false;

    if (scan.contents != 1)
        return false;
    // Text made of white space only is still the user's text: it is read as
    // it stands when the content holds nothing else.
    m_content = scan.treeText.isEmpty() ? scan.fullText : scan.treeText;
    return true;
}

bool QVT2SDocument::write(QTextStream &stream, const QString &content)
{
    FileText file;
    // Markup, numbers and a blank line per record come to about 180
    // characters a section and 80 an element or bookmark.
    file.text.reserve(content.size() + 1024 + 220 * m_sections.size() +
                      100 * (m_elements.size() + m_bookmarks.size()));

    file.startTag(0, T2SXml::RootTag);
    file.text.append(QLatin1String(" version=\"2.0.0\""));
    file.endStartTag();

    file.startTag(1, T2SXml::GlobalVoiceTag);
    file.attribute(T2SXml::EngineTypeIdAttr, m_engineTypeId);
    file.attribute(T2SXml::VoiceNameAttr, m_voiceName);
    file.attribute(T2SXml::VoiceIdAttr, m_voiceId);
    file.attribute(T2SXml::LangIdAttr, qint16(m_langId));
    file.attribute(T2SXml::PitchAttr, m_pitch);
    file.attribute(T2SXml::SpeedAttr, m_speed);
    file.attribute(T2SXml::VolumeAttr, m_volume);
    file.attribute(T2SXml::PauseAttr, m_pause);
    file.flag(T2SXml::HighlightAttr, m_highlight);
    file.flag(T2SXml::IsXmlAttr, m_isXml);
    file.endEmptyTag();

    file.container(T2SXml::SectionsTag, m_sections, [&file](const QVT2SSection &s) {
        file.startTag(2, T2SXml::SectionTag);
        file.attribute(T2SXml::FromCharAttr, s.fromChar);
        file.attribute(T2SXml::ToCharAttr, s.toChar);
        file.attribute(T2SXml::EngineTypeIdAttr, s.engineTypeId);
        file.attribute(T2SXml::VoiceNameAttr, s.voiceName);
        file.attribute(T2SXml::VoiceIdAttr, s.voiceId);
        file.attribute(T2SXml::LangIdAttr, qint16(s.langId));
        file.attribute(T2SXml::PitchAttr, s.pitch);
        file.attribute(T2SXml::SpeedAttr, s.speed);
        file.attribute(T2SXml::VolumeAttr, s.volume);
        file.attribute(T2SXml::PauseAttr, s.pause);
        file.flag(T2SXml::EnabledAttr, s.enabled);
        file.endEmptyTag();
    });
    file.container(T2SXml::ElementsTag, m_elements, [&file](const QVT2SElement &e) {
        file.startTag(2, T2SXml::ElementTag);
        file.attribute(T2SXml::AfterCharAttr, e.afterChar);
        file.attribute(T2SXml::TypeAttr, e.type);
        file.attribute(T2SXml::ValueAttr, e.value);
        file.flag(T2SXml::EnabledAttr, e.enabled);
        file.endEmptyTag();
    });
    file.container(T2SXml::BookmarksTag, m_bookmarks, [&file](const QVT2SBookmark &b) {
        file.startTag(2, T2SXml::BookmarkTag);
        file.attribute(T2SXml::FromCharAttr, b.fromChar);
        file.attribute(T2SXml::ToCharAttr, b.toChar);
        file.flag(T2SXml::EnabledAttr, b.enabled);
        file.endEmptyTag();
    });

    // The content always has its text, even an empty one: no empty-element
    // tag, and no line break or indentation around the text.
    file.startTag(1, T2SXml::ContentTag);
    file.text.append(QLatin1Char('>'));
    T2SXml::appendEscaped(&file.text, T2SXml::xmlSafe(content), false);
    file.endTag(0, T2SXml::ContentTag);
    file.endTag(0, T2SXml::RootTag);

    stream.setEncoding(QStringConverter::Utf8);
    stream << file.text;
    stream.flush();
    return true;
}

bool QVT2SDocument::saveToFile(const QString &path, const QString &content, QString *errorText)
{
    if (errorText)
        errorText->clear();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    {
        QTextStream stream(&file);
        write(stream, content);
        stream.flush();
        // A write that failed midway must not be committed as the file.
        if (stream.status() != QTextStream::Ok || file.error() != QFileDevice::NoError) {
            if (errorText)
                *errorText = file.errorString();
            file.cancelWriting();
        }
    }
    if (!file.commit()) {
        if (errorText && errorText->isEmpty())
            *errorText = file.errorString();
        return false;
    }
    return true;
}
