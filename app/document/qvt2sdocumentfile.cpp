// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The .t2s file of a QVT2SDocument: its reader and writer.
#include "qvt2sdocument.h"

#include "t2sxml.h"

#include <QDomElement>
#include <QDomNodeList>
#include <QStringConverter>
#include <QTextStream>

namespace {

constexpr int MaxNesting = 256;

const QString RootTag = QStringLiteral("QVT2SDoc");
const QString GlobalVoiceTag = QStringLiteral("QVT2SGlobalVoice");
const QString SectionsTag = QStringLiteral("QVT2SSpeechSections");
const QString SectionTag = QStringLiteral("QVT2SSpeechSection");
const QString ElementsTag = QStringLiteral("QVT2SSpeechElements");
const QString ElementTag = QStringLiteral("QVT2SSpeechElement");
const QString BookmarksTag = QStringLiteral("QVT2SSpeechBookmarks");
const QString BookmarkTag = QStringLiteral("QVT2SSpeechBookmark");
const QString ContentTag = QStringLiteral("QVT2SContent");

const QString VersionAttr = QStringLiteral("version");
const QString EngineTypeIdAttr = QStringLiteral("enginetypeid");
const QString VoiceNameAttr = QStringLiteral("voicename");
const QString VoiceIdAttr = QStringLiteral("voiceid");
const QString LangIdAttr = QStringLiteral("langid");
const QString PitchAttr = QStringLiteral("pitch");
const QString SpeedAttr = QStringLiteral("speed");
const QString VolumeAttr = QStringLiteral("volume");
const QString PauseAttr = QStringLiteral("pause");
const QString HighlightAttr = QStringLiteral("highlight");
const QString IsXmlAttr = QStringLiteral("isxml");
const QString FromCharAttr = QStringLiteral("fromchar");
const QString ToCharAttr = QStringLiteral("tochar");
const QString EnabledAttr = QStringLiteral("enabled");
const QString AfterCharAttr = QStringLiteral("afterchar");
const QString TypeAttr = QStringLiteral("type");
const QString ValueAttr = QStringLiteral("value");

// The only element of that name anywhere in the tree, or a null element.
QDomElement onlyElement(const QDomDocument &dom, const QString &tag)
{
    const QDomNodeList found = dom.elementsByTagName(tag);
    return found.count() == 1 ? found.item(0).toElement() : QDomElement();
}

bool readSection(const QDomElement &e, QVT2SSection *s)
{
    qint16 langId = 0;
    bool ok =
        T2SXml::readPosition(e, FromCharAttr, &s->fromChar) &&
        T2SXml::readPosition(e, ToCharAttr, &s->toChar) &&
        T2SXml::readInt16(e, EngineTypeIdAttr, &s->engineTypeId) &&
        T2SXml::readText(e, VoiceNameAttr, &s->voiceName) &&
        T2SXml::readInt32(e, VoiceIdAttr, &s->voiceId) &&
        T2SXml::readInt16(e, LangIdAttr, &langId) && T2SXml::readInt32(e, PitchAttr, &s->pitch) &&
        T2SXml::readInt32(e, SpeedAttr, &s->speed) &&
        T2SXml::readInt32(e, VolumeAttr, &s->volume) &&
        T2SXml::readInt32(e, PauseAttr, &s->pause) && T2SXml::readFlag(e, EnabledAttr, &s->enabled);
    // Language identifiers are written as signed 16-bit numbers: 0xFFFE is "-2".
    s->langId = quint16(langId);
    return ok;
}

bool readElement(const QDomElement &e, QVT2SElement *element)
{
    return T2SXml::readPosition(e, AfterCharAttr, &element->afterChar) &&
           T2SXml::readText(e, TypeAttr, &element->type) &&
           T2SXml::readText(e, ValueAttr, &element->value) &&
           T2SXml::readFlag(e, EnabledAttr, &element->enabled);
}

bool readBookmark(const QDomElement &e, QVT2SBookmark *bookmark)
{
    return T2SXml::readPosition(e, FromCharAttr, &bookmark->fromChar) &&
           T2SXml::readPosition(e, ToCharAttr, &bookmark->toChar) &&
           T2SXml::readFlag(e, EnabledAttr, &bookmark->enabled);
}

// Reads every record tag below the only container element into a new list;
// the document's list is replaced only when the file holds at least one
// record, and not at all when any record is faulty.
template <typename Record, typename ReadRecord>
bool readList(const QDomDocument &dom, const QString &containerTag, const QString &recordTag,
              ReadRecord readRecord, QList<Record> *target)
{
    const QDomElement container = onlyElement(dom, containerTag);
    if (container.isNull())
        return false;
    const QDomNodeList nodes = container.elementsByTagName(recordTag);
    QList<Record> records;
    records.reserve(nodes.count());
    for (int i = 0; i < nodes.count(); ++i) {
        Record record;
        if (!readRecord(nodes.item(i).toElement(), &record))
            return false;
        records.append(record);
    }
    if (!records.isEmpty())
        *target = std::move(records);
    return true;
}

void setFlag(QDomElement &element, const QString &name, bool value)
{
    element.setAttribute(name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void setText(QDomElement &element, const QString &name, const QString &value)
{
    element.setAttribute(name, T2SXml::xmlSafe(value));
}

// The working tree is only needed while reading or writing.
struct DomReleaser
{
    QDomDocument &dom;
    ~DomReleaser() { dom.clear(); }
};

} // namespace

bool QVT2SDocument::read(const QByteArray &bytes)
{
    DomReleaser releaser{m_dom};
    // A real document nests three levels deep; 256 leaves room for any
    // wrapping a tool may add without letting the parser run for minutes.
    if (!T2SXml::nestingWithin(bytes, MaxNesting) || !m_dom.setContent(bytes, false))
        return false;

    const QDomElement voice = onlyElement(m_dom, GlobalVoiceTag);
    if (voice.isNull() || !voice.hasAttributes())
        return false;
    // voiceid, langid and pause stay as they were: the default speech values.
    if (!T2SXml::readInt16(voice, EngineTypeIdAttr, &m_engineTypeId) ||
        !T2SXml::readText(voice, VoiceNameAttr, &m_voiceName) ||
        !T2SXml::readInt32(voice, PitchAttr, &m_pitch) ||
        !T2SXml::readInt32(voice, SpeedAttr, &m_speed) ||
        !T2SXml::readInt32(voice, VolumeAttr, &m_volume) ||
        !T2SXml::readFlag(voice, HighlightAttr, &m_highlight) ||
        !T2SXml::readFlag(voice, IsXmlAttr, &m_isXml))
        return false;

    if (!readList(m_dom, SectionsTag, SectionTag, readSection, &m_sections) ||
        !readList(m_dom, ElementsTag, ElementTag, readElement, &m_elements) ||
        !readList(m_dom, BookmarksTag, BookmarkTag, readBookmark, &m_bookmarks))
        return false;

    const QDomElement content = onlyElement(m_dom, ContentTag);
    if (content.isNull())
        return false;
    m_content = content.text();
    // The DOM parser drops text made of white space only; such a document
    // text is still the user's text, so it is read again as it stands.
    if (m_content.isEmpty())
        m_content = T2SXml::elementText(bytes, ContentTag);
    return true;
}

bool QVT2SDocument::write(QTextStream &stream, const QString &content)
{
    DomReleaser releaser{m_dom};
    m_dom.clear();

    QDomElement root = m_dom.createElement(RootTag);
    root.setAttribute(VersionAttr, QStringLiteral("2.0.0"));
    m_dom.appendChild(root);

    QDomElement voice = m_dom.createElement(GlobalVoiceTag);
    voice.setAttribute(EngineTypeIdAttr, QString::number(m_engineTypeId));
    setText(voice, VoiceNameAttr, m_voiceName);
    voice.setAttribute(VoiceIdAttr, QString::number(m_voiceId));
    voice.setAttribute(LangIdAttr, QString::number(qint16(m_langId)));
    voice.setAttribute(PitchAttr, QString::number(m_pitch));
    voice.setAttribute(SpeedAttr, QString::number(m_speed));
    voice.setAttribute(VolumeAttr, QString::number(m_volume));
    voice.setAttribute(PauseAttr, QString::number(m_pause));
    setFlag(voice, HighlightAttr, m_highlight);
    setFlag(voice, IsXmlAttr, m_isXml);
    root.appendChild(voice);

    QDomElement sections = m_dom.createElement(SectionsTag);
    for (const QVT2SSection &s : std::as_const(m_sections)) {
        QDomElement e = m_dom.createElement(SectionTag);
        e.setAttribute(FromCharAttr, QString::number(s.fromChar));
        e.setAttribute(ToCharAttr, QString::number(s.toChar));
        e.setAttribute(EngineTypeIdAttr, QString::number(s.engineTypeId));
        setText(e, VoiceNameAttr, s.voiceName);
        e.setAttribute(VoiceIdAttr, QString::number(s.voiceId));
        e.setAttribute(LangIdAttr, QString::number(qint16(s.langId)));
        e.setAttribute(PitchAttr, QString::number(s.pitch));
        e.setAttribute(SpeedAttr, QString::number(s.speed));
        e.setAttribute(VolumeAttr, QString::number(s.volume));
        e.setAttribute(PauseAttr, QString::number(s.pause));
        setFlag(e, EnabledAttr, s.enabled);
        sections.appendChild(e);
    }
    root.appendChild(sections);

    QDomElement elements = m_dom.createElement(ElementsTag);
    for (const QVT2SElement &element : std::as_const(m_elements)) {
        QDomElement e = m_dom.createElement(ElementTag);
        e.setAttribute(AfterCharAttr, QString::number(element.afterChar));
        setText(e, TypeAttr, element.type);
        setText(e, ValueAttr, element.value);
        setFlag(e, EnabledAttr, element.enabled);
        elements.appendChild(e);
    }
    root.appendChild(elements);

    QDomElement bookmarks = m_dom.createElement(BookmarksTag);
    for (const QVT2SBookmark &b : std::as_const(m_bookmarks)) {
        QDomElement e = m_dom.createElement(BookmarkTag);
        e.setAttribute(FromCharAttr, QString::number(b.fromChar));
        e.setAttribute(ToCharAttr, QString::number(b.toChar));
        setFlag(e, EnabledAttr, b.enabled);
        bookmarks.appendChild(e);
    }
    root.appendChild(bookmarks);

    QDomElement contentElement = m_dom.createElement(ContentTag);
    contentElement.appendChild(m_dom.createTextNode(T2SXml::xmlSafe(content)));
    root.appendChild(contentElement);

    stream.setEncoding(QStringConverter::Utf8);
    m_dom.save(stream, 1);
    return true;
}
