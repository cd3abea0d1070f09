#pragma once
// Picture routines: decoding a bitmap block, row flip, nearest-neighbour resize, pixel read
// and blank pictures.

#include "imaging/mainImgTypes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace harvesta {

// Limits for blocks that come from outside: a picture larger than this many pixel bytes, or a
// compressed block that inflates past kMaxInflatedBytes, is refused rather than allocated.
inline constexpr std::size_t kMaxPictureBytes = 64u << 20;
inline constexpr std::size_t kMaxInflatedBytes = 64u << 20;

struct BitmapDecodeResult {
    TRGBPicture picture; // top-down, key colour = top-left pixel, tolerance 0; 0x0 on failure
    std::string error;   // empty on success, else what was wrong with the block
    bool ok() const { return error.empty(); }
};

// Decodes a picture block: a 24-bit uncompressed bitmap file image (rows bottom-up, padded to
// 4 bytes), or, when the block does not start with "BM", a zlib stream of one. Every read is
// bounds-checked; a block that is short, inconsistent or of another format gives an error.
// With a scale other than 1 the picture comes out as ScalePicture would make it at
// trunc(size / scale), in the same pass.
BitmapDecodeResult DecodeBitmapBlock(std::span<const std::uint8_t> block, double scale = 1.0);

// count pixels of three bytes (blue, green, red) as opaque 32-bit words 0xFFRRGGBB, the
// form 32-bit screens hold; reads exactly 3 * count bytes. Runs at memory speed.
void BgrToWords(const std::uint8_t* pixels, std::uint32_t* words, std::int32_t count);

// Where DecodeBitmapBlockToWords writes: asked once with the picture's size, it gives the top
// row and the distance between rows in words, or nullptr when there is no room.
using WordRowsSink =
    std::function<std::uint32_t*(std::int32_t width, std::int32_t height, std::size_t& stride)>;

enum class SeeThrough { None, BottomLeftColour };

// Decodes a picture block as DecodeBitmapBlock does, straight into 32-bit words
// 0xAARRGGBB, top row first: alpha 255, or, with SeeThrough::BottomLeftColour, the word 0 for
// every pixel of the bottom-left pixel's colour. Opaque or clear, the words read the same as
// premultiplied alpha. Returns what was wrong with the block, empty on success.
std::string DecodeBitmapBlockToWords(std::span<const std::uint8_t> block, SeeThrough seeThrough,
                                     const WordRowsSink& allocate);

// A 0x0 picture with a valid zero-filled spare block: safe to draw (draws nothing) and to scale.
void MakeEmptyPicture(TRGBPicture& picture);

// Reverses the order of the rows.
void FlipPicture(TRGBPicture& picture);

// Nearest-neighbour resize in place, sampling the far edge of each destination pixel's span.
// Key colour, tolerance and name stay.
void ScalePicture(TRGBPicture& picture, std::int32_t newWidth, std::int32_t newHeight);

// Colour of the pixel in column x, row y, both counted from 1; 0 outside the picture.
BgrColor PixelAt(const TRGBPicture& picture, std::int32_t x, std::int32_t y);

// Sets every pixel to colour.
void FillPicture(TRGBPicture& picture, BgrColor colour);

// A new picture of that size, every pixel set to colour (0 leaves it black); empty when the
// size is negative or too large to allocate. Key colour and tolerance are 0.
std::unique_ptr<TRGBPicture> CreatePicture(std::int32_t width, std::int32_t height,
                                           BgrColor colour);

} // namespace harvesta
