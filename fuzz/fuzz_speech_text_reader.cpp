// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Feeds arbitrary text to the reader of queued speech text, in markup and
// in plain mode. Whatever the text holds, the reader must end, every code
// point it hands on must come from inside the text, the pieces must follow
// the text's order, and the word positions the synthesiser reports in a
// piece must map back inside the text too.
//
// Input: the first byte chooses the mode (bit 0: markup) and how the rest
// is read (bit 1: as UTF-16 units, so lone surrogates occur; else as UTF-8).
#include "charclasses.h"
#include "speechtextreader.h"
#include "textcodec.h"
#include "wordlocator.h"

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

// What the reader may drop: blanks, and control characters, which it reads
// as blanks.
bool droppable(char16_t c)
{
    return c < 0x20 || CharClasses::isBlank(c);
}

void checkText(const std::u16string &text, const SpeechPiece &piece, uint32_t &lastStart)
{
    const size_t count = piece.codePoints.size();
    check(count > 0);
    check(piece.starts.size() == count && piece.ends.size() == count);
    for (size_t i = 0; i < count; ++i) {
        check(piece.starts[i] <= piece.ends[i]);
        check(piece.ends[i] <= text.size());
        check(piece.starts[i] >= lastStart);
        lastStart = piece.starts[i];
    }
    // Every word and sentence the synthesiser could report, including
    // positions past the piece's end, lands inside the text.
    WordLocator words(piece);
    WordLocator sentences(piece);
    for (int position = 0; position <= int(count) + 2; ++position) {
        uint32_t start = 0;
        uint32_t length = 0;
        if (words.locate(position, start, length))
            check(uint64_t(start) + length <= text.size());
        if (sentences.locateSentence(position, start, length))
            check(uint64_t(start) + length <= text.size());
    }
    // The synthesiser gets valid UTF-8 whatever the text held.
    const std::u16string back = TextCodec::toUtf16(piece.utf8());
    check(!back.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const bool xml = data[0] & 1;
    std::u16string text;
    if (data[0] & 2) {
        for (size_t i = 1; i + 1 < size; i += 2)
            text += char16_t(data[i] | (data[i + 1] << 8));
    } else {
        text = TextCodec::toUtf16(std::string(reinterpret_cast<const char *>(data + 1), size - 1));
    }

    SpeechTextReader reader(text, xml);
    SpeechPiece piece;
    uint32_t lastStart = 0;
    uint32_t covered = 0; // plain text: everything before this was handed on
    size_t pieces = 0;
    while (reader.next(piece)) {
        check(++pieces <= text.size() + 1); // a reader that never ends
        switch (piece.kind) {
        case SpeechPiece::Text:
            if (!xml) {
                // Plain text is handed on whole; only blanks between
                // pieces may be left out.
                for (uint32_t i = covered; i < piece.starts.front(); ++i)
                    check(i < text.size() && droppable(text[i]));
                check(!piece.phonemes);
                covered = piece.ends.back();
            }
            checkText(text, piece, lastStart);
            break;
        case SpeechPiece::Silence:
            check(xml);
            check(piece.silenceMs > 0 && piece.silenceMs <= 65535);
            check(piece.sourcePosition < text.size());
            check(piece.sourcePosition >= lastStart);
            lastStart = piece.sourcePosition;
            break;
        case SpeechPiece::Bookmark:
            check(xml);
            check(piece.sourcePosition < text.size());
            check(piece.sourcePosition >= lastStart);
            lastStart = piece.sourcePosition;
            break;
        }
    }
    if (!xml) {
        for (uint32_t i = covered; i < text.size(); ++i)
            check(droppable(text[i]));
    }
    return 0;
}
