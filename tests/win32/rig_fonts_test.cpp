// The Wine rig has the faces Windows always has, so that title bars and the default GUI font
// draw as they do on Windows: Marlett for the caption buttons, Tahoma for the default GUI font.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceInstalled(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

// The family of the face that really draws the font, after the system's substitutions.
std::wstring FamilyDrawing(HGDIOBJ font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  std::wstring family;
  if (const UINT size = GetOutlineTextMetricsW(screen, 0, nullptr)) {
    std::vector<char> buffer(size);
    auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
    GetOutlineTextMetricsW(screen, size, metrics);
    family = reinterpret_cast<const wchar_t*>(buffer.data() +
                                              reinterpret_cast<UINT_PTR>(metrics->otmpFamilyName));
  }
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return family;
}

TEST(RigFonts, MarlettAndTahomaAreInstalled) {
  EXPECT_TRUE(FaceInstalled(L"Marlett"));
  EXPECT_TRUE(FaceInstalled(L"Tahoma"));
}

TEST(RigFonts, TheDefaultGuiFontIsDrawnInTahoma) {
  EXPECT_EQ(FamilyDrawing(GetStockObject(DEFAULT_GUI_FONT)), L"Tahoma");
}

}  // namespace
