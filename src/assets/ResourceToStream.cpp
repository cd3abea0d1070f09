#include "assets/ResourceToStream.h"

#include "assets/ResourceStore.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstring>

namespace harvesta {

void TMemoryStream::SetSize(std::size_t size) {
    bytes_.resize(size);
}

void TMemoryStream::Clear() {
    bytes_.clear();
    position_ = 0;
}

std::size_t TMemoryStream::Write(std::span<const std::uint8_t> bytes) {
    const std::size_t room = position_ < capacityLimit_ ? capacityLimit_ - position_ : 0;
    const std::size_t count = std::min({bytes.size(), room, writeLimit_});
    if (count == 0) return 0;
    if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
    std::memcpy(bytes_.data() + position_, bytes.data(), count);
    position_ += count;
    return count;
}

std::size_t TMemoryStream::Read(std::span<std::uint8_t> bytes) {
    if (position_ >= bytes_.size()) return 0;
    const std::size_t count = std::min(bytes.size(), bytes_.size() - position_);
    std::memcpy(bytes.data(), bytes_.data() + position_, count);
    position_ += count;
    return count;
}

std::size_t TMemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
    std::int64_t base = 0;
    switch (origin) {
    case SeekOrigin::Begin: base = 0; break;
    case SeekOrigin::Current: base = static_cast<std::int64_t>(position_); break;
    case SeekOrigin::End: base = static_cast<std::int64_t>(bytes_.size()); break;
    }
    position_ = static_cast<std::size_t>(std::max<std::int64_t>(base + offset, 0));
    return position_;
}

bool ResourceToStream(std::string_view name, TMemoryStream& stream) {
    const std::span<const std::uint8_t> block = FindResourceBlock(name);
    const bool found = !block.empty();
    for (std::size_t done = 0; done < block.size();) {
        const std::size_t piece = std::min(block.size() - done, kResourcePieceSize);
        if (stream.Write(block.subspan(done, piece)) < piece) {
            platform::ShowMessage({.text = "WRITE TO FILE: Error ",
                                   .caption = "Error",
                                   .icon = platform::MessageIcon::Error,
                                   .buttons = platform::MessageButtons::Ok});
            break;
        }
        done += piece;
    }
    stream.SetPosition(0);
    return found;
}

} // namespace harvesta
