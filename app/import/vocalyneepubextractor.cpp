// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneepubextractor.h"

#include "vocalyneextractionresult.h"
#include "vocalynehtmltextreader.h"
#include "vocalynetextpieces.h"
#include "vocalynexmlhelpers.h"
#include "vocalynezippackage.h"

#include <QHash>
#include <QXmlStreamReader>

using VocalyneXml::attribute;
using VocalyneXml::is;

namespace {

} // namespace

QString VocalyneEpubExtractor::packageDocument(const VocalyneZipPackage &package)
{
    QXmlStreamReader xml(package.read(QStringLiteral("META-INF/container.xml")));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && is(xml, "rootfile"))
            return VocalyneZipPackage::resolve(QString(), attribute(xml, "full-path"));
    return QString();
}

bool VocalyneEpubExtractor::recognizes(const VocalyneZipPackage &package)
{
    return package.contains(QStringLiteral("META-INF/container.xml"));
}

QStringList VocalyneEpubExtractor::spine(const VocalyneZipPackage &package)
{
    const QString opf = packageDocument(package);
    QHash<QString, QString> manifest;
    QStringList order;
    QXmlStreamReader xml(package.read(opf));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (is(xml, "item"))
            manifest.insert(attributes.value(QLatin1String("id")).toString(),
                            VocalyneZipPackage::resolve(
                                opf, attributes.value(QLatin1String("href")).toString()));
        else if (is(xml, "itemref"))
            order.append(attributes.value(QLatin1String("idref")).toString());
    }
    QStringList parts;
    for (const QString &id : std::as_const(order)) {
        const QString part = manifest.value(id);
        if (!part.isEmpty() && !parts.contains(part))
            parts.append(part);
    }
    return parts;
}

QStringList VocalyneEpubExtractor::encryptedParts(const VocalyneZipPackage &package)
{
    // Fonts are often obfuscated with a key anyone can derive; that is no
    // protection of the text, so only other algorithms count.
    QStringList parts;
    QXmlStreamReader xml(package.read(QStringLiteral("META-INF/encryption.xml")));
    QString algorithm;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (is(xml, "EncryptionMethod")) {
            algorithm = attribute(xml, "Algorithm");
        } else if (is(xml, "CipherReference") &&
                   !algorithm.contains(QLatin1String("obfuscation")) &&
                   !algorithm.contains(QLatin1String("font"))) {
            parts.append(VocalyneZipPackage::resolve(QString(), attribute(xml, "URI")));
        }
    }
    return parts;
}

int VocalyneEpubExtractor::extract(const VocalyneZipPackage &package, VocalyneTextPieces &out)
{
    const QStringList parts = spine(package);
    if (parts.isEmpty())
        return packageDocument(package).isEmpty() ? VocalyneExtraction::NoFilter
                                                  : VocalyneExtraction::NoText;
    const QStringList encrypted = encryptedParts(package);
    for (const QString &part : parts)
        if (encrypted.contains(part))
            return VocalyneExtraction::PasswordProtected;

    for (const QString &part : parts) {
        if (!out.checkpoint())
            break;
        VocalyneHtmlTextReader::read(package.read(part), out);
    }
    out.finish();
    return out.result();
}
