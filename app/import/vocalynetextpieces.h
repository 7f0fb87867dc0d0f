// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>
#include <QStringView>

class VocalyneExtractionSink;

/// Gathers the paragraphs that a format reader finds into pieces of at most
/// MaxPiece code units, cut at paragraph ends where possible, and hands them
/// to a sink. A paragraph longer than a piece is cut at a space (at worst
/// anywhere but inside a surrogate pair).
class VocalyneTextPieces
{
public:
    static constexpr int MaxPiece = 16384;

    /// sink is not owned and must outlive this object.
    explicit VocalyneTextPieces(VocalyneExtractionSink &sink) : m_sink(sink) {}

    /// Adds one paragraph. Runs of white space become single spaces, except
    /// that tabs and line breaks inside the paragraph are kept; a paragraph
    /// of white space only is dropped. False once the sink has stopped.
    bool paragraph(QStringView text);
    /// Lets the sink run between units of work; false once it has stopped.
    bool checkpoint();
    /// Hands over what is still gathered, also after a stop. Call once at
    /// the end.
    void finish();
    /// TextExtracted once any text reached the sink, else NoText.
    int result() const;

    bool stopped() const { return m_stopped; }
    /// True once any non-blank paragraph was given to the sink.
    bool sawText() const { return m_sawText; }
    /// Characters handed to the sink so far.
    qint64 delivered() const { return m_delivered; }

    /// Cleans one paragraph as paragraph() does (exposed for the readers
    /// that must decide whether a paragraph is blank).
    static QString normalized(QStringView text);

private:
    bool deliver(const QString &text, bool newParagraph);
    bool flush();

    VocalyneExtractionSink &m_sink;
    QString m_buffer;
    qint64 m_delivered = 0;
    bool m_stopped = false;
    bool m_sawText = false;
};
