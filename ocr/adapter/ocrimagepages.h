// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>
#include <QString>

struct Pix;

/// The pages of one image file as Leptonica reads them: every page of a
/// multi-page TIFF in order (any compression Leptonica reads), or the single
/// page of another image type. Pages are read one at a time, when asked for,
/// so a long scan never sits in memory whole. Reading pages is safe from
/// several threads at once.
class OcrImagePages
{
public:
    /// Opens the file and counts its pages; isOpen() tells whether it worked.
    explicit OcrImagePages(const QString &path);

    bool isOpen() const { return m_pageCount > 0; }
    int pageCount() const { return m_pageCount; }
    bool isTiff() const { return m_tiff; }

    /// Reads page `index` (0-based). The caller owns the result and frees it
    /// with pixDestroy(); nullptr when the page cannot be read.
    Pix *readPage(int index) const;

private:
    QByteArray m_path;
    int m_pageCount = 0;
    bool m_tiff = false;
};
