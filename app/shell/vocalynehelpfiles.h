// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>

/// Finds the help pages and the local information pages that ship next to
/// the program, in the user's language where one is there. Free of widgets.
///
/// Help is a folder of HTML pages per language: "VocalyneHelp_<locale name>"
/// (for example VocalyneHelp_de_DE), "VocalyneHelp_<English language name>"
/// (VocalyneHelp_German) and the general "VocalyneHelp" (English). A topic is
/// a page in that folder; the main page is "index.htm".
namespace VocalyneHelpFiles {

inline constexpr char MainTopic[] = "index.htm";
inline constexpr char TutorialTopic[] = "Tutorial.htm";
inline constexpr char QuickReferenceTopic[] = "QuickReference.htm";
inline constexpr char PhonemesTopic[] = "Phonemes.htm";

/// The page topic of the help in directory: the first of the locale folder
/// and the language folder that holds the page, else the general folder's
/// page (whether it exists or not; the caller reports a missing one).
QString helpPage(const QString &directory, const QString &localeName, const QString &languageName,
                 const QString &topic);

/// A single local page baseName + ".html" in directory, in the user's
/// language: baseName_<locale name>.html if it exists, else
/// baseName_<language code>.html (the locale name up to its first "_") if it
/// exists, else baseName.html (unchecked).
QString localPage(const QString &directory, const QString &baseName, const QString &localeName);

/// The system locale's name (de_DE) and its language's English name (German).
QString systemLocaleName();
QString systemLanguageName();

} // namespace VocalyneHelpFiles
