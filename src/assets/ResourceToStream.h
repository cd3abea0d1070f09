#pragma once
// Copying a named resource block into a memory stream, for the callers that hand the bytes
// on whole: the main window's close picture and the manual page.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

namespace harvesta {

// A growable block of bytes with a read/write position: the memory stream that the manual
// page and the close picture are copied into. Writing at the position overwrites and grows the
// block; the position may stand past the end, and a write there fills the gap with zeros.
class TMemoryStream {
  public:
    enum class SeekOrigin { Begin, Current, End };

    std::size_t Position() const { return position_; }
    void SetPosition(std::size_t position) { position_ = position; }
    std::size_t Size() const { return bytes_.size(); }
    // Cuts or zero-extends the block; the position stays where it is.
    void SetSize(std::size_t size);
    void Clear();

    // Stores the bytes at the position and advances it; returns how many were stored, which
    // is fewer than asked only when a limit below stops the stream.
    std::size_t Write(std::span<const std::uint8_t> bytes);
    // Reads up to bytes.size() bytes from the position and advances it; returns the count.
    std::size_t Read(std::span<std::uint8_t> bytes);
    // Moves the position and returns it; a target before the start lands at 0.
    std::size_t Seek(std::int64_t offset, SeekOrigin origin);

    // The whole block, from position 0.
    std::span<const std::uint8_t> Data() const { return bytes_; }

    // For tests that need a stream which accepts fewer bytes than asked, as a full disk
    // would: the block never grows past `maxSize` bytes ...
    void SetCapacityLimit(std::size_t maxSize) { capacityLimit_ = maxSize; }
    // ... and one Write stores at most `maxBytes` bytes.
    void SetWriteLimit(std::size_t maxBytes) { writeLimit_ = maxBytes; }

  private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
    std::size_t capacityLimit_ = std::numeric_limits<std::size_t>::max();
    std::size_t writeLimit_ = std::numeric_limits<std::size_t>::max();
};

// Largest piece ResourceToStream hands to one Write.
inline constexpr std::size_t kResourcePieceSize = 200'000;

// Copies the block of that name (letter case ignored) into the stream at its position, in
// pieces of at most kResourcePieceSize bytes, then rewinds the stream to 0 in every case.
// True when the block exists with a length above 0. A short write stops the copy and shows
// "WRITE TO FILE: Error "; the result is still true.
bool ResourceToStream(std::string_view name, TMemoryStream& stream);

} // namespace harvesta
