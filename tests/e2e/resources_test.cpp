#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "overlay_harness.h"

namespace {
struct Module {
    HMODULE handle;
    explicit Module(const std::string& path)
        : handle(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~Module() {
        if (handle) FreeLibrary(handle);
    }
    std::string Resource(LPCSTR type, LPCSTR name) const {
        HRSRC r = FindResourceA(handle, name, type);
        if (!r) return {};
        const char* p = static_cast<const char*>(LockResource(LoadResource(handle, r)));
        return std::string(p, SizeofResource(handle, r));
    }
};

// The fixed-file-info block of a version resource: its signature, then the version numbers.
bool FileVersionIs(const std::string& res, DWORD ms, DWORD ls) {
    const DWORD sig = 0xFEEF04BD;
    size_t at = res.find(std::string(reinterpret_cast<const char*>(&sig), 4));
    if (at == std::string::npos || at + 16 > res.size()) return false;
    DWORD v[4];
    std::memcpy(v, res.data() + at, sizeof v);
    return v[2] == ms && v[3] == ls;
}
// Both programs: a manifest asking for the invoking user's rights and for per-monitor DPI
// awareness (version 2 first, the older kinds after it), version 0.1.8.0.
void ExpectManifestAndVersion(const Module& m) {
    const std::string manifest = m.Resource(MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1));
    for (const char* part : {
             "level=\"asInvoker\"", "uiAccess=\"false\"",
             "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
             "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, "
             "PerMonitor</dpiAwareness>",
         })
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    EXPECT_TRUE(FileVersionIs(m.Resource(RT_VERSION, MAKEINTRESOURCEA(1)), 0x00000001, 0x00080000));
}
}  // namespace

TEST(Resources, OverlayCarriesItsResources) {
    Module m(ProgramFolder() + "Tovrin.exe");
    ASSERT_NE(m.handle, nullptr);
    ExpectManifestAndVersion(m);
    EXPECT_FALSE(m.Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(107)).empty());
    EXPECT_FALSE(m.Resource(RT_MENU, MAKEINTRESOURCEA(109)).empty());
    EXPECT_EQ(m.Resource(RT_ACCELERATOR, MAKEINTRESOURCEA(109)), "");  // the loop runs without one

    HICON icon = static_cast<HICON>(LoadImageA(m.handle, MAKEINTRESOURCEA(108), IMAGE_ICON, 0, 0, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm{};
    GetObjectA(info.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 48);
    EXPECT_EQ(bm.bmHeight, 48);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    // The icon group 108 holds one 48 x 48 image of 256 colours (8 bits).
    const std::string group = m.Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(108));
    ASSERT_GE(group.size(), 6u + 14u);
    EXPECT_EQ(static_cast<unsigned char>(group[6]), 48);
    EXPECT_EQ(static_cast<unsigned char>(group[6 + 6]), 8);  // bit count of the first entry

    char text[64];
    EXPECT_GT(LoadStringA(m.handle, 109, text, sizeof text), 0);
    EXPECT_STREQ(text, "TOVRIN");
    EXPECT_GT(LoadStringA(m.handle, 40000, text, sizeof text), 0);
    EXPECT_STREQ(text, "Tovrin");
}

TEST(Resources, EditorCarriesItsResources) {
    Module m(ProgramFolder() + "Quillet.exe");
    ASSERT_NE(m.handle, nullptr);
    ExpectManifestAndVersion(m);
    EXPECT_NE(FindResourceExA(m.handle, RT_DIALOG, MAKEINTRESOURCEA(100), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)),
              nullptr);
    // The icon group 103: 48, 32 and 16 pixels, 32 bits each.
    const std::string group = m.Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(103));
    ASSERT_EQ(group.size(), 6u + 3 * 14u);
    const int sizes[3] = {48, 32, 16};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(static_cast<unsigned char>(group[6 + 14 * i]), sizes[i]) << i;
        EXPECT_EQ(static_cast<unsigned char>(group[6 + 14 * i + 6]), 32) << i;  // bit count
    }
}
