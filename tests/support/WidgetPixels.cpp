#include "support/WidgetPixels.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "gfx/GraphicsContext.h"
#include "support/MarkColors.h"
#include "support/ShownForm.h"
#include "ui/GUIElement.h"

namespace testsupport {

int MarkDifferences(const tarnbrook::LetterMap& map, bool enabled, bool on, bool optionMark,
                    int seeThrough, const std::function<int(int, int)>& pixel)
{
    int wrong = 0;
    for (int row = 0; row < tarnbrook::kMarkSize; ++row) {
        for (int column = 0; column < tarnbrook::kMarkSize; ++column) {
            const int expected = MarkLetterColor(map[row][column], enabled, on, optionMark);
            wrong += pixel(column, row) != (expected == kSeeThrough ? seeThrough : expected);
        }
    }
    return wrong;
}

int MarkDifferencesAt(ShownForm& surface, int x, int y, const tarnbrook::LetterMap& map,
                      bool enabled, bool on, bool optionMark, int seeThrough)
{
    const std::vector<int> pixels = surface.Area(x, y, tarnbrook::kMarkSize, tarnbrook::kMarkSize);
    return MarkDifferences(map, enabled, on, optionMark, seeThrough, [&](int column, int row) {
        return pixels[static_cast<size_t>(row * tarnbrook::kMarkSize + column)];
    });
}

std::string Unmet(ShownForm& surface, std::initializer_list<Expected> table)
{
    std::string unmet;
    for (const Expected& expected : table) {
        const std::vector<int> area = surface.Area(expected.x, expected.y, expected.w, expected.h);
        const auto other = [&](int color) { return color != expected.color; };
        const auto first = std::find_if(area.begin(), area.end(), other);
        if (area.empty() || first != area.end()) {
            char line[128];
            std::snprintf(line, sizeof line, "%d,%d %dx%d: %d pixels not %06X, the first %06X\n",
                          expected.x, expected.y, expected.w, expected.h,
                          static_cast<int>(std::count_if(area.begin(), area.end(), other)),
                          expected.color, first == area.end() ? -1 : *first);
            unmet += line;
        }
    }
    return unmet;
}

void Paint(ShownForm& surface, int x, int y, int w, int h, int color)
{
    tarnbrook::GraphicsContext gc(&surface.Get());
    gc.FillRectangle(x, y, w + 1, h + 1, 0, 0, color);
}

void ShowAt(tarnbrook::GUIElement& element, int x, int y, int w, int h, int64_t backColor)
{
    element.SetPosition(x, y);
    element.SetSize(w, h);
    element.SetBackColor(backColor);
    element.Show();
}

}  // namespace testsupport
