#include "assets/ResourceStore.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace harvesta {

namespace {

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
        return std::toupper(x) == std::toupper(y);
    });
}

std::map<std::string, std::vector<std::uint8_t>>& testBlocks() {
    static std::map<std::string, std::vector<std::uint8_t>> blocks;
    return blocks;
}

} // namespace

std::span<const std::uint8_t> FindResourceBlock(std::string_view name) {
    for (const auto& [blockName, bytes] : testBlocks())
        if (sameNameIgnoringCase(blockName, name)) return bytes;
    // The built-in table arrives with the embedded assets.
    return {};
}

ScopedTestResource::ScopedTestResource(std::string name, std::vector<std::uint8_t> bytes)
    : name_(std::move(name)) {
    testBlocks()[name_] = std::move(bytes);
}

ScopedTestResource::~ScopedTestResource() { testBlocks().erase(name_); }

} // namespace harvesta
