// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qvttslexicon.h"

#include "qvttsdictionaryparser.h"
#include "speechplatform.h"
#include "textcodec.h"

namespace {

constexpr qvsp::HResult kLexiconFull = static_cast<qvsp::HResult>(0x80045035u);

bool failed(qvsp::HResult hr)
{
    return !qvsp::succeeded(hr);
}

// The lexicon's refusal of an add, as an add result.
int32_t addFailure(qvsp::HResult hr)
{
    if (hr == qvsp::kInvalidArg)
        return QVTTSWordInvalidArgument;
    if (hr == kLexiconFull)
        return QVTTSWordLexiconError;
    if (hr == qvsp::kOutOfMemory)
        return QVTTSWordOutOfMemory;
    return QVTTSWordAddNoPhoneConverter;
}

// One pronunciation through an existing lexicon and converter; the result
// codes of addRemoveWord.
int32_t change(qvsp::Lexicon &lexicon, const qvsp::PhoneConverter &converter, const char *word,
               const char *phonemes, uint16_t language, int partOfSpeech, bool remove)
{
    std::vector<uint16_t> ids;
    if (!phonemes || failed(converter.phoneToId(phonemes, ids)))
        return remove ? QVTTSWordRemovePhonemesNotConvertible : QVTTSWordAddPhonemesNotConvertible;
    if (!word)
        return remove ? QVTTSWordRemovalRefused : QVTTSWordInvalidArgument;
    const std::u16string wide = qvsp::TextCodec::toUtf16(word);
    if (remove) {
        const qvsp::HResult removed =
            lexicon.removePronunciation(wide, language, partOfSpeech, ids);
        return failed(removed) ? QVTTSWordRemovalRefused : QVTTSWordSuccess;
    }
    // Adding replaces the same pronunciation where it is there already, as
    // removing it first would, without writing the lexicon twice.
    const qvsp::HResult added = lexicon.addPronunciation(wide, language, partOfSpeech, ids);
    return failed(added) ? addFailure(added) : QVTTSWordSuccess;
}

} // namespace

int32_t QVTTSLexicon::addRemoveWord(const char *word, const char *phonemes, uint32_t language,
                                    int32_t partOfSpeech, bool remove)
{
    const uint16_t lang = static_cast<uint16_t>(language);
    qvsp::LexiconPtr lexicon;
    qvsp::PhoneConverterPtr converter;
    if (failed(qvsp::createLexicon(lexicon)) || failed(qvsp::createPhoneConverter(lang, converter)))
        return remove ? QVTTSWordRemoveNoPhoneConverter : QVTTSWordAddNoPhoneConverter;
    return change(*lexicon, *converter, word, phonemes, lang, static_cast<int16_t>(partOfSpeech),
                  remove);
}

LoadQVTTSUserDictReturnValue QVTTSLexicon::load(int32_t engineType, const char *name,
                                                uint16_t language, const char *text)
{
    if (engineType != QVTTSEngineSpeechPlatform)
        return QVTTSLoadDictSuccess;
    if (!name)
        return QVTTSLoadDictInvalidArgument;
    // Loading a name again replaces its entry; the words loaded under it
    // before stay in the lexicon.
    Dictionary &dictionary = m_table[name];
    dictionary.text = text ? std::make_shared<const std::string>(text) : nullptr;
    dictionary.language = language;
    if (!dictionary.text)
        return QVTTSLoadDictTextMissing;
    const std::shared_ptr<const std::string> words = dictionary.text;

    qvsp::LexiconPtr lexicon;
    qvsp::PhoneConverterPtr converter;
    if (failed(qvsp::createLexicon(lexicon)) ||
        failed(qvsp::createPhoneConverter(language, converter)))
        return QVTTSLoadDictNoPhoneConverter;

    // One write of the lexicon for the whole dictionary, also when an entry
    // fails: the entries before it stay added.
    lexicon->beginBatch();
    int32_t partOfSpeech = QVTTSPartOfSpeechNoun;
    const int result = QVTTSDictionaryParser::parse(
        words->c_str(), [&](const QVTTSDictionaryParser::Entry &entry) -> int {
            if (!entry.keyword.empty() &&
                !QVTTSDictionaryParser::partOfSpeech(entry.keyword, partOfSpeech))
                return QVTTSLoadDictUnknownPartOfSpeech;
            // The add results and the load results share their numbers.
            return change(*lexicon, *converter, entry.word.c_str(), entry.phonemes.c_str(),
                          language, static_cast<int16_t>(partOfSpeech), false);
        });
    if (failed(lexicon->endBatch()) && result == 0)
        return QVTTSLoadDictNoPhoneConverter; // the lexicon could not be written
    return static_cast<LoadQVTTSUserDictReturnValue>(result);
}

UnloadQVTTSUserDictReturnValue QVTTSLexicon::removeWords(const Dictionary &dictionary)
{
    if (!dictionary.text)
        return QVTTSUnloadDictSuccess; // loaded without text: no words to remove
    qvsp::LexiconPtr lexicon;
    qvsp::PhoneConverterPtr converter;
    if (failed(qvsp::createLexicon(lexicon)) ||
        failed(qvsp::createPhoneConverter(dictionary.language, converter)))
        return QVTTSUnloadDictNoPhoneConverter;

    lexicon->beginBatch();
    int32_t partOfSpeech = QVTTSPartOfSpeechNoun;
    const int result = QVTTSDictionaryParser::parse(
        dictionary.text->c_str(), [&](const QVTTSDictionaryParser::Entry &entry) -> int {
            if (!entry.keyword.empty() &&
                !QVTTSDictionaryParser::partOfSpeech(entry.keyword, partOfSpeech))
                return QVTTSUnloadDictRemovalFailed;
            return change(*lexicon, *converter, entry.word.c_str(), entry.phonemes.c_str(),
                          dictionary.language, static_cast<int16_t>(partOfSpeech), true);
        });
    if (failed(lexicon->endBatch()) && result == 0)
        return QVTTSUnloadDictRemovalFailed;
    return static_cast<UnloadQVTTSUserDictReturnValue>(result);
}

UnloadQVTTSUserDictReturnValue QVTTSLexicon::unload(int32_t engineType, const char *name)
{
    if (engineType != QVTTSEngineSpeechPlatform)
        return QVTTSUnloadDictSuccess;
    const auto found = name ? m_table.find(name) : m_table.end();
    if (found == m_table.end())
        return QVTTSUnloadDictNotLoaded;
    const Dictionary dictionary = found->second;
    m_table.erase(found);
    return removeWords(dictionary);
}

void QVTTSLexicon::unloadAll()
{
    std::map<std::string, Dictionary> table;
    table.swap(m_table);
    for (const auto &entry : table)
        removeWords(entry.second);
}
