// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvttsdictionaryparser.h"

#include "qvtts.h"

#include <cstring>

int QVTTSDictionaryParser::parse(const char *text, const std::function<int(const Entry &)> &handle)
{
    if (!text)
        return 0;
    enum Mode { None, Word, Phonemes, Keyword };
    Mode mode = None;
    Entry entry;
    const size_t length = std::strlen(text);
    for (size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == '\n') {
            // A blank line would otherwise be an entry without word or
            // phonemes and stop the whole dictionary at the lexicon.
            const bool collected =
                !entry.word.empty() || !entry.phonemes.empty() || !entry.keyword.empty();
            if (i > 0 && collected) {
                if (const int result = handle(entry))
                    return result;
            }
            entry = Entry();
            mode = Word;
        } else if (c == ' ' && i + 1 < length && text[i + 1] == '{') {
            mode = Phonemes;
        } else if (c == '{') {
            continue;
        } else if (c == '}') {
            mode = None;
        } else if (c == '/') {
            mode = Keyword;
        } else if (mode == Word) {
            entry.word += c;
        } else if (mode == Phonemes) {
            entry.phonemes += c;
        } else if (mode == Keyword) {
            entry.keyword += c;
        }
    }
    return 0;
}

bool QVTTSDictionaryParser::partOfSpeech(const std::string &keyword, int32_t &value)
{
    static const struct
    {
        const char *keyword;
        int32_t value;
    } kKeywords[] = {
        {"noun", QVTTSPartOfSpeechNoun},
        {"verb", QVTTSPartOfSpeechVerb},
        {"modifier", QVTTSPartOfSpeechModifier},
        {"function", QVTTSPartOfSpeechFunction},
        {"interjection", QVTTSPartOfSpeechInterjection},
        {"unknown", QVTTSPartOfSpeechUnknown},
        {"notoverriden", QVTTSPartOfSpeechNotOverridden},
    };
    for (const auto &k : kKeywords) {
        if (keyword == k.keyword) {
            value = k.value;
            return true;
        }
    }
    return false;
}
