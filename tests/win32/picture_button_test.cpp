// The picture button on a real window: its states under synthesized mouse messages, the
// pixels it paints, its click, and the focus it leaves alone.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "resources/pictures.h"
#include "runtime/runtime.h"
#include "runtime/win32/win32_platform.h"
#include "runtime/window.h"
#include "tests/win32/pump.h"

namespace kestrune::win32 {
namespace {

int clicks = 0;
void OnClicked(Window&) { ++clicks; }

const std::vector<unsigned char> kBroken(400, 0x5A);
constexpr FontSpec kFont{nullptr, 0, 0};

ControlTemplate PictureButton(std::span<const unsigned char> normal,
                              std::span<const unsigned char> mouseOver) {
  return {"图形按钮1",
          UnitType::PicBtn,
          {100, 10, 50, 50},
          nullptr,
          kFont,
          kBlack,
          kBlack,
          true,
          false,
          0,
          0,
          false,
          normal,
          mouseOver};
}
const ControlTemplate kEdit{
    "编辑框1", UnitType::EditBox, {0, 10, 80, 30}, "", kFont, kBlack, kWhite, true, true, 0, 0};
const Binding kBindings[] = {{"图形按钮1", Event::Clicked, OnClicked}};

class PictureButtonTest : public ::testing::Test {
 protected:
  void Build(std::span<const unsigned char> normal, std::span<const unsigned char> mouseOver) {
    SetCursorPos(0, 0);  // the real pointer stays off the button unless a test puts it there
    controls_ = {PictureButton(normal, mouseOver), kEdit};
    settings_ = {"picture", 200, 120, controls_, kBindings};
    window_.emplace(runtime_, settings_);
    ASSERT_TRUE(window_->Build());
    PumpFor(platform_, 200);
    button = platform_.ControlWindow(0);
    SetFocus(platform_.ControlWindow(1));
    clicks = 0;
  }
  void Mouse(UINT message, int x, int y, WPARAM keys = 0) {
    SendMessageW(button, message, keys, MAKELPARAM(x, y));
  }
  // The colour painted at 10, 10: on the wedge of the mark.
  COLORREF Painted() {
    UpdateWindow(button);
    HDC dc = GetDC(button);
    const COLORREF colour = GetPixel(dc, 10, 10);
    ReleaseDC(button, dc);
    return colour;
  }
  static bool Near(COLORREF colour, int r, int g, int b) {
    return std::abs(GetRValue(colour) - r) <= 40 && std::abs(GetGValue(colour) - g) <= 40 &&
           std::abs(GetBValue(colour) - b) <= 40;
  }
  static bool SkyBlue(COLORREF colour) { return Near(colour, 48, 144, 208); }
  static bool Navy(COLORREF colour) { return Near(colour, 0, 0, 100); }

  Win32Platform platform_{GetModuleHandleW(nullptr)};
  Runtime runtime_{platform_};
  std::vector<ControlTemplate> controls_;
  WindowTemplate settings_{};
  std::optional<Window> window_;
  HWND button = nullptr;
};

TEST_F(PictureButtonTest, HoverPressReleaseAndLeaveFollowTheStateTable) {
  Build(kNormalPictureJpeg, kMouseOverPictureJpeg);
  EXPECT_TRUE(SkyBlue(Painted()));
  Mouse(WM_MOUSEMOVE, 25, 25);
  EXPECT_TRUE(Navy(Painted())) << std::hex << Painted();
  EXPECT_EQ(GetCapture(), button);  // so that leaving is noticed
  Mouse(WM_LBUTTONDOWN, 25, 25, MK_LBUTTON);
  EXPECT_TRUE(SkyBlue(Painted()));  // pressed shows the normal picture
  Mouse(WM_LBUTTONUP, 25, 25);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(SkyBlue(Painted()));

  Mouse(WM_MOUSEMOVE, 25, 25);
  Mouse(WM_MOUSEMOVE, 80, 25);  // the pointer leaves
  EXPECT_TRUE(SkyBlue(Painted()));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetFocus(), platform_.ControlWindow(1));  // the focus stayed in the edit box
}

TEST_F(PictureButtonTest, AReleaseElsewhereRaisesNothing) {
  Build(kNormalPictureJpeg, kMouseOverPictureJpeg);
  Mouse(WM_LBUTTONDOWN, 25, 25, MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, 80, 25, MK_LBUTTON);  // dragged off while held
  EXPECT_EQ(GetCapture(), button);          // still watching for the release
  EXPECT_TRUE(SkyBlue(Painted()));
  Mouse(WM_LBUTTONUP, 80, 25);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(PictureButtonTest, ReEnteringWithTheButtonHeldShowsTheNormalPicture) {
  Build(kNormalPictureJpeg, kMouseOverPictureJpeg);
  Mouse(WM_LBUTTONDOWN, 25, 25, MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, 80, 25, MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, 25, 25, MK_LBUTTON);  // back over it, still held: pressed
  EXPECT_TRUE(SkyBlue(Painted()));
  EXPECT_EQ(GetCapture(), button);
  Mouse(WM_LBUTTONUP, 25, 25);
  EXPECT_EQ(clicks, 1);
}

// Released where it was pressed, or dragged off first: either way the next hover shows the
// mouse-over picture again.
TEST_F(PictureButtonTest, AHoverAfterAReleaseElsewhereShowsTheMouseOverPicture) {
  Build(kNormalPictureJpeg, kMouseOverPictureJpeg);
  for (const bool draggedOff : {false, true}) {
    SCOPED_TRACE(draggedOff);
    Mouse(WM_LBUTTONDOWN, 25, 25, MK_LBUTTON);
    if (draggedOff) Mouse(WM_MOUSEMOVE, 80, 25, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 80, 25);
    Mouse(WM_MOUSEMOVE, 25, 25);
    EXPECT_TRUE(Navy(Painted()));
    Mouse(WM_MOUSEMOVE, 80, 25);
  }
  EXPECT_EQ(clicks, 0);
}

// Leaving must be noticed even where the capture does not report it (the window in the
// background, the pointer moving straight onto another program).
TEST_F(PictureButtonTest, LeaveTrackingAndALostCaptureBringTheButtonBack) {
  Build(kNormalPictureJpeg, kMouseOverPictureJpeg);
  POINT centre{25, 25};
  ClientToScreen(button, &centre);
  SetCursorPos(centre.x, centre.y);  // tracking is refused where the pointer is elsewhere
  Mouse(WM_MOUSEMOVE, 25, 25);
  TRACKMOUSEEVENT tracking{sizeof tracking, TME_QUERY, nullptr, 0};
  ASSERT_TRUE(TrackMouseEvent(&tracking));
  EXPECT_TRUE(tracking.dwFlags & TME_LEAVE);
  EXPECT_EQ(tracking.hwndTrack, button);
  Mouse(WM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(SkyBlue(Painted()));
  EXPECT_EQ(GetCapture(), nullptr);

  HWND other = platform_.ControlWindow(1);
  Mouse(WM_MOUSEMOVE, 25, 25);
  ASSERT_TRUE(Navy(Painted()));
  SetCapture(other);  // something else takes the mouse
  EXPECT_TRUE(SkyBlue(Painted()));
  ReleaseCapture();

  Mouse(WM_LBUTTONDOWN, 25, 25, MK_LBUTTON);
  SetCapture(other);  // a press that loses the capture clicks nothing
  ReleaseCapture();
  EXPECT_EQ(clicks, 0);
  Mouse(WM_MOUSEMOVE, 25, 25);
  EXPECT_TRUE(Navy(Painted()));  // and the button is back to normal, ready to hover
  EXPECT_EQ(clicks, 0);
}

TEST_F(PictureButtonTest, APictureThatCannotBeDecodedCountsAsAbsent) {
  Build(kNormalPictureJpeg, kBroken);
  Mouse(WM_MOUSEMOVE, 25, 25);
  EXPECT_TRUE(SkyBlue(Painted()));  // the normal picture instead
  Mouse(WM_MOUSEMOVE, 80, 25);
}

TEST_F(PictureButtonTest, WithoutANormalPictureTheButtonIsBlack) {
  Build(kBroken, kMouseOverPictureJpeg);
  EXPECT_EQ(Painted(), RGB(0, 0, 0));
  Mouse(WM_MOUSEMOVE, 25, 25);
  EXPECT_TRUE(Navy(Painted()));
  Mouse(WM_MOUSEMOVE, 80, 25);
}

}  // namespace
}  // namespace kestrune::win32
