#pragma once
// The named blocks of bytes built into the executable: pictures, the manual page.
// Names are stored upper case and looked up without regard to letter case.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace harvesta {

// The block of that name, or an empty span when there is none (a block of length 0 counts
// as not found). The bytes stay valid and unchanged for the whole run.
std::span<const std::uint8_t> FindResourceBlock(std::string_view name);

// Adds a block that FindResourceBlock finds before the built-in ones while the guard lives.
// For tests that need blocks the game does not ship (corrupt pictures, very large blocks).
class ScopedTestResource {
  public:
    ScopedTestResource(std::string name, std::vector<std::uint8_t> bytes);
    ~ScopedTestResource();
    ScopedTestResource(const ScopedTestResource&) = delete;
    ScopedTestResource& operator=(const ScopedTestResource&) = delete;

  private:
    std::string name_;
};

} // namespace harvesta
