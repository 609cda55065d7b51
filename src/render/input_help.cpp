#include "render/input_help.h"

#include "app/layout.h"
#include "model/input_field.h"
#include "panel/control_names.h"
#include "panel/form_inputs.h"
#include "support/number_masks.h"

#include <QCoreApplication>

#include <array>
#include <optional>

namespace karnoth::render {
namespace {

QString translated(const char* text) { return QCoreApplication::translate("karnoth::render::InputHelp", text); }
QString qtText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

struct InputText {
    std::string_view control;
    const char* caption;  // QT_TRANSLATE_NOOP: translated when read
    const char* meaning;
    const char* unit;
    const char* rangeNote;  // said after the range; may be empty
};

// The inputs in the order the help lists them: life history, owned dogs, the programme, culling,
// then the chart.
constexpr std::array<InputText, 16> kInputs{{
    {control::txtAdultSurv, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "adult survival"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "The share of dogs aged one and over that live through a year."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "a share per year (0.9 is 90 %)"), ""},
    {control::txtJuvSurv, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "juvenile survival"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "The share of street pups that live through their first year."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "a share per year"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp",
                       "; below the threshold shown beside it (1 / pups per yearling), or there is no steady state")},
    {control::txtRecruit, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "age at first litter"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "The age at which a female has her first litter."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "years"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "; a value below 1 becomes 1")},
    {control::txtSenile, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "age at last litter"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "The age at which a female has her last litter."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "years"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", ", not below the age at first litter, at most 10 once rounded")},
    {control::txtLitter, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "female pups per litter"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "The female pups in one litter (the model counts females only)."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "female pups"), ""},
    {control::txtFecundity, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "prob. pregnant"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp",
                       "The probability that a female of breeding age is pregnant in a year."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "a probability per year"), ""},
    {control::txtCurrentOwnedSteril, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "% owned dogs sterilised"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp",
                       "The per cent of owned yearlings that their owners have sterilised already."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "per cent"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "; from 70 on owned dogs cannot replace themselves")},
    {control::vscGainLoss, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "abandoned per year"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp",
                       "The owned one-year-old females abandoned to the street each year at equilibrium; owners "
                       "keep the rest of their yearlings."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "females per year"), ""},
    {control::txtStart, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "sterilising starts in"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "The first year of the sterilisation programme."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "a calendar year"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "; the model runs from 1950 to 2050")},
    {control::txtTimes, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "times in first year"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "The programme's effort in its first year, as a multiple of its yearly rate."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "times"), ""},
    {control::hscSterilise, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "sterilisation rate"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp",
                       "The share of fertile females the programme sterilises each year, split between owned "
                       "yearlings and street dogs by the owned share."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "per cent per year, in steps of 0.1 %"), ""},
    {control::vscTarget, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "share aimed at owned dogs"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp",
                       "The per cent of the programme aimed at owned dogs (top of the bar); the rest goes to "
                       "street dogs (bottom)."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "per cent"), ""},
    {control::chkSterilise, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "only 1-year olds"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp",
                       "Ticked, the street programme treats only one-year-olds; otherwise every street age from 1 "
                       "to 10. Owned dogs are treated as yearlings either way."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "ticked or not"), ""},
    {control::txtFrom, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "dogs killed from"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp",
                       "The first year of culling. In each culling year the street dogs that killed.txt records "
                       "for the year before are removed from the fertile street dogs aged 1 to 10."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "a calendar year"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "; after 1950, since 1950 has no year before it")},
    {control::txtTo, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "dogs killed to"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "The last year of culling (inclusive)."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "a calendar year"), ""},
    {control::chkLog, QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "log scale"),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp",
                       "Ticked, the next run charts ln(dogs + 1), so its axis labels are logarithms; point at the "
                       "chart to read the counts."),
     QT_TRANSLATE_NOOP("karnoth::render::InputHelp", "ticked or not"), ""},
}};

const InputText* find(std::string_view name)
{
    for (const InputText& input : kInputs)
        if (input.control == name) return &input;
    return nullptr;
}

std::optional<InputField> fieldOf(std::string_view name)
{
    for (int i = 0; i <= static_cast<int>(InputField::cullTo); ++i) {
        const auto field = static_cast<InputField>(i);
        if (controlOf(field) == name) return field;
    }
    return std::nullopt;
}

QString rangeOf(std::string_view name, const LayoutRow& row)
{
    // The bars show the rate in per cent, their value in tenths.
    const bool rate = name == control::hscSterilise;
    const auto shown = [rate](int value) {
        return QString::fromStdString(rate ? formatPlain(value / 10.0) : formatGrouped(value));
    };
    if (row.range) return translated("%1 to %2").arg(shown(row.range->lowest()), shown(row.range->highest()));
    if (row.kind == ControlKind::CheckBox) return translated("on or off");
    if (const std::optional<InputField> field = fieldOf(name)) {
        const std::string_view words = fieldRangeWords(*field);
        if (!words.empty()) return qtText(words);
    }
    return translated("a whole year");
}

QString initialOf(std::string_view name, const LayoutRow& row)
{
    if (row.kind == ControlKind::TextBox) return qtText(row.text);
    if (row.kind == ControlKind::CheckBox) return row.value ? translated("ticked") : translated("not ticked");
    if (name == control::hscSterilise) return QString::fromStdString(formatPlain(row.value / 10.0)) + " %";
    return QString::fromStdString(formatGrouped(row.value));
}

}  // namespace

InputDescription describeInput(std::string_view name)
{
    const InputText* input = find(name);
    const LayoutRow* row = findLayoutRow(name);
    if (!input || !row) return {};
    return InputDescription{translated(input->caption), translated(input->meaning), translated(input->unit),
                            rangeOf(name, *row) + translated(input->rangeNote), initialOf(name, *row)};
}

QString inputCaption(std::string_view name)
{
    const InputDescription description = describeInput(name);
    return description.caption.isEmpty() ? qtText(name) : description.caption;
}

QString inputToolTip(std::string_view name)
{
    const InputDescription d = describeInput(name);
    if (d.caption.isEmpty()) return {};
    return translated("%1: %2\nUnit: %3\nRange: %4").arg(d.caption, d.meaning, d.unit, d.range);
}

std::vector<std::string_view> describedInputs()
{
    std::vector<std::string_view> names;
    for (const InputText& input : kInputs) names.push_back(input.control);
    return names;
}

QString inputValueText(std::string_view name, const std::string& text, int value)
{
    const LayoutRow* row = findLayoutRow(name);
    if (!row) return {};
    switch (row->kind) {
    case ControlKind::TextBox: return QString::fromStdString(text);
    case ControlKind::CheckBox: return value ? translated("ticked") : translated("not ticked");
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar:
        if (name == control::hscSterilise) return QString::fromStdString(formatPlain(value / 10.0));
        return QString::fromStdString(formatGrouped(value));
    default: return {};
    }
}

QString modelHelpHtml()
{
    QString html = translated(
        "<h2>About the model</h2>"
        "<p>Karnoth models the <b>female</b> dogs of a town, by age from 0 to 10 years, in two linked "
        "populations: owned dogs and street dogs. From the life-history figures it sets both populations to a "
        "steady state and projects them year by year from <b>1950 to 2050</b>, with abandonment of owned "
        "yearlings, owners' own sterilisation, culling of street dogs and, from its start year, a sterilisation "
        "programme. The chart shows the street females aged one and over (red), the fertile street females of "
        "breeding age (green, on the red scale) and the programme's sterilisations per year (blue, right "
        "scale).</p>"
        "<p>Typing into a box updates the figures beside it; moving a bar, or pressing Run (Enter), reruns the "
        "model. While the chart shows a run of earlier inputs, Run reads <b>Run*</b>.</p>");
    html += translated("<h3>Inputs</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
                       "<tr><th>input</th><th>meaning</th><th>unit</th><th>range</th><th>starts at</th></tr>");
    for (const InputText& input : kInputs) {
        const InputDescription d = describeInput(input.control);
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td></tr>")
                    .arg(d.caption.toHtmlEscaped(), d.meaning.toHtmlEscaped(), d.unit.toHtmlEscaped(),
                         d.range.toHtmlEscaped(), d.initial.toHtmlEscaped());
    }
    html += QStringLiteral("</table>");
    html += translated(
        "<h3>Limits</h3><ul>"
        "<li>Females only: every count is of female dogs.</li>"
        "<li>The years 1950 to 2050 only: a programme that starts after 2050 never runs, and culling cannot "
        "include 1950, which has no year before it.</li>"
        "<li>Owners who sterilise <b>70 %</b> or more of their yearlings leave owned dogs unable to replace "
        "themselves: there is no steady state to start from.</li>"
        "<li>Juvenile survival must stay below the <b>threshold</b> shown beside it, 1 / pups per yearling: at "
        "or above it street pups more than replace themselves and there is no steady state either.</li>"
        "<li>A first-year multiplier, a cull or a programme that would remove more dogs than an age class holds "
        "stops the run in that year, naming the step.</li>"
        "<li>killed.txt, in the working directory, holds records of a year and the street dogs killed in it; a "
        "bad record stops the run.</li>"
        "</ul>"
        "<p>A figure the model cannot use is named in the status bar, and the box it came from is framed in red "
        "until a run succeeds. Nothing is lost: correct the figure and run again.</p>");
    return html;
}

}  // namespace karnoth::render
