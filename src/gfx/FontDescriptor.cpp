#include "gfx/FontDescriptor.h"

#include "app/Log.h"

namespace tarnbrook {

namespace {
// Every X server has this alias; text stays readable when the program font is missing.
const char* const kFallbackFont = "fixed";
}

FontDescriptor::FontDescriptor() = default;

FontDescriptor::FontDescriptor(const std::string& family) : family_(family) {}

FontDescriptor::FontDescriptor(const std::string& family, int size) : family_(family), size_(size)
{}

FontDescriptor::FontDescriptor(const FontDescriptor& other)
    : family_(other.family_),
      size_(other.size_),
      bold_(other.bold_),
      italic_(other.italic_),
      fontName_(other.fontName_)
{}

FontDescriptor& FontDescriptor::operator=(const FontDescriptor& other)
{
    if (this != &other) {
        Release();
        family_ = other.family_;
        size_ = other.size_;
        bold_ = other.bold_;
        italic_ = other.italic_;
        fontName_ = other.fontName_;
    }
    return *this;
}

FontDescriptor::~FontDescriptor()
{
    Release();
}

// After its display closed the font is already gone (see LoadFont): nothing to call.
void FontDescriptor::Release()
{
    if (loaded_ && fontStruct_ && display_.GetDisplay()) {
        XFreeFont(display_.GetDisplay(), fontStruct_);
    }
    display_.Detach();
    fontStruct_ = nullptr;
    loaded_ = false;
    loadFailed_ = false;
}

void FontDescriptor::SetFamilyAndSize(const std::string& family, int size)
{
    Release();
    family_ = family;
    size_ = size;
    bold_ = false;
    italic_ = false;
}

void FontDescriptor::SetBold(bool bold)
{
    bold_ = bold;
}

void FontDescriptor::SetItalic(bool italic)
{
    italic_ = italic;
}

int FontDescriptor::GetSize() const
{
    return loaded_ ? fontStruct_->ascent : size_;
}

std::string FontDescriptor::BuildName()
{
    std::string name = family_.empty() ? "-*-*-" : "-" + family_ + "-";
    name += bold_ ? "Bold-" : "Medium-";
    name += italic_ ? "I-Normal--" : "R-Normal--";
    name += std::to_string(size_);
    name += "-*";
    fontName_ = name;
    return fontName_;
}

bool FontDescriptor::LoadFont(Display* display)
{
    Release();
    if (!display) {
        return false;
    }
    fontStruct_ = XLoadQueryFont(display, BuildName().c_str());
    if (!fontStruct_) {
        WriteLog("XLoadQueryFont failed");
        fontStruct_ = XLoadQueryFont(display, kFallbackFont);
    }
    loaded_ = fontStruct_ != nullptr;
    loadFailed_ = !loaded_;
    if (loaded_) {
        // A descriptor may outlive the display: the font is then freed while it closes.
        display_.Attach(display, [this](Display* closing) {
            XFreeFont(closing, fontStruct_);
            fontStruct_ = nullptr;
            loaded_ = false;
        });
    }
    return loaded_;
}

XFontStruct* FontDescriptor::GetFontStruct(Display* display)
{
    if (!loaded_ && !loadFailed_) {
        LoadFont(display);
    }
    return fontStruct_;
}

}  // namespace tarnbrook
