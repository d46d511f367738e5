#pragma once
// The audio half of a row: the encoder, the FIFO that cuts converted samples into
// encoder frames, and the resampler from a source's layout, rate and sample format
// to the encoder's. Worker thread only.

#include "engine/EncodeStage.h"
#include "engine/FfmpegPtr.h"
#include "engine/OutputFile.h"

#include <cstdint>
#include <limits>

class AVConvert;

namespace audio {

// Opens the encoder named by job.audioCodecId with the job's bit rate, sample rate
// and channel count. The sample format is the source's when the encoder takes it,
// otherwise the encoder's first. nullptr when there is no encoder or it refuses.
ffmpeg::CodecContext openEncoder(const AVConvert& job, AVSampleFormat sourceFormat, bool globalHeader,
                                 const char* containerName);

struct AudioOutput {
    AVStream* stream = nullptr;  // owned by the muxer
    ffmpeg::CodecContext encoder;
    ffmpeg::AudioFifo fifo;
    ffmpeg::Frame frame;  // one encoder frame, refilled for every call
    ffmpeg::Packet packet = ffmpeg::makePacket();
    int frameSamples = 0;           // samples per encoder call
    bool variableFrames = false;    // the encoder takes any number of samples per call
    std::int64_t samplesSent = 0;   // handed to the encoder: the audio clock
    bool drained = false;
    // When set, the encoder runs on the stage's thread and this thread writes the
    // packets it returns; an encoder error shows at a later call. Declared after the
    // encoder: it stops before the encoder goes.
    std::unique_ptr<pipeline::EncodeStage> stage;

    // Makes the FIFO and the frame for an opened encoder; false on allocation failure.
    bool prepare();
    // Seconds handed to the encoder (the audio clock) / also counting the FIFO.
    double clock() const;
    double queuedClock() const;
};

// Encodes every whole encoder frame waiting in the FIFO (variable-size encoders:
// everything) that ends by untilSeconds on the audio clock; the rest stays queued.
// Negative when the encoder failed or a packet write failed.
int encodeQueued(AudioOutput& out, output::OutputFile& file,
                 double untilSeconds = std::numeric_limits<double>::infinity());

// Appends silence until the queued sound reaches timelineSeconds, encoding as it
// goes (up to encodeUntilSeconds) so a long gap never sits in memory.
// Negative when the encoder failed or a packet write failed.
int padWithSilence(AudioOutput& out, output::OutputFile& file, double timelineSeconds,
                   double encodeUntilSeconds = std::numeric_limits<double>::infinity());

// Drops queued samples beyond timelineSeconds. Sound already handed to the
// encoder stays.
void trimQueued(AudioOutput& out, double timelineSeconds);

// End of the stream: encodes the rest of the FIFO as a short last frame (or padded
// with silence when the encoder needs whole frames) and drains the encoder.
// Negative when a packet write failed.
int flushAndDrain(AudioOutput& out, output::OutputFile& file);

// Converts decoded frames of one source into the encoder's format and appends them
// to the FIFO. Rebuilds itself when the frames' layout, rate or format changes.
// Fewer channels out than in are mixed with a matrix scaled so no sample clips; a
// layout the standard matrices do not know (no channel mask, an unusual order)
// is spread evenly over the output channels rather than lost.
class Resampler {
public:
    Resampler() = default;
    ~Resampler() { av_channel_layout_uninit(&m_inLayout); }
    Resampler(const Resampler&) = delete;
    Resampler& operator=(const Resampler&) = delete;

    // skipSamples: leading samples of the frame left out (a frame straddling the
    // clip start). False when the frame cannot be converted: the row has failed.
    bool push(const AVFrame& decoded, AudioOutput& out, int skipSamples = 0);
    // Appends what the converter still holds back (its filter delay).
    void flush(AudioOutput& out);

private:
    bool configure(const AVFrame& decoded, const AVCodecContext& encoder);
    bool initialise(const AVChannelLayout& inLayout, const AVFrame& decoded, const AVCodecContext& encoder,
                    bool evenMatrix);
    bool convert(const std::uint8_t** input, int inputSamples, AudioOutput& out);

    ffmpeg::Swr m_swr;
    AVChannelLayout m_inLayout{};
    int m_inRate = 0;
    int m_inFormat = -1;
    ffmpeg::Frame m_scratch;  // converted samples before they enter the FIFO
};

}  // namespace audio
