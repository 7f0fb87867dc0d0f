// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "userlexicon.h"

#include "charclasses.h"
#include "phonetable.h"
#include "textcodec.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace qvsp {

namespace {

std::mutex g_mutex; // guards the file and the cache across voices and hosts

// The lexicon as read from its file, with its words indexed by their lower
// case so that a text's words cost a hash look-up each, however many
// pronunciations there are.
struct Index
{
    std::vector<std::tuple<uint16_t, std::u32string, std::vector<uint16_t>>> entries;
    std::unordered_map<std::u32string, std::vector<size_t>> byLowered; // in file order
};

struct Cache
{
    bool valid = false;
    struct timespec modified = {};
    off_t size = -1;
    std::shared_ptr<const Index> index;
};
// Never destroyed: voice threads of a host that exits without
// uninitialising may still apply the lexicon while static objects go.
Cache &g_cache = *new Cache;

void makeFolders(const std::string &path)
{
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0755);
}

std::u32string toCodePoints(const std::string &utf8)
{
    const std::u16string text = TextCodec::toUtf16(utf8);
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        size_t units;
        out += TextCodec::decodeAt(text, i, units);
        i += units;
    }
    return out;
}

std::u32string lowered(std::u32string text)
{
    for (char32_t &c : text)
        c = CharClasses::toLower(c);
    return text;
}

bool isWordCharacter(const std::u32string &cps, size_t k)
{
    const char32_t c = cps[k];
    if (CharClasses::isBlank(c))
        return false;
    if (!CharClasses::isPunctuation(c))
        return true;
    // An apostrophe or hyphen between letters belongs to the word.
    const bool joiner = c == '\'' || c == 0x2019 || c == '-';
    return joiner && k > 0 && k + 1 < cps.size() && !CharClasses::isBlank(cps[k - 1]) &&
           !CharClasses::isPunctuation(cps[k - 1]) && !CharClasses::isBlank(cps[k + 1]) &&
           !CharClasses::isPunctuation(cps[k + 1]);
}

} // namespace

std::string UserLexicon::storePath()
{
    std::string base;
    if (const char *data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        base = data;
    else if (const char *home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.local/share";
    else
        base = "/tmp";
    return base + "/Halvern/Vocalyne/lexicon.txt";
}

std::vector<UserLexicon::Entry> UserLexicon::load()
{
    std::vector<Entry> entries;
    std::ifstream in(storePath());
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string language, pos, word, ids;
        if (!std::getline(fields, language, '\t') || !std::getline(fields, pos, '\t') ||
            !std::getline(fields, word, '\t') || !std::getline(fields, ids))
            continue; // a damaged line is left out, the rest stays usable
        Entry entry;
        entry.language = uint16_t(std::strtoul(language.c_str(), nullptr, 16));
        entry.partOfSpeech = int(std::strtol(pos.c_str(), nullptr, 10));
        entry.word = word;
        std::istringstream idList(ids);
        for (std::string id; idList >> id;)
            entry.ids.push_back(uint16_t(std::strtoul(id.c_str(), nullptr, 16)));
        if (!entry.word.empty() && !entry.ids.empty())
            entries.push_back(std::move(entry));
    }
    return entries;
}

bool UserLexicon::save(const std::vector<Entry> &entries)
{
    const std::string path = storePath();
    makeFolders(path);
    const std::string temporary = path + ".new";
    FILE *file = std::fopen(temporary.c_str(), "w");
    if (!file)
        return false;
    bool ok = true;
    for (const Entry &e : entries) {
        ok = ok &&
             std::fprintf(file, "%X\t%d\t%s\t", e.language, e.partOfSpeech, e.word.c_str()) > 0;
        for (size_t i = 0; i < e.ids.size(); ++i)
            ok = ok && std::fprintf(file, i ? " %X" : "%X", e.ids[i]) > 0;
        ok = ok && std::fputc('\n', file) != EOF;
    }
    ok = std::fflush(file) == 0 && fsync(fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    g_cache.valid = false;
    return true;
}

HResult UserLexicon::change(const std::u16string &word, uint16_t language, int partOfSpeech,
                            const std::vector<uint16_t> &ids, bool add)
{
    if (word.empty() || ids.empty() || word.find_first_of(u"\t\r\n") != std::u16string::npos)
        return kInvalidArg;
    const std::string utf8 = TextCodec::toUtf8(word);
    if (m_batching) {
        // A dictionary of thousands of words: a hash look-up per word
        // instead of a scan, and one write at the end instead of one each.
        Entry entry{language, partOfSpeech, utf8, ids};
        const std::string entryKey = key(entry);
        const auto present = m_batchKeys.find(entryKey);
        if (!add && present == m_batchKeys.end())
            return kNotFound;
        if (present != m_batchKeys.end()) {
            m_batch[present->second].word.clear(); // left out when written
            m_batchKeys.erase(present);
        }
        if (add) {
            m_batch.push_back(std::move(entry));
            m_batchKeys.emplace(entryKey, m_batch.size() - 1);
        }
        m_batchChanged = true;
        return kOk;
    }
    std::lock_guard<std::mutex> lock(g_mutex);
    std::vector<Entry> entries = load();
    auto same = [&](const Entry &e) {
        return e.language == language && e.partOfSpeech == partOfSpeech && e.word == utf8 &&
               e.ids == ids;
    };
    const auto found = std::find_if(entries.begin(), entries.end(), same);
    if (add) {
        if (found != entries.end()) {
            // Added again, it becomes the latest of its word. Where no later
            // entry spells the word (in any letter case), voices already
            // find it first: the file stays as it is, so that applying a
            // dictionary again writes nothing.
            const std::u32string key = lowered(toCodePoints(utf8));
            const bool shadowed = std::any_of(found + 1, entries.end(), [&](const Entry &e) {
                return lowered(toCodePoints(e.word)) == key;
            });
            if (!shadowed)
                return kOk;
            entries.erase(found);
        }
        entries.push_back(Entry{language, partOfSpeech, utf8, ids});
    } else {
        if (found == entries.end())
            return kNotFound;
        entries.erase(found);
    }
    return save(entries) ? kOk : kFail;
}

std::string UserLexicon::key(const Entry &entry)
{
    std::string out = std::to_string(entry.language) + '\t' + std::to_string(entry.partOfSpeech) +
                      '\t' + entry.word + '\t';
    for (uint16_t id : entry.ids)
        out += std::to_string(id) + ' ';
    return out;
}

void UserLexicon::beginBatch()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    m_batch = load();
    m_batchKeys.clear();
    for (size_t i = 0; i < m_batch.size(); ++i)
        m_batchKeys[key(m_batch[i])] = i;
    m_batching = true;
    m_batchChanged = false;
}

HResult UserLexicon::endBatch()
{
    if (!m_batching)
        return kOk;
    m_batching = false;
    m_batchKeys.clear();
    std::vector<Entry> entries;
    entries.swap(m_batch);
    if (!m_batchChanged)
        return kOk;
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const Entry &e) { return e.word.empty(); }),
                  entries.end());
    std::lock_guard<std::mutex> lock(g_mutex);
    return save(entries) ? kOk : kFail;
}

HResult UserLexicon::addPronunciation(const std::u16string &word, uint16_t language,
                                      int partOfSpeech, const std::vector<uint16_t> &ids)
{
    return change(word, language, partOfSpeech, ids, true);
}

HResult UserLexicon::removePronunciation(const std::u16string &word, uint16_t language,
                                         int partOfSpeech, const std::vector<uint16_t> &ids)
{
    return change(word, language, partOfSpeech, ids, false);
}

namespace {

// The lexicon as the file holds it now, read again only when the file
// changed; null when it is empty.
std::shared_ptr<const Index> currentIndex()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    struct stat info;
    const bool exists = stat(UserLexicon::storePath().c_str(), &info) == 0;
    if (!exists) {
        g_cache = Cache();
        g_cache.valid = true;
    } else if (!g_cache.valid || info.st_size != g_cache.size ||
               info.st_mtim.tv_sec != g_cache.modified.tv_sec ||
               info.st_mtim.tv_nsec != g_cache.modified.tv_nsec) {
        auto fresh = std::make_shared<Index>();
        for (const auto &e : UserLexicon::loadEntries()) {
            fresh->entries.emplace_back(std::get<0>(e), toCodePoints(std::get<1>(e)),
                                        std::get<2>(e));
            fresh->byLowered[lowered(std::get<1>(fresh->entries.back()))].push_back(
                fresh->entries.size() - 1);
        }
        g_cache.index = std::move(fresh);
        g_cache.valid = true;
        g_cache.size = info.st_size;
        g_cache.modified = info.st_mtim;
    }
    if (!g_cache.index || g_cache.index->entries.empty())
        return nullptr;
    return g_cache.index;
}

// The pronunciation for a word: this very language before its relatives,
// exact spelling before another letter case, the latest added first.
const std::vector<uint16_t> *lookUp(const Index &index, const std::u32string &word,
                                    uint16_t language)
{
    const auto candidates = index.byLowered.find(lowered(word));
    if (candidates == index.byLowered.end())
        return nullptr;
    for (int pass = 0; pass < 4; ++pass) {
        const bool exactLanguage = pass < 2;
        const bool exactCase = pass % 2 == 0;
        for (auto k = candidates->second.rbegin(); k != candidates->second.rend(); ++k) {
            const auto *it = &index.entries[*k];
            const uint16_t entryLanguage = std::get<0>(*it);
            const bool languageFits = exactLanguage
                                          ? entryLanguage == language
                                          : (entryLanguage & 0x3FF) == (language & 0x3FF);
            if (!languageFits)
                continue;
            const std::u32string &entryWord = std::get<1>(*it);
            if (!exactCase || entryWord == word)
                return &std::get<2>(*it);
        }
    }
    return nullptr;
}

} // namespace

std::vector<std::tuple<uint16_t, std::string, std::vector<uint16_t>>> UserLexicon::loadEntries()
{
    std::vector<std::tuple<uint16_t, std::string, std::vector<uint16_t>>> out;
    for (Entry &e : load())
        out.emplace_back(e.language, std::move(e.word), std::move(e.ids));
    return out;
}

bool UserLexicon::find(const std::u32string &word, uint16_t language, std::vector<uint16_t> &ids)
{
    const std::shared_ptr<const Index> index = currentIndex();
    const std::vector<uint16_t> *found = index ? lookUp(*index, word, language) : nullptr;
    if (!found)
        return false;
    ids = *found;
    return true;
}

void UserLexicon::apply(SpeechPiece &piece, uint16_t language)
{
    const PhoneTable *table = PhoneTable::forLanguage(language);
    if (!table || piece.phonemes || piece.state.spell)
        return;
    const std::shared_ptr<const Index> index = currentIndex();
    if (!index)
        return;
    auto lookup = [&](const std::u32string &word) { return lookUp(*index, word, language); };

    SpeechPiece out = piece;
    out.codePoints.clear();
    out.starts.clear();
    out.ends.clear();
    bool replaced = false;
    const std::u32string &cps = piece.codePoints;
    for (size_t i = 0; i < cps.size();) {
        if (!isWordCharacter(cps, i)) {
            out.codePoints.push_back(cps[i]);
            out.starts.push_back(piece.starts[i]);
            out.ends.push_back(piece.ends[i]);
            ++i;
            continue;
        }
        size_t end = i;
        while (end < cps.size() && isWordCharacter(cps, end))
            ++end;
        const std::u32string word = cps.substr(i, end - i);
        const std::vector<uint16_t> *ids = lookup(word);
        const std::string espeak = ids ? table->toEspeak(*ids) : std::string();
        if (espeak.empty()) {
            for (size_t k = i; k < end; ++k) {
                out.codePoints.push_back(cps[k]);
                out.starts.push_back(piece.starts[k]);
                out.ends.push_back(piece.ends[k]);
            }
        } else {
            // Every character of the pronunciation stands for the whole word.
            const uint32_t from = piece.starts[i];
            const uint32_t to = piece.ends[end - 1];
            for (char c : "[[" + espeak + "]]") {
                out.codePoints.push_back(char32_t(uint8_t(c)));
                out.starts.push_back(from);
                out.ends.push_back(to);
            }
            replaced = true;
        }
        i = end;
    }
    if (replaced) {
        out.phonemes = true;
        piece = std::move(out);
    }
}

HResult createLexicon(LexiconPtr &lexicon)
{
    lexicon = std::make_shared<UserLexicon>();
    return kOk;
}

} // namespace qvsp
