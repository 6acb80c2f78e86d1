#pragma once

namespace tarnbrook {

// Whole seconds of the system clock between Start and Stop.
class StopWatch {
public:
    void Reset();
    void Start();
    // Returns the elapsed seconds, which the three accessors split.
    long long Stop();
    long long Hours() const;
    long long Minutes() const;  // 0..59
    long long Seconds() const;  // 0..59

private:
    long long start_ = 0;
    long long stop_ = 0;
    long long elapsed_ = 0;
};

}  // namespace tarnbrook
