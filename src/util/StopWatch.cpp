#include "util/StopWatch.h"

#include <ctime>

namespace tarnbrook {

void StopWatch::Reset()
{
    start_ = 0;
    stop_ = 0;
    elapsed_ = 0;
}

void StopWatch::Start()
{
    start_ = static_cast<long long>(std::time(nullptr));
    stop_ = 0;
}

long long StopWatch::Stop()
{
    stop_ = static_cast<long long>(std::time(nullptr));
    elapsed_ = stop_ - start_;
    return elapsed_;
}

long long StopWatch::Hours() const
{
    return elapsed_ / 3600;
}

long long StopWatch::Minutes() const
{
    return elapsed_ % 3600 / 60;
}

long long StopWatch::Seconds() const
{
    return elapsed_ % 3600 % 60;
}

}  // namespace tarnbrook
