// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynesc.h"

#include "hunspellwordchecker.h"
#include "vocalynelocations.h"

#include <dlfcn.h>

#include <QFile>

#include <mutex>
#include <new>
#include <string>

namespace {

// The affix rules lie next to the library in the build tree and in the data
// folder when installed; without them the system's English rules still give a
// working checker.
std::string affixFilePath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&QVSCLoadDictionary), &info) && info.dli_fname) {
        std::string path(info.dli_fname);
        const std::size_t slash = path.rfind('/');
        path = (slash == std::string::npos ? std::string(".") : path.substr(0, slash)) +
               "/VocalyneSC.aff";
        if (QFile::exists(QFile::decodeName(path.c_str())))
            return path;
    }
    const QString installed = VocalyneLocations::current().data(QStringLiteral("VocalyneSC.aff"));
    if (QFile::exists(installed))
        return QFile::encodeName(installed).toStdString();
    return "/usr/share/hunspell/en_US.aff";
}

std::mutex &checkerMutex()
{
    static std::mutex mutex;
    return mutex;
}

vocalynesc::HunspellWordChecker &checker()
{
    static vocalynesc::HunspellWordChecker instance(affixFilePath());
    return instance;
}

} // namespace

bool QVSCLoadDictionary(const char *path, bool append)
{
    try {
        std::lock_guard<std::mutex> lock(checkerMutex());
        return checker().load(path, append);
    } catch (...) {
        return false;
    }
}

bool QVSCCheckWord(const char *word, std::vector<std::string> &suggestions)
{
    try {
        const std::string normal = vocalynesc::normalisedWord(word ? word : "");
        std::lock_guard<std::mutex> lock(checkerMutex());
        if (checker().isKnown(normal))
            return true;
        suggestions = checker().suggest(normal);
        return false;
    } catch (...) {
        suggestions.clear();
        return false;
    }
}

void QVSCInsertWordToTree(const char *word)
{
    try {
        const std::string normal = vocalynesc::normalisedWord(word ? word : "");
        std::lock_guard<std::mutex> lock(checkerMutex());
        checker().insert(normal);
    } catch (...) {
    }
}

bool QVSCIsWordKnown(const char *word)
{
    try {
        const std::string normal = vocalynesc::normalisedWord(word ? word : "");
        std::lock_guard<std::mutex> lock(checkerMutex());
        return checker().isKnown(normal);
    } catch (...) {
        return false;
    }
}

void QVSCSuggestWords(const char *word, std::vector<std::string> &suggestions)
{
    try {
        const std::string normal = vocalynesc::normalisedWord(word ? word : "");
        std::lock_guard<std::mutex> lock(checkerMutex());
        suggestions = checker().suggest(normal);
    } catch (...) {
        suggestions.clear();
    }
}

std::size_t QVSCWordCount()
{
    std::lock_guard<std::mutex> lock(checkerMutex());
    return checker().wordCount();
}
