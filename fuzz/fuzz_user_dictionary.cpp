// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Feeds arbitrary text to the user dictionary reader and each entry's
// phonemes to the phone tables of the five languages. The reader must end,
// every entry must be made of characters of the text (words without line
// feeds), and a conversion that succeeds must give identifiers that turn
// back into espeak-ng phonemes without any block delimiter.
#include "phonetable.h"
#include "qvttsdictionaryparser.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace qvsp;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size); // stops at a NUL
    const uint16_t languages[] = {0x0409, 0x0C0A, 0x040C, 0x0407, 0x0410};
    size_t entries = 0;
    QVTTSDictionaryParser::parse(text.c_str(), [&](const QVTTSDictionaryParser::Entry &entry) {
        ++entries;
        check(entry.word.find('\n') == std::string::npos);
        check(entry.phonemes.find('\n') == std::string::npos);
        check(entry.keyword.find('\n') == std::string::npos);
        check(entry.word.size() + entry.phonemes.size() + entry.keyword.size() <= text.size());
        int32_t partOfSpeech = 0;
        QVTTSDictionaryParser::partOfSpeech(entry.keyword, partOfSpeech);
        for (uint16_t language : languages) {
            const PhoneTable *table = PhoneTable::forLanguage(language);
            check(table != nullptr);
            std::vector<uint16_t> ids;
            if (table->toIds(entry.phonemes, ids)) {
                check(!ids.empty() && ids.size() <= PhoneTable::kMaximumIds);
                const std::string espeak = table->toEspeak(ids);
                check(espeak.find("]]") == std::string::npos);
                check(espeak.find("[[") == std::string::npos);
            }
        }
        return 0;
    });
    check(entries <= size);
    return 0;
}
