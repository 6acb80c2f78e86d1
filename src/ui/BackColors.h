#pragma once

#include <cstdint>

namespace tarnbrook {

class GUIElement;

// The grey of an element, container or form that has no back colour of its own.
constexpr int64_t kDefaultBackColor = 0xAAAAAA;

// The element's own back colour, else the default grey.
int64_t OwnOrDefaultBackColor(const GUIElement* element);
// The back colour of the element's form, else the default grey.
int64_t FormBackColor(GUIElement* element);
// The back colour of the element's container, else its form's, else the default grey: what an
// element's area shows once the element is gone.
int64_t ContainerBackColor(GUIElement* element);
// The element's own back colour, else its container's (as above): the face a widget paints.
int64_t FaceColor(GUIElement* element);

}  // namespace tarnbrook
