#include "assets/SoundBlocks.h"

#include <cstring>

namespace harvesta {

namespace {

// Reads little-endian fields and never past the end of its bytes.
class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool Has(std::size_t count) const { return bytes_.size() - at_ >= count; }
    bool Tag(const char (&tag)[5]) {
        if (!Has(4) || std::memcmp(bytes_.data() + at_, tag, 4) != 0) return false;
        at_ += 4;
        return true;
    }
    std::uint32_t U16() {
        const std::uint32_t v = bytes_[at_] | (bytes_[at_ + 1] << 8);
        at_ += 2;
        return v;
    }
    std::uint32_t U32() { return U16() | (U16() << 16); }
    void Skip(std::size_t count) { at_ += count; }
    std::size_t At() const { return at_; }
    std::span<const std::uint8_t> Bytes() const { return bytes_; }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

} // namespace

std::optional<TDecodedSound> DecodeWave(std::span<const std::uint8_t> bytes, std::string& error) {
    Reader in(bytes);
    const bool riff = in.Tag("RIFF") && in.Has(4);
    if (riff) in.Skip(4); // the whole's size: the chunks' own sizes are what count
    if (!riff || !in.Tag("WAVE")) {
        error = "not a RIFF wave";
        return std::nullopt;
    }
    TDecodedSound sound;
    bool haveFormat = false;
    while (in.Has(8)) {
        const bool isFormat = in.Tag("fmt ");
        const bool isData = !isFormat && in.Tag("data");
        if (!isFormat && !isData) in.Skip(4);
        const std::uint32_t size = in.U32();
        if (!in.Has(size)) {
            error = "a chunk runs past the end of the block";
            return std::nullopt;
        }
        const std::size_t next = in.At() + size + (size & 1);
        if (isFormat) {
            if (size < 16) {
                error = "the format chunk is too short";
                return std::nullopt;
            }
            const std::uint32_t encoding = in.U16(), channels = in.U16(), rate = in.U32();
            in.U32(); // bytes per second
            const std::uint32_t frameBytes = in.U16(), bits = in.U16();
            if (encoding != 1 || channels != 1 || bits != 16 || frameBytes != 2) {
                error = "not 16-bit PCM with one channel";
                return std::nullopt;
            }
            if (rate < 8000 || rate > 192000) {
                error = "a sample rate out of range";
                return std::nullopt;
            }
            sound.Rate = static_cast<int>(rate);
            haveFormat = true;
        } else if (isData) {
            if (!haveFormat) {
                error = "samples before their format";
                return std::nullopt;
            }
            const std::uint8_t* data = in.Bytes().data() + in.At();
            sound.Samples.resize(size / 2);
            for (std::size_t i = 0; i < sound.Samples.size(); ++i)
                sound.Samples[i] = static_cast<std::int16_t>(data[2 * i] | (data[2 * i + 1] << 8));
            if (sound.Samples.empty()) {
                error = "no samples";
                return std::nullopt;
            }
            return sound;
        }
        if (next > in.Bytes().size()) break;
        in.Skip(next - in.At());
    }
    error = haveFormat ? "no samples" : "no format chunk";
    return std::nullopt;
}

} // namespace harvesta
