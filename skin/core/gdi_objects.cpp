#include "skin/core/gdi_objects.h"

namespace pantrove::gdi {

namespace detail {
std::atomic<long> live_count{0};
}

long live_objects() {
    return detail::live_count.load();
}

void count_held(long handles) {
    detail::live_count += handles;
}

void count_released(long handles) {
    detail::live_count -= handles;
}

} // namespace pantrove::gdi
