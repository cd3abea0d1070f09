#pragma once
// The image list: pictures loaded by name from the built-in resources, shrunk by a common
// divisor, and blank pictures; layers and the board refer to them by index.

#include "imaging/mainImgTypes.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace harvesta {

// Fills picture from the resource block of that name (letter case ignored) and resizes it to
// trunc(size / scale). A missing or unreadable block shows "Error loading image" with the
// name and leaves a 0x0 picture that draws nothing. Returns whether the picture loaded.
bool LoadPicture(TRGBPicture& picture, std::string_view name, double scale);

class TListOfImages {
  public:
    double Scale = 1.0; // divisor for pictures loaded from now on
    std::vector<std::unique_ptr<TRGBPicture>> Items;

    // Appends the picture of that resource; -1 for an empty name. A picture that cannot be
    // loaded still takes its index (see LoadPicture).
    std::int32_t LoadImage(std::string_view name);
    // Appends a blank picture; -1 when it cannot be made.
    std::int32_t AddBlank(std::int32_t width, std::int32_t height, BgrColor colour);
    // Whether the pixel at (x, y), counted from 1, differs from the key colour by more than the
    // tolerance in some channel. Outside the picture, or for an unknown index: false.
    bool IsOpaqueAt(std::int32_t picture, std::int32_t x, std::int32_t y) const;

    // The picture at index, or nullptr for an index outside the list.
    const TRGBPicture* At(std::int32_t index) const {
        return index >= 0 && std::size_t(index) < Items.size() ? Items[std::size_t(index)].get()
                                                               : nullptr;
    }
    TRGBPicture* At(std::int32_t index) {
        return index >= 0 && std::size_t(index) < Items.size() ? Items[std::size_t(index)].get()
                                                               : nullptr;
    }
};

} // namespace harvesta
