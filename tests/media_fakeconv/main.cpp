// Stands in for ffmpeg where a test needs a converter that the real one cannot be made to be.
// The behaviour comes from the environment variable TAVREL_FAKE_MODE:
//   hang    creates the output file, then reports progress every 100 ms and never ends
//   silent  creates the output file, prints nothing for 1.5 s, then ends successfully
//   crash   prints one error line and aborts
// The output file is the last argument (with ffmpeg's "file:" prefix).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

void CreateOutput(int argc, char **argv)
{
    if (argc < 2)
        return;
    std::string path = argv[argc - 1];
    if (path.rfind("file:", 0) == 0)
        path = path.substr(5);
    if (FILE *file = std::fopen(path.c_str(), "wb")) {
        std::fputs("partial output", file);
        std::fclose(file);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const char *modeText = std::getenv("TAVREL_FAKE_MODE");
    const std::string mode = modeText ? modeText : "";
    if (mode == "crash") {
        std::fputs("fake converter: the decoder fell over\n", stderr);
        std::fflush(stderr);
        std::abort();
    }
    CreateOutput(argc, argv);
    if (mode == "silent") {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        std::printf("out_time_us=1000000\nprogress=end\n");
        return 0;
    }
    for (long long micros = 0;; micros += 100000) {
        std::printf("frame=1\nout_time_us=%lld\nprogress=continue\n", micros);
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}
