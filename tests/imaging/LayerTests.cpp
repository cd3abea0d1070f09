// Layers: building, hit testing, states and rendering.

#include "TestPictures.h"

#include "assets/ResourceStore.h"
#include "imaging/SetupFunctions.h"
#include "imaging/VcGraphics.h"

#include <gtest/gtest.h>

#include <array>

namespace harvesta {
namespace {

using test::At;
using test::MakeBitmapBlock;
using test::Rgb;

std::vector<std::uint8_t> Solid(int w, int h, Rgb c) {
    return MakeBitmapBlock(w, h, [c](int, int) { return c; });
}

// A close button picture: a magenta frame four pixels wide around a square of colour c.
std::vector<std::uint8_t> Button(Rgb c) {
    return MakeBitmapBlock(24, 24, [c](int x, int y) {
        const bool frame = x < 4 || y < 4 || x >= 20 || y >= 20;
        return frame ? Rgb{255, 0, 255} : c;
    });
}

// A dialog face as the game builds it: a window-sized drag region with a close button on it.
class DialogFace : public testing::Test {
  protected:
    test::MessageRecorder recorder;
    ScopedTestResource stop{"STOP", Button({255, 0, 0})};
    ScopedTestResource stopGray{"STOP_GRAY", Button({128, 128, 128})};
    TListOfImages images;
    TListOfLayers layers{images};
    TLayer* region = layers.AddRegionLayer(0, 0, 300, 200, 25);
    TLayer* close = layers.AddButtonLayer(270, 6, "stop_gray", "stop", "", 3);
};

TEST_F(DialogFace, TheDragRegionIsAnInvisibleButtonWithoutPictures) {
    EXPECT_EQ(region->Mode, dmNone);
    EXPECT_EQ(region->Flags, lfButton + lfRectHit);
    EXPECT_EQ(region->State, lsNormal);
    EXPECT_EQ(region->Id, 25);
    EXPECT_EQ((std::array{region->ImageIndex, region->NormalImage, region->HoverImage,
                          region->PressedImage}),
              (std::array{-1, -1, -1, -1}));
    EXPECT_EQ((std::array{region->X, region->Y, region->Width, region->Height}),
              (std::array{0, 0, 300, 200}));
}

TEST_F(DialogFace, CloseButtonLiesOverTheDragRegion) {
    EXPECT_EQ(layers.LayerAt(280, 10, false), close);
    EXPECT_EQ(layers.LayerAt(100, 100, false), region);
    EXPECT_EQ(layers.LayerAt(300, 10, false), nullptr);
    EXPECT_EQ(layers.LayerAt(-1, 0, false), nullptr);
    EXPECT_EQ(layers.TopLayer(), close);
    EXPECT_EQ(layers.BottomLayer(), region);
    EXPECT_EQ(layers.FirstLayer(), region);
    EXPECT_EQ(TListOfLayers::NextLayer(region), close);
    EXPECT_EQ(TListOfLayers::NextLayer(close), nullptr);
    EXPECT_EQ(close->Below, region);
}

TEST_F(DialogFace, HitRectangleIsInclusive) {
    // The button covers x 270..293 and y 6..29.
    EXPECT_EQ(layers.LayerAt(270, 6, false), close);
    EXPECT_EQ(layers.LayerAt(269, 6, false), region);
    EXPECT_EQ(layers.LayerAt(270, 5, false), region);
    EXPECT_EQ(layers.LayerAt(293, 29, false), close);
    EXPECT_EQ(layers.LayerAt(294, 10, false), region);
    EXPECT_EQ(layers.LayerAt(280, 30, false), region);
    EXPECT_EQ(layers.LayerAt(299, 199, false), region);
    EXPECT_EQ(layers.LayerAt(299, 200, false), nullptr);
    EXPECT_EQ(layers.LayerAt(0, -1, false), nullptr);
}

TEST_F(DialogFace, ButtonWithoutPressedPictureShowsItsHoverPictureWhenPressed) {
    EXPECT_EQ(close->NormalImage, 0);
    EXPECT_EQ(close->HoverImage, 1);
    EXPECT_EQ(close->PressedImage, 1);
    EXPECT_EQ(close->Mode, dmKey);
    EXPECT_EQ(close->Flags, lfButton);
    EXPECT_EQ(close->Width, 24);
    EXPECT_TRUE(SetLayerState(close, lsPressed, images));
    EXPECT_EQ(close->ImageIndex, 1);
    EXPECT_EQ(close->State, lsPressed);
    EXPECT_TRUE(SetLayerState(close, lsNormal, images));
    EXPECT_EQ(close->ImageIndex, 0);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(SetLayerState, TheLayerTakesTheSizeOfEachStatesPicture) {
    test::MessageRecorder recorder;
    ScopedTestResource small("SMALL", Solid(3, 2, {1, 2, 3}));
    ScopedTestResource large("LARGE", Solid(7, 5, {4, 5, 6}));
    TListOfImages images;
    TListOfLayers layers(images);
    TLayer* button = layers.AddButtonLayer(10, 20, "small", "large", "", 3);
    EXPECT_EQ(layers.LayerAt(12, 21, false), button);
    EXPECT_EQ(layers.LayerAt(13, 21, false), nullptr);
    ASSERT_TRUE(SetLayerState(button, lsHover, images));
    EXPECT_EQ(button->ImageIndex, button->HoverImage);
    EXPECT_EQ(button->State, lsHover);
    EXPECT_EQ(button->Width, 7);
    EXPECT_EQ(button->Height, 5);
    EXPECT_EQ(layers.LayerAt(16, 24, false), button);
    ASSERT_TRUE(SetLayerState(button, lsNormal, images));
    EXPECT_EQ(button->Width, 3);
    EXPECT_EQ(button->Height, 2);
    ASSERT_TRUE(SetLayerState(button, lsPressed, images)); // no pressed picture: the hover one
    EXPECT_EQ(button->ImageIndex, button->HoverImage);
    EXPECT_EQ(button->State, lsPressed);
    EXPECT_EQ(button->Width, 7);

    // A button with a pressed picture of its own shows it, at its size.
    ScopedTestResource pressed("PRESSED", Solid(5, 4, {7, 8, 9}));
    TLayer* full = layers.AddButtonLayer(10, 20, "small", "large", "pressed", 3);
    ASSERT_TRUE(SetLayerState(full, lsPressed, images));
    EXPECT_NE(full->PressedImage, full->HoverImage);
    EXPECT_EQ(full->ImageIndex, full->PressedImage);
    EXPECT_EQ(full->Width, 5);
    EXPECT_EQ(full->Height, 4);

    // A state without a picture keeps the size it had.
    TLayer* bare = layers.AddButtonLayer(0, 0, "small", "", "", 3);
    ASSERT_TRUE(SetLayerState(bare, lsHover, images));
    EXPECT_EQ(bare->ImageIndex, -1);
    EXPECT_EQ(bare->Width, 3);
    // One without any picture has no size, and nothing hits it.
    TLayer* none = layers.AddButtonLayer(40, 40, "", "", "", 3);
    EXPECT_EQ(none->Width, 0);
    EXPECT_EQ(none->Height, 0);
    EXPECT_EQ(layers.LayerAt(40, 40, false), nullptr);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(DialogFace, UnknownStatesChangeNothingAndNoLayerIsFalse) {
    SetLayerState(close, lsHover, images);
    const TLayer before = *close;
    EXPECT_TRUE(SetLayerState(close, 0, images));
    EXPECT_TRUE(SetLayerState(close, 4, images));
    EXPECT_EQ(close->State, before.State);
    EXPECT_EQ(close->ImageIndex, before.ImageIndex);
    EXPECT_FALSE(SetLayerState(nullptr, lsHover, images));
}

TEST_F(DialogFace, RegionLayerAloneDrawsNothing) {
    layers.ClearLayers();
    EXPECT_EQ(layers.TopLayer(), nullptr);
    layers.AddRegionLayer(0, 0, 10, 10, 25);
    TRGBPicture target = test::Patterned(10, 10);
    const auto before = target.Bits;
    RenderLayers(target, layers);
    EXPECT_EQ(target.Bits, before);
}

TEST_F(DialogFace, RenderDrawsPanelsAndKeyedButtonsBottomUp) {
    SetPanelTheme(2);
    layers.ClearLayers();
    layers.AddPanelLayer(0, 0, 300, 200);
    layers.AddButtonLayer(270, 6, "stop_gray", "stop", "", 3);
    TRGBPicture target = test::Filled(300, 200, {0, 0, 0});
    RenderLayers(target, layers);
    EXPECT_EQ(At(target, 0, 0), (Rgb{155, 15, 255}));
    EXPECT_EQ(At(target, 150, 100), (Rgb{241, 239, 226}));
    EXPECT_EQ(At(target, 280, 10), (Rgb{128, 128, 128}));
    EXPECT_EQ(At(target, 271, 7), (Rgb{241, 239, 226})); // magenta frame is see-through
}

TEST_F(DialogFace, PanelsDrawWhereTheirLayerIsAndTheSecondTakesTheFirstsInsideAsOutline) {
    SetPanelTheme(1);
    layers.ClearLayers();
    layers.AddPanelLayer(10, 20, 30, 15);
    layers.AddPanelLayer(50, 5, 20, 10);
    TRGBPicture target = test::Filled(100, 60, {0, 0, 0});
    RenderLayers(target, layers);
    const Rgb inside{122, 211, 239}, light{154, 222, 243}, dark{89, 89, 89};
    // The first panel covers x 10..39, y 20..34, outlined in the colour a render starts with.
    EXPECT_EQ(At(target, 10, 20), (Rgb{155, 15, 255}));
    EXPECT_EQ(At(target, 39, 34), (Rgb{155, 15, 255}));
    EXPECT_EQ(At(target, 11, 21), light);
    EXPECT_EQ(At(target, 38, 33), dark);
    EXPECT_EQ(At(target, 25, 27), inside);
    for (auto [x, y] : {std::pair{9, 20}, {40, 20}, {10, 19}, {10, 35}})
        EXPECT_EQ(At(target, x, y), (Rgb{0, 0, 0})) << x << "," << y;
    // The second one's outline is the colour the first one left behind.
    EXPECT_EQ(At(target, 50, 5), inside);
    EXPECT_EQ(At(target, 69, 14), inside);
    EXPECT_EQ(At(target, 51, 6), light);
    EXPECT_EQ(At(target, 70, 5), (Rgb{0, 0, 0}));
    SetPanelTheme(1);
}

TEST_F(DialogFace, NoHitLayersAreNeverReturned) {
    layers.ClearLayers();
    TLayer* under = layers.AddRegionLayer(0, 0, 50, 50, 25);
    TLayer* ghost = layers.AddButtonLayer(0, 0, "stop", "", "", 1); // id 1: lfNoHit
    EXPECT_EQ(ghost->Flags, lfButton + lfNoHit);
    EXPECT_EQ(layers.LayerAt(5, 5, false), under);
    EXPECT_EQ(layers.LayerAt(5, 5, true), under);
}

TEST(LayerAt, ExactTestLooksThroughKeyColouredPixels) {
    test::MessageRecorder recorder;
    TListOfImages images;
    const auto i = images.AddBlank(4, 5, BgrColor{0xFFFFFF});
    TRGBPicture& p = *images.Items[std::size_t(i)];
    p.KeyR = p.KeyG = p.KeyB = 255;
    p.Row(1)[6] = 0; // pixel (3, 2), counted from 1, is not white
    TListOfLayers layers(images);
    TLayer* under = layers.AddPanelLayer(0, 0, 10, 10);
    TLayer* picture = layers.AddPictureLayer(2, 3, i, dmKey, 1);
    EXPECT_EQ((std::array{picture->X, picture->Y, picture->Width, picture->Height}),
              (std::array{2, 3, 4, 5}));
    EXPECT_EQ(picture->Mode, dmKey);
    EXPECT_EQ(picture->ImageIndex, i);
    EXPECT_EQ(layers.LayerAt(4, 4, true), picture);
    EXPECT_EQ(layers.LayerAt(2, 3, true), under);
    EXPECT_EQ(layers.LayerAt(3, 5, true), under); // (2, 3) in the picture: white
    EXPECT_EQ(layers.LayerAt(2, 3, false), picture);
    EXPECT_EQ(layers.LayerAt(5, 7, false), picture);
    EXPECT_EQ(layers.LayerAt(6, 7, false), under);
    picture->Flags = lfRectHit;
    EXPECT_EQ(layers.LayerAt(2, 3, true), picture);
}

TEST(AddButtonLayer, ModeAndFlagsFollowTheId) {
    test::MessageRecorder recorder;
    ScopedTestResource pic("PIC", Solid(3, 2, {1, 2, 3}));
    TListOfImages images;
    TListOfLayers layers(images);
    // Mode and flags for ids -1 to 21: K dmKey, C dmCopy, O dmOr; flags as numbers.
    const char* const modes = "KKKKKKKKKKKKKCCCCOCCCC";
    const int flags[] = {8,  8,  40, 40, 8,  40, 40, 8,  40, 8,  8,
                         40, 24, 24, 24, 24, 24, 24, 56, 56, 24, 24};
    for (int id = -1; id <= 20; ++id) {
        SCOPED_TRACE(id);
        TLayer* layer = layers.AddButtonLayer(1, 2, "", "pic", "", id);
        const int mode = modes[id + 1] == 'K' ? dmKey : modes[id + 1] == 'C' ? dmCopy : dmOr;
        EXPECT_EQ(layer->Mode, mode);
        EXPECT_EQ(layer->Flags, flags[id + 1]);
        EXPECT_EQ(layer->Id, id);
        EXPECT_EQ(layer->State, lsNormal);
        EXPECT_EQ((std::array{layer->X, layer->Y, layer->Width, layer->Height}),
                  (std::array{1, 2, 3, 2})); // the size of the hover picture, the first one present
        EXPECT_EQ(layer->ImageIndex, -1);
    }
}

TEST(Layers, ARegionIsFoundWhereItWasPlacedAndNowhereElse) {
    TListOfImages images;
    TListOfLayers layers(images);
    TLayer* region = layers.AddRegionLayer(30, 5, 10, 4, 25);
    EXPECT_EQ(layers.LayerAt(31, 6, false), region);
    EXPECT_EQ(layers.LayerAt(6, 31, false), nullptr);
}

TEST(Layers, ClearingEmptiesTheStackAndANewLayerStartsItAgain) {
    TListOfImages images;
    TListOfLayers layers(images);
    layers.ClearLayers(); // an empty stack clears too
    layers.AddPanelLayer(0, 0, 5, 5);
    layers.AddPanelLayer(1, 1, 5, 5);
    layers.ClearLayers();
    EXPECT_EQ(layers.TopLayer(), nullptr);
    EXPECT_EQ(layers.BottomLayer(), nullptr);
    EXPECT_EQ(layers.LayerAt(2, 2, false), nullptr);
    TLayer* first = layers.AddRegionLayer(0, 0, 4, 4, 25);
    EXPECT_EQ(layers.BottomLayer(), first);
    EXPECT_EQ(layers.TopLayer(), first);
    EXPECT_EQ(first->Below, nullptr);
    EXPECT_EQ(first->Above, nullptr);
    EXPECT_EQ(TListOfLayers::NextLayer(nullptr), nullptr);
}

} // namespace
} // namespace harvesta
