// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Feeds arbitrary bytes to the RTF reader (as an RTF document: the header is
// put in front when missing). Whatever the bytes hold, the tokenizer must
// consume them to the end and the reader must end with a result code, and
// every piece must fit the piece size.
#include "vocalyneextractionresult.h"
#include "vocalyneextractionsink.h"
#include "vocalynertfextractor.h"
#include "vocalynertftokenizer.h"
#include "vocalynetextpieces.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

class CheckingSink : public VocalyneExtractionSink
{
public:
    bool piece(const QString &text, bool) override
    {
        check(!text.isEmpty() && text.size() <= VocalyneTextPieces::MaxPiece);
        return true;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!bytes.startsWith("{\\rtf"))
        bytes.prepend("{\\rtf1 ");

    // The tokenizer always moves forward and stops at the end.
    VocalyneRtfTokenizer tokenizer(bytes);
    qsizetype last = 0;
    for (;;) {
        const VocalyneRtfTokenizer::Token token = tokenizer.next();
        check(tokenizer.position() <= bytes.size());
        if (token.type == VocalyneRtfTokenizer::Type::End)
            break;
        check(tokenizer.position() > last);
        last = tokenizer.position();
    }

    CheckingSink sink;
    VocalyneTextPieces pieces(sink);
    const int result = VocalyneRtfExtractor::extract(bytes, pieces);
    check(result == VocalyneExtraction::TextExtracted || result == VocalyneExtraction::NoText);
    return 0;
}
