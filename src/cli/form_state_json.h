#pragma once
// The window's whole state as one JSON object: captions, texts, values, the form-level values,
// the faults, the last run's series and the picture area's display list.

#include "app/form1.h"

#include <nlohmann/json.hpp>

namespace karnoth {

nlohmann::json formStateJson(const Form1& form);

}  // namespace karnoth
