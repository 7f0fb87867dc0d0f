// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneentityranges.h"

namespace VocalyneEntityRanges {

bool elementsOrdered(const QList<QVT2SElement> &elements)
{
    for (qsizetype i = 1; i < elements.size(); ++i) {
        if (elements.at(i - 1).afterChar > elements.at(i).afterChar)
            return false;
    }
    return true;
}

int firstTouchedElement(const QList<QVT2SElement> &elements, bool ordered, quint32 from)
{
    if (!ordered || from == 0)
        return 0;
    const auto it =
        std::partition_point(elements.cbegin(), elements.cend(), [from](const QVT2SElement &e) {
            return quint64(e.afterChar) + 1 < from;
        });
    return int(it - elements.cbegin());
}

} // namespace VocalyneEntityRanges
