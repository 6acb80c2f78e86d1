#include "ui/widgets/ButtonCustom.h"

#include <X11/keysym.h>

#include "app/ElementWatch.h"
#include "gfx/GraphicsContext.h"
#include "ui/BackColors.h"
#include "ui/Form.h"
#include "ui/KeyCharacters.h"

namespace tarnbrook {

namespace {

const int64_t kLight = 0xFFFFFF;
const int64_t kDark = 0x000000;
const int kDashed = 1;
const int kCaptionMargin = 6;  // between the caption box and the left and right edges
const int kPictureLeft = 8;    // the picture's left edge, when a caption follows it
const int kCaptionAfterPicture = 10;

struct Box {
    int x, y, w, h;
};

void DrawFocusRectangle(GraphicsContext& gc, Box b, int64_t color)
{
    gc.DrawLine(b.x + 4, b.y + 3, b.x + b.w - 5, b.y + 3, kDashed, color);
    gc.DrawLine(b.x + 4, b.y + b.h - 4, b.x + 4, b.y + 2, kDashed, color);
    gc.DrawLine(b.x + b.w - 5, b.y + 3, b.x + b.w - 5, b.y + b.h - 3, kDashed, color);
    gc.DrawLine(b.x + 4, b.y + b.h - 4, b.x + b.w - 5, b.y + b.h - 4, kDashed, color);
}

void DrawContent(GraphicsContext& gc, Box b, const std::string& caption, XImage* picture,
                 int64_t captionColor, int64_t face)
{
    if (!caption.empty() && !picture) {
        gc.DrawText(b.x + kCaptionMargin, b.y + 4, b.w - 2 * kCaptionMargin, b.h - 8, caption,
                    captionColor, face, TextAlign::Centre);
    } else if (!caption.empty()) {
        const int left = picture->width + kCaptionAfterPicture;
        gc.DrawText(b.x + left, b.y + 4, b.w - left - kCaptionMargin, b.h - 8, caption,
                    captionColor, face, TextAlign::Left);
        gc.PutImage(b.x + kPictureLeft, b.y + (b.h - picture->height) / 2, picture->width,
                    picture->height, picture);
    } else if (picture) {
        gc.PutImage(b.x + (b.w - picture->width) / 2, b.y + (b.h - picture->height) / 2,
                    picture->width, picture->height, picture);
    }
}

}  // namespace

ButtonCustom::ButtonCustom(GUIElement* container, const std::string& caption)
    : PaintedChild(container, "ButtonCustom", true)
{
    text = caption;
    width = 80;
    height = 30;
}

void ButtonCustom::SetText(const std::string& caption)
{
    text = caption;
    RepaintIfCreated();
}

void ButtonCustom::Enable(bool value)
{
    enabled = value;
    RepaintIfCreated();
}

void ButtonCustom::SetForeColor(int64_t color)
{
    foreColor = color;
}

void ButtonCustom::SetContentHidden(bool value)
{
    contentHidden = value;
    RepaintIfCreated();
}

void ButtonCustom::SetImage(XImage* picture)
{
    image = picture;
    RepaintIfCreated();
}

void ButtonCustom::SetDisabledImage(XImage* picture)
{
    disabledImage = picture;
    RepaintIfCreated();
}

void ButtonCustom::MouseDown(Point point)
{
    if (!TakesInput()) {
        return;
    }
    SetPressed(true);
    PaintedChild::MouseDown(point);
}

void ButtonCustom::MouseUp(Point point)
{
    if (!TakesInput()) {
        return;
    }
    SetPressed(false);
    ElementWatch<ButtonCustom> self(this);
    FireCommand(this);
    if (self) {
        PaintedChild::MouseUp(point);
    }
}

void ButtonCustom::KeyDown(KeySym keysym)
{
    if (!TakesInput()) {
        return;
    }
    ElementWatch<ButtonCustom> self(this);
    PaintedChild::KeyDown(keysym);
    if (self && hasFocus && keysym == XK_Return) {
        SetPressed(true);
    }
}

bool ButtonCustom::KeyChar(char character)
{
    if (!TakesInput()) {
        return false;
    }
    ElementWatch<ButtonCustom> self(this);
    if (hasFocus && character == kReturnCharacter) {
        SetPressed(false);
        FireCommand(this);
        if (!self) {
            return false;  // the command took the button away: the character was used
        }
    }
    return PaintedChild::KeyChar(character);
}

void ButtonCustom::GotFocus()
{
    ElementWatch<ButtonCustom> self(this);
    PaintedChild::GotFocus();
    if (self) {
        Paint();
    }
}

void ButtonCustom::LostFocus()
{
    ElementWatch<ButtonCustom> self(this);
    PaintedChild::LostFocus();
    if (self) {
        SetPressed(false);
    }
}

void ButtonCustom::Paint()
{
    Form* form = PaintTarget();
    if (!form) {
        return;
    }
    const Point at = WindowPosition();
    const Box box{at.x, at.y, width, height};
    const int64_t face = FaceColor(this);
    GraphicsContext gc(form);
    gc.FillRectangle(box.x, box.y, box.w, box.h, face);
    gc.DrawBevel(box.x, box.y, box.w, box.h, pressed ? kDark : kLight, pressed ? kLight : kDark);
    if (hasFocus && enabled && !pressed) {
        DrawFocusRectangle(gc, box, foreColor);
    }
    if (!contentHidden) {
        DrawContent(gc, box, text, CurrentPicture(), enabled ? foreColor : kDisabledCaptionColor,
                    face);
    }
}

// A hidden button may still hold the focus (Tab does not look at visibility): it must not fire.
bool ButtonCustom::TakesInput() const
{
    return enabled && created;
}

void ButtonCustom::SetPressed(bool value)
{
    pressed = value;
    Paint();
}

XImage* ButtonCustom::CurrentPicture() const
{
    return !enabled && disabledImage ? disabledImage : image;
}

}  // namespace tarnbrook
