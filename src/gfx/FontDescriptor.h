#pragma once

#include <X11/Xlib.h>

#include <string>

#include "gfx/DisplayLink.h"

namespace tarnbrook {

// Describes a font by family, pixel size and style as an XLFD pattern and loads the matching
// server font on first use. The descriptor owns the loaded font; a copy takes the description
// only and loads its own font when it is first used. A font whose display closes goes with it.
class FontDescriptor {
public:
    FontDescriptor();
    explicit FontDescriptor(const std::string& family);
    FontDescriptor(const std::string& family, int size);
    FontDescriptor(const FontDescriptor& other);
    FontDescriptor& operator=(const FontDescriptor& other);
    ~FontDescriptor();

    void SetFamilyAndSize(const std::string& family, int size);
    void SetBold(bool bold);
    bool IsBold() const { return bold_; }
    void SetItalic(bool italic);
    bool IsItalic() const { return italic_; }
    std::string GetFamily() const { return family_; }
    int GetSize() const;  // the loaded font's ascent, else the pixel size
    bool IsLoaded() const { return loaded_; }

    std::string BuildName();
    bool LoadFont(Display* display);
    XFontStruct* GetFontStruct(Display* display);

private:
    void Release();

    XFontStruct* fontStruct_ = nullptr;
    bool loaded_ = false;
    bool loadFailed_ = false;  // not even the fallback loaded: do not ask (and log) on every paint
    DisplayLink display_;      // the display the font was loaded on
    std::string family_;
    int size_ = 14;
    bool bold_ = false;
    bool italic_ = false;
    std::string fontName_;
};

}  // namespace tarnbrook
