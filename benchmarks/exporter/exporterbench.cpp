// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The export worker against the command-line tools a user would otherwise
// chain, on the same text with the same voice and values:
//  1. WAV 22.05 kHz 16-bit mono of a 50,000-word text: the worker's CPU time
//     against `espeak-ng -w` (target ratio <= 1.05);
//  2. MP3 at 128 kbit/s: the worker's wall time against `espeak-ng -w`
//     followed by `lame -b 128` (target ratio <= 0.75);
//  3. the worker's peak memory on a 10 MB text (target < 100 MB), measured
//     over its first seconds, when every copy of the text has been made and
//     the audio streams to the file.
// Usage: vocalyne_exporter_bench [words] [megabytes] [memory-seconds]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run
{
    bool ok = false;
    double wall = 0;
    double cpu = 0;
    long peakKb = 0;
};

std::string makeText(size_t words)
{
    static const char *const vocabulary[] = {
        "the",   "quick",  "brown",  "fox",  "jumps", "over", "a",  "lazy", "dog",  "while",
        "seven", "bright", "voices", "read", "every", "page", "of", "this", "long", "story"};
    std::string text;
    for (size_t i = 0; i < words; ++i) {
        text += vocabulary[(i * 7 + i / 20) % 20];
        text += (i % 12 == 11) ? ". " : " ";
    }
    return text;
}

// Runs a program to its end (or kills it after killAfter seconds) and
// measures it alone: wall time, CPU time and peak resident memory.
Run runProgram(const std::vector<std::string> &argv, double killAfter = 0)
{
    Run run;
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char *> args;
        for (const std::string &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    if (killAfter > 0) {
        while (std::chrono::duration<double>(Clock::now() - start).count() < killAfter) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::fprintf(stderr, "%s ended before the measurement\n", argv[0].c_str());
                return run;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        kill(pid, SIGKILL);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.wall = std::chrono::duration<double>(Clock::now() - start).count();
    run.cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
              double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakKb = usage.ru_maxrss;
    run.ok = killAfter > 0 || (WIFEXITED(status) && WEXITSTATUS(status) == 0);
    if (!run.ok)
        std::fprintf(stderr, "%s failed\n", argv[0].c_str());
    return run;
}

std::vector<std::string> workerArguments(const std::string &worker, const std::string &output,
                                         bool mp3, const std::string &input)
{
    // Normal pitch, speed and volume as the main program passes them; row
    // 20 of the catalogue (22050 Hz 16-bit mono); plain text.
    return {worker, "3",     "espeak-ng English (America)",
            "-1",   "1033",  "100",
            "100",  "100",   "670",
            "-1",   "0",     output,
            "22",   "pcm16", "22050",
            "1",    "0",     mp3 ? "1" : "0",
            input};
}

} // namespace

int main(int argc, char **argv)
{
    const size_t words = argc > 1 ? size_t(std::max(100, std::atoi(argv[1]))) : 50000;
    const int megabytes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    const double memorySeconds = argc > 3 ? std::max(1.0, std::atof(argv[3])) : 20.0;

    char folderTemplate[] = "/tmp/exporterbench-XXXXXX";
    const char *folder = mkdtemp(folderTemplate);
    if (!folder) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string dir = folder;
    const std::string worker =
        (std::filesystem::canonical("/proc/self/exe").parent_path() / "VocalyneExporter").string();
    const std::string text = dir + "/text.txt";
    std::ofstream(text) << makeText(words);

    // The worker's rate 100 % and pitch 100 % are espeak-ng's 175 words a
    // minute and pitch 50; volume 100 % is its amplitude 100.
    const std::vector<std::string> espeak = {
        "espeak-ng",         "-v", "en-us", "-s", "175", "-a", "100", "-p", "50", "-w",
        dir + "/espeak.wav", "-f", text};

    std::printf("%zu words, voice \"English (America)\", 22050 Hz 16-bit mono\n", words);
    const Run wav = runProgram(workerArguments(worker, dir + "/worker.wav", false, text));
    const Run reference = runProgram(espeak);
    if (!wav.ok || !reference.ok)
        return 1;
    const auto seconds = [](const std::string &path) {
        return double(std::filesystem::file_size(path) - 44) / 44100.0;
    };
    std::printf("audio: worker %.1f s, espeak-ng %.1f s\n", seconds(dir + "/worker.wav"),
                seconds(dir + "/espeak.wav"));
    std::printf("WAV   worker:        %7.2f s wall %7.2f s CPU %6ld MB peak\n", wav.wall, wav.cpu,
                wav.peakKb / 1024);
    std::printf("      espeak-ng -w:  %7.2f s wall %7.2f s CPU %6ld MB peak\n", reference.wall,
                reference.cpu, reference.peakKb / 1024);
    std::printf("      CPU ratio worker/espeak-ng: %.3f (target <= 1.05)\n",
                wav.cpu / reference.cpu);

    const Run mp3 = runProgram(workerArguments(worker, dir + "/worker.mp3", true, text));
    const Run lame =
        runProgram({"lame", "--quiet", "-b", "128", dir + "/espeak.wav", dir + "/espeak.mp3"});
    if (!mp3.ok || !lame.ok)
        return 1;
    std::printf("MP3   worker:        %7.2f s wall %7.2f s CPU\n", mp3.wall, mp3.cpu);
    std::printf("      espeak-ng+lame: %6.2f s wall %7.2f s CPU (lame alone %.2f s)\n",
                reference.wall + lame.wall, reference.cpu + lame.cpu, lame.wall);
    std::printf("      wall ratio worker/(espeak-ng then lame): %.3f (target <= 0.75)\n",
                mp3.wall / (reference.wall + lame.wall));
    std::filesystem::remove(dir + "/worker.wav");
    std::filesystem::remove(dir + "/espeak.wav");

    // A text of the given size, spoken for a while: the peak comes while
    // the text is read and handed over, then the audio streams.
    const std::string big = dir + "/big.txt";
    {
        std::ofstream out(big);
        const std::string block = makeText(20000);
        size_t written = 0;
        while (written < size_t(megabytes) * 1024 * 1024) {
            out << block;
            written += block.size();
        }
    }
    const Run memory =
        runProgram(workerArguments(worker, dir + "/big.wav", false, big), memorySeconds);
    uint64_t partial = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir))
        if (entry.path().filename().string().rfind(".big.wav.", 0) == 0)
            partial += entry.file_size();
    std::printf("MEM   worker on %d MB of text: %ld MB peak after %.0f s (%.1f MB of audio "
                "written by then; target < 100 MB)\n",
                megabytes, memory.peakKb / 1024, memorySeconds, double(partial) / 1048576.0);

    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
