// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QStringList>

class VocalyneTextPieces;
class VocalyneZipPackage;

/// The text of an e-book: the content documents in the order of its reading
/// spine, as its package document lists them.
class VocalyneEpubExtractor
{
public:
    /// True when the package names a package document in its container.
    static bool recognizes(const VocalyneZipPackage &package);
    /// Extracts the text; returns a VocalyneExtraction::Result (password
    /// protected when the content documents are encrypted).
    static int extract(const VocalyneZipPackage &package, VocalyneTextPieces &out);

    /// The part names of the content documents in spine order.
    static QStringList spine(const VocalyneZipPackage &package);

private:
    static QString packageDocument(const VocalyneZipPackage &package);
    static QStringList encryptedParts(const VocalyneZipPackage &package);
};
