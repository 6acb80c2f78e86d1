#pragma once

namespace tarnbrook {
class Form;
}

namespace testsupport {

// Hands every event the program's connection has received so far to the event loop's
// dispatcher, as Run would, without running the loop (which destroys every window when it
// ends). Input sent with InputDriver is queued before its calls return, so one pump after them
// delivers it all.
void DispatchPending(tarnbrook::Form* mainForm);

}  // namespace testsupport
