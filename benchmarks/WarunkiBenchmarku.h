#pragma once
// The working conditions both benchmarks compute under: an external wall in a Polish winter.

#include "core/Model.h"

#include <cstdint>

namespace murolab::benchmarki {

inline void UstawWarunkiZimowe(TWarunkiPracy& wp, std::int32_t wilgotWewn) {
    wp.TempWew = 20;
    wp.TempZewn = -20;
    wp.WilgotWewn = wilgotWewn;
    wp.WilgotZewn = 85;
    wp.Rsi = 0.13;
    wp.Rse = 0.04;
    wp.DeltaUk = 0.05;
}

} // namespace murolab::benchmarki
