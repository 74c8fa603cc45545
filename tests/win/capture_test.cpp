// The screen snapshot and the bitmap file written from it, read back by the system's own
// bitmap loader as well as byte for byte.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "overlay/screen/picture_data.h"
#include "overlay/screen/screen_snapshot.h"
#include "png_reader.h"
#include "overlay/screen/write_bitmap_file.h"
#include "temp_folder.h"

namespace {
template <typename T>
T Field(const std::string& file, size_t offset) {
    T value{};
    std::memcpy(&value, file.data() + offset, sizeof value);
    return value;
}

// A pattern that tells rows and bytes apart.
void FillSnapshot() {
    auto* bytes = static_cast<unsigned char*>(g_snapshot.pixels);
    for (size_t i = 0; i < 4u * g_snapshot.w * g_snapshot.h; ++i) bytes[i] = static_cast<unsigned char>(i * 7 + i / 801);
}
}  // namespace

TEST(Capture, BitmapFileHoldsTheSnapshotAsItLiesInMemory) {
    TempFolder dir;
    for (int w : {1, 201, 640}) {
        const int h = 5;
        CreateScreenSnapshot(w, h);
        ASSERT_NE(g_snapshot.pixels, nullptr) << w;
        FillSnapshot();
        const std::string path = dir.File("capture.bmp");
        EXPECT_TRUE(WriteBitmapFile(Wide(path).c_str(), w, h)) << w;
        const std::string file = ReadTextFile(path);
        const size_t image = 4u * w * h;
        ASSERT_EQ(file.size(), 54 + image) << w;
        EXPECT_EQ(file.substr(0, 2), "BM");
        EXPECT_EQ(Field<uint32_t>(file, 2), file.size());
        EXPECT_EQ(Field<uint32_t>(file, 10), 54u);
        EXPECT_EQ(Field<uint32_t>(file, 14), 40u);
        EXPECT_EQ(Field<int32_t>(file, 18), w);
        EXPECT_EQ(Field<int32_t>(file, 22), h);
        EXPECT_EQ(Field<uint16_t>(file, 26), 1);
        EXPECT_EQ(Field<uint16_t>(file, 28), 32);
        EXPECT_EQ(std::memcmp(file.data() + 54, g_snapshot.pixels, image), 0) << w;

        // The system's loader reads the same rows (bottom-up, 4 * w bytes each, no padding).
        HBITMAP loaded = static_cast<HBITMAP>(
            LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
        ASSERT_NE(loaded, nullptr) << w;
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectA(loaded, sizeof dib, &dib), static_cast<int>(sizeof dib));
        EXPECT_EQ(dib.dsBm.bmWidth, w);
        EXPECT_EQ(dib.dsBm.bmHeight, h);
        EXPECT_EQ(dib.dsBm.bmWidthBytes, 4 * w);
        EXPECT_EQ(std::memcmp(dib.dsBm.bmBits, g_snapshot.pixels, image), 0) << w;
        DeleteObject(loaded);
        ReleaseScreenSnapshot();
    }
}

TEST(Capture, OneSnapshotAtATimeAndNoFileWithoutASoundOne) {
    TempFolder dir;
    const std::string path = dir.File("none.bmp");
    EXPECT_FALSE(WriteBitmapFile(Wide(path).c_str(), 10, 10));  // no snapshot
    EXPECT_FALSE(FileExists(path));

    CreateScreenSnapshot(10, 10);
    const ScreenSnapshot first = g_snapshot;
    ASSERT_NE(first.dc, nullptr);
    CreateScreenSnapshot(50, 50);  // refused: the existing one stays, its size too
    EXPECT_EQ(g_snapshot.dc, first.dc);
    EXPECT_EQ(g_snapshot.w, 10);
    EXPECT_FALSE(WriteBitmapFile(Wide(path).c_str(), 20, 10));  // larger than the snapshot
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(WriteBitmapFile(Wide(dir.File("missing\\folder.bmp")).c_str(), 10, 10));
    EXPECT_FALSE(FileExists(dir.File("missing\\folder.bmp")));
    ReleaseScreenSnapshot();
    ReleaseScreenSnapshot();  // harmless
    EXPECT_EQ(g_snapshot.dc, nullptr);
    CreateScreenSnapshot(0, 10);
    EXPECT_EQ(g_snapshot.dc, nullptr);
}

namespace {
// The snapshot's pixel (x, y from the top) as blue, green, red.
bool SamePixel(const uint8_t* bgr, int w, int h, int x, int y) {
    const auto* s = static_cast<const uint8_t*>(g_snapshot.pixels) + 4u * (w * (h - 1 - y) + x);
    return bgr[0] == s[0] && bgr[1] == s[1] && bgr[2] == s[2];
}
}  // namespace

// The PNG of a capture and the clipboard's bitmap hold the snapshot's pixels, 24 bits each.
TEST(Capture, PngAndClipboardHoldTheSnapshotsPixels) {
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    for (int w : {1, 201, 640}) {
        const int h = 5;
        CreateScreenSnapshot(w, h);
        ASSERT_NE(g_snapshot.pixels, nullptr) << w;
        FillSnapshot();
        const std::vector<uint8_t> png = EncodeSnapshotPng(w, h);
        ASSERT_GT(png.size(), 8u) << w;
        EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
        UINT pw = 0, ph = 0;
        const std::vector<uint8_t> decoded = DecodePng(png, pw, ph);
        ASSERT_EQ(decoded.size(), 3u * w * h) << w;
        int differ = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) differ += !SamePixel(&decoded[3u * (y * w + x)], w, h, x, y);
        EXPECT_EQ(differ, 0) << w;

        ASSERT_EQ(PutSnapshotOnClipboard(owner, w, h), ClipboardPut::done) << w;
        ASSERT_TRUE(OpenClipboard(owner));
        HGLOBAL dib = GetClipboardData(CF_DIB);
        HGLOBAL onClipboard = GetClipboardData(RegisterClipboardFormatA("PNG"));
        ASSERT_NE(dib, nullptr);
        ASSERT_NE(onClipboard, nullptr);
        EXPECT_EQ(GlobalSize(onClipboard), png.size());
        const auto* info = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib));
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->biBitCount, 24);
        EXPECT_EQ(info->biWidth, w);
        EXPECT_EQ(info->biHeight, h);
        const auto* rows = reinterpret_cast<const uint8_t*>(info + 1);
        const int stride = (3 * w + 3) & ~3;
        differ = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) differ += !SamePixel(rows + stride * (h - 1 - y) + 3 * x, w, h, x, y);
        EXPECT_EQ(differ, 0) << w;
        GlobalUnlock(dib);
        CloseClipboard();
        ReleaseScreenSnapshot();
    }
    // Held by another program's window all along: nothing is put, nothing hangs.
    CreateScreenSnapshot(10, 10);
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr), release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        const bool open = OpenClipboard(nullptr);
        SetEvent(held);
        WaitForSingleObject(release, 10000);
        if (open) CloseClipboard();
    });
    WaitForSingleObject(held, 10000);
    EXPECT_EQ(PutSnapshotOnClipboard(owner, 10, 10), ClipboardPut::busy);
    SetEvent(release);
    holder.join();
    CloseHandle(held);
    CloseHandle(release);
    ReleaseScreenSnapshot();
    DestroyWindow(owner);
}
