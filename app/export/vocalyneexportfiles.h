// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QString>

/// The names shared by the main program and the export worker: the text
/// block's key and the files around one export.
class VocalyneExportFiles
{
public:
    /// The fixed token of the text block and of WAV intermediates.
    static QString token();
    /// Environment variable that hands the block's key to the worker.
    static const char *sharedMemoryKeyVariable() { return "VOCALYNE_SHM_KEY"; }
    /// The key of the text block of the running instance: the token
    /// followed by the process id, so that several instances never share one.
    static QString instanceSharedMemoryKey(qint64 processId);

    /// The WAV intermediate of an MP3 export: the output path without its
    /// last four characters, then the token and "__.wav".
    static QString intermediatePath(const QString &outputPath);
    /// The name under which process processId writes path until the file is
    /// complete: a hidden file beside it ("." + name + "." + pid + ".part").
    /// The engine uses the same rule.
    static QString partialPath(const QString &path, qint64 processId);
    /// folder and name joined with "/" (a trailing separator of the folder
    /// is not doubled).
    static QString join(const QString &folder, const QString &name);
};
