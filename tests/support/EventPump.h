#pragma once

namespace tarnbrook {
class Form;
}

namespace testsupport {

// Hands every event received so far to the dispatcher without running the loop.
void DispatchPending(tarnbrook::Form* mainForm);

}  // namespace testsupport
