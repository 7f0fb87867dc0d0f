// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

// VocalyneSC: the spell-checking library of Vocalyne.
//
// A dictionary file (".scd") is a UTF-8 word list, one word per line; blank
// lines are skipped, a byte order mark and line ends in either convention are
// accepted, and a line that is not valid UTF-8 is read as Latin-1. Words are
// kept and compared in lower case (Unicode case folding of letters such as
// "Ä" and composed accents, so "é" typed as e + combining accent matches the
// composed "é"); a typographic apostrophe counts as "'".
//
// Checking and suggestions come from Hunspell over the loaded words, with the
// affix rules shipped next to this library ("VocalyneSC.aff": its replacement
// table, keyboard and letter lists rank the suggestions).
//
// All text is UTF-8. The library keeps one word list for the whole process;
// every function may be called from any thread (calls are serialised). No
// function throws; a failure of memory makes a function report failure.

#include <cstddef>
#include <string>
#include <vector>

#if defined(VOCALYNESC_BUILDING)
#define VOCALYNESC_EXPORT __attribute__((visibility("default")))
#else
#define VOCALYNESC_EXPORT
#endif

/// Loads the words of the dictionary file at path (UTF-8 file name). With
/// append false the word list is started anew: the words loaded before are
/// dropped even when this file cannot be read. With append true the file's
/// words are added to those already loaded.
/// Returns true when the file was read (an empty file is a valid, empty
/// list), false when path is null or the file cannot be opened or read.
VOCALYNESC_EXPORT bool QVSCLoadDictionary(const char *path, bool append);

/// Checks one word (UTF-8, expected in lower case). Returns true when the
/// word is known; suggestions is then left untouched. For an unknown word
/// suggestions is cleared and receives the suggested words, best first, in
/// lower case (possibly none). A null or empty word counts as known.
VOCALYNESC_EXPORT bool QVSCCheckWord(const char *word, std::vector<std::string> &suggestions);

/// Adds one word (UTF-8, expected in lower case) to the loaded words: it
/// counts as known until the word list is started anew. Null or empty words
/// are ignored. Nothing is written to any file.
VOCALYNESC_EXPORT void QVSCInsertWordToTree(const char *word);

/// The known/unknown half of QVSCCheckWord without suggestions: true when the
/// word is known. Suggestions cost far more than a check, so a caller that
/// walks a whole document checks with this and asks for suggestions only for
/// the word it shows.
VOCALYNESC_EXPORT bool QVSCIsWordKnown(const char *word);

/// The suggestions for a word, best first, in lower case; suggestions is
/// cleared first. A known word may still get suggestions (close words).
VOCALYNESC_EXPORT void QVSCSuggestWords(const char *word, std::vector<std::string> &suggestions);

/// The number of words loaded and inserted since the list was started anew
/// (a word listed twice counts twice).
VOCALYNESC_EXPORT std::size_t QVSCWordCount();
