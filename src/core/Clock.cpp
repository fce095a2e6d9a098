#include "core/Clock.h"

#include <ctime>

namespace belvane {

namespace {

class SystemClock final : public Clock {
public:
    CivilDate Today() const override {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    }
};

}  // namespace

const Clock& Clock::System() {
    static const SystemClock clock;
    return clock;
}

}  // namespace belvane
