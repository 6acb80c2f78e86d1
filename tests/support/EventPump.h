#pragma once

namespace tarnbrook {
class Form;
}

namespace testsupport {

// Hands every event received so far to the loop's dispatcher without running the loop (which
// destroys every window when it ends); input sent with InputDriver is queued by then.
void DispatchPending(tarnbrook::Form* mainForm);

}  // namespace testsupport
