#include "cards/platform_services.h"

#include <ctime>

namespace mervane {

LocalTime SystemClock::LocalNow() const {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return {parts.tm_mday, parts.tm_mon, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

}  // namespace mervane
