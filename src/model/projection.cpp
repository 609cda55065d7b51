#include "model/projection.h"

#include "model/report_texts.h"
#include "support/checked_math.h"
#include "support/fault.h"

#include <string>

namespace karnoth {
namespace {

constexpr const char* kOwnedStep = "the owned population's year";
constexpr const char* kStreetStep = "the street population's year";

// The breeding ages R..L index the age classes 0..10; a bound outside them is a subscript fault.
void checkBreedingAges(int R, int L)
{
    if (R > L) return;  // an empty range reads no class
    if (R < 0)
        throw Fault(FaultKind::Subscript, "age at first litter " + std::to_string(R) +
                                              " lies below the youngest age class 0");
    if (L > kOldestAge)
        throw Fault(FaultKind::Subscript, "age at last litter " + std::to_string(L) +
                                              " lies beyond the oldest age class 10");
}

// A sum stored in a single after every addition.
float sumSingle(const std::array<float, kOldestAge + 1>& classes, int from, int to, const char* what)
{
    float sum = 0;
    for (int a = from; a <= to; ++a) sum = toSingle(double(sum) + classes[a], what);
    return sum;
}

}  // namespace

ProjectionResult project(PopulationState& s, const RunParameters& p, const YearlySeries& killedByYear,
                         RunWriter& writer)
{
    ProjectionResult result;
    RunSeries& series = result.series;
    auto& of = s.ownedFertile;
    auto& os = s.ownedSterile;
    auto& sf = s.streetFertile;
    auto& ss = s.streetSterile;
    const double H = p.H();
    const double T = p.T();
    float firstYearOwnedExtra = 0;

    for (int Y = kFirstYear; Y <= kLastYear; ++Y) {
        const int offset = Y - kFirstYear;

        // 1. Ageing of owned dogs, downwards so each class is used before it is overwritten.
        for (int a = kOldestAge; a >= 2; --a) {
            of[a] = toSingle(p.S() * of[a - 1], kOwnedStep);
            os[a] = toSingle(p.S() * os[a - 1], kOwnedStep);
        }
        // 2. Owned recruits survive their first year at firstYearSurvival.
        of[1] = toSingle(double(s.firstYearSurvival) * of[0], kOwnedStep);
        // 3. Owners keep at most retainedYearlings a year; the surplus goes to the street.
        float abandonedThisYear = toSingle(double(of[1]) - s.retainedYearlings, kOwnedStep);
        if (!(abandonedThisYear >= 0)) abandonedThisYear = 0;
        of[1] = toSingle(double(of[1]) - abandonedThisYear, kOwnedStep);
        // 4. Owners sterilise their share of the yearlings they keep.
        const float C = toSingle((1.0 - s.unsterilisedShare) * of[1], kOwnedStep);
        of[1] = toSingle(double(of[1]) - C, kOwnedStep);
        os[1] = C;
        // 5. The programme treats owned yearlings only, from the start year on.
        if (Y >= p.Start()) {
            float X = toSingle(H * of[1] / 1000.0 * T / 100.0, kOwnedStep);
            if (Y == p.Start()) X = toSingle(X * p.Times(), kOwnedStep);
            of[1] = toSingle(double(of[1]) - X, kOwnedStep);
            os[1] = toSingle(double(os[1]) + X, kOwnedStep);
            series.extraSterilisations.at1950Plus(offset) = X;
            if (Y == p.Start()) firstYearOwnedExtra = X;
        }
        // 6. Owned births.
        const int R = p.wholeR();
        const int L = p.wholeL();
        checkBreedingAges(R, L);
        series.ownedBreeders.at1950Plus(offset) = sumSingle(of, R, L, kOwnedStep);
        of[0] = toSingle(p.Lit() * (p.P() * series.ownedBreeders.at1950Plus(offset)), kOwnedStep);

        // 7. Ageing of street dogs.
        for (int a = kOldestAge; a >= 2; --a) {
            sf[a] = toSingle(p.S() * sf[a - 1], kStreetStep);
            ss[a] = toSingle(p.S() * ss[a - 1], kStreetStep);
        }
        // 8. Street recruits: surviving street pups and this year's abandoned owned yearlings.
        sf[1] = toSingle(checkedResult(p.Sj() * sf[0] + abandonedThisYear, kStreetStep), kStreetStep);
        // 9.
        if (Y == 2005) {
            if (sf[1] == 0)
                throw Fault(FaultKind::DivisionByZero,
                            "there are no street yearlings in 2005, so the share of abandoned dogs "
                            "among them divides by zero");
            result.abandonedShare2005 = toSingle(abandonedThisYear / double(sf[1]), kStreetStep);
        }
        // 10. New street yearlings are all fertile.
        ss[1] = 0;
        // 11. Culling: last year's count, spread over the fertile street classes 1..10 in
        // proportion to their size before the cull. Sterilised dogs and newborns are spared.
        if (p.From() <= Y && Y <= p.To()) {
            float& total = series.streetTotal.at1950Plus(offset);
            total = sumSingle(sf, 1, kOldestAge, kStreetStep);
            if (Y - 1 < kFirstYear)
                throw Fault(FaultKind::Subscript,
                            "culling in " + std::to_string(Y) + " needs the dogs killed in " +
                                std::to_string(Y - 1) +
                                ", before the first year 1950: dogs killed from must be 1951 or later");
            const double killed = killedByYear[Y - 1];
            if (total == 0)
                throw Fault(FaultKind::DivisionByZero,
                            "no fertile street dogs are left to cull in " + std::to_string(Y) +
                                ": the cull divides by a street total of 0");
            for (int a = 1; a <= kOldestAge; ++a)
                sf[a] = toSingle(checkedResult(sf[a] - sf[a] * killed / total, kStreetStep), kStreetStep);
        }
        // 12. The street programme, from the start year on.
        if (Y >= p.Start()) {
            const int treated = p.onlyYearlings() ? 1 : kOldestAge;
            float streetExtraThisYear = 0;
            for (int a = 1; a <= treated; ++a) {
                float X = toSingle((1.0 - T / 100.0) * (H * sf[a] / 1000.0), kStreetStep);
                if (Y == p.Start()) X = toSingle(X * p.Times(), kStreetStep);
                sf[a] = toSingle(double(sf[a]) - X, kStreetStep);
                ss[a] = toSingle(double(ss[a]) + X, kStreetStep);
                streetExtraThisYear = toSingle(double(streetExtraThisYear) + X, kStreetStep);
            }
            float& extra = series.extraSterilisations.at1950Plus(offset);
            extra = toSingle(double(extra) + streetExtraThisYear, kStreetStep);
            if (Y == p.Start())
                writer.writeCaption("Label4", firstYearSentence(extra, firstYearOwnedExtra,
                                                                streetExtraThisYear, H, T));
        }
        // 13. Street births.
        series.streetBreeders.at1950Plus(offset) = sumSingle(sf, R, L, kStreetStep);
        sf[0] = toSingle(p.Lit() * (p.P() * series.streetBreeders.at1950Plus(offset)), kStreetStep);
        // 14. Street females aged 1 to 10, fertile and sterilised (overwrites the cull's total).
        float total = 0;
        for (int a = 1; a <= kOldestAge; ++a)
            total = toSingle(double(total) + (double(sf[a]) + ss[a]), kStreetStep);
        series.streetTotal.at1950Plus(offset) = total;
    }
    return result;
}

}  // namespace karnoth
