#include "png_reader.h"

#include <wincodec.h>

#include <initializer_list>

#include "overlay/windows/system_function.h"

// The pixels of a PNG as the system's codecs read them back: top-down rows of 3 * w bytes.
std::vector<uint8_t> DecodePng(const std::vector<uint8_t>& png, UINT& w, UINT& h) {
    std::vector<uint8_t> pixels;
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    using CreateFactory = HRESULT WINAPI(UINT, IWICImagingFactory**);
    auto* create = SystemFunction<CreateFactory>("windowscodecs.dll", "WICCreateImagingFactory_Proxy");
    if (create && SUCCEEDED(create(WINCODEC_SDK_VERSION, &factory)) && SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(const_cast<BYTE*>(png.data()), static_cast<DWORD>(png.size()))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnLoad, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&w, &h)) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom))) {
        pixels.resize(3u * w * h);
        if (FAILED(converter->CopyPixels(nullptr, 3 * w, static_cast<UINT>(pixels.size()), pixels.data()))) pixels.clear();
    }
    for (IUnknown* p : std::initializer_list<IUnknown*>{converter, frame, decoder, stream, factory})
        if (p) p->Release();
    return pixels;
}

