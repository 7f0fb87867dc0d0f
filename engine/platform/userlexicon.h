// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "speechpiece.h"
#include "speechplatform.h"

#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace qvsp {

// The user lexicon in its file, one pronunciation per line:
// "<language hex>\t<part of speech>\t<word>\t<identifiers in hex>". Every
// change rewrites the file whole (written aside, then renamed over), so an
// interrupted write never loses the lexicon.
class UserLexicon : public Lexicon
{
public:
    HResult addPronunciation(const std::u16string &word, uint16_t language, int partOfSpeech,
                             const std::vector<uint16_t> &ids) override;
    HResult removePronunciation(const std::u16string &word, uint16_t language, int partOfSpeech,
                                const std::vector<uint16_t> &ids) override;
    void beginBatch() override;
    HResult endBatch() override;

    static std::string storePath();
    // Replaces each word of piece that the lexicon knows for language by
    // its pronunciation (keeping the word's place in the original text).
    static void apply(SpeechPiece &piece, uint16_t language);
    // The identifiers of the pronunciation apply() would speak for word in
    // language; false when the lexicon has none.
    static bool find(const std::u32string &word, uint16_t language, std::vector<uint16_t> &ids);
    // Every stored pronunciation: language, word (UTF-8), identifiers.
    static std::vector<std::tuple<uint16_t, std::string, std::vector<uint16_t>>> loadEntries();

private:
    struct Entry
    {
        uint16_t language = 0;
        int partOfSpeech = 0;
        std::string word; // UTF-8
        std::vector<uint16_t> ids;
    };
    static std::vector<Entry> load();
    static bool save(const std::vector<Entry> &entries);
    static std::string key(const Entry &entry);
    HResult change(const std::u16string &word, uint16_t language, int partOfSpeech,
                   const std::vector<uint16_t> &ids, bool add);

    bool m_batching = false;
    bool m_batchChanged = false;
    std::vector<Entry> m_batch;
    std::unordered_map<std::string, size_t> m_batchKeys; // key to index in m_batch
};

} // namespace qvsp
