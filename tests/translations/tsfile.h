// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

/// One message of a Qt Linguist source file.
struct TsMessage
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    bool unfinished = false;
    bool numerus = false;
};

/// Reads the messages of the .ts file at path; on failure returns none and
/// sets error.
QList<TsMessage> readTsFile(const QString &path, QString *error);

/// The differences between a source text and its translation that break the
/// program: placeholders, accelerators, markup, outer blanks and shortcuts.
/// Empty when the translation fits.
QStringList translationFaults(const QString &source, const QString &translation);

/// Runs lupdate (the program at lupdatePath) over sourceDir into a copy of
/// the catalogue at tsPath and returns "context: source" for every text the
/// refreshed copy leaves untranslated. On failure returns none and sets error.
QStringList untranslatedAfterLupdate(const QString &lupdatePath, const QString &tsPath,
                                     const QString &sourceDir, QString *error);
