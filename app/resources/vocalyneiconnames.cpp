// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneiconnames.h"

#include <QSize>

QString VocalyneIconNames::path(QAnyStringView file)
{
    return QLatin1String(Folder) + file.toString();
}

QString VocalyneIconNames::sizedFile(QAnyStringView file, int size)
{
    QString name = file.toString();
    if (size != 24 && size != 32)
        return name;
    const QString suffix = QStringLiteral(".png");
    if (!name.endsWith(suffix))
        return name;
    name.chop(suffix.size());
    // "new16" and "new" both lead to "new24": the 16 names differ only in history.
    if (name.endsWith(QLatin1String("16")))
        name.chop(2);
    return name + QString::number(size) + suffix;
}

QString VocalyneIconNames::sizedPath(QAnyStringView file, int size)
{
    return path(sizedFile(file, size));
}

QIcon VocalyneIconNames::icon(QAnyStringView file)
{
    QIcon result;
    for (int size : IconSizes)
        result.addFile(sizedPath(file, size), QSize(size, size));
    return result;
}

QStringList VocalyneIconNames::iconFiles()
{
    static const char *const names[] = {
        New,         Open,       Save,      SaveAll,   Print,     Speak,
        SpeakFromCursor, Pause,  Stop,      Export,    SelectionProperties,
        Find,        Replace,    EmailReader, Browser, Batch,     Ocr,
        SpellCheck,  Settings,   Help,      BookmarkSelection, AddSpeechElement,
        ViewItem,    DeleteItem, Voice,     Undo,      Redo,      Cut,
        Copy,        Paste,      Enabled,   Disabled,  Busy,      Ready,
        Done,        Error,      DeleteDoc, T2sDoc,    History,   Calendar,
        Close,
    };
    QStringList result;
    for (const char *name : names)
        result << QLatin1String(name);
    return result;
}

QStringList VocalyneIconNames::allFiles()
{
    QStringList result;
    const QStringList icons = iconFiles();
    for (const QString &file : icons) {
        for (int size : IconSizes)
            result << sizedFile(file, size);
    }
    result << QLatin1String(Splash) << QLatin1String(App) << QLatin1String(Tray);
    return result;
}
