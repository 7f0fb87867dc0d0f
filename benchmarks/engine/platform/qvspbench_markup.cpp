// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Reading speech markup: time per character for ordinary markup and for
// hostile markup (elements opened by the hundred thousand and closed by
// other names, quoted values that never close inside their tag) at four
// sizes, so that growth shows; and how long a stop waits for a reader in
// the middle of such a text.
#include "speechtextreader.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

using namespace qvsp;
using Clock = std::chrono::steady_clock;

namespace {

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::u16string repeated(const std::u16string &part, size_t count)
{
    std::u16string text;
    text.reserve(part.size() * count);
    for (size_t i = 0; i < count; ++i)
        text += part;
    return text;
}

std::u16string openedAndUnmatched(size_t count)
{
    return repeated(u"<rate>", count) + u"word" + repeated(u"</pitch>", count);
}

std::u16string unclosedQuotes(size_t count)
{
    return repeated(u"<a k'=\" '>", count) + u"word";
}

std::u16string ordinary(size_t count)
{
    return repeated(u"<rate speed='1'>Some words <emph>said</emph> here.</rate> ", count);
}

void readAll(const char *name, const std::u16string &text)
{
    const auto start = Clock::now();
    SpeechTextReader reader(text, true);
    SpeechPiece piece;
    size_t pieces = 0;
    while (reader.next(piece))
        ++pieces;
    const double ms = millisecondsSince(start);
    std::printf("%-22s %9zu chars %7zu pieces %9.1f ms %7.1f ns/char\n", name, text.size(), pieces,
                ms, ms * 1e6 / double(text.size()));
}

} // namespace

int main()
{
    for (const size_t count : {25000u, 50000u, 100000u, 200000u}) {
        readAll("opened, others closed", openedAndUnmatched(count));
        readAll("unclosed quotes", unclosedQuotes(count * 14 / 10));
        readAll("ordinary markup", ordinary(count / 4));
    }

    // A stop arrives 10 ms into reading 2.8 MB of hostile markup.
    const std::u16string text = openedAndUnmatched(200000);
    SpeechTextReader reader(text, true);
    const auto start = Clock::now();
    Clock::time_point stopped{};
    const std::function<bool()> cancelled = [&] {
        if (stopped == Clock::time_point{} && millisecondsSince(start) >= 10)
            stopped = Clock::now();
        return stopped != Clock::time_point{};
    };
    reader.setCancelCheck(&cancelled);
    SpeechPiece piece;
    while (reader.next(piece)) {
    }
    std::printf("reader given up %.2f ms after the stop\n",
                stopped == Clock::time_point{} ? -1.0 : millisecondsSince(stopped));
    return 0;
}
