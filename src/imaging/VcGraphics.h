#pragma once
// The compositor: DrawPicture puts one picture into another, clipped, in one of the drawing
// modes; TGraphicsEx is the off-screen picture; TListOfLayers stacks pictures, panels,
// invisible regions and three-state buttons and renders them bottom to top.

#include "imaging/ImageLib.h"
#include "imaging/mainImgTypes.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace harvesta {

// Puts source with its top-left corner at (x, y) into target, clipped at every edge. Modes:
// dmCopy, dmKey (source pixels equal to the source's key colour are skipped), dmAnd, dmOr,
// dmAverage, dmXor; any other mode changes nothing. Allocates nothing. source and target must
// be different pictures.
void DrawPicture(std::int32_t x, std::int32_t y, const TRGBPicture& source, std::int32_t mode,
                 TRGBPicture& target);

// The fields of a device-independent bitmap's info header, describing the off-screen picture
// for a screen transfer.
struct TBitmapInfoHeader {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0; // negative: rows run top-down
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 24;
    std::uint32_t biCompression = 0; // BI_RGB
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};

// The screen transfer's conversion: the pixels of the rectangle (x, y, width, height), which
// lies inside the picture, as opaque 32-bit words 0xFFRRGGBB, the form 32-bit screens hold,
// row after row into out, stride words apart. Runs at memory speed on one thread.
void CopyToWords(const TRGBPicture& picture, std::int32_t x, std::int32_t y, std::int32_t width,
                 std::int32_t height, std::uint32_t* out, std::size_t stride);

// The off-screen picture everything is composed into. The screen transfer is on the window
// side (adapters/GraphicsTransfer.h).
class TGraphicsEx {
  public:
    // width and height must be valid picture sizes; colour 0 leaves the picture black.
    TGraphicsEx(std::int32_t width, std::int32_t height, BgrColor colour = {});

    TBitmapInfoHeader Header;
    TRGBPicture Picture;
};

struct TLayer {
    std::int32_t ImageIndex = -1; // picture drawn now; -1 none; -100 on panel layers
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Mode = dmNone;
    std::int32_t Flags = 0;
    std::int32_t State = lsNormal;
    std::int32_t PressedImage = -1;
    std::int32_t NormalImage = -1;
    std::int32_t HoverImage = -1;
    std::int32_t Id = 0;
    TLayer* Below = nullptr; // the layer added just before; owned by the list
    TLayer* Above = nullptr; // the layer added just after; owned by the list
};

// A stack of layers in the order of adding, over an image list that it does not own.
class TListOfLayers {
  public:
    explicit TListOfLayers(TListOfImages& images) : Images(images) {}
    TListOfLayers(const TListOfLayers&) = delete;
    TListOfLayers& operator=(const TListOfLayers&) = delete;

    TListOfImages& Images;

    TLayer* AddPictureLayer(std::int32_t x, std::int32_t y, std::int32_t imageIndex,
                            std::int32_t mode, std::int32_t flags);
    TLayer* AddPanelLayer(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
    TLayer* AddRegionLayer(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                           std::int32_t id);
    // Loads the three pictures (an empty name loads nothing); a button without a pressed
    // picture shows its hover picture while pressed.
    TLayer* AddButtonLayer(std::int32_t x, std::int32_t y, std::string_view normalName,
                           std::string_view hoverName, std::string_view pressedName,
                           std::int32_t id);

    // The topmost layer whose rectangle holds (x, y) (end points inclusive) and that is not
    // lfNoHit; with exact, picture layers without lfRectHit also need an opaque pixel there.
    TLayer* LayerAt(std::int32_t x, std::int32_t y, bool exact) const;
    void ClearLayers();

    TLayer* TopLayer() const { return top_; }
    TLayer* BottomLayer() const { return bottom_; }
    TLayer* FirstLayer() const { return bottom_; }
    static TLayer* NextLayer(const TLayer* layer) { return layer ? layer->Above : nullptr; }

  private:
    // A new top layer at (x, y) with the given size.
    TLayer* push(std::int32_t x, std::int32_t y, std::int32_t width = 0, std::int32_t height = 0);
    void sizeFromPicture(TLayer& layer, std::int32_t imageIndex) const;

    std::vector<std::unique_ptr<TLayer>> layers_;
    TLayer* top_ = nullptr;
    TLayer* bottom_ = nullptr;
};

// Switches a layer to lsHover, lsNormal or lsPressed and to that state's picture. false for no
// layer; any other state changes nothing and gives true.
bool SetLayerState(TLayer* layer, std::int32_t state, const TListOfImages& images);

// Composes every layer, bottom to top, over what target already holds.
void RenderLayers(TRGBPicture& target, const TListOfLayers& layers);

} // namespace harvesta
