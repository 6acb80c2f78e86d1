#include "support/WidgetPixels.h"

#include <vector>

#include "gfx/GraphicsContext.h"
#include "support/ShownForm.h"
#include "ui/GUIElement.h"

namespace testsupport {

void Paint(ShownForm& surface, int x, int y, int w, int h, int color)
{
    tarnbrook::GraphicsContext gc(&surface.Get());
    gc.FillRectangle(x, y, w + 1, h + 1, 0, 0, color);
}

tarnbrook::ImagePtr SolidPicture(tarnbrook::GUIElement& element, int w, int h, int color)
{
    std::vector<unsigned char> rgb;
    for (int i = 0; i < w * h; ++i) {
        rgb.insert(rgb.end(),
                   {static_cast<unsigned char>(color >> 16), static_cast<unsigned char>(color >> 8),
                    static_cast<unsigned char>(color)});
    }
    return tarnbrook::CreateXImage(&element, rgb.data(), w, h);
}

void ShowAt(tarnbrook::GUIElement& element, int x, int y, int w, int h, int64_t backColor)
{
    element.SetPosition(x, y);
    element.SetSize(w, h);
    element.SetBackColor(backColor);
    element.Show();
}

}  // namespace testsupport
