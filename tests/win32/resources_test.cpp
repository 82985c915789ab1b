// The version record and the icon group of Kestrune.exe, read back with the system's own API.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH];
  std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  self.resize(self.rfind(L'\\'));  // tests\ folder
  return self.substr(0, self.rfind(L'\\')) + L"\\Kestrune.exe";
}

std::wstring StringValue(std::vector<char>& record, const wchar_t* name) {
  wchar_t* value = nullptr;
  UINT length = 0;
  std::wstring path = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
  if (!VerQueryValueW(record.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
    return L"(missing)";
  }
  return std::wstring(value, length ? length - 1 : 0);
}

TEST(Resources, TheVersionRecordSaysOneZeroZeroZeroAndTheProductName) {
  const std::wstring path = ProgramPath();
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::vector<char> record(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, record.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u);
  EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed->dwFileSubtype, 0u);
  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 0x04B0);
  for (const wchar_t* name : {L"ProductName", L"FileDescription", L"Comments"}) {
    EXPECT_EQ(StringValue(record, name), L"Dovralin");
  }
  EXPECT_EQ(StringValue(record, L"FileVersion"), L"1.0.0.0");
  EXPECT_EQ(StringValue(record, L"ProductVersion"), L"1.0.0.0");
}

#pragma pack(push, 2)
struct IconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
struct IconGroup {
  WORD reserved, type, count;
  IconEntry entries[1];
};
#pragma pack(pop)

TEST(Resources, TheIconGroupHoldsElevenImagesInThreeColourDepths) {
  HMODULE program = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  HRSRC found = FindResourceW(program, L"DEFAULT_ICON", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(found, nullptr);
  const auto* group = static_cast<const IconGroup*>(LockResource(LoadResource(program, found)));
  ASSERT_EQ(group->count, 11);
  std::vector<std::pair<int, int>> images;  // size, bits
  for (int i = 0; i < group->count; ++i) {
    images.emplace_back(group->entries[i].width, group->entries[i].bitCount);
  }
  const std::vector<std::pair<int, int>> expected = {{48, 4},  {32, 4},  {16, 4}, {48, 8},
                                                     {32, 8},  {24, 8},  {16, 8}, {48, 32},
                                                     {32, 32}, {24, 32}, {16, 32}};
  EXPECT_EQ(images, expected);
  FreeLibrary(program);
}

TEST(Resources, TheManifestAsksForNoElevationAndNoVisualStylesAndScalesGdi) {
  HMODULE program = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  ASSERT_NE(found, nullptr);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(program, found))),
                             SizeofResource(program, found));
  FreeLibrary(program);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
  EXPECT_NE(manifest.find("<gdiScaling"), std::string::npos);
  EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
  EXPECT_EQ(manifest.find("dpiAware"), std::string::npos);  // the layout stays in its pixels
}

TEST(Resources, TheProgramIsAWindowsFourGuiLaidOutForRandomisationAndNoExecuteData) {
  HMODULE program = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  // A data-file mapping is tagged in its low bits; the headers start at the aligned address.
  const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(program) & ~3u);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
  EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
  // 4.0: thin frames around the fixed-size window, not the padded ones of 6.0 and later.
  EXPECT_EQ(nt->OptionalHeader.MajorSubsystemVersion, 4);
  EXPECT_EQ(nt->OptionalHeader.MinorSubsystemVersion, 0);
  EXPECT_TRUE(nt->OptionalHeader.DllCharacteristics & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE);
  EXPECT_TRUE(nt->OptionalHeader.DllCharacteristics & IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
  EXPECT_EQ(nt->FileHeader.Characteristics & IMAGE_FILE_RELOCS_STRIPPED, 0);  // it can move
  FreeLibrary(program);
}

}  // namespace
