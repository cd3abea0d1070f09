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

// A wave of 16-bit samples, one channel, with the fields a test wants to spoil.
std::vector<std::uint8_t> wave(int channels = 1, int bits = 16, std::uint32_t dataBytes = 8,
                               std::size_t actualData = 8) {
    std::vector<std::uint8_t> out;
    const auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    const auto tag = [&](const char* t) { out.insert(out.end(), t, t + 4); };
    tag("RIFF");
    put(36 + dataBytes, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);
    put(channels, 2);
    put(48000, 4);
    put(48000 * channels * bits / 8, 4);
    put(channels * bits / 8, 2);
    put(bits, 2);
    tag("data");
    put(dataBytes, 4);
    for (std::size_t i = 0; i < actualData; ++i)
        out.push_back(static_cast<std::uint8_t>(i * 37));
    return out;
}

std::vector<std::uint8_t> firstBytes(std::vector<std::uint8_t> bytes, std::size_t count) {
    bytes.resize(count);
    return bytes;
}

TEST(ShippedSounds, DamagedWavesAreRefusedWithAReason) {
    const struct {
        const char* fault;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"empty block", {}},
        {"not a wave", {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"header cut short", firstBytes(wave(), 20)},
        {"two channels", wave(2)},
        {"8-bit samples", wave(1, 8)},
        {"data longer than the block", wave(1, 16, 4000, 8)},
        {"no samples", wave(1, 16, 0, 0)},
        {"no data chunk", firstBytes(wave(), 36)},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(DecodeWave(c.bytes, error)) << c.fault;
        EXPECT_FALSE(error.empty()) << c.fault;
    }
    std::string error;
    const auto good = DecodeWave(wave(), error);
    ASSERT_TRUE(good) << error;
    EXPECT_EQ(good->Samples.size(), 4u);
    EXPECT_EQ(good->Rate, 48000);
}

} // namespace
} // namespace harvesta
