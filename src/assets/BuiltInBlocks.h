#pragma once
// The table of blocks built from assets/data (EmbedBlocks.cmake writes its definition at
// build time). Callers use FindResourceBlock; the check of the shipped assets walks it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace harvesta::detail {

struct BuiltInBlock {
    const char* name; // upper case
    const std::uint8_t* data;
    std::size_t size;

    std::span<const std::uint8_t> Bytes() const { return {data, size}; }
};

extern const BuiltInBlock kBuiltInBlocks[];
extern const std::size_t kBuiltInBlockCount;

inline std::span<const BuiltInBlock> BuiltInBlocks() {
    return {kBuiltInBlocks, kBuiltInBlockCount};
}

} // namespace harvesta::detail
