#include "model/run_parameters.h"

#include "model/input_names.h"

namespace karnoth {

std::int16_t LazyNumber::whole() const
{
    if (!wholeDone_) {
        whole_ = toInteger16(value(), name_);
        wholeDone_ = true;
    }
    return whole_;
}

RunParameters::RunParameters(const RunInputs& inputs)
    : inputs_(inputs),
      adultSurv_(inputs.adultSurv, input_name::adultSurv),
      juvSurv_(inputs.juvSurv, input_name::juvSurv),
      recruit_(inputs.recruit, input_name::recruit),
      senile_(inputs.senile, input_name::senile),
      fecundity_(inputs.fecundity, input_name::fecundity),
      litter_(inputs.litter, input_name::litter),
      currentOwnedSteril_(inputs.currentOwnedSteril, input_name::currentOwnedSteril),
      times_(inputs.times, input_name::times),
      start_(inputs.start, input_name::start),
      from_(inputs.from, input_name::from),
      to_(inputs.to, input_name::to)
{
}

}  // namespace karnoth
