#pragma once
// The steps of a run, in order: the owned share and the culling counts, the breeding quantities,
// the growth rate, the owned and street equilibrium, the projection. Each input is asked for right
// before the step that first needs it, so a source that converts typed texts faults exactly where
// the run first uses a bad one; an observer hears each result as soon as it is known. The model's
// one call and the window's run both go through here.

#include "model/input_field.h"
#include "model/model_result.h"
#include "support/yearly_series.h"

#include <optional>

namespace karnoth {

class InputSource {
public:
    virtual ~InputSource() = default;
    // A number field as it stands; the range is checked by the caller (checkedNumber).
    virtual double number(InputField field) = 0;
    // A year field: programmeStart, cullFrom, cullTo.
    virtual int year(InputField field) = 0;
    // A field that may be left empty: none when it is (an empty or blank text). Arrivals,
    // capacity, operations.
    virtual std::optional<double> optionalNumber(InputField field) = 0;
    virtual std::optional<int> optionalYear(InputField field) = 0;  // the programme's last year
    // The culling counts by year, the count of a year culled the year after; none negative.
    virtual const YearlySeries& killedByYear() = 0;
    virtual bool onlyYearlings() = 0;
    // Told once the run has asked for every input it reads, right before the projection.
    virtual void everyInputRead() { }
};

class RunObserver {
public:
    virtual ~RunObserver() = default;
    // pupsPerYearling is stored twice: the breeding years first, then the pups.
    virtual void pupsPerYearlingStored(float) { }
    virtual void firstYearSurvivalStored(float) { }
    virtual void growthRateFound(const ModelResult&) { }  // growthRate and doublingTime are set
    virtual void equilibriumSet(const ModelResult&) { }  // equilibrium and currentlySterilisedPerYear
    // The start year lies in 1950..2050 and the projection got past its programme step; told also
    // when a later year faults.
    virtual void programmeStarted(const FirstYearNumbers&, const ProjectionSettings&) { }
    virtual void projectionFinished(const ModelResult&) { }
};

// The field's number, checked against its range.
double checkedNumber(InputSource& in, InputField field);
// The same for a field that may be none.
std::optional<double> checkedOptionalNumber(InputSource& in, InputField field);

struct BreedingFigures {
    float pupsPerYearling = 0;
    double probPregnant = 0;  // P
    double femalePupsPerLitter = 0;  // Lit
};

// pupsPerYearling by its two stores: the breeding years (S^(R-1) - S^L) / (1 - S), then
// Lit * (P * breeding years), with prob. pregnant and female pups per litter asked for in between.
BreedingFigures storePupsPerYearling(InputSource& in, RunObserver& observer, double S, double R, double L);

// What the projection starts from: its settings and the culling counts; the equilibrium and what
// was found before it are in the result.
struct PreparedProjection {
    ProjectionSettings settings;
    const YearlySeries* killedByYear = nullptr;
};

// Every step before the projection into `result`: the input ranges, the breeding quantities, the
// growth rate and doubling time, the owned and street steady state and equilibrium, the breeding
// ages as whole classes and the projection's years. A fault stops it and propagates.
PreparedProjection prepareProjection(InputSource& in, RunObserver& observer, ModelResult& result);

// Runs every step into `result`. A fault stops the run where it happens and propagates; what the
// observer was told and what `result` holds until then stay.
void runSteps(InputSource& in, RunObserver& observer, ModelResult& result);

}  // namespace karnoth
