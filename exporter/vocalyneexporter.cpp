// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneexporter.h"

#include "qvtts.h"
#include "vocalyneexportexitcodes.h"
#include "vocalyneexportfiles.h"
#include "vocalynemp3encoder.h"
#include "vocalynetextdecoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSharedMemory>

#include <cstring>
#include <new>

namespace {

using Codes = VocalyneExportExitCodes;

bool onlyBlanks(const QByteArray &text)
{
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\f' && c != '\v')
            return false;
    }
    return true;
}

// The engine, initialised for a message window of the worker's own; gone
// with the worker.
class EngineSession
{
public:
    EngineSession()
    {
        m_window = QVCreateWindow(nullptr);
        const InitQVTTSEngineReturnValueEx *table = InitQVTTSEngineEx(m_window, nullptr, nullptr);
        const InitQVTTSEngineReturnValue platform = table->results[QVTTS_ENGINE_SLOTS - 1];
        m_ready = platform == QVTTSInitReady || platform == QVTTSInitNoNotifications;
    }
    ~EngineSession()
    {
        UninitQVTTSEngine();
        QVDestroyWindow(m_window);
    }
    bool ready() const { return m_ready; }

private:
    HWND m_window = nullptr;
    bool m_ready = false;
};

} // namespace

int VocalyneExporter::run(const QStringList &arguments)
{
    VocalyneExportRequest request;
    if (!VocalyneExportRequest::fromArguments(arguments, request) ||
        request.engineType != QVTTSEngineSpeechPlatform || request.outputPath.isEmpty() ||
        request.voiceName.isEmpty())
        return Codes::InvalidParameters;
    try {
        QByteArray text;
        const int read = readText(request, text);
        if (read != 0)
            return read;
        return exportSpeech(request, text);
    } catch (const std::bad_alloc &) {
        return Codes::OutOfMemory;
    } catch (...) {
        return Codes::Unspecified;
    }
}

int VocalyneExporter::readText(const VocalyneExportRequest &request, QByteArray &utf8)
{
    const int result =
        request.inputPath.isEmpty() ? readSharedText(utf8) : readFileText(request.inputPath, utf8);
    if (result != 0)
        return result;
    if (utf8.isEmpty() || onlyBlanks(utf8))
        return Codes::TextNotFound;
    return 0;
}

int VocalyneExporter::readSharedText(QByteArray &utf8)
{
    // Each running main program has a block of its own; a main program that
    // does not say which uses the bare token.
    const QByteArray key = qgetenv(VocalyneExportFiles::sharedMemoryKeyVariable());
    QSharedMemory block(key.isEmpty() ? VocalyneExportFiles::token() : QString::fromUtf8(key));
    if (!block.attach(QSharedMemory::ReadOnly)) {
        if (key.isEmpty())
            return Codes::TextUnavailable;
        block.setKey(VocalyneExportFiles::token());
        if (!block.attach(QSharedMemory::ReadOnly))
            return Codes::TextUnavailable;
    }
    if (!block.lock())
        return Codes::GeneralAccessFailure;
    // The text ends at its first 0 byte, and never past the block.
    const char *data = static_cast<const char *>(block.constData());
    const qsizetype size = block.size();
    const void *end = std::memchr(data, 0, size_t(size));
    const qsizetype length = end ? static_cast<const char *>(end) - data : size;
    utf8 = QByteArray(data, length);
    block.unlock();
    block.detach();
    // The main program writes UTF-8; anything else is read as a text file
    // would be rather than spoken as replacement characters.
    if (!VocalyneTextDecoder::isValidUtf8(utf8))
        utf8 = VocalyneTextDecoder::decode(utf8).toUtf8();
    return 0;
}

int VocalyneExporter::readFileText(const QString &path, QByteArray &utf8)
{
    bool isDocument = false;
    const int extracted = readDocumentText(path, utf8, isDocument);
    if (isDocument)
        return extracted;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.error() == QFileDevice::PermissionsError ? Codes::DocumentProtected
                                                             : Codes::InputFileFailed;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Codes::InputFileFailed;
    file.close();
    if (VocalyneTextDecoder::isValidUtf8(bytes)) {
        // Already what the engine takes: only a byte-order mark goes.
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        utf8 = std::move(bytes);
    } else {
        utf8 = VocalyneTextDecoder::decode(bytes).toUtf8();
    }
    return 0;
}

int VocalyneExporter::exitCodeOf(int exportResult)
{
    switch (exportResult) {
    case QVTTSExportSuccess:
        return Codes::Success;
    case QVTTSExportInvalidData:
        return Codes::InvalidParameters;
    case QVTTSExportZeroLengthText:
        return Codes::TextNotFound;
    case QVTTSExportFileError:
        return Codes::FileAccessDenied;
    case QVTTSExportOutOfMemory:
        return Codes::OutOfMemory;
    default:
        // TrueSpeech, unknown voices and the like: the engine's own number,
        // which the main program reports with the format message.
        if (exportResult >= Codes::FirstEngineCode && exportResult <= Codes::LastEngineCode)
            return exportResult;
        return Codes::Unspecified;
    }
}

int VocalyneExporter::exportSpeech(const VocalyneExportRequest &request, const QByteArray &text)
{
    EngineSession engine;
    if (!engine.ready())
        return Codes::Unspecified;
    SetMSSAPISpeakPunc(request.speakPunctuation);

    const QByteArray voice = request.voiceName.toUtf8();
    const QByteArray token = request.strToken.toUtf8();
    const QVTTSTextType textType = request.isXml ? QVTTSTextXml : QVTTSTextPlain;
    auto exportTo = [&](const QString &path, int32_t flags) {
        const QByteArray file = QFile::encodeName(path);
        return QVTTSExportToFileEx(QVTTSEngineSpeechPlatform, voice.constData(), request.voiceId,
                                   uint16_t(request.languageId), text.constData(), request.pitch,
                                   request.speed, request.volume, request.sentencePause,
                                   request.reserved, textType, file.constData(),
                                   int16_t(request.intToken), token.constData(), flags, 0);
    };

    if (!request.isMP3)
        return exitCodeOf(exportTo(request.outputPath, 0));

    // MP3: the WAV intermediate is encoded while it is being written, into
    // a partial file that replaces the output only when whole.
    const QString intermediate = VocalyneExportFiles::intermediatePath(request.outputPath);
    const QString partial =
        VocalyneExportFiles::partialPath(request.outputPath, QCoreApplication::applicationPid());
    // An intermediate left by an export that was killed before it could
    // clean up would be read as the start of this one's audio.
    QFile::remove(intermediate);
    VocalyneMp3Encoder encoder(intermediate, partial);
    encoder.start();
    const int result = exportTo(intermediate, QVTTS_EXPORT_IN_PLACE);
    const bool encoded = encoder.finish(result == QVTTSExportSuccess);
    QFile::remove(intermediate);
    if (result != QVTTSExportSuccess) {
        QFile::remove(partial);
        return exitCodeOf(result);
    }
    if (!encoded) {
        QFile::remove(partial);
        return Codes::Mp3ConversionError;
    }
    if (std::rename(QFile::encodeName(partial).constData(),
                    QFile::encodeName(request.outputPath).constData()) != 0) {
        QFile::remove(partial);
        return Codes::FileAccessDenied;
    }
    return Codes::Success;
}
