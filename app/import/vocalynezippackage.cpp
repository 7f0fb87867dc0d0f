// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynezippackage.h"

#include <QFile>
#include <QUrl>

#include <zip.h>

VocalyneZipPackage::~VocalyneZipPackage()
{
    close();
}

void VocalyneZipPackage::close()
{
    if (m_zip)
        zip_discard(m_zip);
    m_zip = nullptr;
    m_data.clear();
}

bool VocalyneZipPackage::open(const QString &path)
{
    close();
    int error = 0;
    m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    return m_zip != nullptr;
}

bool VocalyneZipPackage::openData(const QByteArray &data)
{
    close();
    m_data = data;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source =
        zip_source_buffer_create(m_data.constData(), size_t(m_data.size()), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        m_data.clear();
        return false;
    }
    m_zip = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!m_zip) {
        zip_source_free(source);
        m_data.clear();
    }
    zip_error_fini(&error);
    return m_zip != nullptr;
}

bool VocalyneZipPackage::contains(const QString &name) const
{
    return m_zip && !name.isEmpty() && zip_name_locate(m_zip, name.toUtf8().constData(), 0) >= 0;
}

QByteArray VocalyneZipPackage::read(const QString &name, bool *ok) const
{
    if (ok)
        *ok = false;
    if (!m_zip || name.isEmpty())
        return QByteArray();
    const zip_int64_t index = zip_name_locate(m_zip, name.toUtf8().constData(), 0);
    if (index < 0)
        return QByteArray();
    zip_file_t *file = zip_fopen_index(m_zip, zip_uint64_t(index), 0);
    if (!file)
        return QByteArray();

    // The size in the directory is only a hint: a crafted entry may inflate
    // to far more, so the bytes are counted as they come.
    QByteArray bytes;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_zip, zip_uint64_t(index), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) &&
        stat.size < zip_uint64_t(MaxPartSize))
        bytes.reserve(qsizetype(stat.size));
    char buffer[65536];
    bool complete = false;
    for (;;) {
        const zip_int64_t got = zip_fread(file, buffer, sizeof buffer);
        if (got < 0)
            break;
        if (got == 0) {
            complete = true;
            break;
        }
        if (bytes.size() + got > MaxPartSize)
            break;
        bytes.append(buffer, qsizetype(got));
    }
    // Closing reports a checksum mismatch of a part read to its end.
    const int closeError = zip_fclose(file);
    if (ok)
        *ok = complete && closeError == 0;
    return bytes;
}

QStringList VocalyneZipPackage::names() const
{
    QStringList out;
    if (!m_zip)
        return out;
    const zip_int64_t count = zip_get_num_entries(m_zip, 0);
    for (zip_int64_t i = 0; i < count; ++i)
        if (const char *name = zip_get_name(m_zip, zip_uint64_t(i), 0))
            out.append(QString::fromUtf8(name));
    return out;
}

QString VocalyneZipPackage::resolve(const QString &from, const QString &target)
{
    QString reference = target;
    const int hash = reference.indexOf(QLatin1Char('#'));
    if (hash >= 0)
        reference.truncate(hash);
    reference = QUrl::fromPercentEncoding(reference.toUtf8());
    if (reference.isEmpty())
        return QString();

    QStringList parts;
    if (!reference.startsWith(QLatin1Char('/'))) {
        parts = from.split(QLatin1Char('/'));
        parts.removeLast(); // the file name of `from`
    }
    for (const QString &part : reference.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (parts.isEmpty())
                return QString();
            parts.removeLast();
            continue;
        }
        parts.append(part);
    }
    return parts.join(QLatin1Char('/'));
}
