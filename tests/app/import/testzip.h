// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <zip.h>

/// Builds a zip archive in memory with libzip, the way office programs and
/// e-book tools write theirs (deflated unless told otherwise).
inline QByteArray buildZip(const QList<QPair<QString, QByteArray>> &parts, bool deflate = true)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer)
        return QByteArray();
    zip_source_keep(buffer);
    zip_t *archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!archive) {
        zip_source_free(buffer);
        return QByteArray();
    }
    for (const auto &part : parts) {
        zip_source_t *data = zip_source_buffer(archive, part.second.constData(),
                                               zip_uint64_t(part.second.size()), 0);
        const zip_int64_t index =
            zip_file_add(archive, part.first.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(data);
            continue;
        }
        zip_set_file_compression(archive, zip_uint64_t(index),
                                 deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    }
    QByteArray bytes;
    if (zip_close(archive) == 0 && zip_source_open(buffer) == 0) {
        zip_source_seek(buffer, 0, SEEK_END);
        const zip_int64_t size = zip_source_tell(buffer);
        zip_source_seek(buffer, 0, SEEK_SET);
        if (size > 0) {
            bytes.resize(qsizetype(size));
            bytes.resize(qsizetype(zip_source_read(buffer, bytes.data(), zip_uint64_t(size))));
        }
        zip_source_close(buffer);
    } else {
        zip_discard(archive);
    }
    zip_source_free(buffer);
    zip_error_fini(&error);
    return bytes;
}
