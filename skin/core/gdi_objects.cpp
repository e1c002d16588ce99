#include "skin/core/gdi_objects.h"

namespace pantrove::gdi {

namespace detail {
std::atomic<long> live_count{0};
}

long live_objects() {
    return detail::live_count.load();
}

} // namespace pantrove::gdi
