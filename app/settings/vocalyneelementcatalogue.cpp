// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneelementcatalogue.h"

#include "vocalynesettingskeys.h"

#include <QSettings>

namespace K = VocalyneSettingsKeys;

bool VocalyneElementCatalogue::ensure(QSettings &settings, bool force)
{
    const auto catalogue = K::pauseCatalogue();
    const QString pause = QString(K::PauseElementType);
    if (!force) {
        // The type-4 template is deliberately not part of the check: a
        // catalogue written before that engine type existed still counts as
        // complete, and a user who removed it is not overruled.
        const QString unchecked = K::elementTemplateKey(pause, 4);
        bool missing = false;
        for (const auto &entry : catalogue)
            if (entry.first != unchecked && !settings.contains(entry.first))
                missing = true;
        if (!missing)
            return false;
    }
    // The shipped type is written back as a whole: a half-present catalogue
    // (an older or damaged store) would otherwise mix templates of two
    // versions.
    for (const auto &entry : catalogue)
        settings.setValue(entry.first, entry.second);
    return true;
}

QString VocalyneElementCatalogue::markupTemplate(const QSettings &settings, const QString &type,
                                                 int engineType)
{
    const QVariant value = settings.value(K::elementTemplateKey(type, engineType));
    return value.canConvert<QString>() ? value.toString() : QString();
}

QString VocalyneElementCatalogue::fillTemplate(const QString &markupTemplate, const QString &value)
{
    // Only the first placeholder is filled: a template is a fixed string
    // with one slot, and a "%" inside the value must stay as it is.
    for (int i = 0; i + 1 < markupTemplate.size(); ++i) {
        if (markupTemplate.at(i) != QLatin1Char('%'))
            continue;
        const QChar c = markupTemplate.at(i + 1);
        if (c == QLatin1Char('s') || c == QLatin1Char('d'))
            return markupTemplate.left(i) + value + markupTemplate.mid(i + 2);
        if (c == QLatin1Char('%'))
            ++i;
    }
    return markupTemplate;
}

QStringList VocalyneElementCatalogue::types(QSettings &settings)
{
    settings.beginGroup(K::SpeechElementsGroup);
    const QStringList groups = settings.childGroups();
    settings.endGroup();
    return groups;
}
