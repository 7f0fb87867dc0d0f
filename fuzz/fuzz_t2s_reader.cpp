// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Feeds arbitrary bytes to the .t2s reader. Whatever a file holds, reading
// must end with true or false; a document that was read must save into a file
// that reads back to the same records, and the model's operations must cope
// with the records as they stand.
#include "qvt2sdocument.h"

#include <QByteArray>
#include <QIODevice>
#include <QTextStream>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Runs the operations that take positions from the records on every record.
void exerciseModel(QVT2SDocument &doc)
{
    const QList<QVT2SSection> sections = doc.sections();
    for (const QVT2SSection &section : sections) {
        doc.setSentencePausesEnabled(section, false);
        doc.updateSentencePauses(section.fromChar, doc.sectionText(section), QStringLiteral("120"),
                                 false);
        doc.conflictsWithSection(section.toChar, section.fromChar);
    }
    const QList<QVT2SBookmark> bookmarks = doc.bookmarks();
    for (const QVT2SBookmark &bookmark : bookmarks)
        doc.conflictsWithBookmark(bookmark.fromChar, bookmark.toChar);
    doc.addSection(0, int(doc.content().size()), VoiceComboUserData{}, QStringLiteral("V"), 100,
                   100, 100, 300);
    doc.addBookmark(1, 3);
    doc.addSentencePauses(doc.elements().isEmpty() ? 0u : doc.elements().last().afterChar,
                          doc.content(), QStringLiteral("1"));
    while (!doc.sections().isEmpty())
        check(doc.removeSectionWithPauses(0));
    doc.removeElements({0, 2, 4});
    doc.removeBookmarks({1, 0});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QVT2SDocument doc;
    if (!doc.read(bytes))
        return 0;

    QByteArray saved;
    {
        QTextStream stream(&saved, QIODevice::WriteOnly);
        check(doc.write(stream, doc.content()));
    }
    QVT2SDocument copy;
    check(copy.read(saved));
    check(copy.sections() == doc.sections());
    check(copy.elements() == doc.elements());
    check(copy.bookmarks() == doc.bookmarks());
    check(copy.content().size() == doc.content().size());

    if (size < 4096)
        exerciseModel(doc);
    return 0;
}
