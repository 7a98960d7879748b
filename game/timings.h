#pragma once

#include <cstdint>
#include <optional>

namespace mervane {

// Every pause of the game, in milliseconds.
inline constexpr int DealingPauseMs = 500;
inline constexpr int DealtPauseMs = 300;
inline constexpr int SpecialCardPauseMs = 500;  // after "Reverse", "Skip", "Draw Two"
inline constexpr int HumanPassPauseMs = 700;

// How long the table's callouts stay: a seat's callout, the reason a card was refused,
// and the fade that ends each of them.
inline constexpr int CalloutShowMs = 1500;
inline constexpr int RefusalShowMs = 2500;
inline constexpr int CalloutFadeMs = 300;

// The computer's play speed: the stored index and the pause it stands for.
enum PlaySpeed : std::int32_t { Slow = 0, Normal = 1, Fast = 2 };
inline constexpr int SlowDelayMs = 2000;
inline constexpr int NormalDelayMs = 1000;
inline constexpr int FastDelayMs = 300;

inline constexpr std::optional<int> DelayForSpeed(std::int32_t index) {
    switch (index) {
        case Slow: return SlowDelayMs;
        case Normal: return NormalDelayMs;
        case Fast: return FastDelayMs;
        default: return std::nullopt;
    }
}

// -1 for a delay that is none of the three.
inline constexpr std::int32_t SpeedForDelay(int delayMs) {
    switch (delayMs) {
        case SlowDelayMs: return Slow;
        case NormalDelayMs: return Normal;
        case FastDelayMs: return Fast;
        default: return -1;
    }
}

}  // namespace mervane
