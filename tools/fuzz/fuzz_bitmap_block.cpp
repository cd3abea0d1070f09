// libFuzzer target over picture-block decoding (plain bitmap or zlib stream): as a 24-bit
// picture, scaled in the decoding pass, and as 32-bit words.

#include "imaging/ImageProcessing.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace harvesta;
    for (const double scale : {1.0, 1.4}) {
        const BitmapDecodeResult result = DecodeBitmapBlock({data, size}, scale);
        const TRGBPicture& p = result.picture;
        // Whatever came in, the picture must be consistent and safe to read.
        const std::size_t pixelBytes = std::size_t(p.Width) * std::size_t(p.Height) * 3;
        if (p.Width < 0 || p.Height < 0 || p.Bits.size() != pixelBytes + kPictureSpareBytes)
            std::abort();
        if (!result.ok() && (p.Width != 0 || p.Height != 0)) std::abort();
        volatile std::uint8_t sink = 0;
        for (std::size_t i = 0; i < pixelBytes; i += 97)
            sink = sink ^ p.Bits[i];
        if (p.Width > 0) ScalePicture(const_cast<TRGBPicture&>(p), p.Width / 2 + 1, 3);
    }
    // The words decoder writes exactly the rows it was given.
    std::vector<std::uint32_t> words;
    std::size_t asked = 0;
    const std::string error = DecodeBitmapBlockToWords(
        {data, size}, SeeThrough::BottomLeftColour,
        [&](std::int32_t w, std::int32_t h, std::size_t& stride) -> std::uint32_t* {
            if (w <= 0 || h <= 0) std::abort();
            stride = std::size_t(w);
            asked = stride * std::size_t(h);
            words.resize(asked);
            return words.data();
        });
    if (error.empty() && asked == 0) std::abort();
    return 0;
}
