#include "support/ShownForm.h"

#include <algorithm>

#include "support/ReferencePaint.h"
#include "support/WindowState.h"

namespace testsupport {

ShownForm::ShownForm(int width, int height, long backColor) : screen_("tests"), form_(nullptr)
{
    form_.SetScreen(&screen_);
    form_.SetPosition(0, 0);
    form_.SetSize(width, height);
    form_.SetBackColor(backColor);
    form_.Show();
    viewable_ = WaitViewable(GetDisplay(), form_.GetWindow());
    XSync(GetDisplay(), False);
}

std::vector<int> ShownForm::Area(int x, int y, int w, int h)
{
    return ReadArea(GetDisplay(), form_.GetWindow(), x, y, w, h).pixels;
}

int ShownForm::Pixel(int x, int y)
{
    const std::vector<int> pixel = Area(x, y, 1, 1);
    return pixel.empty() ? -1 : pixel[0];
}

InkBox ShownForm::FindColor(int x, int y, int w, int h, int color)
{
    InkBox box;
    const std::vector<int> pixels = Area(x, y, w, h);
    for (int i = 0; i < static_cast<int>(pixels.size()); ++i) {
        if (pixels[static_cast<size_t>(i)] == color) {
            box.left = box.count ? std::min(box.left, x + i % w) : x + i % w;
            box.top = box.count ? box.top : y + i / w;
            box.right = std::max(box.right, x + i % w);
            box.bottom = y + i / w;
            ++box.count;
        }
    }
    return box;
}

int ShownForm::CountOther(int x, int y, int w, int h, int color)
{
    const std::vector<int> pixels = Area(x, y, w, h);
    return static_cast<int>(pixels.size() - std::count(pixels.begin(), pixels.end(), color));
}

}  // namespace testsupport
