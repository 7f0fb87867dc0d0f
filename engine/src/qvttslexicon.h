// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvtts.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

// Words in the user lexicon, one at a time or as named user dictionaries.
// The table of loaded dictionaries belongs to the engine state; the words
// themselves live in the platform's per-user lexicon and outlive the engine.
class QVTTSLexicon
{
public:
    // Adds (remove false) or removes one pronunciation; a QVTTSWord* result.
    // Adding first removes the same pronunciation, so it always replaces.
    static int32_t addRemoveWord(const char *word, const char *phonemes, uint32_t language,
                                 int32_t partOfSpeech, bool remove);

    LoadQVTTSUserDictReturnValue load(int32_t engineType, const char *name, uint16_t language,
                                      const char *text);
    UnloadQVTTSUserDictReturnValue unload(int32_t engineType, const char *name);
    // Unloads every dictionary still loaded, ignoring failures; the table
    // ends empty.
    void unloadAll();

    bool isLoaded(const std::string &name) const { return m_table.count(name) != 0; }

private:
    struct Dictionary
    {
        // A copy: a host that frees or reuses its text after loading must
        // not make the later unload read freed memory.
        std::shared_ptr<const std::string> text; // null when loaded without text
        uint16_t language = 0;
    };
    static UnloadQVTTSUserDictReturnValue removeWords(const Dictionary &dictionary);

    std::map<std::string, Dictionary> m_table;
};
