#include "gfx/XImageFactory.h"

#include <X11/Xutil.h>

#include <cstdlib>
#include <string>

#include "app/Log.h"
#include "gfx/MyImage.h"
#include "gfx/PixelFormat.h"
#include "gfx/Screen.h"
#include "ui/FormOf.h"

namespace tarnbrook {

namespace {

Display* DisplayOf(Form* form)
{
    Screen* screen = form ? form->GetScreen() : nullptr;
    return screen ? screen->GetDisplay() : nullptr;
}

Visual* VisualOf(Form* form, Display* display)
{
    Screen* screen = form->GetScreen();
    if (screen->GetVisualInfo()) {
        return screen->GetVisualInfo()->visual;
    }
    return DefaultVisual(display, screen->GetScreenNumber());
}

int BytesPerLine(int width, int pixelBytes, int padBytes)
{
    const int rowBytes = pixelBytes * width;
    if (padBytes <= 0 || rowBytes % padBytes == 0) {
        return rowBytes;
    }
    const int padded = (rowBytes / padBytes + 1) * padBytes;
    WriteLog("WARNING img width: " + std::to_string(width) +
             " - bytes_per_line_Pad != bytes_per_line: " + std::to_string(padded) + " " +
             std::to_string(rowBytes));
    return padded;
}

void PutChannel(unsigned char* pixel, int position, int pixelBytes, unsigned char value)
{
    if (position >= 0 && position < pixelBytes) {
        pixel[position] = value;
    }
}

}  // namespace

void DestroyImage(XImage* image)
{
    if (image) {
        XDestroyImage(image);
    }
}

ImagePtr CreateXImage(GUIElement* element, const unsigned char* rgb, int width, int height)
{
    Form* form = FormOf(element);
    Display* display = DisplayOf(form);
    if (!rgb || width <= 0 || height <= 0 || !display) {
        return nullptr;
    }
    ProbePixelFormat(element);
    const PixelFormat& format = CurrentPixelFormat();
    const int padBytes = format.bitmapPad / 8;
    const int pixelBytes = format.bitsPerPixel / 8;
    const int bytesPerLine = BytesPerLine(width, pixelBytes, padBytes);
    // Xlib frees the pixel data with free() when the image is destroyed.
    char* data = static_cast<char*>(
        std::calloc(static_cast<size_t>(height) * static_cast<size_t>(bytesPerLine), 1));
    if (!data) {
        return nullptr;
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char* source = rgb + (static_cast<size_t>(y) * width + x) * 3;
            unsigned char* pixel = reinterpret_cast<unsigned char*>(data) +
                                   static_cast<size_t>(y) * bytesPerLine +
                                   static_cast<size_t>(x) * pixelBytes;
            PutChannel(pixel, MyImage::ixRosso, pixelBytes, source[0]);
            PutChannel(pixel, MyImage::ixVerde, pixelBytes, source[1]);
            PutChannel(pixel, MyImage::ixBlu, pixelBytes, source[2]);
        }
    }
    XImage* image =
        XCreateImage(display, VisualOf(form, display), static_cast<unsigned>(format.depth),
                     format.format, format.xoffset, data, static_cast<unsigned>(width),
                     static_cast<unsigned>(height), padBytes * 8, bytesPerLine);
    if (!image) {
        std::free(data);
    }
    return ImagePtr(image);
}

ImagePtr CreateXImage(GUIElement* element, const RgbBuffer& rgb)
{
    if (rgb.IsEmpty()) {
        return nullptr;
    }
    return CreateXImage(element, rgb.Data(), rgb.Width(), rgb.Height());
}

namespace {

int IgnoreError(Display*, XErrorEvent*)
{
    return 0;
}

}  // namespace

ImagePtr ReadImage(Display* display, Drawable drawable, int x, int y, int w, int h)
{
    // Errors of earlier requests still go to the program's own handler.
    XSync(display, False);
    XErrorHandler previous = XSetErrorHandler(IgnoreError);
    ImagePtr image(XGetImage(display, drawable, x, y, static_cast<unsigned>(w),
                             static_cast<unsigned>(h), AllPlanes, ZPixmap));
    XSetErrorHandler(previous);
    return image;
}

}  // namespace tarnbrook
