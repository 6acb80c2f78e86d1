#pragma once

#include <X11/X.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/PaintedChild.h"
#include "ui/widgets/CommandElement.h"
#include "ui/widgets/MarkImages.h"

namespace tarnbrook {

class GraphicsContext;

// A vertical list of options, each a round mark followed by a caption in a row 26 pixels high,
// of which at most one is selected: the choice is exclusive within the one element. A click on
// a row, Up, Down (both wrapping) and the space bar (as Down) select, and each of these runs the
// command, even when the selection stays; the setters change it without running the command.
class OptionBox : public PaintedChild, public CommandElement {
public:
    static constexpr int kRowHeight = 26;

    explicit OptionBox(GUIElement* container);

    // Store, then Paint: the old area is not cleared.
    void SetSize(int newWidth, int newHeight) override;
    void SetPosition(int newX, int newY) override;
    void MouseUp(Point point) override;
    void MouseDown(Point point) override;
    void KeyDown(KeySym keysym) override;
    bool KeyChar(char character) override;
    void Paint() override;
    void GotFocus() override;
    void LostFocus() override;

    // Slots after those of GUIElement, in this order.
    virtual int GetSelectedIndex() const;
    // Below 0 counts as 0; false when there is no such option.
    virtual bool SetSelectedIndex(int index);
    virtual bool RemoveItem(int index);
    virtual void AddItem(const std::string& caption, const std::string& value);
    virtual int GetItemCount() const;
    virtual std::string GetItemCaption(int index) const;  // as GetCaption
    virtual std::string GetItemValue(int index) const;    // as GetValue
    // Option i's caption; an index beyond the list (any negative one too) gives the last, an
    // empty list the empty text.
    virtual std::string GetCaption(int index) const;
    virtual std::string GetValue(int index) const;  // the same rule
    virtual bool OptionReserved83();
    // Empties the list and forgets the selection; nothing is repainted.
    virtual bool Clear();
    virtual void SelectFirst();
    virtual void Enable(bool value);
    virtual void SetForeColor(int64_t color);

protected:
    std::vector<std::string> captions;
    std::vector<std::string> values;
    int selectedIndex = -1;
    int64_t foreColor = 0x000000;
    MarkImages pictures_;

private:
    static const std::string& Pick(const std::vector<std::string>& items, int index);
    // Shows the selection at once and runs the command.
    void Announce();
    void DrawFocusRectangle(GraphicsContext& gc, Point at, int row);
};

}  // namespace tarnbrook
