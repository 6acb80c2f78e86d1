#pragma once

#include <functional>

namespace testsupport {

// Polls the condition until it holds or the bound runs out; answers whether it held.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

}  // namespace testsupport
