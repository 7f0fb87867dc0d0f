// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "scdwordlist.h"

#include <memory>
#include <string>
#include <vector>

class Hunspell;

namespace vocalynesc {

/// The loaded words and the Hunspell checkers built over them. Loading only
/// reads words; the checker is built at the first check after a load, so
/// that loading several dictionaries in a row builds it once, with a hash
/// table sized for all their words.
///
/// Hunspell's n-gram pass compares the word with every word of the list and
/// costs tens of milliseconds; its edit-based suggestions (replacement table,
/// swapped, missing, extra and wrong letters) take a few. So one checker
/// works without the n-gram pass, and a second one with it is built, once,
/// only when a word gets no suggestion from the first.
class HunspellWordChecker
{
public:
    /// affixPath: the Hunspell affix file whose rules rank suggestions.
    explicit HunspellWordChecker(std::string affixPath);
    ~HunspellWordChecker();

    bool load(const char *path, bool append);
    bool isKnown(const std::string &word);
    std::vector<std::string> suggest(const std::string &word);
    void insert(const std::string &word);
    std::size_t wordCount() const { return m_words.size(); }

private:
    /// False when the checker cannot be built (no affix file).
    bool ensureBuilt();
    std::unique_ptr<Hunspell> build(bool ngrams) const;

    std::string m_affixPath;
    ScdWordList m_words;
    std::unique_ptr<Hunspell> m_hunspell;      ///< without the n-gram pass
    std::unique_ptr<Hunspell> m_ngramHunspell; ///< with it; built when needed
};

} // namespace vocalynesc
