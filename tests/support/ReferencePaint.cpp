#include "support/ReferencePaint.h"

#include <X11/Xutil.h>

#include "support/ShownForm.h"
#include "ui/CellControl.h"
#include "ui/widgets/ButtonCustom.h"

namespace testsupport {

namespace {
// The main window's background, which shows where a widget leaves a pixel of its area unpainted.
constexpr long kGameBackground = 0x00C0C0;
}  // namespace

Area Area::Crop(int x, int y, int w, int h) const
{
    Area part;
    part.width = w;
    part.height = h;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            part.pixels.push_back(pixels[static_cast<size_t>(row * width + column)]);
        }
    }
    return part;
}

Area ReadArea(Display* display, Window window, int x, int y, int w, int h)
{
    Area area;
    XSync(display, False);
    XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(w),
                              static_cast<unsigned>(h), AllPlanes, ZPixmap);
    if (!image) {
        return area;
    }
    area.width = w;
    area.height = h;
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) {
            area.pixels.push_back(static_cast<int>(XGetPixel(image, column, row) & 0xFFFFFF));
        }
    }
    XDestroyImage(image);
    return area;
}

Area PaintedButton(const std::string& caption, int width, int height, int64_t foreColor,
                   int64_t faceColor)
{
    ShownForm form(width, height, kGameBackground);
    tarnbrook::ButtonCustom button(&form.Get(), caption);
    button.SetSize(width, height);
    button.Move(0, 0);
    button.SetForeColor(foreColor);
    button.SetBackColor(faceColor);
    button.Create();
    button.Paint();
    return ReadArea(form.GetDisplay(), form.Get().GetWindow(), 0, 0, width, height);
}

Area PaintedLabel(const std::string& text, int width, int height, int64_t foreColor,
                  int64_t backColor, int align, bool bevel)
{
    ShownForm form(width, height, kGameBackground);
    tarnbrook::CellControl label(&form.Get());
    label.SetSize(width, height);
    label.Move(0, 0);
    label.SetBackColor(backColor);
    label.SetForeColor(foreColor);
    label.SetTextAlign(align);
    label.SetBevel(bevel);
    label.SetText(text);
    label.Create();
    label.Paint();
    return ReadArea(form.GetDisplay(), form.Get().GetWindow(), 0, 0, width, height);
}

Area ButtonCaptionBox(const Area& button)
{
    // The focus mark runs 3 and 4 pixels inside the edges; the caption box lies within it.
    return button.Crop(6, 5, button.width - 13, button.height - 11);
}

}  // namespace testsupport
