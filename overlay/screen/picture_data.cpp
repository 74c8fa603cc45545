#include "picture_data.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstring>

#include "../windows/system_function.h"
#include "bitmap_file.h"
#include "screen_snapshot.h"

namespace {
// The codecs' own identifiers, spelled out so that no import library is needed for them.
constexpr GUID kPngContainer = {0x1b7cfaf4, 0x713f, 0x473c, {0xbb, 0xcd, 0x61, 0x37, 0x42, 0x5f, 0xae, 0xaf}};
constexpr GUID kBgr24 = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0c}};

template <typename T>
struct ComRef {
    T* p = nullptr;
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (p) p->Release();
    }
};

// COM for the time of one encoding, on this thread.
struct ComScope {
    bool started = false;
    ComScope() {
        if (auto* init = SystemFunction<decltype(CoInitializeEx)>("ole32.dll", "CoInitializeEx"))
            started = SUCCEEDED(init(nullptr, COINIT_APARTMENTTHREADED));
    }
    ~ComScope() {
        if (!started) return;
        if (auto* done = SystemFunction<decltype(CoUninitialize)>("ole32.dll", "CoUninitialize")) done();
    }
};

const uint8_t* SnapshotRow(int w, int h, int y) {  // y from the top; the snapshot is bottom-up
    return static_cast<const uint8_t*>(g_snapshot.pixels) + 4ull * w * (h - 1 - y);
}

bool SnapshotHolds(int w, int h) { return g_snapshot.pixels && w > 0 && h > 0 && g_snapshot.w >= w && g_snapshot.h == h; }

// Encodes into stream, row by row from the top.
bool EncodePng(IWICImagingFactory* factory, IStream* stream, int w, int h) {
    ComRef<IWICBitmapEncoder> encoder;
    ComRef<IWICBitmapFrameEncode> frame;
    if (FAILED(factory->CreateEncoder(kPngContainer, nullptr, &encoder.p)) ||
        FAILED(encoder.p->Initialize(stream, WICBitmapEncoderNoCache)) ||
        FAILED(encoder.p->CreateNewFrame(&frame.p, nullptr)) || FAILED(frame.p->Initialize(nullptr)) ||
        FAILED(frame.p->SetSize(static_cast<UINT>(w), static_cast<UINT>(h))))
        return false;
    WICPixelFormatGUID format = kBgr24;
    if (FAILED(frame.p->SetPixelFormat(&format)) || format != kBgr24) return false;
    std::vector<uint8_t> row(3u * w);
    for (int y = 0; y < h; ++y) {
        PackRow24(SnapshotRow(w, h, y), w, row.data());
        if (FAILED(frame.p->WritePixels(1, 3u * w, static_cast<UINT>(row.size()), row.data()))) return false;
    }
    return SUCCEEDED(frame.p->Commit()) && SUCCEEDED(encoder.p->Commit());
}

HGLOBAL CopyToGlobal(const void* bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    void* at = block ? GlobalLock(block) : nullptr;
    if (!at) {
        if (block) GlobalFree(block);
        return nullptr;
    }
    std::memcpy(at, bytes, size);
    GlobalUnlock(block);
    return block;
}

// Another program may hold the clipboard for a moment; it is asked a few times, never for long.
bool OpenClipboardSoon(HWND owner) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(20);
    }
    return false;
}
}  // namespace

std::vector<uint8_t> EncodeSnapshotPng(int w, int h) {
    using CreateFactory = HRESULT WINAPI(UINT, IWICImagingFactory**);
    using StreamOnMemory = HRESULT WINAPI(HGLOBAL, BOOL, IStream**);
    std::vector<uint8_t> png;
    if (!SnapshotHolds(w, h)) return png;
    const ComScope com;
    auto* create = SystemFunction<CreateFactory>("windowscodecs.dll", "WICCreateImagingFactory_Proxy");
    auto* memory = SystemFunction<StreamOnMemory>("ole32.dll", "CreateStreamOnHGlobal");
    ComRef<IWICImagingFactory> factory;
    ComRef<IStream> stream;
    if (!create || !memory || FAILED(create(WINCODEC_SDK_VERSION, &factory.p)) ||
        FAILED(memory(nullptr, TRUE, &stream.p)) || !EncodePng(factory.p, stream.p, w, h))
        return png;
    STATSTG stat{};
    LARGE_INTEGER start{};
    if (FAILED(stream.p->Stat(&stat, STATFLAG_NONAME)) || stat.cbSize.QuadPart > UINT32_MAX ||
        FAILED(stream.p->Seek(start, STREAM_SEEK_SET, nullptr)))
        return png;
    png.resize(static_cast<size_t>(stat.cbSize.QuadPart));
    ULONG read = 0;
    if (FAILED(stream.p->Read(png.data(), static_cast<ULONG>(png.size()), &read)) || read != png.size()) png.clear();
    return png;
}

HGLOBAL SnapshotDib(int w, int h) {
    const uint64_t size = Dib24Size(w, h);
    if (!size || !SnapshotHolds(w, h)) return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(size));
    auto* at = block ? static_cast<uint8_t*>(GlobalLock(block)) : nullptr;
    if (!at) {
        if (block) GlobalFree(block);
        return nullptr;
    }
    FormatDib24Header(at, w, h);
    const size_t stride = (3u * w + 3) & ~3u;
    for (int y = 0; y < h; ++y)  // both bottom-up
        PackRow24(SnapshotRow(w, h, h - 1 - y), w, at + kDibHeaderSize + stride * y);
    GlobalUnlock(block);
    return block;
}

bool WriteWholeFile(const wchar_t* path, const void* bytes, DWORD size) {
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, bytes, size, &written, nullptr) && written == size;
    CloseHandle(file);
    if (!whole) DeleteFileW(path);  // a cut-off picture is no picture
    return whole;
}

ClipboardPut PutSnapshotOnClipboard(HWND owner, int w, int h) {
    const std::vector<uint8_t> png = EncodeSnapshotPng(w, h);
    HGLOBAL dib = SnapshotDib(w, h);
    HGLOBAL pngBlock = png.empty() ? nullptr : CopyToGlobal(png.data(), png.size());
    const UINT pngFormat = RegisterClipboardFormatA("PNG");
    ClipboardPut put = dib ? ClipboardPut::busy : ClipboardPut::failed;
    if (dib && OpenClipboardSoon(owner)) {
        put = ClipboardPut::failed;
        if (EmptyClipboard() && SetClipboardData(CF_DIB, dib)) {
            dib = nullptr;  // the clipboard's now
            put = ClipboardPut::done;
            if (pngBlock && pngFormat && SetClipboardData(pngFormat, pngBlock)) pngBlock = nullptr;
        }
        CloseClipboard();
    }
    if (dib) GlobalFree(dib);
    if (pngBlock) GlobalFree(pngBlock);
    return put;
}
