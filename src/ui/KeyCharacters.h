#pragma once

#include <X11/X.h>
#include <X11/keysym.h>

namespace tarnbrook {

// The characters X makes of the keys that edit and confirm (XLookupString): the low seven bits
// of the key's symbol. KeyChar handlers compare with these.
constexpr char KeyCharacter(KeySym symbol)
{
    return static_cast<char>(symbol & 0x7F);
}

constexpr char kBackspaceCharacter = KeyCharacter(XK_BackSpace);
constexpr char kTabCharacter = KeyCharacter(XK_Tab);
constexpr char kReturnCharacter = KeyCharacter(XK_Return);
constexpr char kEscapeCharacter = KeyCharacter(XK_Escape);
constexpr char kDeleteCharacter = KeyCharacter(XK_Delete);

}  // namespace tarnbrook
