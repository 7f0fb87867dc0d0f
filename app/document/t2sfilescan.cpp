// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "t2sfilescan.h"

#include "t2sxml.h"

#include <QXmlStreamReader>

namespace {

bool readRecord(const QXmlStreamAttributes &a, QVT2SSection *s)
{
    qint16 langId = 0;
    bool ok = T2SXml::readPosition(a, T2SXml::FromCharAttr, &s->fromChar) &&
              T2SXml::readPosition(a, T2SXml::ToCharAttr, &s->toChar) &&
              T2SXml::readInt16(a, T2SXml::EngineTypeIdAttr, &s->engineTypeId) &&
              T2SXml::readText(a, T2SXml::VoiceNameAttr, &s->voiceName) &&
              T2SXml::readInt32(a, T2SXml::VoiceIdAttr, &s->voiceId) &&
              T2SXml::readInt16(a, T2SXml::LangIdAttr, &langId) &&
              T2SXml::readInt32(a, T2SXml::PitchAttr, &s->pitch) &&
              T2SXml::readInt32(a, T2SXml::SpeedAttr, &s->speed) &&
              T2SXml::readInt32(a, T2SXml::VolumeAttr, &s->volume) &&
              T2SXml::readInt32(a, T2SXml::PauseAttr, &s->pause) &&
              T2SXml::readFlag(a, T2SXml::EnabledAttr, &s->enabled);
    // Language identifiers are written as signed 16-bit numbers: 0xFFFE is "-2".
    s->langId = quint16(langId);
    return ok;
}

bool readRecord(const QXmlStreamAttributes &a, QVT2SElement *element)
{
    return T2SXml::readPosition(a, T2SXml::AfterCharAttr, &element->afterChar) &&
           T2SXml::readText(a, T2SXml::TypeAttr, &element->type) &&
           T2SXml::readText(a, T2SXml::ValueAttr, &element->value) &&
           T2SXml::readFlag(a, T2SXml::EnabledAttr, &element->enabled);
}

bool readRecord(const QXmlStreamAttributes &a, QVT2SBookmark *bookmark)
{
    return T2SXml::readPosition(a, T2SXml::FromCharAttr, &bookmark->fromChar) &&
           T2SXml::readPosition(a, T2SXml::ToCharAttr, &bookmark->toChar) &&
           T2SXml::readFlag(a, T2SXml::EnabledAttr, &bookmark->enabled);
}

template <typename Record> void openContainer(T2SFileScan::List<Record> &list, int depth)
{
    if (list.containers++ == 0)
        list.openDepth = depth;
}

template <typename Record>
void addRecord(T2SFileScan::List<Record> &list, const QXmlStreamAttributes &attributes)
{
    // One faulty record spoils the list, so the rest need not be read.
    if (list.openDepth == 0 || !list.valid)
        return;
    Record record;
    if (readRecord(attributes, &record)) {
        list.records.append(std::move(record));
    } else {
        list.valid = false;
        list.records.clear();
    }
}

template <typename Record> void closeContainer(T2SFileScan::List<Record> &list, int depth)
{
    if (list.openDepth == depth)
        list.openDepth = 0;
}

bool onlySpace(QStringView text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

} // namespace

bool T2SFileScan::run(const QByteArray &bytes, int maxDepth)
{
    QXmlStreamReader reader(bytes);
    reader.setNamespaceProcessing(false);

    // Before the root element a DOM parser takes the declaration, comments,
    // processing instructions and at most one document type; the first
    // other token starts the body.
    bool doctype = false;
    bool body = false;
    while (!body && !reader.atEnd()) {
        reader.readNext();
        if (reader.hasError())
            return false;
        switch (reader.tokenType()) {
        case QXmlStreamReader::StartDocument:
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
            break;
        case QXmlStreamReader::DTD:
            if (doctype)
                return false;
            doctype = true;
            break;
        default:
            body = true;
            break;
        }
    }
    if (!body)
        return true;

    int depth = 0;
    while (!reader.atEnd() && !reader.hasError()) {
        switch (reader.tokenType()) {
        case QXmlStreamReader::StartElement:
            // The tree would be as deep as the nesting: keep damaged or
            // hostile files from taking the program down with it.
            if (++depth > maxDepth)
                return false;
            startElement(reader, depth);
            break;
        case QXmlStreamReader::EndElement:
            endElement(depth);
            --depth;
            break;
        case QXmlStreamReader::Characters: {
            const QStringView text = reader.text();
            // A tree keeps CDATA sections, and text that is not only white
            // space; it holds no text outside the root element.
            const bool kept = !reader.isWhitespace() && (reader.isCDATA() || !onlySpace(text));
            if (depth == 0) {
                if (kept)
                    return false;
            } else if (m_contentDepth != 0) {
                fullText += text;
                if (kept)
                    treeText += text;
            }
            break;
        }
        case QXmlStreamReader::EntityReference:
            // Not expanded: a tree holds an empty reference node.
            if (m_contentDepth != 0)
                fullText += reader.text();
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
            break;
        default:
            return false;
        }
        reader.readNext();
    }
    return !reader.hasError() && depth == 0;
}

void T2SFileScan::startElement(const QXmlStreamReader &reader, int depth)
{
    const QStringView name = reader.qualifiedName();
    if (name == T2SXml::SectionTag) {
        addRecord(sections, reader.attributes());
    } else if (name == T2SXml::ElementTag) {
        addRecord(elements, reader.attributes());
    } else if (name == T2SXml::BookmarkTag) {
        addRecord(bookmarks, reader.attributes());
    } else if (name == T2SXml::GlobalVoiceTag) {
        if (voices++ == 0)
            voiceAttributes = reader.attributes();
    } else if (name == T2SXml::SectionsTag) {
        openContainer(sections, depth);
    } else if (name == T2SXml::ElementsTag) {
        openContainer(elements, depth);
    } else if (name == T2SXml::BookmarksTag) {
        openContainer(bookmarks, depth);
    } else if (name == T2SXml::ContentTag) {
        if (contents++ == 0)
            m_contentDepth = depth;
    }
}

void T2SFileScan::endElement(int depth)
{
    closeContainer(sections, depth);
    closeContainer(elements, depth);
    closeContainer(bookmarks, depth);
    if (m_contentDepth == depth)
        m_contentDepth = 0;
}
