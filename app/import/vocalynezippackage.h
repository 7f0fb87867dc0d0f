// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct zip;

/// Read access to the parts of a zip container (office documents, e-books)
/// through libzip. Every read is bounded, so a crafted archive that claims or
/// inflates to gigabytes cannot exhaust memory.
class VocalyneZipPackage
{
public:
    /// The most one part may inflate to.
    static constexpr qint64 MaxPartSize = 256 * 1024 * 1024;

    VocalyneZipPackage() = default;
    ~VocalyneZipPackage();
    VocalyneZipPackage(const VocalyneZipPackage &) = delete;
    VocalyneZipPackage &operator=(const VocalyneZipPackage &) = delete;

    /// Opens the archive at path; false when it is no readable zip file.
    bool open(const QString &path);
    /// Opens an archive held in memory (copied); false when it is none.
    bool openData(const QByteArray &data);
    bool isOpen() const { return m_zip != nullptr; }

    /// True when the archive holds a part of that exact name.
    bool contains(const QString &name) const;
    /// The inflated bytes of a part. ok (when given) is false when the part
    /// is missing, damaged or larger than MaxPartSize; the bytes read until
    /// then are still returned.
    QByteArray read(const QString &name, bool *ok = nullptr) const;
    /// Every part name, in archive order.
    QStringList names() const;

    /// Resolves a reference found in the part `from` ("word/document.xml")
    /// to a part name: relative to from's folder, or from the root when it
    /// starts with '/'; "." and ".." are applied, fragments and percent
    /// escapes removed. Empty when it climbs above the root.
    static QString resolve(const QString &from, const QString &target);

private:
    void close();

    zip *m_zip = nullptr;
    QByteArray m_data; // the archive of openData(), alive as long as m_zip
};
