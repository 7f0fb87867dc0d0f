// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "hunspellwordchecker.h"

#include <hunspell.hxx>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryFile>

#include <algorithm>
#include <vector>

namespace vocalynesc {

namespace {

char32_t baseLetter(char32_t c)
{
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_D);
    return decomposed.isEmpty() ? c : decomposed.toUcs4().front();
}

bool isJoiner(char32_t c)
{
    return c == U'\'';
}

// Hunspell lists its candidates by the kind of edit that found them, not by
// how close they are: "dont" would be offered "font" before "don't". This
// distance makes an accent or an apostrophe a small slip and a doubled or
// undoubled letter half a one, so the stable sort below puts such
// corrections first and keeps Hunspell's order among equals.
double insertionCost(const std::u32string &word, std::size_t at)
{
    if (isJoiner(word[at]))
        return 0.2;
    const bool doubled =
        (at > 0 && word[at - 1] == word[at]) || (at + 1 < word.size() && word[at + 1] == word[at]);
    return doubled ? 0.5 : 1.0;
}

double typingDistance(const std::u32string &a, const std::u32string &b)
{
    const std::size_t n = a.size();
    const std::size_t m = b.size();
    std::vector<double> previous2(m + 1), previous(m + 1), current(m + 1);
    for (std::size_t j = 0; j <= m; ++j)
        previous[j] = j == 0 ? 0.0 : previous[j - 1] + insertionCost(b, j - 1);
    for (std::size_t i = 1; i <= n; ++i) {
        current[0] = previous[0] + insertionCost(a, i - 1);
        for (std::size_t j = 1; j <= m; ++j) {
            double substitution = 0.0;
            if (a[i - 1] != b[j - 1])
                substitution = baseLetter(a[i - 1]) == baseLetter(b[j - 1]) ? 0.2 : 1.0;
            double best = previous[j - 1] + substitution;
            best = std::min(best, previous[j] + insertionCost(a, i - 1));
            best = std::min(best, current[j - 1] + insertionCost(b, j - 1));
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                best = std::min(best, previous2[j - 2] + 1.0);
            current[j] = best;
        }
        std::swap(previous2, previous);
        std::swap(previous, current);
    }
    return previous[m];
}

// Sharp s is typed as "ss" where the key is missing.
std::u32string codePoints(const std::string &utf8)
{
    QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    text.replace(QChar(0x00DF), QLatin1String("ss"));
    const QList<uint> ucs4 = text.toUcs4();
    return std::u32string(ucs4.begin(), ucs4.end());
}

} // namespace

HunspellWordChecker::HunspellWordChecker(std::string affixPath) : m_affixPath(std::move(affixPath))
{
}

HunspellWordChecker::~HunspellWordChecker() = default;

bool HunspellWordChecker::load(const char *path, bool append)
{
    m_hunspell.reset();
    m_ngramHunspell.reset();
    if (!append)
        m_words.clear();
    return m_words.appendFile(path);
}

std::unique_ptr<Hunspell> HunspellWordChecker::build(bool ngrams) const
{
    QFile rules(QFile::decodeName(m_affixPath.c_str()));
    if (!rules.open(QIODevice::ReadOnly))
        return nullptr;
    QTemporaryFile affix;
    if (!affix.open())
        return nullptr;
    affix.write(rules.readAll());
    if (!ngrams)
        affix.write("\nMAXNGRAMSUGS 0\n");
    affix.close();

    // Hunspell sizes its hash table once, from the word count on the first
    // line of a .dic file, and chains everything beyond it; a table sized
    // for the real list keeps look-ups short. The words themselves are added
    // one by one, so no word is ever read as Hunspell's "word/flags" syntax.
    QTemporaryFile dic;
    if (!dic.open())
        return nullptr;
    const std::size_t tableSize = m_words.size() + 1;
    dic.write(QByteArray::number(qulonglong(tableSize)) + '\n');
    dic.close();

    auto hunspell = std::make_unique<Hunspell>(QFile::encodeName(affix.fileName()).constData(),
                                               QFile::encodeName(dic.fileName()).constData());
    std::string word;
    m_words.forEach([&](std::string_view entry) {
        word.assign(entry);
        hunspell->add(word);
    });
    return hunspell;
}

bool HunspellWordChecker::ensureBuilt()
{
    if (!m_hunspell)
        m_hunspell = build(false);
    return m_hunspell != nullptr;
}

bool HunspellWordChecker::isKnown(const std::string &word)
{
    if (word.empty())
        return true;
    if (!ensureBuilt() || m_words.size() == 0)
        return false;
    return m_hunspell->spell(word);
}

std::vector<std::string> HunspellWordChecker::suggest(const std::string &word)
{
    if (word.empty() || !ensureBuilt() || m_words.size() == 0)
        return {};
    std::vector<std::string> list = m_hunspell->suggest(word);
    if (list.empty()) {
        if (!m_ngramHunspell)
            m_ngramHunspell = build(true);
        if (m_ngramHunspell)
            list = m_ngramHunspell->suggest(word);
    }
    const std::u32string typed = codePoints(word);
    std::vector<std::pair<double, std::string>> ranked;
    ranked.reserve(list.size());
    for (std::string &candidate : list) {
        const std::u32string letters = codePoints(candidate);
        // Among equally near words, those that keep the first letter come
        // first: typists seldom get the first letter wrong ("teh": "the"
        // before "eth").
        const bool sameStart = !typed.empty() && !letters.empty() &&
                               baseLetter(typed.front()) == baseLetter(letters.front());
        ranked.emplace_back(typingDistance(typed, letters) + (sameStart ? 0.0 : 0.1),
                            std::move(candidate));
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto &x, const auto &y) { return x.first < y.first; });
    list.clear();
    for (auto &entry : ranked)
        list.push_back(std::move(entry.second));
    return list;
}

void HunspellWordChecker::insert(const std::string &word)
{
    if (word.empty())
        return;
    m_words.append(word);
    if (m_hunspell)
        m_hunspell->add(word);
    if (m_ngramHunspell)
        m_ngramHunspell->add(word);
}

} // namespace vocalynesc
