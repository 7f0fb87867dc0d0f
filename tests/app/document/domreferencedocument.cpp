// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "domreferencedocument.h"

#include "t2sxml.h"

#include <QDomElement>
#include <QDomNodeList>
#include <QIODevice>
#include <QStringConverter>
#include <QTextStream>
#include <QXmlStreamReader>

#include <limits>

namespace {

constexpr int MaxNesting = 256;

const QString GlobalVoiceTag = QStringLiteral("QVT2SGlobalVoice");
const QString SectionsTag = QStringLiteral("QVT2SSpeechSections");
const QString SectionTag = QStringLiteral("QVT2SSpeechSection");
const QString ElementsTag = QStringLiteral("QVT2SSpeechElements");
const QString ElementTag = QStringLiteral("QVT2SSpeechElement");
const QString BookmarksTag = QStringLiteral("QVT2SSpeechBookmarks");
const QString BookmarkTag = QStringLiteral("QVT2SSpeechBookmark");
const QString ContentTag = QStringLiteral("QVT2SContent");

bool readInteger(const QDomElement &e, const QString &name, qint64 min, qint64 max, qint64 *value)
{
    return e.hasAttribute(name) && T2SXml::parseInteger(e.attribute(name), min, max, value);
}

bool readInt16(const QDomElement &e, const QString &name, qint16 *value)
{
    qint64 number = 0;
    if (!readInteger(e, name, std::numeric_limits<qint16>::min(),
                     std::numeric_limits<qint16>::max(), &number))
        return false;
    *value = qint16(number);
    return true;
}

bool readInt32(const QDomElement &e, const QString &name, qint32 *value)
{
    qint64 number = 0;
    if (!readInteger(e, name, std::numeric_limits<qint32>::min(),
                     std::numeric_limits<qint32>::max(), &number))
        return false;
    *value = qint32(number);
    return true;
}

bool readPosition(const QDomElement &e, const QString &name, quint32 *value)
{
    qint32 number = 0;
    if (!readInt32(e, name, &number) || number < 0)
        return false;
    *value = quint32(number);
    return true;
}

bool readFlag(const QDomElement &e, const QString &name, bool *value)
{
    qint16 number = 0;
    if (!readInt16(e, name, &number))
        return false;
    *value = number != 0;
    return true;
}

bool readText(const QDomElement &e, const QString &name, QString *value)
{
    if (!e.hasAttribute(name))
        return false;
    *value = e.attribute(name);
    return true;
}

bool nestingWithin(const QByteArray &bytes, int maxDepth)
{
    QXmlStreamReader reader(bytes);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    while (!reader.atEnd() && !reader.hasError()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > maxDepth)
            return false;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return true;
}

QString elementText(const QByteArray &bytes, const QString &name)
{
    QXmlStreamReader reader(bytes);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd() && !reader.hasError()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.qualifiedName() == name) {
            const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            return reader.hasError() ? QString() : text;
        }
    }
    return QString();
}

QDomElement onlyElement(const QDomDocument &dom, const QString &tag)
{
    const QDomNodeList found = dom.elementsByTagName(tag);
    return found.count() == 1 ? found.item(0).toElement() : QDomElement();
}

bool readSection(const QDomElement &e, QVT2SSection *s)
{
    qint16 langId = 0;
    bool ok = readPosition(e, QStringLiteral("fromchar"), &s->fromChar) &&
              readPosition(e, QStringLiteral("tochar"), &s->toChar) &&
              readInt16(e, QStringLiteral("enginetypeid"), &s->engineTypeId) &&
              readText(e, QStringLiteral("voicename"), &s->voiceName) &&
              readInt32(e, QStringLiteral("voiceid"), &s->voiceId) &&
              readInt16(e, QStringLiteral("langid"), &langId) &&
              readInt32(e, QStringLiteral("pitch"), &s->pitch) &&
              readInt32(e, QStringLiteral("speed"), &s->speed) &&
              readInt32(e, QStringLiteral("volume"), &s->volume) &&
              readInt32(e, QStringLiteral("pause"), &s->pause) &&
              readFlag(e, QStringLiteral("enabled"), &s->enabled);
    s->langId = quint16(langId);
    return ok;
}

bool readElement(const QDomElement &e, QVT2SElement *element)
{
    return readPosition(e, QStringLiteral("afterchar"), &element->afterChar) &&
           readText(e, QStringLiteral("type"), &element->type) &&
           readText(e, QStringLiteral("value"), &element->value) &&
           readFlag(e, QStringLiteral("enabled"), &element->enabled);
}

bool readBookmark(const QDomElement &e, QVT2SBookmark *bookmark)
{
    return readPosition(e, QStringLiteral("fromchar"), &bookmark->fromChar) &&
           readPosition(e, QStringLiteral("tochar"), &bookmark->toChar) &&
           readFlag(e, QStringLiteral("enabled"), &bookmark->enabled);
}

template <typename Record, typename ReadRecord>
bool readList(const QDomDocument &dom, const QString &containerTag, const QString &recordTag,
              ReadRecord readRecord, QList<Record> *target)
{
    const QDomElement container = onlyElement(dom, containerTag);
    if (container.isNull())
        return false;
    const QDomNodeList nodes = container.elementsByTagName(recordTag);
    QList<Record> records;
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

void setNumber(QDomElement &e, const char *name, qint64 value)
{
    e.setAttribute(QLatin1String(name), QString::number(value));
}

void setText(QDomElement &e, const char *name, const QString &value)
{
    e.setAttribute(QLatin1String(name), T2SXml::xmlSafe(value));
}

} // namespace

bool DomReferenceDocument::domRead(const QByteArray &bytes)
{
    QDomDocument dom;
    if (!nestingWithin(bytes, MaxNesting) || !dom.setContent(bytes, false))
        return false;

    const QDomElement voice = onlyElement(dom, GlobalVoiceTag);
    if (voice.isNull() || !voice.hasAttributes())
        return false;
    if (!readInt16(voice, QStringLiteral("enginetypeid"), &m_engineTypeId) ||
        !readText(voice, QStringLiteral("voicename"), &m_voiceName) ||
        !readInt32(voice, QStringLiteral("pitch"), &m_pitch) ||
        !readInt32(voice, QStringLiteral("speed"), &m_speed) ||
        !readInt32(voice, QStringLiteral("volume"), &m_volume) ||
        !readFlag(voice, QStringLiteral("highlight"), &m_highlight) ||
        !readFlag(voice, QStringLiteral("isxml"), &m_isXml))
        return false;

    if (!readList(dom, SectionsTag, SectionTag, readSection, &m_sections) ||
        !readList(dom, ElementsTag, ElementTag, readElement, &m_elements) ||
        !readList(dom, BookmarksTag, BookmarkTag, readBookmark, &m_bookmarks))
        return false;

    const QDomElement content = onlyElement(dom, ContentTag);
    if (content.isNull())
        return false;
    m_content = content.text();
    if (m_content.isEmpty())
        m_content = elementText(bytes, ContentTag);
    return true;
}

QByteArray DomReferenceDocument::domWrite(const QString &content)
{
    QDomDocument dom;
    QDomElement root = dom.createElement(QStringLiteral("QVT2SDoc"));
    root.setAttribute(QStringLiteral("version"), QStringLiteral("2.0.0"));
    dom.appendChild(root);

    QDomElement voice = dom.createElement(GlobalVoiceTag);
    setNumber(voice, "enginetypeid", m_engineTypeId);
    setText(voice, "voicename", m_voiceName);
    setNumber(voice, "voiceid", m_voiceId);
    setNumber(voice, "langid", qint16(m_langId));
    setNumber(voice, "pitch", m_pitch);
    setNumber(voice, "speed", m_speed);
    setNumber(voice, "volume", m_volume);
    setNumber(voice, "pause", m_pause);
    setNumber(voice, "highlight", m_highlight ? 1 : 0);
    setNumber(voice, "isxml", m_isXml ? 1 : 0);
    root.appendChild(voice);

    QDomElement sections = dom.createElement(SectionsTag);
    for (const QVT2SSection &s : std::as_const(m_sections)) {
        QDomElement e = dom.createElement(SectionTag);
        setNumber(e, "fromchar", s.fromChar);
        setNumber(e, "tochar", s.toChar);
        setNumber(e, "enginetypeid", s.engineTypeId);
        setText(e, "voicename", s.voiceName);
        setNumber(e, "voiceid", s.voiceId);
        setNumber(e, "langid", qint16(s.langId));
        setNumber(e, "pitch", s.pitch);
        setNumber(e, "speed", s.speed);
        setNumber(e, "volume", s.volume);
        setNumber(e, "pause", s.pause);
        setNumber(e, "enabled", s.enabled ? 1 : 0);
        sections.appendChild(e);
    }
    root.appendChild(sections);

    QDomElement elements = dom.createElement(ElementsTag);
    for (const QVT2SElement &element : std::as_const(m_elements)) {
        QDomElement e = dom.createElement(ElementTag);
        setNumber(e, "afterchar", element.afterChar);
        setText(e, "type", element.type);
        setText(e, "value", element.value);
        setNumber(e, "enabled", element.enabled ? 1 : 0);
        elements.appendChild(e);
    }
    root.appendChild(elements);

    QDomElement bookmarks = dom.createElement(BookmarksTag);
    for (const QVT2SBookmark &b : std::as_const(m_bookmarks)) {
        QDomElement e = dom.createElement(BookmarkTag);
        setNumber(e, "fromchar", b.fromChar);
        setNumber(e, "tochar", b.toChar);
        setNumber(e, "enabled", b.enabled ? 1 : 0);
        bookmarks.appendChild(e);
    }
    root.appendChild(bookmarks);

    QDomElement contentElement = dom.createElement(ContentTag);
    contentElement.appendChild(dom.createTextNode(T2SXml::xmlSafe(content)));
    root.appendChild(contentElement);

    QByteArray bytes;
    QTextStream stream(&bytes, QIODevice::WriteOnly);
    stream.setEncoding(QStringConverter::Utf8);
    dom.save(stream, 1);
    stream.flush();
    return bytes;
}

void DomReferenceDocument::setLists(const QList<QVT2SSection> &sections,
                                    const QList<QVT2SElement> &elements,
                                    const QList<QVT2SBookmark> &bookmarks)
{
    m_sections = sections;
    m_elements = elements;
    m_bookmarks = bookmarks;
}
