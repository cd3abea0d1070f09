// libFuzzer target over picture-block decoding (plain bitmap or zlib stream).

#include "imaging/ImageProcessing.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace harvesta;
    const BitmapDecodeResult result = DecodeBitmapBlock({data, size});
    const TRGBPicture& p = result.picture;
    // Whatever came in, the picture must be consistent and safe to read.
    const std::size_t pixelBytes = std::size_t(p.Width) * std::size_t(p.Height) * 3;
    if (p.Width < 0 || p.Height < 0 || p.Bits.size() != pixelBytes + kPictureSpareBytes)
        std::abort();
    if (!result.ok() && (p.Width != 0 || p.Height != 0)) std::abort();
    volatile std::uint8_t sink = 0;
    for (std::size_t i = 0; i < pixelBytes; i += 97) sink = sink ^ p.Bits[i];
    if (p.Width > 0) ScalePicture(const_cast<TRGBPicture&>(p), p.Width / 2 + 1, 3);
    return 0;
}
