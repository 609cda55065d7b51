#pragma once
// The yearly series a run fills, numbers of female dogs per year 1950..2050 (single precision).

#include "support/yearly_series.h"

namespace karnoth {

struct RunSeries {
    YearlySeries streetTotal;  // street females aged 1 to 10, fertile and sterilised
    YearlySeries streetBreeders;  // fertile street females of breeding age
    YearlySeries extraSterilisations;  // programme sterilisations, owned and street
    YearlySeries ownedBreeders;  // fertile owned females of breeding age
};

}  // namespace karnoth
