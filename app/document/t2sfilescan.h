// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvt2sbookmark.h"
#include "qvt2selement.h"
#include "qvt2ssection.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QXmlStreamAttributes>

class QXmlStreamReader;

/// One pass over the bytes of a .t2s file that gathers everything the
/// reader needs, so that the document can then be filled step by step
/// without building a tree. Element names are matched at any depth.
///
/// The pass accepts exactly the XML a DOM parser (Qt's, without namespace
/// processing) accepts, and reads text as such a tree holds it: text that is
/// only white space (QChar::isSpace) is not part of it unless it comes from
/// a CDATA section.
class T2SFileScan
{
public:
    /// The records below the first container element of one list.
    template <typename Record> struct List
    {
        int containers = 0;    ///< elements with the container's name
        bool valid = true;     ///< false when a record below the first one is faulty
        QList<Record> records; ///< in file order; cleared when not valid
        int openDepth = 0;     ///< depth of the first container while inside it
    };

    /// Scans bytes. False when they are not well-formed XML, hold something
    /// a DOM parser turns away, or nest elements deeper than maxDepth; the
    /// gathered values are then incomplete.
    bool run(const QByteArray &bytes, int maxDepth);

    int voices = 0;                       ///< QVT2SGlobalVoice elements
    QXmlStreamAttributes voiceAttributes; ///< those of the first one

    List<QVT2SSection> sections;
    List<QVT2SElement> elements;
    List<QVT2SBookmark> bookmarks;

    int contents = 0; ///< QVT2SContent elements
    /// The concatenated text below the first QVT2SContent as a DOM tree
    /// holds it, and as the parser reports it, white space included.
    QString treeText;
    QString fullText;

private:
    void startElement(const QXmlStreamReader &reader, int depth);
    void endElement(int depth);

    int m_contentDepth = 0;
};
