// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "scdwordlist.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>

namespace vocalynesc {

namespace {

bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isAsciiSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isAsciiSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Most words of an English list are plain ASCII; they need no decoding.
bool lowerAsciiInPlace(std::string &word)
{
    for (char &c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80)
            return false;
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return true;
}

QString decoded(std::string_view text)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QByteArrayView bytes(text.data(), qsizetype(text.size()));
    QString result = utf8(bytes);
    // An old word list in an 8-bit code page: its letters are still letters.
    if (utf8.hasError())
        result = QString::fromLatin1(bytes);
    return result;
}

} // namespace

std::string normalisedWord(std::string_view text)
{
    text = trimmed(text);
    std::string word(text);
    if (lowerAsciiInPlace(word))
        return word;

    QString unicode = decoded(text).trimmed();
    if (unicode.startsWith(QChar(0xFEFF)))
        unicode.remove(0, 1);
    unicode.replace(QChar(0x2019), QLatin1Char('\''));
    unicode = unicode.toLower().normalized(QString::NormalizationForm_C);
    const QByteArray bytes = unicode.toUtf8();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

bool ScdWordList::appendFile(const char *path)
{
    if (!path || !*path)
        return false;
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;

    std::string_view rest(bytes.constData(), std::size_t(bytes.size()));
    if (rest.substr(0, 3) == "\xEF\xBB\xBF")
        rest.remove_prefix(3);
    m_buffer.reserve(m_buffer.size() + rest.size() + 1);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        append(rest.substr(0, end));
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    return true;
}

void ScdWordList::append(std::string_view word)
{
    const std::string normal = normalisedWord(word);
    // A line break inside a word would split it in the buffer.
    if (normal.empty() || normal.find('\n') != std::string::npos)
        return;
    m_buffer += normal;
    m_buffer += '\n';
    ++m_count;
}

void ScdWordList::clear()
{
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_count = 0;
}

} // namespace vocalynesc
