// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>
#include <QString>

/// Writes .t2s files with many entities for the shell's benchmark and
/// screenshot programs, straight as XML, so that building a large file does
/// not itself depend on the code being measured.
class BenchDocument
{
public:
    struct Shape
    {
        int paragraphs = 0;     ///< paragraphs of sample prose
        int sections = 0;
        int elements = 0;
        int bookmarks = 0;
        bool oneParagraph = false; ///< the prose joined by blanks, not line breaks
    };

    /// A document spoken with the voice voiceName (engine type 3).
    static QByteArray build(const Shape &shape, const QString &voiceName);
};
