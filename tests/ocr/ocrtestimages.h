// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

/// Scanned pages drawn by the tests themselves: text rendered at 300 dpi and
/// written as TIFF in the compressions scanners use.
namespace OcrTestImages {

enum class Tiff { Uncompressed, Lzw, G4 };

/// A page 2480 pixels wide (A4 at 300 dpi), tall enough for `lines`, black
/// 12-point serif text on white.
QImage renderPage(const QStringList &lines);

/// Writes the pages as one TIFF file (several pages when there are several).
bool writeTiff(const QList<QImage> &pages, const QString &path, Tiff compression);

/// Runs the "tesseract" program of the build and returns its exit code as
/// the dialog reads it; `output` receives standard output as UTF-8 text.
int runAdapter(const QStringList &arguments, QString *output = nullptr);

/// Share (0..1) of the expected words that came back exactly, counting
/// each word as often as it occurs.
double wordRecall(const QString &expected, const QString &recognised);

/// Sample texts of some 60 words each.
QStringList englishSample();
QStringList germanSample();

} // namespace OcrTestImages
