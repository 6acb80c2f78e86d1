#pragma once

namespace tarnbrook {
namespace Application {

// Milliseconds of idle waiting modulo 1000, advanced by the event loop (read by DateTime::SetNow).
extern int tickCounter;

}  // namespace Application
}  // namespace tarnbrook
