#include "assets/ResourceToStream.h"

#include "assets/ResourceStore.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace harvesta {
namespace {

using platform::MessageRequest;

// Records every message box instead of showing it.
class ResourceToStreamTest : public ::testing::Test {
  protected:
    std::vector<MessageRequest> messages;
    platform::ScopedMessageHandler handler{[this](const MessageRequest& request) {
        messages.push_back(request);
        return platform::MessageAnswer::Ok;
    }};
};

std::vector<std::uint8_t> bytesOf(std::span<const std::uint8_t> span) {
    return {span.begin(), span.end()};
}

std::vector<std::uint8_t> patternBlock(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return bytes;
}

TEST(TMemoryStream, WritesAtThePositionAndGrows) {
    TMemoryStream stream;
    const std::uint8_t abc[] = {'a', 'b', 'c'};
    EXPECT_EQ(stream.Write(abc), 3u);
    stream.SetPosition(1);
    const std::uint8_t xy[] = {'x', 'y', 'z'};
    EXPECT_EQ(stream.Write(xy), 3u);
    EXPECT_EQ(stream.Position(), 4u);
    EXPECT_EQ(bytesOf(stream.Data()), (std::vector<std::uint8_t>{'a', 'x', 'y', 'z'}));
    stream.Clear();
    EXPECT_EQ(stream.Size(), 0u);
    EXPECT_EQ(stream.Position(), 0u);
}

TEST(TMemoryStream, AWritePastTheEndFillsTheGapWithZeros) {
    TMemoryStream stream;
    stream.SetPosition(2);
    const std::uint8_t one[] = {9};
    stream.Write(one);
    EXPECT_EQ(bytesOf(stream.Data()), (std::vector<std::uint8_t>{0, 0, 9}));
}

TEST(TMemoryStream, ReadsFromThePositionUpToTheEnd) {
    TMemoryStream stream;
    const std::uint8_t abcd[] = {1, 2, 3, 4};
    stream.Write(abcd);
    stream.Seek(-3, TMemoryStream::SeekOrigin::End);
    std::uint8_t out[8] = {};
    EXPECT_EQ(stream.Read(out), 3u);
    EXPECT_EQ(stream.Position(), 4u);
    EXPECT_EQ(out[0], 2);
    EXPECT_EQ(out[2], 4);
    EXPECT_EQ(stream.Read(out), 0u);
}

TEST(TMemoryStream, SeekFromEachOriginAndNeverBeforeTheStart) {
    TMemoryStream stream;
    stream.SetSize(10);
    EXPECT_EQ(stream.Seek(4, TMemoryStream::SeekOrigin::Begin), 4u);
    EXPECT_EQ(stream.Seek(2, TMemoryStream::SeekOrigin::Current), 6u);
    EXPECT_EQ(stream.Seek(-1, TMemoryStream::SeekOrigin::End), 9u);
    EXPECT_EQ(stream.Seek(3, TMemoryStream::SeekOrigin::Begin), 3u); // not from position 9
    EXPECT_EQ(stream.Seek(-20, TMemoryStream::SeekOrigin::Current), 0u);
}

TEST(TMemoryStream, ACapacityLimitMakesWritesShort) {
    TMemoryStream stream;
    stream.SetCapacityLimit(5);
    const std::vector<std::uint8_t> eight(8, 1);
    EXPECT_EQ(stream.Write(eight), 5u);
    EXPECT_EQ(stream.Write(eight), 0u);
    EXPECT_EQ(stream.Size(), 5u);
}

TEST(TMemoryStream, AWriteLimitCapsEachWrite) {
    TMemoryStream stream;
    stream.SetWriteLimit(3);
    const std::vector<std::uint8_t> eight(8, 1);
    EXPECT_EQ(stream.Write(eight), 3u);
    EXPECT_EQ(stream.Write(eight), 3u);
    EXPECT_EQ(stream.Size(), 6u);
}

TEST_F(ResourceToStreamTest, CopiesTheManualPageAndRewinds) {
    TMemoryStream stream;
    ASSERT_TRUE(ResourceToStream("help_file", stream));
    EXPECT_EQ(stream.Size(), 1298u);
    EXPECT_EQ(stream.Position(), 0u);
    EXPECT_EQ(bytesOf(stream.Data()), bytesOf(FindResourceBlock("HELP_FILE")));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ResourceToStreamTest, BothClosePicturesArriveWhateverTheCase) {
    for (const char* name : {"stop", "stop_gray", "STOP", "Stop_Gray"}) {
        TMemoryStream stream;
        EXPECT_TRUE(ResourceToStream(name, stream)) << name;
        EXPECT_EQ(bytesOf(stream.Data()), bytesOf(FindResourceBlock(name))) << name;
        EXPECT_EQ(stream.Position(), 0u) << name;
    }
}

TEST_F(ResourceToStreamTest, AMissingNameGivesFalseAnEmptyRewoundStreamAndNoMessage) {
    TMemoryStream stream;
    EXPECT_FALSE(ResourceToStream("no_such_block", stream));
    EXPECT_EQ(stream.Size(), 0u);
    EXPECT_EQ(stream.Position(), 0u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ResourceToStreamTest, AMissingNameStillRewindsAStreamThatHoldsBytes) {
    TMemoryStream stream;
    const std::uint8_t old[] = {5, 6};
    stream.Write(old);
    EXPECT_FALSE(ResourceToStream("no_such_block", stream));
    EXPECT_EQ(stream.Size(), 2u);
    EXPECT_EQ(stream.Position(), 0u);
}

TEST_F(ResourceToStreamTest, AnEmptyBlockCountsAsMissing) {
    ScopedTestResource empty("empty_block", {});
    TMemoryStream stream;
    EXPECT_FALSE(ResourceToStream("EMPTY_BLOCK", stream));
    EXPECT_EQ(stream.Size(), 0u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ResourceToStreamTest, AStreamHoldingBytesGetsTheBlockAtItsPositionAndIsRewound) {
    TMemoryStream stream;
    const std::uint8_t earlier[] = {'o', 'l', 'd', '!'};
    stream.Write(earlier);
    stream.SetPosition(3);
    ASSERT_TRUE(ResourceToStream("stop", stream));

    const auto block = FindResourceBlock("stop");
    EXPECT_EQ(stream.Position(), 0u);
    EXPECT_EQ(stream.Size(), 3 + block.size());
    std::vector<std::uint8_t> expected = {'o', 'l', 'd'};
    expected.insert(expected.end(), block.begin(), block.end());
    EXPECT_EQ(bytesOf(stream.Data()), expected);
}

TEST_F(ResourceToStreamTest, ABlockOverTwoHundredThousandBytesArrivesWholeInPieces) {
    const auto big = patternBlock(450'001);
    ScopedTestResource block("big_block", big);
    TMemoryStream stream;
    // A stream that stores at most 200,000 bytes per write still gets everything, so the copy
    // goes in pieces no larger than that.
    stream.SetWriteLimit(200'000);
    ASSERT_TRUE(ResourceToStream("Big_Block", stream));
    EXPECT_EQ(bytesOf(stream.Data()), big);
    EXPECT_EQ(stream.Position(), 0u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ResourceToStreamTest, AShortWriteShowsTheMessageStopsAndStillRewinds) {
    const auto big = patternBlock(450'000);
    ScopedTestResource block("big_block", big);
    TMemoryStream stream;
    stream.SetCapacityLimit(250'000);
    EXPECT_TRUE(ResourceToStream("big_block", stream));

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "WRITE TO FILE: Error ");
    EXPECT_EQ(messages[0].caption, "Error");
    EXPECT_EQ(messages[0].icon, platform::MessageIcon::Error);
    EXPECT_EQ(messages[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(stream.Position(), 0u);
    EXPECT_EQ(stream.Size(), 250'000u);
    EXPECT_TRUE(std::equal(big.begin(), big.begin() + 250'000, stream.Data().begin()));
}

TEST_F(ResourceToStreamTest, AShortFirstPieceStopsTheCopyAtOnce) {
    const auto big = patternBlock(450'000);
    ScopedTestResource block("big_block", big);
    TMemoryStream stream;
    // One byte short of a whole piece of 200,000: the pieces are no smaller than that either.
    stream.SetWriteLimit(199'999);
    EXPECT_TRUE(ResourceToStream("big_block", stream));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(stream.Size(), 199'999u);
    EXPECT_EQ(stream.Position(), 0u);
}

} // namespace
} // namespace harvesta
