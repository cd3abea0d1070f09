#include "assets/ResourceStore.h"

#include <gtest/gtest.h>

#include <string>

namespace harvesta {
namespace {

// Every name the game passes, spelled as its callers spell it (board, windows, manual).
const char* const kCallerNames[] = {"apple",     "watermelon", "lemon",        "cherry",   "orange",
                                    "peach",     "pear",       "pineapple",    "pumpkin",  "tomato",
                                    "pause",     "GameOver",   "scoresScreen", "iconmain", "stop",
                                    "stop_gray", "help_file"};

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

TEST(ResourceStore, FindsEveryNameCallersPassWhateverTheCase) {
    for (const char* name : kCallerNames) {
        const auto asCalled = FindResourceBlock(name);
        EXPECT_FALSE(asCalled.empty()) << name;
        const auto stored = FindResourceBlock(upper(name));
        EXPECT_EQ(asCalled.data(), stored.data()) << name;
        EXPECT_EQ(asCalled.size(), stored.size()) << name;
    }
}

TEST(ResourceStore, AnyMixOfCaseFindsTheSameBlock) {
    const auto expected = FindResourceBlock("STOP_GRAY");
    ASSERT_FALSE(expected.empty());
    for (const char* name : {"stop_gray", "Stop_Gray", "sToP_gRaY", "STOP_gray"})
        EXPECT_EQ(FindResourceBlock(name).data(), expected.data()) << name;
}

TEST(ResourceStore, OnlyTheLettersAToZFoldTheirCase) {
    ScopedTestResource block("AZ_[`{@", {1});
    EXPECT_FALSE(FindResourceBlock("az_[`{@").empty());
    // '{' and '`' are the lower-case neighbours of '[' and '@' and must not fold onto them.
    EXPECT_TRUE(FindResourceBlock("AZ_{`{@").empty());
    EXPECT_TRUE(FindResourceBlock("AZ_[@{@").empty());
    EXPECT_TRUE(FindResourceBlock("AZ_[`[@").empty());
}

TEST(ResourceStore, TheLayoutPicturesAreBlocksToo) {
    EXPECT_FALSE(FindResourceBlock("logo").empty());
    EXPECT_FALSE(FindResourceBlock("okglyph").empty());
}

TEST(ResourceStore, UnknownNamesFindNothing) {
    EXPECT_TRUE(FindResourceBlock("banana").empty());
    EXPECT_TRUE(FindResourceBlock("").empty());
    EXPECT_TRUE(FindResourceBlock("stop_gra").empty());
    EXPECT_TRUE(FindResourceBlock("stop_grayx").empty());
}

TEST(ResourceStore, TheSameNameAlwaysYieldsTheSameBytes) {
    EXPECT_EQ(FindResourceBlock("apple").data(), FindResourceBlock("apple").data());
}

TEST(ResourceStore, ATestBlockIsFoundWhileItsGuardLives) {
    {
        ScopedTestResource block("Extra_Block", {1, 2, 3});
        const auto bytes = FindResourceBlock("EXTRA_BLOCK");
        ASSERT_EQ(bytes.size(), 3u);
        EXPECT_EQ(bytes[2], 3);
    }
    EXPECT_TRUE(FindResourceBlock("extra_block").empty());
}

TEST(ResourceStore, AnEmptyBlockCountsAsNotFound) {
    ScopedTestResource empty("apple", {});
    EXPECT_TRUE(FindResourceBlock("APPLE").empty());
}

} // namespace
} // namespace harvesta
