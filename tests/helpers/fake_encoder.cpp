// A stand-in for the encoder, driven by its first argument:
//
//   progress <lines> <interval ms> [<quit marker file>]
//       prints <lines> progress lines in FFmpeg's form, each ending in "\r", one every
//       <interval> ms (time = line number in seconds, size = 10 kB per line); a "q" on standard
//       input ends it early with status 0 (and creates the marker file); otherwise it prints a
//       final report with the last values and a summary line, and exits 0
//   fail <status> <message>     prints the message as a line and exits with <status>
//   crash <message>             prints the message as a line and dies of a signal
//   hang [ignore-term]          prints one line and sleeps for ever; ignores "q", and with
//                               ignore-term also the termination request
//   silent                      prints nothing and exits 0
//   closed-input <ms>           closes its standard input, waits <ms>, prints a progress line
//                               and exits 0
//   args <file>                 writes its working directory and arguments, one a line, to
//                               <file> and exits 0
//   truncated <output>          writes the start of a file that never got its end (4 KiB that
//                               no player reads) into <output>, prints progress and exits 0
//   stuck <output>              writes the same into <output>, prints progress, then sleeps
//                               for ever ignoring "q" (not the termination request)

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

std::atomic<bool> quitRequested{false};

void WatchForQuit()
{
    std::thread([] {
        for (int c; (c = std::getchar()) != EOF;) {
            if (c == 'q') {
                quitRequested = true;
                return;
            }
        }
    }).detach();
}

void Say(const std::string &text)
{
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
}

void SleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int Progress(int lines, int intervalMs, const char *quitMarker)
{
    WatchForQuit();
    Say("Input #0, avi, from 'clip.avi':\n  Duration: 00:01:00.00\n");
    for (int i = 1; i <= lines; ++i) {
        if (quitRequested) {
            if (quitMarker)
                std::ofstream(quitMarker) << "q\n";
            Say("\nExiting normally, received quit.\n");
            return 0;
        }
        char line[200];
        std::snprintf(line,
                      sizeof line,
                      "frame=%5d fps= 30 q=28.0 size=%8dkB time=00:00:%02d.00 bitrate= 80.0kbits/s "
                      "speed=1.00x    \r",
                      i * 30,
                      i * 10,
                      i);
        Say(line);
        SleepMs(intervalMs);
    }
    // The final report repeats the last values, as FFmpeg's does.
    SleepMs(2 * intervalMs);
    char report[200];
    std::snprintf(report,
                  sizeof report,
                  "frame=%5d fps= 30 q=-1.0 Lsize=%8dkB time=00:00:%02d.00 bitrate= 80.0kbits/s "
                  "speed=1.00x    \n",
                  lines * 30,
                  lines * 10,
                  lines);
    Say(report);
    Say("video:100kB audio:20kB subtitle:0kB other streams:0kB muxing overhead: 1.0%\n");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "progress" && argc > 3)
        return Progress(std::atoi(argv[2]), std::atoi(argv[3]), argc > 4 ? argv[4] : nullptr);
    if (mode == "fail" && argc > 3) {
        Say("frame=   10 fps=0.0 q=0.0 size=       1kB time=00:00:00.33 bitrate=N/A\r");
        Say(std::string(argv[3]) + "\n");
        return std::atoi(argv[2]);
    }
    if (mode == "crash" && argc > 2) {
        Say(std::string(argv[2]) + "\n");
#ifndef _WIN32
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
#endif
        std::signal(SIGSEGV, SIG_DFL);
        std::raise(SIGSEGV);
        return 0;
    }
    if (mode == "hang") {
        if (argc > 2 && std::string(argv[2]) == "ignore-term")
            std::signal(SIGTERM, SIG_IGN);
        Say("Opening the input, which takes for ever\n");
        for (;;)
            SleepMs(1000);
    }
    if (mode == "silent")
        return 0;
    if (mode == "closed-input" && argc > 2) {
        std::fclose(stdin);
#ifndef _WIN32
        ::close(0);
#endif
        SleepMs(std::atoi(argv[2]));
        Say("frame=   30 fps= 30 q=28.0 size=      10kB time=00:00:01.00 bitrate= 80.0kbits/s\r");
        return 0;
    }
    if (mode == "args" && argc > 2) {
        std::ofstream out(argv[2]);
        out << std::filesystem::current_path().string() << '\n';
        for (int i = 3; i < argc; ++i)
            out << argv[i] << '\n';
        return 0;
    }
    if ((mode == "truncated" || mode == "stuck") && argc > 2) {
        std::ofstream(argv[2], std::ios::binary) << std::string(4096, '\x5a');
        Say("frame=   30 fps= 30 q=28.0 size=       4kB time=00:00:01.00 bitrate= 80.0kbits/s\r");
        if (mode == "truncated")
            return 0;
        for (;;)
            SleepMs(1000);
    }
    Say("fake_encoder: unknown mode\n");
    return 2;
}
