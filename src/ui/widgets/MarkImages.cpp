#include "ui/widgets/MarkImages.h"

#include "gfx/EmbeddedImage.h"
#include "ui/widgets/MarkPictures.h"

namespace tarnbrook {

XImage* MarkImages::Get(GUIElement* element, bool enabled, bool on)
{
    if (!images_[0]) {
        // In the order enabled and on, enabled and off, disabled and on, disabled and off.
        for (std::size_t i = 0; i < images_.size(); ++i) {
            const bool pictureEnabled = i < 2;
            const bool pictureOn = i % 2 == 0;
            images_[i] = CreateXImage(
                element,
                Convert4BitImage(kMarkSize, kMarkSize, source_(pictureEnabled, pictureOn)));
        }
    }
    return images_[(enabled ? 0 : 2) + (on ? 0 : 1)].get();
}

}  // namespace tarnbrook
