#include "support/ShownForm.h"

#include <algorithm>

#include "support/OwnerForm.h"
#include "support/ReferencePaint.h"

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
    for (size_t i = 0; i < pixels.size(); ++i) {
        const int px = x + static_cast<int>(i % static_cast<size_t>(w));
        const int py = y + static_cast<int>(i / static_cast<size_t>(w));
        if (pixels[i] == color) {
            box.left = box.count ? std::min(box.left, px) : px;
            box.top = box.count ? box.top : py;
            box.right = box.count ? std::max(box.right, px) : px;
            box.bottom = py;
            ++box.count;
        }
    }
    return box;
}

int ShownForm::CountOther(int x, int y, int w, int h, int color)
{
    const std::vector<int> pixels = Area(x, y, w, h);
    return static_cast<int>(pixels.size()) -
           static_cast<int>(std::count(pixels.begin(), pixels.end(), color));
}

}  // namespace testsupport
