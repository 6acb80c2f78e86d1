#include "gfx/PixelFormat.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>

#include "app/Log.h"
#include "gfx/GraphicsContext.h"
#include "gfx/MyImage.h"
#include "gfx/Screen.h"
#include "gfx/XImageFactory.h"
#include "ui/FormOf.h"

namespace tarnbrook {

namespace {

const PixelFormat kUnprobed{ZPixmap, 0, 32, 32, LSBFirst, LSBFirst, 32, 0};
PixelFormat pixelFormat = kUnprobed;

constexpr int64_t kProbeColor = 0xCF3B76;
constexpr int kMaxPixelBytes = 8;

void WarnIf(bool differs, const char* text, int value)
{
    if (differs) {
        WriteLog(text + std::to_string(value));
    }
}

void StoreLayout(const XImage* image)
{
    pixelFormat.format = image->format;
    pixelFormat.xoffset = image->xoffset;
    pixelFormat.bitmapPad = image->bitmap_pad;
    pixelFormat.bitmapUnit = image->bitmap_unit;
    pixelFormat.bitmapBitOrder = image->bitmap_bit_order;
    pixelFormat.byteOrder = image->byte_order;
    pixelFormat.bitsPerPixel = image->bits_per_pixel;
    pixelFormat.depth = image->depth;
}

void WarnAboutLayout()
{
    const PixelFormat& f = pixelFormat;
    WarnIf(f.format != ZPixmap, "WARNING img->format: ", f.format);
    WarnIf(f.xoffset != 0, "WARNING img->xoffset: ", f.xoffset);
    WarnIf(f.bitmapPad != 32, "WARNING img->bitmap_pad: ", f.bitmapPad);
    WarnIf(f.bitmapUnit != 32, "WARNING img->bitmap_unit: ", f.bitmapUnit);
    WarnIf(f.depth != 24, "WARNING img->depth: ", f.depth);
    WarnIf(f.bitsPerPixel != 32, "WARNING img->bits_per_pixel: ", f.bitsPerPixel);
    WarnIf(f.bitmapBitOrder != LSBFirst, "WARNING img->bitmap_bit_order: ", f.bitmapBitOrder);
    WarnIf(f.byteOrder != LSBFirst, "WARNING img->byte_order: ", f.byteOrder);
}

// Finds the bytes of the probe colour inside the pixel read back.
void FindColourBytes(const XImage* image)
{
    bool red = false;
    bool green = false;
    bool blue = false;
    const int pixelBytes =
        std::min(image->bits_per_pixel / 8, std::min(kMaxPixelBytes, image->bytes_per_line));
    for (int i = 0; i < pixelBytes; ++i) {
        const unsigned char byte = static_cast<unsigned char>(image->data[i]);
        if (byte == 0xCF) {
            MyImage::ixRosso = i;
            red = true;
        } else if (byte == 0x3B) {
            MyImage::ixVerde = i;
            green = true;
        } else if (byte == 0x76) {
            MyImage::ixBlu = i;
            blue = true;
        }
    }
    const bool all = red && green && blue;
    WarnIf(!all || MyImage::ixRosso != 2, "WARNING MyImage::ixRosso: ", MyImage::ixRosso);
    WarnIf(!all || MyImage::ixVerde != 1, "WARNING MyImage::ixVerde: ", MyImage::ixVerde);
    WarnIf(!all || MyImage::ixBlu != 0, "WARNING MyImage::ixBlu: ", MyImage::ixBlu);
}

bool Viewable(Display* display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

// Byte of a colour channel inside a pixel, from the visual's mask and the image byte order.
int ChannelByte(unsigned long mask, const XImage* image)
{
    int shift = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask >>= 1;
        ++shift;
    }
    const int byte = shift / 8;
    return image->byte_order == LSBFirst ? byte : image->bits_per_pixel / 8 - 1 - byte;
}

// A window that is not on screen yet cannot be read back: the layout then comes from an image
// that Xlib makes for the visual, and the colour bytes from the visual's masks.
void LearnFromVisual(Display* display, Form* form)
{
    Screen* screen = form->GetScreen();
    Visual* visual = screen->GetVisualInfo() ? screen->GetVisualInfo()->visual
                                             : DefaultVisual(display, screen->GetScreenNumber());
    const int depth = screen->GetVisualInfo() ? screen->GetVisualInfo()->depth
                                              : DefaultDepth(display, screen->GetScreenNumber());
    ImagePtr image(XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                                1, 1, 32, 0));
    if (!image) {
        return;
    }
    StoreLayout(image.get());
    WarnAboutLayout();
    MyImage::ixRosso = ChannelByte(visual->red_mask, image.get());
    MyImage::ixVerde = ChannelByte(visual->green_mask, image.get());
    MyImage::ixBlu = ChannelByte(visual->blue_mask, image.get());
}

}  // namespace

const PixelFormat& CurrentPixelFormat()
{
    return pixelFormat;
}

void ProbePixelFormat(GUIElement* element)
{
    if (pixelFormat.depth != 0) {
        return;
    }
    Form* form = FormOf(element);
    Screen* screen = form ? form->GetScreen() : nullptr;
    Display* display = screen ? screen->GetDisplay() : nullptr;
    if (!display || form->GetWindow() == None) {
        return;
    }
    if (!Viewable(display, form->GetWindow())) {
        LearnFromVisual(display, form);
        return;
    }
    GraphicsContext gc(form);
    gc.DrawPoint(0, 0, kProbeColor);
    ImagePtr pixel = ReadImage(display, form->GetWindow(), 0, 0, 1, 1);
    if (!pixel) {
        LearnFromVisual(display, form);
        return;
    }
    StoreLayout(pixel.get());
    WarnAboutLayout();
    FindColourBytes(pixel.get());
}

void ForgetPixelFormat()
{
    pixelFormat = kUnprobed;
    MyImage::ixRosso = 2;
    MyImage::ixVerde = 1;
    MyImage::ixBlu = 0;
}

}  // namespace tarnbrook
