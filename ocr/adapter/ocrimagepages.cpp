// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "ocrimagepages.h"

#include <QFile>

#include <allheaders.h>

#include <cstdio>

OcrImagePages::OcrImagePages(const QString &path) : m_path(QFile::encodeName(path))
{
    l_int32 format = IFF_UNKNOWN;
    if (findFileFormat(m_path.constData(), &format) != 0 || format == IFF_UNKNOWN)
        return;
    switch (format) {
    case IFF_TIFF:
    case IFF_TIFF_PACKBITS:
    case IFF_TIFF_RLE:
    case IFF_TIFF_G3:
    case IFF_TIFF_G4:
    case IFF_TIFF_LZW:
    case IFF_TIFF_ZIP:
    case IFF_TIFF_JPEG:
        m_tiff = true;
        break;
    default:
        m_tiff = false;
        break;
    }
    if (!m_tiff) {
        m_pageCount = 1;
        return;
    }
    FILE *file = std::fopen(m_path.constData(), "rb");
    if (!file)
        return;
    l_int32 count = 0;
    if (tiffGetCount(file, &count) == 0 && count > 0)
        m_pageCount = count;
    std::fclose(file);
}

Pix *OcrImagePages::readPage(int index) const
{
    if (index < 0 || index >= m_pageCount)
        return nullptr;
    if (!m_tiff)
        return pixRead(m_path.constData());
    return pixReadTiff(m_path.constData(), index);
}
