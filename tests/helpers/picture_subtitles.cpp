// Writes a Matroska file of one DVD (picture) subtitle stream, which ffmpeg cannot make from its
// generators: a white block across the middle half of the lowest quarter of a WIDTHxHEIGHT
// canvas, shown from 0 for SECONDS.
//   picture_subtitles OUTPUT WIDTH HEIGHT SECONDS

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: picture_subtitles OUTPUT WIDTH HEIGHT SECONDS\n");
        return 2;
    }
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    const int milliseconds = int(std::atof(argv[4]) * 1000);
    const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_DVD_SUBTITLE);
    AVCodecContext *encoder = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!encoder)
        return 1;
    encoder->width = width;
    encoder->height = height;
    encoder->time_base = {1, 1000};
    AVFormatContext *output = nullptr;
    if (avcodec_open2(encoder, codec, nullptr) < 0
        || avformat_alloc_output_context2(&output, nullptr, "matroska", argv[1]) < 0)
        return 1;
    AVStream *stream = avformat_new_stream(output, nullptr);
    avcodec_parameters_from_context(stream->codecpar, encoder);
    stream->time_base = {1, 1000};
    if (avio_open(&output->pb, argv[1], AVIO_FLAG_WRITE) < 0
        || avformat_write_header(output, nullptr) < 0)
        return 1;

    AVSubtitleRect rect = {};
    rect.type = SUBTITLE_BITMAP;
    rect.x = width / 4;
    rect.y = height * 3 / 4;
    rect.w = width / 2;
    rect.h = height / 8;
    rect.nb_colors = 4;
    std::vector<uint8_t> bitmap(size_t(rect.w) * rect.h, 1);
    uint32_t palette[4] = {0x00000000, 0xffffffff, 0xff000000, 0xff808080};
    rect.data[0] = bitmap.data();
    rect.linesize[0] = rect.w;
    rect.data[1] = reinterpret_cast<uint8_t *>(palette);
    AVSubtitleRect *rects[] = {&rect};
    AVSubtitle subtitle = {};
    subtitle.end_display_time = uint32_t(milliseconds);
    subtitle.num_rects = 1;
    subtitle.rects = rects;
    std::vector<uint8_t> buffer(1 << 20);
    const int size = avcodec_encode_subtitle(encoder, buffer.data(), int(buffer.size()), &subtitle);
    if (size <= 0)
        return 1;
    AVPacket *packet = av_packet_alloc();
    if (av_new_packet(packet, size) < 0)
        return 1;
    std::copy(buffer.begin(), buffer.begin() + size, packet->data);
    packet->pts = packet->dts = 0;
    packet->duration = milliseconds;
    packet->stream_index = 0;
    if (av_interleaved_write_frame(output, packet) < 0 || av_write_trailer(output) < 0)
        return 1;
    av_packet_free(&packet);
    avio_closep(&output->pb);
    avformat_free_context(output);
    avcodec_free_context(&encoder);
    return 0;
}
