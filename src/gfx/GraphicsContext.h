#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "gfx/DisplayLink.h"
#include "gfx/TextAlign.h"
#include "gfx/XImageFactory.h"

namespace tarnbrook {

class Form;

// The toolkit's only drawing object: one X graphics context on a form's window, built on the
// stack for one paint or erase. Everything draws straight into the window in window
// coordinates and is flushed at once. Colours are 0xRRGGBB; NoColor keeps the current colour.
// Text uses one font for the whole program, the main window's (the first form's).
//
// When no GC could be made (no form, display or window), or its display has closed since, the
// object draws nothing, measures nothing and never calls Xlib.
class GraphicsContext {
public:
    static constexpr int64_t NoColor = -1;

    explicit GraphicsContext(Form* target);  // null: the first form
    ~GraphicsContext();
    GraphicsContext(const GraphicsContext&) = delete;
    GraphicsContext& operator=(const GraphicsContext&) = delete;

    bool IsValid() const { return gc_ != nullptr; }

    void DrawPoint(int x, int y, int64_t color);
    uint32_t GetPixel(int x, int y);

    int LineHeight();  // font ascent + 1
    // The line height of the text operations: ascent + 1 above an ascent of 15, else 15.
    static int TextLineHeightFor(int ascent);
    int CharWidthM();
    int CharWidthA();

    // lineStyle 1 dashes, 2 double dashes, anything else solid; both end points are drawn.
    void DrawLine(int x1, int y1, int x2, int y2, int64_t color);
    void DrawLine(int x1, int y1, int x2, int y2, int lineStyle, int64_t color);
    // The outline of the w x h pixels from (x, y) (a wider line is centred on that path).
    void DrawRectangle(int x, int y, int w, int h, int lineWidth, int64_t color);
    // The one-pixel 3-D edge of the w x h pixels from (x, y): top and left in the first colour,
    // right and bottom in the second.
    void DrawBevel(int x, int y, int w, int h, int64_t topLeft, int64_t bottomRight);
    // Fills (w-1) x (h-1) pixels from (x, y); callers clearing exactly w x h pass w+1, h+1.
    // A border is drawn on the edge of that same area.
    void FillRectangle(int x, int y, int w, int h, int borderWidth, int64_t borderColor,
                       int64_t fillColor);
    void FillRectangle(int x, int y, int w, int h, int64_t fillColor);  // without a border
    void DrawPolyline(const XPoint* points, int count, int64_t color);
    void FillPolygon(const XPoint* points, int count, int borderWidth, int64_t borderColor,
                     int64_t fillColor);
    void DrawEllipse(int x, int y, int w, int h, int64_t color);
    void FillEllipse(int x, int y, int w, int h, int borderWidth, int64_t borderColor,
                     int64_t fillColor);

    // Text wrapped into the w x h box, one line per line height. Only a text that is a single
    // line is centred vertically.
    void DrawText(int x, int y, int w, int h, const std::string& text, int64_t fg, int64_t bg,
                  TextAlign align);
    // Line height times the lines DrawText makes of text at that width, without a height limit.
    int MeasureTextHeight(int width, const std::string& text);

    // w or h 0 means the image's own width or height; nothing outside the image is read.
    void PutImage(int x, int y, int w, int h, XImage* image);
    void PutImagePart(int x, int y, int w, int h, XImage* image, int srcX, int srcY);
    // Pixels of the image equal to key are first replaced, in the image itself, by the window's
    // pixels under them, then the image is put.
    void PutImageKeyed(int x, int y, int w, int h, XImage* image, int64_t key);
    // The same for a part of the image, through a copy; the image itself is not changed.
    void PutImagePartKeyed(int x, int y, int w, int h, XImage* image, int srcX, int srcY,
                           int64_t key);
    // The window's pixels of the area, or null when they cannot be read.
    ImagePtr GetImage(int x, int y, int w, int h);
    void CopyFromDrawable(int x, int y, int w, int h, Drawable source, int srcX, int srcY);
    // Draws a BMP file of 4, 8 or 24 bits per pixel (the 4-bit reader also writes its source
    // array); a missing or unreadable file or another bit count draws nothing.
    void DrawImageFile(int x, int y, int w, int h, int bitsPerPixel, const std::string& path);
    void DrawImageFileKeyed(int x, int y, int w, int h, int bitsPerPixel, const std::string& path);

private:
    struct TextLine;

    void SetForeground(int64_t color);
    void SetBackground(int64_t color);
    void SetSolidLines();
    void Flush();
    XFontStruct* Font();
    int TextWidth(std::string_view text);
    int TextLineHeight();
    size_t FittingLength(std::string_view text, int w);
    TextLine NextLine(std::string_view text, int w);
    void DrawString(int x, int baseline, std::string_view line);
    bool AreaReadable(int x, int y, int w, int h);
    void DrawImageFileWith(int x, int y, int w, int h, int bitsPerPixel, const std::string& path,
                           bool keyed);

    GC gc_ = nullptr;
    Form* target_ = nullptr;
    Display* display_ = nullptr;
    Window window_ = None;
    DisplayLink link_;  // a display closing under the object takes the GC with it
};

}  // namespace tarnbrook
