#include "gdiplus/transform.h"

namespace pantrove::gdiplus::detail {

std::optional<Transform> Matrix::elements() const {
    float values[6] = {};
    if (!record(flat::GdipGetMatrixElements(get_native(), values)))
        return std::nullopt;
    return Transform{values[0], values[1], values[2], values[3], values[4], values[5]};
}

} // namespace pantrove::gdiplus::detail
