// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QString>

#include <atomic>
#include <thread>

/// The speech text of one speech document of a batch, written to a
/// temporary file for its worker, or why that failed.
struct BatchRendering
{
    enum Outcome {
        Rendered,        ///< textPath holds the speech text (UTF-8)
        OpenFailed,      ///< the document could not be read
        InvalidDocument, ///< the document does not parse
        WriteFailed      ///< the temporary file could not be written
    };
    int row = -1;
    Outcome outcome = OpenFailed;
    /// The temporary text file (Rendered), or the file that failed.
    QString path;
    /// The file's error text (OpenFailed, WriteFailed).
    QString errorText;
    // The document's own voice and prosody (Rendered).
    qint16 engineTypeId = 0;
    QString voiceName;
    qint32 voiceId = -1;
    quint16 langId = 0;
    qint32 pitch = 100;
    qint32 speed = 100;
    qint32 volume = 100;
    qint32 sentPause = 670;
};

/// Renders the speech documents (".t2s") of a batch into temporary speech
/// text files (".QV_T2S_TXT" in the output folder), one after another in row
/// order on a thread of its own, so that reading, building and writing a
/// large document never holds up the window. A document is rendered from
/// its stored content, sections, elements and bookmarks, with the default
/// speech values for what its file does not hold, as the editor speaks a
/// document it opened.
class VocalyneBatchRenderer : public QObject
{
    Q_OBJECT

public:
    explicit VocalyneBatchRenderer(QObject *parent = nullptr);
    /// Cancels and waits for the thread.
    ~VocalyneBatchRenderer() override;

    /// Starts rendering documents, given as (row, path), into outputFolder.
    /// Call once.
    void start(const QList<QPair<int, QString>> &documents, const QString &outputFolder);
    /// Whether the row's document has been rendered (or has failed).
    bool isDone(int row) const;
    /// The row's result (once done); removed from the renderer.
    BatchRendering take(int row);
    /// Stops after the current document. Files written from now on are
    /// removed again; the caller removes those written before.
    void cancel();

    /// Renders one document at once on the calling thread. The temporary
    /// file's name is the document's file name, the token and
    /// ".QV_T2S_TXT", made unique among the files of outputFolder.
    static BatchRendering render(int row, const QString &path, const QString &outputFolder);

Q_SIGNALS:
    /// The row's result is ready (emitted on the renderer's own thread of
    /// affinity, in row order).
    void rendered(int row);

private:
    void run(const QList<QPair<int, QString>> &documents, const QString &outputFolder);

    mutable QMutex m_mutex;
    QHash<int, BatchRendering> m_done;
    std::atomic<bool> m_cancelled{false};
    std::thread m_thread;
};
