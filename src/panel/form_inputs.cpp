#include "panel/form_inputs.h"

#include "panel/control_names.h"
#include "support/numeric_text.h"

#include <array>

namespace karnoth {
namespace {

struct FieldControl {
    InputField field;
    std::string_view control;
};

constexpr std::array<FieldControl, 14> kFieldControls{{
    {InputField::adultSurvival, control::txtAdultSurv},
    {InputField::streetJuvenileSurvival, control::txtJuvSurv},
    {InputField::ageAtFirstLitter, control::txtRecruit},
    {InputField::ageAtLastLitter, control::txtSenile},
    {InputField::probPregnant, control::txtFecundity},
    {InputField::femalePupsPerLitter, control::txtLitter},
    {InputField::ownedSterilisedPercent, control::txtCurrentOwnedSteril},
    {InputField::firstYearMultiplier, control::txtTimes},
    {InputField::abandonedPerYear, control::vscGainLoss},
    {InputField::programmeRate, control::hscSterilise},
    {InputField::ownedShare, control::vscTarget},
    {InputField::programmeStart, control::txtStart},
    {InputField::cullFrom, control::txtFrom},
    {InputField::cullTo, control::txtTo},
}};

bool isScrollBar(InputField field)
{
    return field == InputField::abandonedPerYear || field == InputField::programmeRate ||
           field == InputField::ownedShare;
}

}  // namespace

std::string_view controlOf(InputField field)
{
    for (const FieldControl& entry : kFieldControls)
        if (entry.field == field) return entry.control;
    return {};
}

std::optional<std::string_view> controlNamedBy(std::string_view caption)
{
    if (caption.empty()) return std::nullopt;
    for (const FieldControl& entry : kFieldControls)
        if (fieldCaption(entry.field) == caption) return entry.control;
    return std::nullopt;
}

double FormInputs::number(InputField field)
{
    if (isScrollBar(field)) return form_.value(controlOf(field));
    return textToDouble(form_.text(controlOf(field)), fieldCaption(field));
}

int FormInputs::year(InputField field) { return textToInteger16(form_.text(controlOf(field)), fieldCaption(field)); }

const YearlySeries& FormInputs::killedByYear()
{
    if (!killedByYear_) killedByYear_ = form_.killedByYear();
    return *killedByYear_;
}

bool FormInputs::onlyYearlings() { return form_.isChecked(control::chkSterilise); }

}  // namespace karnoth
