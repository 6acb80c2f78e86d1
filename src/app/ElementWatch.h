#pragma once

#include "app/Application.h"

namespace tarnbrook {

// Names an element for as long as it lives: when the element is destroyed, the watch becomes
// null. Code that calls into an element (whose callbacks may delete it, or anything else)
// keeps a watch on whatever it touches afterwards and checks it first.
template <typename T>
class ElementWatch {
public:
    explicit ElementWatch(T* element) : element_(element) { Application::Watch(&element_); }
    ~ElementWatch() { Application::Unwatch(&element_); }
    ElementWatch(const ElementWatch&) = delete;
    ElementWatch& operator=(const ElementWatch&) = delete;

    T* Get() const { return static_cast<T*>(element_); }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return element_ != nullptr; }

private:
    GUIElement* element_;
};

}  // namespace tarnbrook
