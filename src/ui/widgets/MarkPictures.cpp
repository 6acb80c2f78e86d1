#include "ui/widgets/MarkPictures.h"

namespace tarnbrook {

namespace {

constexpr int kWhite = 0xFFFFFF;
constexpr int kDisabledInterior = 0x9B9B9B;
constexpr int kTick = 0x000000;
constexpr int kDot = 0x010101;  // one step off black, which is drawn transparent
constexpr int kDisabledMark = 0x424242;

// In the order enabled and on, enabled and off, disabled and on, disabled and off; a mark that
// is off takes the interior's colour.
constexpr std::array<MarkPicture, 4> kTickBoxPictures = {{
    EmbedLetterMap(kTickBoxMap, MarkPaletteFor(kWhite, kTick)),
    EmbedLetterMap(kTickBoxMap, MarkPaletteFor(kWhite, kWhite)),
    EmbedLetterMap(kTickBoxMap, MarkPaletteFor(kDisabledInterior, kDisabledMark)),
    EmbedLetterMap(kTickBoxMap, MarkPaletteFor(kDisabledInterior, kDisabledInterior)),
}};

constexpr std::array<MarkPicture, 4> kOptionMarkPictures = {{
    EmbedLetterMap(kOptionMarkMap, MarkPaletteFor(kWhite, kDot)),
    EmbedLetterMap(kOptionMarkMap, MarkPaletteFor(kWhite, kWhite)),
    EmbedLetterMap(kOptionMarkMap, MarkPaletteFor(kDisabledInterior, kDisabledMark)),
    EmbedLetterMap(kOptionMarkMap, MarkPaletteFor(kDisabledInterior, kDisabledInterior)),
}};

std::size_t StateIndex(bool enabled, bool on)
{
    return (enabled ? 0 : 2) + (on ? 0 : 1);
}

}  // namespace

const unsigned char* TickBoxPicture(bool enabled, bool checked)
{
    return kTickBoxPictures[StateIndex(enabled, checked)].data();
}

const unsigned char* OptionMarkPicture(bool enabled, bool selected)
{
    return kOptionMarkPictures[StateIndex(enabled, selected)].data();
}

}  // namespace tarnbrook
