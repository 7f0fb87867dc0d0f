// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneentitytooltip.h"

QString VocalyneEntityTooltip::stateText(bool enabled)
{
    return enabled ? tr("Enabled") : tr("Disabled");
}

QString VocalyneEntityTooltip::bookmarkText(const QVT2SBookmark &bookmark)
{
    return tr("<b>Bookmark</b><br>Start Position: %1<br>End Position: %2<br>%3")
        .arg(bookmark.fromChar)
        .arg(bookmark.toChar)
        .arg(stateText(bookmark.enabled));
}

QString VocalyneEntityTooltip::sectionText(const QVT2SSection &section)
{
    // The voice name comes from the engine and is shown as HTML: escape it so
    // a name with "<" cannot break the tooltip.
    return tr("<b>Speech Section</b><br>Start Position: %1<br>End Position: %2<br>Voice: "
              "%3<br>Pitch: %4<br>Speed: %5<br>Volume: %6<br>Sentence Pause: %7<br>%8")
        .arg(section.fromChar)
        .arg(section.toChar)
        .arg(section.voiceName.toHtmlEscaped())
        .arg(section.pitch)
        .arg(section.speed)
        .arg(section.volume)
        .arg(section.pause)
        .arg(stateText(section.enabled));
}

QString VocalyneEntityTooltip::elementText(const QVT2SElement &element)
{
    return tr("<b>Speech Element</b><br>Type: %1<br>After Position: %2<br>Value: %3<br>%4")
        .arg(element.type.toHtmlEscaped())
        .arg(element.afterChar)
        .arg(element.value.toHtmlEscaped())
        .arg(stateText(element.enabled));
}

QString VocalyneEntityTooltip::compose(const QList<QVT2SBookmark> &bookmarks,
                                       const QList<QVT2SSection> &sections,
                                       const QList<QVT2SElement> &elements, quint32 position,
                                       bool withBookmarks, bool withSections)
{
    const QString separator = QStringLiteral("<br>");
    QString text;
    if (withBookmarks) {
        for (const QVT2SBookmark &bookmark : bookmarks) {
            if (bookmark.fromChar <= position && position <= bookmark.toChar) {
                if (!text.isEmpty())
                    text += separator;
                text += bookmarkText(bookmark);
            }
        }
    }
    if (withSections) {
        for (const QVT2SSection &section : sections) {
            if (section.fromChar <= position && position <= section.toChar) {
                if (!text.isEmpty())
                    text += separator;
                text += sectionText(section);
                break;
            }
        }
    }
    for (const QVT2SElement &element : elements) {
        // 64-bit so that an element at the largest position cannot wrap.
        if (element.afterChar <= position && quint64(position) <= quint64(element.afterChar) + 1) {
            if (!text.isEmpty())
                text += separator;
            text += elementText(element);
            break;
        }
    }
    return text;
}
