// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// VocalyneExporter: speaks one text into one audio file for the main program.
#include "vocalyneexporter.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return VocalyneExporter::run(app.arguments().mid(1));
}
