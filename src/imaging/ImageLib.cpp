#include "imaging/ImageLib.h"

#include "assets/ResourceStore.h"
#include "imaging/ImageProcessing.h"
#include "platform/Platform.h"

#include <cassert>
#include <string>

namespace harvesta {

namespace {

void reportLoadError(std::string_view name, std::string_view reason) {
    std::string text = "Error loading image\r\n";
    text += name;
    if (!reason.empty()) {
        text += "\r\n";
        text += reason;
    }
    platform::ShowMessage(
        {text, "Error", platform::MessageIcon::None, platform::MessageButtons::Ok});
}

} // namespace

bool LoadPicture(TRGBPicture& picture, std::string_view name, double scale) {
    assert(scale > 0);
    const auto block = FindResourceBlock(name);
    if (block.empty()) {
        MakeEmptyPicture(picture);
        reportLoadError(name, {});
        return false;
    }
    // Decoded once, straight from the block, at its scaled size.
    BitmapDecodeResult decoded = DecodeBitmapBlock(block, scale);
    if (!decoded.ok()) {
        MakeEmptyPicture(picture);
        reportLoadError(name, decoded.error);
        return false;
    }
    picture.Bits = std::move(decoded.picture.Bits);
    picture.Width = decoded.picture.Width;
    picture.Height = decoded.picture.Height;
    picture.KeyR = decoded.picture.KeyR;
    picture.KeyG = decoded.picture.KeyG;
    picture.KeyB = decoded.picture.KeyB;
    picture.Tolerance = 0;
    return true;
}

std::int32_t TListOfImages::LoadImage(std::string_view name) {
    if (name.empty()) return -1;
    auto& picture = Items.emplace_back(std::make_unique<TRGBPicture>());
    picture->Name = std::string(name);
    LoadPicture(*picture, name, Scale);
    return std::int32_t(Items.size()) - 1;
}

std::int32_t TListOfImages::AddBlank(std::int32_t width, std::int32_t height, BgrColor colour) {
    auto picture = CreatePicture(width, height, colour);
    if (!picture) return -1;
    Items.push_back(std::move(picture));
    return std::int32_t(Items.size()) - 1;
}

bool TListOfImages::IsOpaqueAt(std::int32_t picture, std::int32_t x, std::int32_t y) const {
    const TRGBPicture* p = At(picture);
    if (!p || x < 1 || y < 1 || x > p->Width || y > p->Height) return false;
    const std::uint32_t c = PixelAt(*p, x, y).value;
    const std::int32_t b = std::int32_t(c & 0xFF), g = std::int32_t(c >> 8 & 0xFF),
                       r = std::int32_t(c >> 16 & 0xFF);
    // Wide arithmetic: the tolerance and key are public fields and may hold anything.
    const std::int64_t t = p->Tolerance;
    // Not "near": the Windows headers define near and far as macros.
    const auto matches = [t](std::int64_t v, std::int64_t key) {
        return key - t <= v && v <= key + t;
    };
    return !(matches(r, p->KeyR) && matches(g, p->KeyG) && matches(b, p->KeyB));
}

} // namespace harvesta
