// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "fliteengine.h"

#include "audioconverter.h"
#include "charclasses.h"
#include "flitephones.h"
#include "userlexicon.h"

#include <flite/flite.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern "C" {
cst_voice *register_cmu_us_kal(const char *voxdir);
cst_voice *register_cmu_us_kal16(const char *voxdir);
cst_voice *register_cmu_us_awb(const char *voxdir);
cst_voice *register_cmu_us_rms(const char *voxdir);
cst_voice *register_cmu_us_slt(const char *voxdir);
void usenglish_init(cst_voice *v);
cst_lexicon *cmulex_init(void);
void cmu_indic_lang_init(cst_voice *v);
cst_lexicon *cmu_indic_lex_init(void);
void cmu_grapheme_lang_init(cst_voice *v);
cst_lexicon *cmu_grapheme_lex_init(void);
}

namespace qvsp {

namespace {

constexpr double kWholeTone = 1.1224620483;

// Utterances are cut after this many tokens at a comma, and after the
// maximum anyway (the flite program cuts after 500).
constexpr int kPreferredTokens = 24;
constexpr int kMaximumTokens = 60;
// The same for a text's first utterance, whose synthesis the listener
// waits for.
constexpr int kQuickPreferredTokens = 4;
constexpr int kQuickMaximumTokens = 10;

std::string lastPunctuation(cst_relation *tokens)
{
    const cst_item *last = relation_tail(tokens);
    return last ? std::string(item_feat_string(last, "punc")) : std::string();
}

// Audio is handed on in slices of this many output samples, so that a
// voice that waits for playback waits for little.
constexpr size_t kSliceSamples = 2048;

// Flite reports a fault by jumping to its error handler, which would
// otherwise end the process. Runs in a frame without C++ objects, so the
// jump skips no destructor; what the utterance held is lost on a fault.
cst_utterance *guardedSynth(cst_utterance *utt, cst_voice *voice)
{
    jmp_buf handler;
    jmp_buf *previous = cst_errjmp;
    cst_errjmp = &handler;
    if (setjmp(handler) != 0) {
        cst_errjmp = previous;
        return nullptr;
    }
    cst_utterance *result = flite_do_synth(utt, voice, utt_synth_tokens);
    cst_errjmp = previous;
    return result;
}

// The ASCII letters of the Latin letters with accents (Latin-1 and
// Latin Extended-A), from U+00C0.
const char *const kLatinFolds[] = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",  // C0
    "D", "N", "O", "O", "O", "O", "O",  " ", "O", "U", "U", "U", "U", "Y", "TH", "ss", // D0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",  // E0
    "d", "n", "o", "o", "o", "o", "o",  " ", "o", "u", "u", "u", "u", "y", "th", "y",  // F0
};

std::string foldCodePoint(char32_t c)
{
    if (c < 0x80)
        return std::string(1, c < 0x20 ? ' ' : char(c));
    if (c >= 0xC0 && c <= 0xFF)
        return kLatinFolds[c - 0xC0];
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A: the base letter of each.
        static const char kBase[] =
            "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlL"
            "lLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
        const size_t i = size_t(c - 0x100);
        if (c == 0x132 || c == 0x133)
            return c == 0x132 ? "IJ" : "ij";
        if (c == 0x152 || c == 0x153)
            return c == 0x152 ? "OE" : "oe";
        if (i < sizeof kBase - 1)
            return std::string(1, kBase[i]);
        return " ";
    }
    switch (c) {
    case 0x2018:
    case 0x2019:
    case 0x201A:
    case 0x201B:
    case 0x2032:
        return "'";
    case 0x201C:
    case 0x201D:
    case 0x201E:
    case 0x201F:
    case 0x00AB:
    case 0x00BB:
        return "\"";
    case 0x2010:
    case 0x2011:
    case 0x2012:
    case 0x2013:
    case 0x2014:
    case 0x2015:
    case 0x2212:
        return "-";
    case 0x2026:
        return "...";
    case 0x00A2:
        return " cents ";
    case 0x00A3:
        return " pounds ";
    case 0x20AC:
        return " euros ";
    case 0x00B0:
        return " degrees ";
    default:
        return " ";
    }
}

uint16_t languageOfVoice(const std::string &name)
{
    static const struct
    {
        const char *code;
        uint16_t id;
    } kIndic[] = {{"hin", 0x0439}, {"tam", 0x0449}, {"tel", 0x044A}, {"kan", 0x044B},
                  {"mar", 0x044E}, {"guj", 0x0447}, {"ben", 0x0445}, {"pan", 0x0446}};
    if (name.compare(0, 10, "cmu_indic_") == 0) {
        for (const auto &l : kIndic) {
            if (name.compare(10, 3, l.code) == 0)
                return l.id;
        }
        return 0;
    }
    return 0x0409;
}

void prepareVoice(FliteVoiceInfo &info)
{
    cst_features *f = info.voice->features;
    info.clusterGen = feat_present(f, "cg_db") != 0;
    info.baseStretch = flite_get_param_float(f, "duration_stretch", 1.0f);
    info.baseF0Mean = flite_get_param_float(f, "int_f0_target_mean", 0.0f);
}

// Whether Flite loads the voice file without harm. Flite trusts a file's
// sizes and ends the process on a fault, so a damaged file (or one of
// another version) would take the program down or exhaust its memory: a
// child process with bounded memory and time tries it first.
bool loadsSafely(const std::string &path)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        // Room for the voice (a few times its file) beyond what the
        // process maps already: a damaged file that makes Flite allocate
        // without end fails soon.
        unsigned long pages = 0;
        if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%lu", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        struct stat info;
        const rlim_t fileSize = stat(path.c_str(), &info) == 0 ? rlim_t(info.st_size) : 0;
        const rlim_t limit = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) +
                             std::max(rlim_t(64) << 20, 4 * fileSize);
        const rlimit memory{limit, limit};
        setrlimit(RLIMIT_AS, &memory);
        const rlimit cpu{10, 10};
        setrlimit(RLIMIT_CPU, &cpu);
        alarm(30);
        _exit(flite_voice_load(path.c_str()) ? 0 : 1);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct TokenTime
{
    uint32_t first = 0; // the token's code points in the piece: [first, last)
    uint32_t last = 0;
    bool found = false;
    // Voice-rate sample where each word Flite made of the token starts,
    // with the word's name; -1 for a word without segments.
    std::vector<std::pair<std::string, int64_t>> words;
};

// The words of a token as hosts see them: runs of letters and digits,
// joined by single inner marks ("it's", "e-mail", "3:30"), as WordLocator
// widens a position; [start, end) code point ranges.
std::vector<std::pair<uint32_t, uint32_t>> hostWords(const std::u32string &cps, uint32_t first,
                                                     uint32_t last)
{
    auto letter = [&](uint32_t k) {
        return !CharClasses::isPunctuation(cps[k]) && !CharClasses::isBlank(cps[k]);
    };
    auto joiner = [&](uint32_t k) {
        const char32_t c = cps[k];
        return c == '\'' || c == 0x2019 || c == '-' || c == '.' || c == ',' || c == '&' ||
               c == '_' || c == '@' || c == ':';
    };
    std::vector<std::pair<uint32_t, uint32_t>> words;
    uint32_t k = first;
    while (k < last) {
        if (!letter(k)) {
            ++k;
            continue;
        }
        const uint32_t start = k;
        while (k < last && (letter(k) || (joiner(k) && k > start && k + 1 < last && letter(k + 1))))
            ++k;
        words.emplace_back(start, k);
    }
    return words;
}

std::string lowerAscii(const std::string &text)
{
    std::string out = text;
    for (char &c : out)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

float wordStart(const cst_item *word)
{
    // The end of the segment before the word's first one: Flite's
    // segments carry their end times only.
    const cst_item *structure = item_as(word, "SylStructure");
    if (!structure || !item_daughter(structure) || !item_daughter(item_daughter(structure)))
        return -1.0f;
    const cst_item *segment = item_as(item_daughter(item_daughter(structure)), "Segment");
    if (!segment)
        return -1.0f;
    const cst_item *before = item_prev(segment);
    return before ? item_feat_float(before, "end") : 0.0f;
}

} // namespace

FliteEngine &FliteEngine::instance()
{
    // Never destroyed: voice threads of a host that exits without
    // uninitialising may still synthesise while static objects go.
    static FliteEngine *engine = new FliteEngine;
    return *engine;
}

FliteEngine::FliteEngine()
{
    flite_init();
    flite_add_lang("eng", usenglish_init, cmulex_init);
    flite_add_lang("usenglish", usenglish_init, cmulex_init);
    flite_add_lang("cmu_indic_lang", cmu_indic_lang_init, cmu_indic_lex_init);
    flite_add_lang("cmu_grapheme_lang", cmu_grapheme_lang_init, cmu_grapheme_lex_init);
    loadBuiltInVoices();
    loadVoiceFiles();
}

void FliteEngine::loadBuiltInVoices()
{
    // The statistical voices sound the most natural, the female one best
    // of all; the diphone voice at 8 kHz the least.
    const struct
    {
        cst_voice *(*registerVoice)(const char *);
        const char *name;
        const char *description;
        int gender;
        int rank;
    } kBuiltIn[] = {
        {register_cmu_us_slt, "slt", "Flite English (America) SLT, female", 2, 10},
        {register_cmu_us_rms, "rms", "Flite English (America) RMS, male", 1, 11},
        {register_cmu_us_awb, "awb", "Flite English (America) AWB, male, Scottish accent", 1, 12},
        {register_cmu_us_kal16, "kal16", "Flite English (America) KAL, male", 1, 20},
        {register_cmu_us_kal, "kal", "Flite English (America) KAL, male, 8 kHz", 1, 21},
    };
    for (const auto &v : kBuiltIn) {
        FliteVoiceInfo info;
        info.voice = v.registerVoice(nullptr);
        if (!info.voice)
            continue;
        info.name = v.name;
        info.description = v.description;
        info.gender = v.gender;
        info.qualityRank = v.rank;
        prepareVoice(info);
        m_voices.push_back(std::move(info));
    }
}

std::vector<std::string> FliteEngine::voiceFolders()
{
    std::vector<std::string> folders;
    if (const char *list = std::getenv("VOCALYNE_FLITE_VOICES")) {
        const std::string all = list;
        for (size_t begin = 0; begin <= all.size();) {
            size_t end = all.find(':', begin);
            if (end == std::string::npos)
                end = all.size();
            if (end > begin)
                folders.push_back(all.substr(begin, end - begin));
            begin = end + 1;
        }
    }
    if (const char *data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        folders.push_back(std::string(data) + "/flite/voices");
    else if (const char *home = std::getenv("HOME"); home && *home)
        folders.push_back(std::string(home) + "/.local/share/flite/voices");
    folders.push_back("/usr/local/share/flite/voices");
    folders.push_back("/usr/share/flite/voices");
    return folders;
}

void FliteEngine::loadVoiceFiles()
{
    std::set<std::string> descriptions;
    for (const auto &v : m_voices)
        descriptions.insert(v.description);
    for (const std::string &folder : voiceFolders()) {
        DIR *dir = opendir(folder.c_str());
        if (!dir)
            continue;
        std::vector<std::string> files;
        while (const dirent *entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.size() > 9 && name.compare(name.size() - 9, 9, ".flitevox") == 0)
                files.push_back(name);
        }
        closedir(dir);
        std::sort(files.begin(), files.end());
        for (const std::string &file : files) {
            const std::string path = folder + "/" + file;
            if (!loadsSafely(path))
                continue;
            cst_voice *voice = flite_voice_load(path.c_str());
            if (!voice)
                continue;
            FliteVoiceInfo info;
            info.voice = voice;
            info.file = path;
            info.name = voice->name ? voice->name : file.substr(0, file.size() - 9);
            info.languageId = languageOfVoice(info.name);
            const char *gender = flite_get_param_string(voice->features, "gender", "");
            info.gender = std::strcmp(gender, "male") == 0     ? 1
                          : std::strcmp(gender, "female") == 0 ? 2
                                                               : 0;
            // Voices made with the same tools as the built-in statistical
            // ones; a user who installed one presumably wants it.
            info.qualityRank = 10;
            std::string shown = info.name;
            for (const char *prefix : {"cmu_us_", "cmu_indic_"}) {
                if (shown.compare(0, std::strlen(prefix), prefix) == 0)
                    shown = shown.substr(std::strlen(prefix));
            }
            std::transform(shown.begin(), shown.end(), shown.begin(),
                           [](unsigned char c) { return char(std::toupper(c)); });
            info.description = std::string("Flite ") +
                               (info.languageId == 0x0409 ? "English (America) " : "") + shown;
            if (info.gender)
                info.description += info.gender == 1 ? ", male" : ", female";
            if (!descriptions.insert(info.description).second) {
                info.description += " [" + file + "]";
                if (!descriptions.insert(info.description).second)
                    continue; // the same file found twice
            }
            prepareVoice(info);
            m_voices.push_back(std::move(info));
        }
    }
}

std::string FliteEngine::foldText(const std::u32string &codePoints,
                                  std::vector<uint32_t> &byteToCodePoint)
{
    std::string text;
    text.reserve(codePoints.size() + 16);
    byteToCodePoint.clear();
    byteToCodePoint.reserve(codePoints.size() + 16);
    for (size_t i = 0; i < codePoints.size(); ++i) {
        const std::string folded = foldCodePoint(codePoints[i]);
        text += folded;
        byteToCodePoint.insert(byteToCodePoint.end(), folded.size(), uint32_t(i));
    }
    return text;
}

namespace {

// A pronunciation piece, "[[mnemonics]]", in Flite's phones; empty when it
// is not one Flite can speak.
std::string pronunciationPhones(const SpeechPiece &piece)
{
    const std::u32string &cps = piece.codePoints;
    if (!piece.phonemes || cps.size() < 4 || cps.compare(0, 2, U"[[") != 0 ||
        cps.compare(cps.size() - 2, 2, U"]]") != 0)
        return std::string();
    std::string mnemonics;
    for (size_t i = 2; i + 2 < cps.size(); ++i) {
        if (cps[i] >= 0x80)
            return std::string();
        mnemonics += char(cps[i]);
    }
    return FlitePhones::fromEspeak(mnemonics);
}

} // namespace

bool FliteEngine::canSpeak(const SpeechPiece &piece)
{
    return !piece.phonemes || !pronunciationPhones(piece).empty();
}

HResult FliteEngine::synthesize(const SpeechPiece &piece, const FliteVoiceInfo &voice,
                                const FliteParams &params, SynthConsumer &consumer, int outputRate)
{
    std::vector<uint32_t> byteToCodePoint;
    // A pronunciation is one token of its own phones, standing for the
    // words it replaces (reported from its first letter).
    const std::string pronunciation = pronunciationPhones(piece);
    if (piece.phonemes && pronunciation.empty())
        return kInvalidArg;
    std::string text;
    if (pronunciation.empty()) {
        text = foldText(piece.codePoints, byteToCodePoint);
    } else {
        uint32_t letter = 2;
        while (letter + 3 < piece.codePoints.size() &&
               CharClasses::isPunctuation(piece.codePoints[letter]))
            ++letter;
        text = "x";
        byteToCodePoint.assign(1, letter);
    }
    const double rateFactor = std::pow(kWholeTone, std::clamp(params.rate, -10, 10));
    const double pitchFactor =
        std::clamp(std::pow(kWholeTone, std::clamp(params.pitch, -10, 10)), 0.5, 2.0);
    const double gain = std::max(0, params.volume) / 100.0;

    std::unique_lock<std::mutex> lock(m_mutex);
    cst_features *features = voice.voice->features;
    cst_tokenstream *ts =
        ts_open_string(text.c_str(), flite_get_param_string(features, "text_whitespace", nullptr),
                       flite_get_param_string(features, "text_singlecharsymbols", nullptr),
                       flite_get_param_string(features, "text_prepunctuation", nullptr),
                       flite_get_param_string(features, "text_postpunctuation", nullptr));
    if (!ts)
        return kFail;
    cst_breakfunc breakAt = default_utt_break;
    if (feat_present(features, "utt_break"))
        breakAt = val_breakfunc(feat_val(features, "utt_break"));

    // A token read past an utterance's end opens the next one.
    struct Carried
    {
        bool present = false;
        std::string name, whitespace, prepunctuation, punctuation;
    } carried;
    size_t cursor = 0; // bytes of text matched to tokens so far
    int inputRate = 0;
    std::unique_ptr<AudioConverter> converter;
    uint64_t inputBefore = 0; // voice-rate samples of the piece's earlier utterances
    StreamFormat outFormat;
    outFormat.sampleRate = outputRate;
    HResult result = kOk;

    for (;;) {
        if (!lock.owns_lock())
            lock.lock();
        if (consumer.cancelled())
            break;
        cst_utterance *utt = new_utterance();
        cst_relation *tokens = utt_relation_create(utt, "Token");
        std::vector<TokenTime> times;
        std::vector<cst_item *> items;
        auto append = [&](const Carried &t) {
            cst_item *item = relation_append(tokens, nullptr);
            item_set_string(item, "name", t.name.c_str());
            item_set_string(item, "whitespace", t.whitespace.c_str());
            item_set_string(item, "prepunctuation", t.prepunctuation.c_str());
            item_set_string(item, "punc", t.punctuation.c_str());
            TokenTime time;
            const size_t at = text.find(t.name, cursor);
            if (at != std::string::npos && !t.name.empty()) {
                cursor = at + t.name.size();
                time.found = true;
                time.first = byteToCodePoint[at];
                time.last = byteToCodePoint[cursor - 1] + 1;
                // The user's pronunciation of a word wins over Flite's.
                const std::u32string word =
                    piece.codePoints.substr(time.first, time.last - time.first);
                std::vector<uint16_t> ids;
                if (!pronunciation.empty()) {
                    item_set_string(item, "phones", pronunciation.c_str());
                } else if (UserLexicon::find(word, voice.languageId, ids)) {
                    const std::string phones = FlitePhones::fromIds(ids);
                    if (!phones.empty())
                        item_set_string(item, "phones", phones.c_str());
                }
            }
            times.push_back(time);
            items.push_back(item);
        };
        if (carried.present)
            append(carried);
        carried.present = false;
        int count = int(items.size());
        while (!ts_eof(ts)) {
            const char *token = ts_get(ts);
            Carried next;
            next.present = true;
            next.name = token;
            next.whitespace = ts->whitespace;
            next.prepunctuation = ts->prepunctuation;
            next.punctuation = ts->postpunctuation;
            if (next.name.empty())
                continue;
            // Beyond Flite's own sentence ends, a long run of words is cut
            // at a comma, or failing one anywhere: Flite synthesises a
            // whole utterance before any of its audio, so its length is
            // both the delay before the first sound and the memory a
            // paused voice holds.
            const bool quick = params.quickStart && inputBefore == 0;
            const bool longRun = count >= (quick ? kQuickMaximumTokens : kMaximumTokens) ||
                                 (count >= (quick ? kQuickPreferredTokens : kPreferredTokens) &&
                                  !lastPunctuation(tokens).empty());
            if (longRun || (relation_head(tokens) && breakAt(ts, token, tokens))) {
                carried = std::move(next);
                break;
            }
            append(next);
            ++count;
        }
        if (items.empty()) {
            delete_utterance(utt);
            break;
        }

        flite_feat_set_float(features, "duration_stretch", float(voice.baseStretch / rateFactor));
        if (voice.clusterGen) {
            flite_feat_set_float(features, "f0_shift", float(pitchFactor));
        } else if (voice.baseF0Mean > 0) {
            flite_feat_set_float(features, "int_f0_target_mean",
                                 float(voice.baseF0Mean * pitchFactor));
        }
        cst_utterance *done = guardedSynth(utt, voice.voice);
        const cst_wave *wave = done ? utt_wave(done) : nullptr;
        if (!wave) {
            // The utterance is lost with the fault; its memory too.
            result = kFail;
            break;
        }
        const int rate = wave->sample_rate;
        const bool lastOfPiece = !carried.present && ts_eof(ts);
        // Where the last word's audio ends: the start of the closing pause.
        int64_t speechEnd = 0;
        if (const cst_item *last = relation_tail(utt_relation(done, "Segment"))) {
            const cst_item *before = item_prev(last);
            if (before && std::strcmp(item_feat_string(last, "name"), "pau") == 0)
                speechEnd = int64_t(std::lround(double(item_feat_float(before, "end")) * rate));
        }
        // Where each token's first word starts: tokens Flite reads as no
        // word (a lone dash) have none, and are not reported.
        for (size_t k = 0; k < items.size(); ++k) {
            const cst_item *token = item_as(items[k], "Token");
            for (const cst_item *word = token ? item_daughter(token) : nullptr; word;
                 word = item_next(word)) {
                const float start = wordStart(word);
                times[k].words.emplace_back(lowerAscii(item_feat_string(word, "name")),
                                            start >= 0 ? int64_t(std::lround(double(start) * rate))
                                                       : -1);
            }
        }
        // Flite opens and closes every utterance with a pause. A piece is cut
        // where markup changes the voice or its prosody, often inside a
        // sentence, so its opening pause goes (the piece before ends with
        // one where a sentence ended), and so does its closing one unless
        // a sentence ends there; the first word of a text then sounds at
        // once as well.
        int64_t skip = 0;
        int64_t keep = wave->num_samples;
        const int64_t margin = rate / 50;
        if (inputBefore == 0) {
            int64_t firstWord = wave->num_samples;
            for (const TokenTime &t : times) {
                for (const auto &word : t.words) {
                    if (word.second >= 0)
                        firstWord = std::min(firstWord, word.second);
                }
            }
            skip = std::clamp<int64_t>(firstWord - margin, 0, wave->num_samples);
            for (TokenTime &t : times) {
                for (auto &word : t.words) {
                    if (word.second >= 0)
                        word.second -= skip;
                }
            }
        }
        if (lastOfPiece && !piece.endsSentence && speechEnd > 0)
            keep = std::clamp<int64_t>(speechEnd + margin, skip, wave->num_samples);
        std::vector<int16_t> samples(wave->samples + skip, wave->samples + keep);
        delete_utterance(done);
        lock.unlock();

        // Outside the lock: the consumer may wait for playback.
        if (!converter || rate != inputRate) {
            std::string tail;
            if (converter) {
                converter->flush(tail);
                consumer.samples(reinterpret_cast<const int16_t *>(tail.data()),
                                 int(tail.size() / 2));
            }
            inputRate = rate;
            converter = std::make_unique<AudioConverter>(rate, outFormat);
        }
        auto toOutput = [&](int64_t sample) {
            return int64_t((inputBefore + uint64_t(sample)) * uint64_t(outputRate) /
                           uint64_t(rate));
        };
        bool sentence = false;
        for (const TokenTime &t : times) {
            if (!t.found)
                continue;
            // Each word of the token starts where the Flite word of the
            // same name starts ("foo/bar": foo, slash, bar); a word Flite
            // reads otherwise ("3:30": three thirty) where the next
            // unclaimed Flite word starts. Tokens Flite reads as no word (a
            // lone dash) are not reported.
            size_t next = 0;
            auto words = hostWords(piece.codePoints, t.first, t.last);
            if (words.empty()) // "&" read as "and": the token is the word
                words.emplace_back(t.first, t.last);
            for (const auto &[start, end] : words) {
                std::string name;
                for (uint32_t k = start; k < end; ++k) {
                    std::string folded = foldCodePoint(piece.codePoints[k]);
                    name += lowerAscii(folded);
                }
                size_t match = next;
                while (match < t.words.size() && t.words[match].first != name)
                    ++match;
                if (match == t.words.size())
                    match = next;
                while (match < t.words.size() && t.words[match].second < 0)
                    ++match;
                if (match >= t.words.size())
                    break;
                next = match + 1;
                const int64_t at = toOutput(t.words[match].second);
                if (!sentence) {
                    consumer.sentence(int(start) + 1, at);
                    sentence = true;
                }
                consumer.word(int(start) + 1, 0, at);
            }
        }
        if (gain != 1.0) {
            for (int16_t &s : samples)
                s = int16_t(std::clamp(std::lround(s * gain), -32768L, 32767L));
        }
        inputBefore += samples.size();
        for (size_t done = 0; done < samples.size() && !consumer.cancelled();) {
            const size_t n = std::min(kSliceSamples * size_t(rate) / size_t(outputRate) + 1,
                                      samples.size() - done);
            std::string out;
            converter->convert(samples.data() + done, n, out);
            if (!out.empty())
                consumer.samples(reinterpret_cast<const int16_t *>(out.data()),
                                 int(out.size() / 2));
            done += n;
        }
        if (!carried.present && ts_eof(ts))
            break;
    }
    if (!lock.owns_lock())
        lock.lock();
    ts_close(ts);
    lock.unlock();
    if (converter && !consumer.cancelled()) {
        std::string tail;
        converter->flush(tail);
        if (!tail.empty())
            consumer.samples(reinterpret_cast<const int16_t *>(tail.data()), int(tail.size() / 2));
    }
    return result;
}

} // namespace qvsp
