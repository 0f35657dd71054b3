#include "platform/image_file.hpp"

#include "platform/console.hpp"

#include <filesystem>
#include <utility>
#include <wincodec.h>
#include <windows.h>

namespace Velmora {
namespace {

// Holds one COM object and releases it when it goes.
template <typename Interface> class ComObject {
public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    ~ComObject() {
        if (object != nullptr) {
            object->Release();
        }
    }
    Interface** put() { return &object; }
    Interface* operator->() const { return object; }
    Interface* get() const { return object; }

private:
    Interface* object = nullptr;
};

// WIC is a COM library: the thread that loads images joins COM once. A thread that joined already, in
// whatever mode, serves as well.
void createFactory(ComObject<IWICImagingFactory>& factory, HRESULT& result) {
    static const HRESULT joined = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)joined;
    result =
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(factory.put()));
}

std::wstring widePath(const std::string& path) {
    return std::filesystem::u8path(path).wstring();
}

// Each step runs only while every step before it succeeded; the first failure's code is the one reported.
HRESULT decodeInto(const std::string& path, int largestSide, RgbImage& image) {
    ComObject<IWICImagingFactory> factory;
    HRESULT result = S_OK;
    createFactory(factory, result);
    ComObject<IWICBitmapDecoder> decoder;
    ComObject<IWICBitmapFrameDecode> frame;
    ComObject<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (SUCCEEDED(result)) {
        result = factory->CreateDecoderFromFilename(widePath(path).c_str(), nullptr, GENERIC_READ,
                                                    WICDecodeMetadataCacheOnDemand, decoder.put());
    }
    if (SUCCEEDED(result)) {
        result = decoder->GetFrame(0, frame.put());
    }
    if (SUCCEEDED(result)) {
        result = factory->CreateFormatConverter(converter.put());
    }
    if (SUCCEEDED(result)) {
        result = converter->Initialize(frame.get(), GUID_WICPixelFormat24bppRGB, WICBitmapDitherTypeNone,
                                       nullptr, 0.0, WICBitmapPaletteTypeCustom);
    }
    if (SUCCEEDED(result)) {
        result = converter->GetSize(&width, &height);
    }
    // The size is known before any pixel is decoded, so an image too large to use costs neither time nor
    // memory.
    if (SUCCEEDED(result) &&
        (width > static_cast<UINT>(largestSide) || height > static_cast<UINT>(largestSide))) {
        result = WINCODEC_ERR_IMAGESIZEOUTOFRANGE;
    }
    if (SUCCEEDED(result)) {
        image.width = static_cast<int>(width);
        image.height = static_cast<int>(height);
        image.pixels.resize(std::size_t{3} * width * height);
        result = converter->CopyPixels(nullptr, 3 * width, static_cast<UINT>(image.pixels.size()),
                                       image.pixels.data());
    }
    return result;
}

// WIC's PNG encoder takes blue first and the top row first.
std::vector<unsigned char> encoderRows(int width, int height, int channels, const unsigned char* pixels) {
    const std::size_t rowBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(channels);
    std::vector<unsigned char> rows(rowBytes * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const unsigned char* source = pixels + rowBytes * static_cast<std::size_t>(height - 1 - y);
        unsigned char* target = rows.data() + rowBytes * static_cast<std::size_t>(y);
        for (std::size_t i = 0; i < rowBytes; i += static_cast<std::size_t>(channels)) {
            std::copy(source + i, source + i + channels, target + i);
            std::swap(target[i], target[i + 2]);
        }
    }
    return rows;
}

HRESULT encodeFrame(IWICBitmapEncoder* encoder, int width, int height, int channels,
                    std::vector<unsigned char>& rows) {
    ComObject<IWICBitmapFrameEncode> frame;
    ComObject<IPropertyBag2> options;
    HRESULT result = encoder->CreateNewFrame(frame.put(), options.put());
    WICPixelFormatGUID format = channels == 4 ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat24bppBGR;
    if (SUCCEEDED(result)) {
        result = frame->Initialize(options.get());
    }
    if (SUCCEEDED(result)) {
        result = frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height));
    }
    if (SUCCEEDED(result)) {
        result = frame->SetPixelFormat(&format);
    }
    if (SUCCEEDED(result)) {
        result = frame->WritePixels(static_cast<UINT>(height), static_cast<UINT>(width * channels),
                                    static_cast<UINT>(rows.size()), rows.data());
    }
    return SUCCEEDED(result) ? frame->Commit() : result;
}

} // namespace

RgbImage loadRgbImage(const std::string& path, int largestSide) {
    RgbImage image;
    const HRESULT result = decodeInto(path, largestSide, image);
    if (FAILED(result)) {
        fatalError("Failed to load texture! - " + path, "Error-code(s):\n" + std::to_string(result));
    }
    return image;
}

bool saveImage(const std::string& path, int width, int height, int channels, const unsigned char* pixels) {
    std::vector<unsigned char> rows = encoderRows(width, height, channels, pixels);
    ComObject<IWICImagingFactory> factory;
    HRESULT result = S_OK;
    createFactory(factory, result);
    ComObject<IWICStream> stream;
    ComObject<IWICBitmapEncoder> encoder;
    if (SUCCEEDED(result)) {
        result = factory->CreateStream(stream.put());
    }
    if (SUCCEEDED(result)) {
        result = stream->InitializeFromFilename(widePath(path).c_str(), GENERIC_WRITE);
    }
    if (SUCCEEDED(result)) {
        result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put());
    }
    if (SUCCEEDED(result)) {
        result = encoder->Initialize(stream.get(), WICBitmapEncoderNoCache);
    }
    if (SUCCEEDED(result)) {
        result = encodeFrame(encoder.get(), width, height, channels, rows);
    }
    return SUCCEEDED(result) && SUCCEEDED(encoder->Commit());
}

} // namespace Velmora
