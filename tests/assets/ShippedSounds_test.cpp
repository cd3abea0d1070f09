// The check of the sound blocks the generator writes (every block named SND_*): each is a wave
// the game can read, shorter than a second and long enough to hear, with a peak below full
// scale, no offset from zero and a soft beginning and end; together they stay small. And the
// wave reader's answers to damaged blocks.

#include "assets/BuiltInBlocks.h"
#include "assets/SoundBlocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace harvesta {
namespace {

constexpr double kFullScale = 32767.0;

std::vector<const detail::BuiltInBlock*> soundBlocks() {
    std::vector<const detail::BuiltInBlock*> blocks;
    for (const auto& block : detail::BuiltInBlocks())
        if (std::string(block.name).starts_with("SND_")) blocks.push_back(&block);
    return blocks;
}

TEST(ShippedSounds, EverySoundIsShortAudibleBelowFullScaleAndCentred) {
    const auto blocks = soundBlocks();
    ASSERT_GE(blocks.size(), 8u) << "landing, four chimes, game over, fanfare, tick";
    std::size_t decodedBytes = 0;
    for (const auto* block : blocks) {
        SCOPED_TRACE(block->name);
        std::string error;
        const auto sound = DecodeWave(block->Bytes(), error);
        ASSERT_TRUE(sound) << error;
        const auto& s = sound->Samples;
        decodedBytes += s.size() * sizeof(std::int16_t);
        const double seconds = static_cast<double>(s.size()) / sound->Rate;
        EXPECT_GE(seconds, 0.02);
        EXPECT_LT(seconds, 1.0);

        double peak = 0, sum = 0;
        for (const std::int16_t v : s) {
            peak = std::max(peak, std::abs(static_cast<double>(v)));
            sum += v;
        }
        EXPECT_LT(peak, 0.9 * kFullScale) << "leaves room for sounds that meet";
        EXPECT_GT(peak, 0.1 * kFullScale) << "too quiet to hear";
        EXPECT_LT(std::abs(sum / static_cast<double>(s.size())), 0.001 * kFullScale)
            << "offset from zero";

        // No sound starts or stops with a jump: the first and last millisecond stay soft.
        const std::size_t ms = static_cast<std::size_t>(sound->Rate / 1000);
        double head = 0, tail = 0;
        for (std::size_t i = 0; i < ms; ++i) {
            head = std::max(head, std::abs(static_cast<double>(s[i])));
            tail = std::max(tail, std::abs(static_cast<double>(s[s.size() - 1 - i])));
        }
        EXPECT_LT(head, 0.25 * peak) << "a hard attack";
        EXPECT_LT(tail, 0.05 * peak) << "cut off at the end";
    }
    EXPECT_LE(decodedBytes, 1u << 20);
}

// A block of RIFF chunks, written out field by field so that a test can spoil any of them.
struct Bytes {
    std::vector<std::uint8_t> out;
    Bytes& tag(const char* t) {
        out.insert(out.end(), t, t + 4);
        return *this;
    }
    Bytes& put(std::uint64_t v, int bytes) { // little-endian; bytes past v's are 0
        for (int i = 0; i < bytes; ++i, v >>= 8)
            out.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    Bytes& samples(std::initializer_list<int> values) {
        for (const int v : values)
            put(static_cast<std::uint32_t>(v), 2);
        return *this;
    }
    // A format chunk: encoding, channels, rate, bytes per frame, bits per sample.
    Bytes& format(std::uint32_t rate = 22050, int encoding = 1, int channels = 1, int frame = 2,
                  int bits = 16) {
        tag("fmt ").put(16, 4).put(encoding, 2).put(channels, 2).put(rate, 4);
        return put(rate * frame, 4).put(frame, 2).put(bits, 2);
    }
    // A chunk the reader does not know, of an odd size: a pad byte follows unless cut.
    Bytes& other(const char* name, bool pad = true) {
        tag(name).put(3, 4).put(0x7F7F7F, 3);
        return pad ? put(0, 1) : *this;
    }
};

Bytes riff() {
    Bytes b;
    b.tag("RIFF").put(0, 4).tag("WAVE");
    return b;
}

constexpr std::initializer_list<int> kSamples = {7, 1, -1, 32767, -32768, 258};

TEST(ShippedSounds, WavesAreReadSampleForSampleWhateverOtherChunksTheyCarry) {
    const struct {
        const char* layout;
        std::vector<std::uint8_t> bytes;
        int rate;
    } cases[] = {
        {"format and data", riff().format().tag("data").put(12, 4).samples(kSamples).out, 22050},
        {"odd-sized chunks before the format and the data",
         riff().other("LIST").format(8000).other("junk").tag("data").put(12, 4).samples(kSamples).out,
         8000},
        {"the highest rate", riff().format(192000).tag("data").put(12, 4).samples(kSamples).out,
         192000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        std::string error;
        const auto sound = DecodeWave(c.bytes, error);
        ASSERT_TRUE(sound) << error;
        EXPECT_EQ(sound->Rate, c.rate);
        EXPECT_EQ(sound->Samples, std::vector<std::int16_t>(kSamples.begin(), kSamples.end()));
    }
}

TEST(ShippedSounds, DamagedWavesAreRefusedWithTheirOwnReason) {
    const auto data = [](Bytes b) { return b.tag("data").put(4, 4).samples({5, -5}).out; };
    const struct {
        const char* fault;
        std::vector<std::uint8_t> bytes;
        const char* error;
    } cases[] = {
        {"empty block", {}, "not a RIFF wave"},
        {"only the first tag", Bytes().tag("RIFF").out, "not a RIFF wave"},
        {"the first tag and three bytes", Bytes().tag("RIFF").put(0, 3).out, "not a RIFF wave"},
        {"the form's tag cut short", Bytes().tag("RIFF").put(0, 4).put(0x564157, 3).out,
         "not a RIFF wave"},
        {"the form's tag where the size belongs", Bytes().tag("RIFX").tag("WAVE").out,
         "not a RIFF wave"},
        {"nothing after the form's tag", riff().out, "no format chunk"},
        {"another first tag", Bytes().tag("RIFX").put(0, 4).tag("WAVE").out, "not a RIFF wave"},
        {"another form", Bytes().tag("RIFF").put(0, 4).tag("WAVX").out, "not a RIFF wave"},
        {"format chunk cut short", riff().tag("fmt ").put(16, 4).out,
         "a chunk runs past the end of the block"},
        {"data longer than the block", riff().format().tag("data").put(4000, 4).samples({1}).out,
         "a chunk runs past the end of the block"},
        {"short format chunk", data(riff().tag("fmt ").put(14, 4).put(1, 2).put(1, 2).put(0, 10)),
         "the format chunk is too short"},
        {"format chunk one byte short",
         data(riff().tag("fmt ").put(15, 4).put(1, 2).put(1, 2).put(22050, 4).put(0, 7).put(0, 1)),
         "the format chunk is too short"},
        {"floating-point samples", data(riff().format(22050, 3)),
         "not 16-bit PCM with one channel"},
        {"two channels", data(riff().format(22050, 1, 2)), "not 16-bit PCM with one channel"},
        {"four-byte frames", data(riff().format(22050, 1, 1, 4)),
         "not 16-bit PCM with one channel"},
        {"8-bit samples", data(riff().format(22050, 1, 1, 2, 8)),
         "not 16-bit PCM with one channel"},
        {"rate below 8000", data(riff().format(7999)), "a sample rate out of range"},
        {"rate above 192000", data(riff().format(192001)), "a sample rate out of range"},
        {"samples before their format", riff().tag("data").put(2, 4).samples({1}).format().out,
         "samples before their format"},
        {"empty data", riff().format().tag("data").put(0, 4).out, "no samples"},
        {"no data chunk", riff().format().other("LIST").out, "no samples"},
        {"a last chunk without its pad byte", riff().format().other("LIST", false).out,
         "no samples"},
        {"seven stray bytes at the end", riff().format().put(0x1234567, 4).put(0, 3).out,
         "no samples"},
        {"no format chunk", riff().other("LIST").out, "no format chunk"},
    };
    for (const auto& c : cases) {
        // Exactly the block's bytes: a read past its end is caught by the sanitizer build.
        const auto block = std::make_unique<std::uint8_t[]>(c.bytes.size());
        std::copy(c.bytes.begin(), c.bytes.end(), block.get());
        std::string error;
        EXPECT_FALSE(DecodeWave({block.get(), c.bytes.size()}, error)) << c.fault;
        EXPECT_EQ(error, c.error) << c.fault;
    }
}

} // namespace
} // namespace harvesta
