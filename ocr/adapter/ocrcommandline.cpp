// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "ocrcommandline.h"

#include <QFileInfo>

OcrCommandLine OcrCommandLine::parse(const QStringList &arguments)
{
    OcrCommandLine line;
    QStringList positional;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("-l")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
                line.m_error = QStringLiteral("-l needs a language code");
                return line;
            }
            line.m_language = arguments.at(++i);
        } else {
            positional.append(argument);
        }
    }
    // The output base is accepted for compatibility with the dialog's command
    // line; the text always goes to standard output.
    if (positional.size() < 1 || positional.size() > 2 || positional.first().isEmpty()) {
        line.m_error = QStringLiteral("usage: tesseract IMAGE [OUTPUTBASE] [-l LANG]");
        return line;
    }
    // Language codes name files in the language-data folder: refuse anything
    // that could point elsewhere.
    for (const QChar c : line.m_language) {
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('+'))) {
            line.m_error = QStringLiteral("invalid language code: ") + line.m_language;
            return line;
        }
    }
    line.m_givenImagePath = positional.first();
    line.m_imagePath = resolveImagePath(line.m_givenImagePath);
    line.m_outputBase = positional.value(1);
    line.m_valid = true;
    return line;
}

QString OcrCommandLine::resolveImagePath(const QString &given)
{
    if (QFileInfo::exists(given) || !given.contains(QLatin1Char('*')))
        return given;
    QString withBlanks = given;
    withBlanks.replace(QLatin1Char('*'), QLatin1Char(' '));
    return QFileInfo::exists(withBlanks) ? withBlanks : given;
}
