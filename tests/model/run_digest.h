#pragma once
// A fingerprint of everything a run gave before the field's mechanisms were added: every yearly
// series, the programme's first year, the 2005 share, the equilibrium and the growth figures, bit
// for bit (FNV-1a over their bytes).

#include "model/model_result.h"

#include <cstdint>
#include <cstring>

namespace karnoth {

inline std::uint64_t runDigest(const ModelResult& run)
{
    std::uint64_t hash = 0xcbf29ce484222325ull;
    const auto add = [&hash](const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 0x100000001b3ull;
    };
    for (const YearlySeries* series :
         {&run.series.streetTotal, &run.series.streetBreeders, &run.series.extraSterilisations,
          &run.series.ownedBreeders, &run.programmeOwned, &run.programmeStreet})
        add(series->values().data(), sizeof(float) * series->values().size());
    const FirstYearNumbers first = run.firstYear.value_or(FirstYearNumbers{-1, -1, -1});
    add(&first, sizeof first);
    add(&run.abandonedShare2005, sizeof run.abandonedShare2005);
    const PopulationState& e = run.equilibrium;
    for (const auto* classes : {&e.ownedFertile, &e.ownedSterile, &e.streetFertile, &e.streetSterile})
        add(classes->data(), sizeof(float) * classes->size());
    add(&e.retainedYearlings, sizeof e.retainedYearlings);
    add(&run.pupsPerYearling, sizeof run.pupsPerYearling);
    add(&run.firstYearSurvival, sizeof run.firstYearSurvival);
    add(&run.growthRate, sizeof run.growthRate);
    add(&run.currentlySterilisedPerYear, sizeof run.currentlySterilisedPerYear);
    return hash;
}

}  // namespace karnoth
