// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynertfextractor.h"

#include "vocalyneextractionresult.h"
#include "vocalynertftokenizer.h"
#include "vocalynetextpieces.h"

#include <QHash>
#include <QList>
#include <QStringDecoder>

#include <map>

namespace {

using Tokenizer = VocalyneRtfTokenizer;

enum class Destination { Body, Notes, FontTable, Skip };

struct GroupState
{
    Destination destination = Destination::Body;
    int skipAfterUnicode = 1; // \ucN: fallback characters after \uN
    int codePage = 1252;
    bool newGroup = true; // no control word seen yet in this group
};

// Groups whose content is no text of the document.
bool isSkippedDestination(QByteArrayView word)
{
    static const char *const skipped[] = {"fonttbl",
                                          "colortbl",
                                          "stylesheet",
                                          "info",
                                          "pict",
                                          "object",
                                          "header",
                                          "headerl",
                                          "headerr",
                                          "headerf",
                                          "footer",
                                          "footerl",
                                          "footerr",
                                          "footerf",
                                          "fldinst",
                                          "themedata",
                                          "colorschememapping",
                                          "datastore",
                                          "latentstyles",
                                          "listtable",
                                          "listoverridetable",
                                          "rsidtbl",
                                          "generator",
                                          "xmlnstbl",
                                          "filetbl",
                                          "revtbl",
                                          "bkmkstart",
                                          "bkmkend",
                                          "xe",
                                          "tc",
                                          "txe",
                                          "pntext",
                                          "pntxta",
                                          "pntxtb",
                                          "listtext",
                                          "nonshppict",
                                          "shppict",
                                          "sp",
                                          "atnid",
                                          "atnauthor",
                                          "atndate",
                                          "atnref",
                                          "atntime",
                                          "atnicn",
                                          "userprops",
                                          "docvar",
                                          "template",
                                          "pgdsctbl",
                                          "mmathPr",
                                          "protusertbl",
                                          "wgrffmtfilter",
                                          "operator",
                                          "password",
                                          "passwordhash",
                                          "fchars",
                                          "lchars",
                                          "falt",
                                          "panose",
                                          "blipuid"};
    for (const char *name : skipped)
        if (word == name)
            return true;
    return false;
}

class RtfReader
{
public:
    explicit RtfReader(VocalyneTextPieces &out) : m_out(out) {}

    void read(const QByteArray &bytes)
    {
        Tokenizer tokenizer(bytes);
        m_states.append(GroupState());
        qsizetype nextCheckpoint = 65536;
        for (;;) {
            if (tokenizer.position() >= nextCheckpoint) {
                nextCheckpoint += 65536;
                if (!m_out.checkpoint())
                    return;
            }
            const Tokenizer::Token token = tokenizer.next();
            if (token.type == Tokenizer::Type::End || m_out.stopped())
                break;
            handle(token);
        }
        flushBytes();
        endParagraph();
        for (const QString &note : std::as_const(m_notes))
            if (!m_out.paragraph(note))
                break;
    }

private:
    GroupState &state() { return m_states.last(); }

    void handle(const Tokenizer::Token &token)
    {
        switch (token.type) {
        case Tokenizer::Type::GroupStart:
            flushBytes();
            m_pendingSkip = 0;
            // Nesting past any real document's depth is counted, not stored.
            if (m_states.size() >= MaxDepth) {
                ++m_overflow;
            } else {
                m_states.append(state());
                state().newGroup = true;
            }
            return;
        case Tokenizer::Type::GroupEnd:
            flushBytes();
            m_pendingSkip = 0;
            if (m_overflow > 0)
                --m_overflow;
            else if (m_states.size() > 1)
                endGroup();
            return;
        case Tokenizer::Type::ControlWord:
            flushBytes();
            if (consumeSkip())
                return;
            controlWord(token);
            state().newGroup = false;
            return;
        case Tokenizer::Type::ControlSymbol:
            flushBytes();
            if (consumeSkip())
                return;
            controlSymbol(token.word.isEmpty() ? '\0' : token.word.front());
            state().newGroup = false;
            return;
        case Tokenizer::Type::HexByte:
            if (consumeSkip())
                return;
            addByte(char(token.byte));
            return;
        case Tokenizer::Type::Text:
            for (const char c : token.text) {
                if (consumeSkip())
                    continue;
                addByte(c);
            }
            return;
        case Tokenizer::Type::Binary:
        case Tokenizer::Type::End:
            m_pendingSkip = 0;
            return;
        }
    }

    // Fallback characters after a Unicode escape stand for the same letter.
    bool consumeSkip()
    {
        if (m_pendingSkip <= 0)
            return false;
        --m_pendingSkip;
        return true;
    }

    void endGroup()
    {
        const GroupState closing = m_states.takeLast();
        if (closing.destination == Destination::FontTable && m_font >= 0) {
            // A font entry ends with its group.
            m_font = -1;
        }
        if (closing.destination == Destination::Notes &&
            state().destination != Destination::Notes) {
            if (!m_note.trimmed().isEmpty())
                m_notes.append(m_note);
            m_note.clear();
        }
    }

    void controlWord(const Tokenizer::Token &token)
    {
        const QByteArrayView word = token.word;
        const int parameter = token.parameter;
        const bool ignorable = m_ignorable;
        m_ignorable = false;
        if (state().destination == Destination::FontTable) {
            if (word == "f" && token.hasParameter) {
                m_font = parameter;
            } else if ((word == "fcharset" || word == "cpg") && m_font >= 0) {
                const int codePage =
                    word == "cpg" ? parameter : VocalyneRtfExtractor::codePageOfCharset(parameter);
                if (codePage > 0 && m_fontCodePages.size() < 65536)
                    m_fontCodePages.insert(m_font, codePage);
            }
            return;
        }
        if (word == "fonttbl") {
            state().destination = Destination::FontTable;
            m_font = -1;
            return;
        }
        if (state().destination == Destination::Skip)
            return;

        if (word == "u" && token.hasParameter) {
            // Values above 32767 are written as negative numbers.
            const int code = parameter < 0 ? parameter + 65536 : parameter;
            if (code > 0 && code < 65536)
                addChar(QChar(char16_t(code)));
            m_pendingSkip = state().skipAfterUnicode;
        } else if (word == "uc") {
            state().skipAfterUnicode = token.hasParameter ? qBound(0, parameter, 16) : 1;
        } else if (word == "par" || word == "sect" || word == "page" || word == "row" ||
                   word == "nestrow") {
            endParagraph();
        } else if (word == "line") {
            addChar(QLatin1Char('\n'));
        } else if (word == "tab" || word == "cell" || word == "nestcell") {
            addChar(QLatin1Char('\t'));
        } else if (word == "emdash") {
            addChar(QChar(0x2014));
        } else if (word == "endash") {
            addChar(QChar(0x2013));
        } else if (word == "emspace" || word == "enspace" || word == "qmspace") {
            addChar(QLatin1Char(' '));
        } else if (word == "bullet") {
            addChar(QChar(0x2022));
        } else if (word == "lquote") {
            addChar(QChar(0x2018));
        } else if (word == "rquote") {
            addChar(QChar(0x2019));
        } else if (word == "ldblquote") {
            addChar(QChar(0x201C));
        } else if (word == "rdblquote") {
            addChar(QChar(0x201D));
        } else if (word == "ansicpg" && token.hasParameter && parameter > 0) {
            m_documentCodePage = parameter;
            state().codePage = parameter;
        } else if (word == "ansi") {
            setDocumentCodePage(1252);
        } else if (word == "mac") {
            setDocumentCodePage(10000);
        } else if (word == "pc") {
            setDocumentCodePage(437);
        } else if (word == "pca") {
            setDocumentCodePage(850);
        } else if (word == "f" && token.hasParameter) {
            state().codePage = m_fontCodePages.value(parameter, m_documentCodePage);
        } else if (word == "footnote" || word == "annotation") {
            state().destination = Destination::Notes;
        } else if (ignorable || isSkippedDestination(word)) {
            // An unknown destination marked ignorable, or a known one that
            // holds no text: the whole group goes.
            state().destination = Destination::Skip;
        }
    }

    void controlSymbol(char symbol)
    {
        if (symbol == '*') {
            // The next control word names an ignorable destination.
            m_ignorable = state().newGroup;
            return;
        }
        if (state().destination == Destination::Skip ||
            state().destination == Destination::FontTable)
            return;
        switch (symbol) {
        case '\\':
        case '{':
        case '}':
            addByte(symbol);
            break;
        case '~':
            addChar(QChar(0x00A0));
            break;
        case '_':
            addChar(QChar(0x2011));
            break;
        case '\n':
        case '\r':
            endParagraph();
            break;
        default: // optional hyphen, index and formula marks
            break;
        }
    }

    void setDocumentCodePage(int codePage)
    {
        m_documentCodePage = codePage;
        state().codePage = codePage;
    }

    void addByte(char byte)
    {
        const Destination destination = state().destination;
        if (destination == Destination::Skip || destination == Destination::FontTable)
            return;
        if (state().codePage != m_bytesCodePage)
            flushBytes();
        m_bytesCodePage = state().codePage;
        m_bytes.append(byte);
    }

    void addChar(QChar c)
    {
        flushBytes();
        const Destination destination = state().destination;
        if (destination == Destination::Body)
            m_paragraph.append(c);
        else if (destination == Destination::Notes)
            m_note.append(c);
    }

    // Bytes are decoded together, so that the two bytes of a double-byte
    // character (written as two escapes) meet in the decoder.
    void flushBytes()
    {
        if (m_bytes.isEmpty())
            return;
        QString text = decoderFor(m_bytesCodePage).decode(m_bytes);
        m_bytes.clear();
        const Destination destination = state().destination;
        if (destination == Destination::Notes)
            m_note += text;
        else if (destination == Destination::Body)
            m_paragraph += text;
    }

    QStringDecoder &decoderFor(int codePage)
    {
        auto it = m_decoders.find(codePage);
        if (it == m_decoders.end()) {
            QByteArray name;
            if (codePage == 10000)
                name = "macintosh";
            else if (codePage == 437 || codePage == 850)
                name = "IBM" + QByteArray::number(codePage);
            else if (codePage == 65001)
                name = "UTF-8";
            else if (codePage >= 28591 && codePage <= 28605)
                name = "ISO-8859-" + QByteArray::number(codePage - 28590);
            else
                name = "windows-" + QByteArray::number(codePage);
            QStringDecoder decoder(name.constData(), QStringDecoder::Flag::Stateless);
            if (!decoder.isValid()) // other numbers the converter knows as "cpN"
                decoder = QStringDecoder(("cp" + QByteArray::number(codePage)).constData(),
                                         QStringDecoder::Flag::Stateless);
            if (!decoder.isValid())
                decoder = QStringDecoder("windows-1252", QStringDecoder::Flag::Stateless);
            if (!decoder.isValid())
                decoder = QStringDecoder(QStringConverter::Latin1);
            it = m_decoders.emplace(codePage, std::move(decoder)).first;
        }
        return it->second;
    }

    void endParagraph()
    {
        flushBytes();
        if (state().destination == Destination::Notes) {
            if (!m_note.isEmpty())
                m_note.append(QLatin1Char('\n'));
            return;
        }
        if (state().destination != Destination::Body)
            return;
        m_out.paragraph(m_paragraph);
        m_paragraph.clear();
    }

    static constexpr int MaxDepth = 4096;

    VocalyneTextPieces &m_out;
    QList<GroupState> m_states;
    QHash<int, int> m_fontCodePages;
    std::map<int, QStringDecoder> m_decoders;
    QList<QString> m_notes;
    QString m_paragraph;
    QString m_note;
    QByteArray m_bytes;
    int m_bytesCodePage = 1252;
    int m_documentCodePage = 1252;
    int m_font = -1;
    int m_pendingSkip = 0;
    int m_overflow = 0;
    bool m_ignorable = false;
};

} // namespace

bool VocalyneRtfExtractor::recognizes(const QByteArray &bytes)
{
    return bytes.startsWith("{\\rtf");
}

int VocalyneRtfExtractor::codePageOfCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    default:
        return 0;
    }
}

int VocalyneRtfExtractor::extract(const QByteArray &bytes, VocalyneTextPieces &out)
{
    if (!recognizes(bytes))
        return VocalyneExtraction::NoFilter;
    RtfReader(out).read(bytes);
    out.finish();
    return out.result();
}
