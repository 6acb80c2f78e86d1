#include "gfx/GraphicsContext.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <cctype>

#include "app/Application.h"
#include "app/Log.h"
#include "gfx/BmpFile.h"
#include "gfx/MyImage.h"
#include "gfx/PixelFormat.h"
#include "gfx/Screen.h"
#include "ui/Form.h"
#include "util/FileUtils.h"
#include "util/StringUtils.h"

namespace tarnbrook {

namespace {

constexpr unsigned long kCapAndJoinMask = GCCapStyle | GCJoinStyle;
constexpr int kMinLineHeight = 15;
constexpr int kLowestDrawnBox = 9;  // a text box this high or lower shows nothing
constexpr int kFullTurn = 360 * 64;
constexpr int kLastCoordinate = 32767;  // X coordinates are 16-bit

bool IsBlank(char ch)
{
    return std::isspace(static_cast<unsigned char>(ch)) != 0;
}

std::string_view TrimmedView(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// How much of a line is kept when only its first `fits` characters fit. The rule: characters
// are dropped from the end until the line fits, and dropping a letter also drops what follows
// the last blank before it, so a word is broken only where no blank allows otherwise.
// Dropping from the line's end always passes the first blank at or after `fits`; the characters
// from `fits` up to that blank are none of them blanks, so a letter among them sends the line
// back to the last blank before `fits`, and without one the line keeps `fits` characters. Only
// those characters are looked at, and only until the first letter: a long line is not measured
// again for every character dropped.
size_t ShortenedLength(std::string_view text, size_t fits)
{
    const size_t space = fits > 0 ? text.rfind(' ', fits - 1) : std::string_view::npos;
    if (space == std::string_view::npos) {
        return fits;
    }
    for (size_t i = fits; i < text.size() && text[i] != ' ' && text[i] != '\n'; ++i) {
        if (std::isalpha(static_cast<unsigned char>(text[i]))) {
            return space;
        }
    }
    return fits;
}

Form* TargetOrFirstForm(Form* target)
{
    if (target || Application::forms.empty()) {
        return target;
    }
    return Application::forms.front();
}

int LineLeft(int x, int w, int lineWidth, TextAlign align)
{
    if (w <= 0 || align == TextAlign::Left || lineWidth == 0) {
        return x;
    }
    if (align == TextAlign::Right) {
        return x + w - lineWidth;
    }
    return x + (w - lineWidth) / 2;
}

// Where key's colour bytes sit inside an image pixel, or false when a pixel is too small.
bool ColourBytes(const XImage* image, int& pixelBytes)
{
    pixelBytes = image->bits_per_pixel / 8;
    const int highest = std::max({MyImage::ixRosso, MyImage::ixVerde, MyImage::ixBlu});
    return highest < pixelBytes;
}

// Where the image's pixels in the w x h area at (imageX, imageY) have the key's colour, they
// take the colour of the same pixel of under, whose area starts at (0, 0).
void ReplaceKeyed(XImage* image, int imageX, int imageY, const XImage* under, int w, int h,
                  int64_t key)
{
    int imageBytes = 0;
    int underBytes = 0;
    if (!ColourBytes(image, imageBytes) || !ColourBytes(under, underBytes)) {
        return;
    }
    const unsigned char red = static_cast<unsigned char>((key >> 16) & 0xFF);
    const unsigned char green = static_cast<unsigned char>((key >> 8) & 0xFF);
    const unsigned char blue = static_cast<unsigned char>(key & 0xFF);
    for (int row = 0; row < h; ++row) {
        unsigned char* imageRow = reinterpret_cast<unsigned char*>(image->data) +
                                  static_cast<size_t>(imageY + row) * image->bytes_per_line;
        const unsigned char* underRow = reinterpret_cast<const unsigned char*>(under->data) +
                                        static_cast<size_t>(row) * under->bytes_per_line;
        for (int column = 0; column < w; ++column) {
            unsigned char* pixel = imageRow + static_cast<size_t>(imageX + column) * imageBytes;
            const unsigned char* back = underRow + static_cast<size_t>(column) * underBytes;
            if (pixel[MyImage::ixRosso] == red && pixel[MyImage::ixVerde] == green &&
                pixel[MyImage::ixBlu] == blue) {
                pixel[MyImage::ixRosso] = back[MyImage::ixRosso];
                pixel[MyImage::ixVerde] = back[MyImage::ixVerde];
                pixel[MyImage::ixBlu] = back[MyImage::ixBlu];
            }
        }
    }
}

RgbBuffer ReadBmp(int bitsPerPixel, const std::string& path)
{
    switch (bitsPerPixel) {
    case 4:
        return ReadBmp4(path);
    case 8:
        return ReadBmp8(path);
    case 24:
        return ReadBmp24(path);
    default:
        return RgbBuffer();
    }
}

}  // namespace

struct GraphicsContext::TextLine {
    std::string_view line;
    std::string_view remainder;  // the text after the line, trimmed
    bool shortened = false;
    bool more = false;  // the line ended at a newline or was shortened
};

GraphicsContext::GraphicsContext(Form* target) : target_(TargetOrFirstForm(target))
{
    Screen* screen = target_ ? target_->GetScreen() : nullptr;
    display_ = screen ? screen->GetDisplay() : nullptr;
    window_ = target_ ? target_->GetWindow() : None;
    if (display_ && window_ != None) {
        XGCValues values{};
        gc_ = XCreateGC(display_, window_, kCapAndJoinMask, &values);
    }
    if (!gc_) {
        WriteLog("Errore nella creazione del GC");
        return;
    }
    link_.Attach(display_, [this](Display* closing) {
        XFreeGC(closing, gc_);
        gc_ = nullptr;
        display_ = nullptr;
    });
    const int screenNumber = screen->GetScreenNumber();
    XSetForeground(display_, gc_, WhitePixel(display_, screenNumber));
    XSetBackground(display_, gc_, BlackPixel(display_, screenNumber));
    XSetFillStyle(display_, gc_, FillSolid);
    SetSolidLines();
    if (XFontStruct* font = Font()) {
        XSetFont(display_, gc_, font->fid);
    }
}

GraphicsContext::~GraphicsContext()
{
    if (gc_) {
        XFreeGC(display_, gc_);
    }
}

void GraphicsContext::SetForeground(int64_t color)
{
    if (color != NoColor) {
        XSetForeground(display_, gc_, static_cast<unsigned long>(color));
    }
}

void GraphicsContext::SetBackground(int64_t color)
{
    if (color != NoColor) {
        XSetBackground(display_, gc_, static_cast<unsigned long>(color));
    }
}

void GraphicsContext::SetSolidLines()
{
    XSetLineAttributes(display_, gc_, 1, LineSolid, CapRound, JoinRound);
}

void GraphicsContext::Flush()
{
    XFlush(display_);
}

XFontStruct* GraphicsContext::Font()
{
    if (!display_ || Application::forms.empty()) {
        return nullptr;
    }
    return Application::forms.front()->GetFont().GetFontStruct(display_);
}

void GraphicsContext::DrawPoint(int x, int y, int64_t color)
{
    if (!gc_) {
        return;
    }
    XSetForeground(display_, gc_, static_cast<unsigned long>(color));
    XDrawPoint(display_, window_, gc_, x, y);
    Flush();
}

uint32_t GraphicsContext::GetPixel(int x, int y)
{
    if (!gc_ || !AreaReadable(x, y, 1, 1)) {
        return 0;
    }
    ImagePtr image = ReadImage(display_, window_, x, y, 1, 1);
    return image ? static_cast<uint32_t>(XGetPixel(image.get(), 0, 0)) : 0;
}

int GraphicsContext::LineHeight()
{
    XFontStruct* font = gc_ ? Font() : nullptr;
    return font ? font->ascent + 1 : kMinLineHeight;
}

int GraphicsContext::TextLineHeightFor(int ascent)
{
    return ascent > kMinLineHeight ? ascent + 1 : kMinLineHeight;
}

int GraphicsContext::TextLineHeight()
{
    XFontStruct* font = gc_ ? Font() : nullptr;
    return TextLineHeightFor(font ? font->ascent : 0);
}

int GraphicsContext::TextWidth(std::string_view text)
{
    XFontStruct* font = gc_ ? Font() : nullptr;
    if (!font || text.empty()) {
        return 0;
    }
    return XTextWidth(font, text.data(), static_cast<int>(text.size()));
}

int GraphicsContext::CharWidthM()
{
    return TextWidth("M");
}

int GraphicsContext::CharWidthA()
{
    return TextWidth("a");
}

void GraphicsContext::DrawLine(int x1, int y1, int x2, int y2, int64_t color)
{
    DrawLine(x1, y1, x2, y2, 0, color);
}

void GraphicsContext::DrawLine(int x1, int y1, int x2, int y2, int lineStyle, int64_t color)
{
    if (!gc_) {
        return;
    }
    SetForeground(color);
    const bool dashed = lineStyle == 1 || lineStyle == 2;
    if (dashed) {
        XSetLineAttributes(display_, gc_, 1, lineStyle == 1 ? LineOnOffDash : LineDoubleDash,
                           CapRound, JoinRound);
    }
    XDrawLine(display_, window_, gc_, x1, y1, x2, y2);
    Flush();
    if (dashed) {
        SetSolidLines();
    }
}

void GraphicsContext::DrawRectangle(int x, int y, int w, int h, int lineWidth, int64_t color)
{
    if (!gc_ || w <= 0 || h <= 0) {
        return;
    }
    SetForeground(color);
    if (lineWidth > 1) {
        XSetLineAttributes(display_, gc_, static_cast<unsigned>(lineWidth), LineSolid, CapRound,
                           JoinRound);
    }
    XDrawRectangle(display_, window_, gc_, x, y, static_cast<unsigned>(w - 1),
                   static_cast<unsigned>(h - 1));
    Flush();
    if (lineWidth > 1) {
        SetSolidLines();
    }
}

void GraphicsContext::DrawBevel(int x, int y, int w, int h, int64_t topLeft, int64_t bottomRight)
{
    const int right = x + w - 1;
    const int bottom = y + h - 1;
    DrawLine(x, y, right, y, topLeft);
    DrawLine(x, bottom, x, y, topLeft);
    DrawLine(right, y, right, bottom, bottomRight);
    DrawLine(x, bottom, right, bottom, bottomRight);
}

void GraphicsContext::FillRectangle(int x, int y, int w, int h, int borderWidth,
                                    int64_t borderColor, int64_t fillColor)
{
    if (!gc_) {
        return;
    }
    SetForeground(fillColor);
    if (w > 1 && h > 1) {
        XFillRectangle(display_, window_, gc_, x, y, static_cast<unsigned>(w - 1),
                       static_cast<unsigned>(h - 1));
    }
    Flush();
    if (borderWidth > 0) {
        DrawRectangle(x, y, w - 1, h - 1, borderWidth, borderColor);
    }
}

void GraphicsContext::FillRectangle(int x, int y, int w, int h, int64_t fillColor)
{
    FillRectangle(x, y, w, h, 0, NoColor, fillColor);
}

void GraphicsContext::DrawPolyline(const XPoint* points, int count, int64_t color)
{
    if (!gc_ || !points || count <= 0) {
        return;
    }
    SetForeground(color);
    XDrawLines(display_, window_, gc_, const_cast<XPoint*>(points), count, CoordModeOrigin);
    Flush();
}

void GraphicsContext::FillPolygon(const XPoint* points, int count, int borderWidth,
                                  int64_t borderColor, int64_t fillColor)
{
    if (!gc_ || !points || count <= 0) {
        return;
    }
    SetForeground(fillColor);
    XFillPolygon(display_, window_, gc_, const_cast<XPoint*>(points), count, Complex,
                 CoordModeOrigin);
    Flush();
    if (borderWidth > 0) {
        DrawPolyline(points, count, borderColor);
    }
}

void GraphicsContext::DrawEllipse(int x, int y, int w, int h, int64_t color)
{
    if (!gc_ || w < 0 || h < 0) {
        return;
    }
    SetForeground(color);
    XSetArcMode(display_, gc_, ArcPieSlice);
    XDrawArc(display_, window_, gc_, x, y, static_cast<unsigned>(w), static_cast<unsigned>(h), 0,
             kFullTurn);
    Flush();
}

void GraphicsContext::FillEllipse(int x, int y, int w, int h, int borderWidth, int64_t borderColor,
                                  int64_t fillColor)
{
    if (!gc_ || w < 0 || h < 0) {
        return;
    }
    SetForeground(fillColor);
    XSetArcMode(display_, gc_, ArcPieSlice);
    XFillArc(display_, window_, gc_, x, y, static_cast<unsigned>(w), static_cast<unsigned>(h), 0,
             kFullTurn);
    Flush();
    if (borderWidth > 0) {
        DrawEllipse(x, y, w, h, borderColor);
    }
}

// The next line of text in a box w wide: up to the first newline, shortened character by
// character while too wide; a dropped letter takes its whole word along when there is a space
// to break at, so only words longer than the box, and numbers, are broken anywhere.
// The characters of the text's first line (up to a newline) that fit in w pixels (w not above
// 0: no limit), measured one at a time (a width is the sum of its characters') only as far as
// the first that does not fit.
size_t GraphicsContext::FittingLength(std::string_view text, int w)
{
    XFontStruct* font = gc_ && w > 0 ? Font() : nullptr;
    int64_t width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            return i;
        }
        if (font) {
            width += XTextWidth(font, &text[i], 1);
            if (width > w) {
                return i;
            }
        }
    }
    return text.size();
}

GraphicsContext::TextLine GraphicsContext::NextLine(std::string_view text, int w)
{
    TextLine result;
    const size_t fits = FittingLength(text, w);
    result.shortened = fits < text.size() && text[fits] != '\n';
    result.line = text.substr(0, result.shortened ? ShortenedLength(text, fits) : fits);
    result.more = fits < text.size();
    result.remainder = TrimmedView(text.substr(result.line.size()));
    return result;
}

void GraphicsContext::DrawString(int x, int baseline, std::string_view line)
{
    if (!line.empty()) {
        XDrawString(display_, window_, gc_, x, baseline, line.data(),
                    static_cast<int>(line.size()));
    }
    Flush();
}

void GraphicsContext::DrawText(int x, int y, int w, int h, const std::string& text, int64_t fg,
                               int64_t bg, TextAlign align)
{
    if (!gc_) {
        return;
    }
    std::string_view rest = text;
    for (bool first = true;; first = false) {
        SetForeground(fg);
        SetBackground(bg);
        const int lineHeight = TextLineHeight();
        if (h <= kLowestDrawnBox) {
            return;
        }
        const TextLine next = NextLine(rest, w);
        if (first && w > 0 && bg != NoColor) {
            FillRectangle(x, y, w, h + 1, bg);
            SetForeground(fg);
        }
        const int lineWidth = TextWidth(next.line);
        if (!next.more) {
            const int centring = first ? (h - lineHeight) / 2 : 0;
            DrawString(LineLeft(x, w, lineWidth, align), y + lineHeight - 1 + centring, next.line);
            return;
        }
        if (next.shortened) {
            align = TextAlign::Left;
        }
        DrawString(LineLeft(x, w, lineWidth, align), y + lineHeight - 1, next.line);
        // A box narrower than one character would never use the text up, and lines below the
        // last coordinate cannot be drawn: either way nothing more shows.
        if (next.remainder.size() == rest.size() || y > kLastCoordinate - lineHeight) {
            return;
        }
        rest = next.remainder;
        y += lineHeight;
        h -= lineHeight;
    }
}

int GraphicsContext::MeasureTextHeight(int width, const std::string& text)
{
    if (!gc_) {
        return 0;
    }
    int lines = 1;
    std::string_view rest = text;
    for (TextLine next = NextLine(rest, width); next.more; next = NextLine(rest, width)) {
        // A box narrower than one character would never use the text up.
        if (next.remainder.size() == rest.size()) {
            break;
        }
        rest = next.remainder;
        ++lines;
    }
    return lines * TextLineHeight();
}

void GraphicsContext::PutImage(int x, int y, int w, int h, XImage* image)
{
    PutImagePart(x, y, w, h, image, 0, 0);
}

void GraphicsContext::PutImagePart(int x, int y, int w, int h, XImage* image, int srcX, int srcY)
{
    if (!gc_ || !image || srcX < 0 || srcY < 0) {
        return;
    }
    w = std::min(w == 0 ? image->width : w, image->width - srcX);
    h = std::min(h == 0 ? image->height : h, image->height - srcY);
    if (w <= 0 || h <= 0) {
        return;
    }
    XPutImage(display_, window_, gc_, image, srcX, srcY, x, y, static_cast<unsigned>(w),
              static_cast<unsigned>(h));
    Flush();
}

bool GraphicsContext::AreaReadable(int x, int y, int w, int h)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window_, &attributes) ||
        attributes.map_state != IsViewable) {
        return false;
    }
    return x >= 0 && y >= 0 && w > 0 && h > 0 && static_cast<int64_t>(x) + w <= attributes.width &&
           static_cast<int64_t>(y) + h <= attributes.height;
}

void GraphicsContext::PutImageKeyed(int x, int y, int w, int h, XImage* image, int64_t key)
{
    if (!gc_ || !image) {
        return;
    }
    ProbePixelFormat(target_);
    w = std::min(w == 0 ? image->width : w, image->width);
    h = std::min(h == 0 ? image->height : h, image->height);
    XWindowAttributes attributes;
    if (w <= 0 || h <= 0 || !XGetWindowAttributes(display_, window_, &attributes) ||
        attributes.map_state != IsViewable) {
        return;
    }
    // Only the part inside the window can be read back, and only that part shows.
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right =
        static_cast<int>(std::min<int64_t>(static_cast<int64_t>(x) + w, attributes.width));
    const int bottom =
        static_cast<int>(std::min<int64_t>(static_cast<int64_t>(y) + h, attributes.height));
    if (right <= left || bottom <= top) {
        return;
    }
    ImagePtr under = ReadImage(display_, window_, left, top, right - left, bottom - top);
    if (!under) {
        return;
    }
    ReplaceKeyed(image, left - x, top - y, under.get(), right - left, bottom - top, key);
    PutImagePart(left, top, right - left, bottom - top, image, left - x, top - y);
}

void GraphicsContext::PutImagePartKeyed(int x, int y, int w, int h, XImage* image, int srcX,
                                        int srcY, int64_t key)
{
    if (!gc_ || !image || srcX < 0 || srcY < 0) {
        return;
    }
    w = std::min(w == 0 ? image->width : w, image->width - srcX);
    h = std::min(h == 0 ? image->height : h, image->height - srcY);
    if (w <= 0 || h <= 0) {
        return;
    }
    ImagePtr part(XSubImage(image, srcX, srcY, static_cast<unsigned>(w), static_cast<unsigned>(h)));
    PutImageKeyed(x, y, w, h, part.get(), key);
}

ImagePtr GraphicsContext::GetImage(int x, int y, int w, int h)
{
    if (!gc_) {
        return nullptr;
    }
    ProbePixelFormat(target_);
    if (!AreaReadable(x, y, w, h)) {
        return nullptr;
    }
    return ReadImage(display_, window_, x, y, w, h);
}

void GraphicsContext::CopyFromDrawable(int x, int y, int w, int h, Drawable source, int srcX,
                                       int srcY)
{
    Window root;
    int originX = 0;
    int originY = 0;
    unsigned sourceWidth = 0;
    unsigned sourceHeight = 0;
    unsigned border = 0;
    unsigned depth = 0;
    if (!gc_ || source == None || w <= 0 || h <= 0 || srcX < 0 || srcY < 0 ||
        !XGetGeometry(display_, source, &root, &originX, &originY, &sourceWidth, &sourceHeight,
                      &border, &depth) ||
        static_cast<int64_t>(srcX) + w > sourceWidth ||
        static_cast<int64_t>(srcY) + h > sourceHeight) {
        return;
    }
    ImagePtr copy = ReadImage(display_, source, srcX, srcY, w, h);
    PutImage(x, y, w, h, copy.get());
}

void GraphicsContext::DrawImageFile(int x, int y, int w, int h, int bitsPerPixel,
                                    const std::string& path)
{
    DrawImageFileWith(x, y, w, h, bitsPerPixel, path, false);
}

void GraphicsContext::DrawImageFileKeyed(int x, int y, int w, int h, int bitsPerPixel,
                                         const std::string& path)
{
    DrawImageFileWith(x, y, w, h, bitsPerPixel, path, true);
}

// The image is made at the picture's own size, so a w or h that differs from the file's never
// makes the factory read past the decoded pixels.
void GraphicsContext::DrawImageFileWith(int x, int y, int w, int h, int bitsPerPixel,
                                        const std::string& path, bool keyed)
{
    if (!gc_ || !FileExists(path)) {
        return;
    }
    ImagePtr image = CreateXImage(target_, ReadBmp(bitsPerPixel, path));
    if (keyed) {
        PutImageKeyed(x, y, w, h, image.get(), 0);
    } else {
        PutImage(x, y, w, h, image.get());
    }
}

}  // namespace tarnbrook
