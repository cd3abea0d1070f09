#include "assets/ResourceStore.h"

#include "assets/BuiltInBlocks.h"

#include <algorithm>
#include <map>

namespace harvesta {

namespace {

// ASCII only: the names are identifiers, and the locale must not change what they match.
char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return upperAscii(x) == upperAscii(y); });
}

std::map<std::string, std::vector<std::uint8_t>>& testBlocks() {
    static std::map<std::string, std::vector<std::uint8_t>> blocks;
    return blocks;
}

} // namespace

std::span<const std::uint8_t> FindResourceBlock(std::string_view name) {
    // A test block shadows a built-in one of the same name, also when it is empty.
    for (const auto& [blockName, bytes] : testBlocks())
        if (sameNameIgnoringCase(blockName, name)) return bytes;
    for (const auto& block : detail::BuiltInBlocks())
        if (sameNameIgnoringCase(block.name, name)) return block.Bytes();
    return {};
}

ScopedTestResource::ScopedTestResource(std::string name, std::vector<std::uint8_t> bytes)
    : name_(std::move(name)) {
    testBlocks()[name_] = std::move(bytes);
}

ScopedTestResource::~ScopedTestResource() {
    testBlocks().erase(name_);
}

} // namespace harvesta
