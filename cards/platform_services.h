#pragma once

#include <cstdint>
#include <string_view>

namespace mervane {

// The local date and time, broken down as the shuffle reads it.
struct LocalTime {
    int day = 1;     // 1..31
    int month = 0;   // 0..11
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
};

class Clock {
  public:
    virtual LocalTime LocalNow() const = 0;

  protected:
    ~Clock() = default;
};

// The machine's local time.
class SystemClock final : public Clock {
  public:
    LocalTime LocalNow() const override;
};

// A clock that always reads the time it was given.
class FixedClock final : public Clock {
  public:
    explicit FixedClock(LocalTime time) : time_(time) {}
    LocalTime LocalNow() const override { return time_; }

  private:
    LocalTime time_;
};

// A modal message with an OK button.
class Alerts {
  public:
    virtual void ShowMessage(std::string_view text) = 0;

  protected:
    ~Alerts() = default;
};

// A small linear congruential generator of our own, so that a seed deals the same pack
// on every machine and compiler (std::rand is not specified that closely):
// state = state * 214013 + 2531011 (mod 2^32), next = (state >> 16) & 0x7FFF.
class CrtRandom {
  public:
    void Seed(std::uint32_t seed) { state_ = seed; }
    // The whole state, to put a game away and take it up again.
    std::uint32_t State() const { return state_; }
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

  private:
    std::uint32_t state_ = 1;
};

// SplitMix64: a tiny generator whose whole state is one 64-bit number, so one seed (a
// command line's, a view's hash) reproduces every choice made from it.
class SplitMix64 {
  public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0..n-1 for n > 0.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t state_;
};

}  // namespace mervane
