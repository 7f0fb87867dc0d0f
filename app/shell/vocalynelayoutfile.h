// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QByteArray>
#include <QString>

/// One window layout: the main window's geometry (QWidget::saveGeometry),
/// its state of docks and toolbars (QMainWindow::saveState, version 0) and
/// the toolbar appearance record (six big-endian 32-bit integers).
struct VocalyneLayout
{
    QByteArray geometry;
    QByteArray state;
    QByteArray appearance;

    bool isEmpty() const { return geometry.isEmpty() && state.isEmpty() && appearance.isEmpty(); }
};

/// The layout file, free of widgets. Its bytes, in order: one byte H, the
/// length of the header (8); the header, two big-endian 32-bit integers G
/// and S; G bytes of geometry; S bytes of state; the 24-byte toolbar
/// appearance record.
namespace VocalyneLayoutFile {

inline constexpr int HeaderLength = 8;
inline constexpr int AppearanceLength = 24;

QByteArray encode(const VocalyneLayout &layout);

/// Splits bytes into layout; false (layout untouched) when they are not a
/// complete layout file of this form: a header of another length, negative
/// or overlong block lengths, a missing or wrongly sized appearance record.
bool decode(const QByteArray &bytes, VocalyneLayout *layout);

/// Writes the file atomically (a failed write leaves the previous file);
/// false with the system's error text in error on failure.
bool write(const QString &path, const VocalyneLayout &layout, QString *error = nullptr);

enum class ReadResult { Ok, CannotOpen, Damaged };
/// Reads and decodes the file; on CannotOpen error holds the system's text.
ReadResult read(const QString &path, VocalyneLayout *layout, QString *error = nullptr);

} // namespace VocalyneLayoutFile
