// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Writes Flite's built-in SLT voice as a .flitevox file, so that tests load
// a real voice file: flitevoicedump FILE
#include <flite/flite.h>

#include <cstdio>

extern "C" cst_voice *register_cmu_us_slt(const char *voxdir);

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("Usage: flitevoicedump FILE\n", stderr);
        return 2;
    }
    flite_init();
    cst_voice *voice = register_cmu_us_slt(nullptr);
    if (!voice)
        return 1;
    flite_voice_dump(voice, argv[1]);
    std::FILE *written = std::fopen(argv[1], "rb");
    if (!written)
        return 1;
    std::fclose(written);
    return 0;
}
