// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Office documents, PDF, e-books and RTF as the worker's input: their text is
// extracted as the main program extracts it when it opens them.
#include "vocalyneexporter.h"

#include "vocalynedocumentextractor.h"
#include "vocalyneexportexitcodes.h"
#include "vocalyneextractionresult.h"
#include "vocalyneextractionsink.h"

#include <QFileInfo>

namespace {

class TextSink : public VocalyneExtractionSink
{
public:
    bool piece(const QString &text, bool newParagraph) override
    {
        if (newParagraph && !m_text.isEmpty())
            m_text += QLatin1Char('\n');
        m_text += text;
        return true;
    }
    QString m_text;
};

int exitCodeOfExtraction(int result)
{
    using Codes = VocalyneExportExitCodes;
    switch (result) {
    case VocalyneExtraction::TextExtracted:
        return Codes::Success;
    case VocalyneExtraction::NoText:
        return Codes::TextNotFound;
    case VocalyneExtraction::AccessDenied:
        return Codes::FileAccessDenied;
    case VocalyneExtraction::AccessFailure:
        return Codes::GeneralAccessFailure;
    case VocalyneExtraction::PasswordProtected:
        return Codes::DocumentProtected;
    case VocalyneExtraction::OutOfMemory:
        return Codes::OutOfMemory;
    case VocalyneExtraction::NoFilter:
        // A document of a known kind too damaged to read.
        return Codes::InputFileFailed;
    default:
        return Codes::Unspecified;
    }
}

} // namespace

int VocalyneExporter::readDocumentText(const QString &path, QByteArray &utf8, bool &isDocument)
{
    // Text files (the batch's own speech-text files among them) are read as
    // text whatever their first bytes look like.
    const QString suffix = QFileInfo(path).suffix().toLower();
    isDocument =
        suffix != QLatin1String("txt") && suffix != QLatin1String("qv_t2s_txt") &&
        VocalyneDocumentExtractor::detect(path) != VocalyneDocumentExtractor::Format::Unknown;
    if (!isDocument)
        return 0;
    TextSink sink;
    const int code = exitCodeOfExtraction(VocalyneDocumentExtractor::extract(path, sink));
    if (code == VocalyneExportExitCodes::Success)
        utf8 = sink.m_text.toUtf8();
    return code;
}
