#include "support/WidgetPixels.h"

#include <vector>

#include "gfx/GraphicsContext.h"
#include "support/ShownForm.h"
#include "ui/GUIElement.h"

namespace testsupport {

namespace {

constexpr int kSeeThrough = -1;

// The colours the letters of the mark maps stand for, written out apart from the program's own
// table so that the pictures are checked against them.
int LetterColor(char letter, bool enabled, bool on, bool optionMark)
{
    const int interior = enabled ? 0xFFFFFF : 0x9B9B9B;
    const int mark = !on ? interior : !enabled ? 0x424242 : optionMark ? 0x010101 : 0x000000;
    const std::vector<int> colors{optionMark ? kSeeThrough : 0,
                                  0x848484,
                                  0x424242,
                                  0xD6D6CE,
                                  0xFFFFFF,
                                  0x9B9B9B,
                                  interior,
                                  mark};
    return colors.at(std::string(".DKLWGIM").find(letter));
}

}  // namespace

int MarkDifferencesAt(ShownForm& surface, int x, int y, const tarnbrook::LetterMap& map,
                      bool enabled, bool on, bool optionMark, int seeThrough)
{
    const int side = tarnbrook::kMarkSize;
    const std::vector<int> pixels = surface.Area(x, y, side, side);
    int wrong = 0;
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            const int expected = LetterColor(map[row][column], enabled, on, optionMark);
            wrong += pixels[static_cast<size_t>(row * side + column)] !=
                     (expected == kSeeThrough ? seeThrough : expected);
        }
    }
    return wrong;
}

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
