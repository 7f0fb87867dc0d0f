// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>

class VocalyneTextPieces;

/// Reads the text of one XHTML content document (a chapter of an e-book):
/// block elements become paragraphs, line breaks stay, table cells are
/// separated by tabs, and the head, scripts and styles are left out. The
/// named character references of HTML are understood although XML does not
/// declare them. A document that is not well-formed XML (HTML written
/// carelessly) is read tag by tag instead.
class VocalyneHtmlTextReader
{
public:
    static void read(const QByteArray &xhtml, VocalyneTextPieces &out);
};
