// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QXmlStreamReader>

/// Small helpers of the document readers, which match elements and
/// attributes by local name: the prefixes vary from writer to writer.
namespace VocalyneXml {

/// True when the current element's local name is name.
inline bool is(const QXmlStreamReader &xml, const char *name)
{
    return xml.name() == QLatin1String(name);
}

/// The value of the current element's attribute with this local name, in
/// whatever namespace (empty when there is none).
inline QString attribute(const QXmlStreamReader &xml, const char *name)
{
    for (const QXmlStreamAttribute &attribute : xml.attributes())
        if (attribute.name() == QLatin1String(name))
            return attribute.value().toString();
    return QString();
}

} // namespace VocalyneXml
