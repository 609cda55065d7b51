#include "render/input_help.h"

#include "catalogue/input_catalogue.h"
#include "panel/form_inputs.h"
#include "support/number_masks.h"

#include <QCoreApplication>

namespace karnoth::render {
namespace {

// The words of this drawing, in their own translation context.
struct HelpWords {
    Q_DECLARE_TR_FUNCTIONS(karnoth::render::InputHelp)
};
QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the input catalogue, in the user's language.
QString catalogueText(const char* text)
{
    return QCoreApplication::translate(kInputTextContext, text);
}

// A bar's value as the user reads it: the rate in per cent (252 is "25.2"), another bar grouped.
QString barValueText(const InputRow& input, int value)
{
    return QString::fromStdString(input.barInTenths ? formatPlain(value / 10.0) : formatGrouped(value));
}

QString rangeOf(const InputRow& input)
{
    if (input.bar)
        return HelpWords::tr("%1 to %2")
            .arg(barValueText(input, input.bar->lowest), barValueText(input, input.bar->highest));
    if (input.conversion == Conversion::checkBox) return HelpWords::tr("on or off");
    const std::string_view words = input.field ? fieldRangeWords(*input.field) : std::string_view();
    if (!words.empty()) return qtText(words);
    return HelpWords::tr("a whole year");
}

QString initialOf(const InputRow& input)
{
    switch (input.conversion) {
    case Conversion::numberText:
    case Conversion::yearText: return qtText(input.defaultText);
    case Conversion::optionalNumberText:
    case Conversion::optionalYearText:
        return input.defaultText.empty() ? HelpWords::tr("empty") : qtText(input.defaultText);
    case Conversion::checkBox: return input.defaultValue ? HelpWords::tr("ticked") : HelpWords::tr("not ticked");
    case Conversion::barValue: break;
    }
    return barValueText(input, input.defaultValue) + (input.barInTenths ? QStringLiteral(" %") : QString());
}

}  // namespace

InputDescription describeInput(std::string_view name)
{
    const InputRow* input = findInput(name);
    if (!input) return {};
    return InputDescription{catalogueText(input->caption), catalogueText(input->meaning), catalogueText(input->unit),
                            rangeOf(*input) + catalogueText(input->rangeNote), initialOf(*input)};
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
    return HelpWords::tr("%1: %2\nUnit: %3\nRange: %4").arg(d.caption, d.meaning, d.unit, d.range);
}

std::vector<std::string_view> describedInputs()
{
    std::vector<std::string_view> names;
    for (const InputRow& input : kInputCatalogue) names.push_back(input.control);
    return names;
}

QString inputValueText(std::string_view name, const std::string& text, int value)
{
    const InputRow* input = findInput(name);
    if (!input) return {};
    switch (input->conversion) {
    case Conversion::optionalNumberText:
    case Conversion::optionalYearText:
        if (blankText(text)) return HelpWords::tr("empty");
        return QString::fromStdString(text);
    case Conversion::numberText:
    case Conversion::yearText: return QString::fromStdString(text);
    case Conversion::checkBox: return value ? HelpWords::tr("ticked") : HelpWords::tr("not ticked");
    case Conversion::barValue: break;
    }
    return barValueText(*input, value);
}

QString modelHelpHtml()
{
    QString html = HelpWords::tr(
        "<h2>About the model</h2>"
        "<p>Karnoth models the <b>female</b> dogs of a town, by age from 0 to 10 years, in two linked "
        "populations: owned dogs and street dogs. From the life-history figures it sets both populations to a "
        "steady state and projects them year by year from <b>1950 to 2050</b>, with abandonment of owned "
        "yearlings, owners' own sterilisation, culling of street dogs and, from its start year, a sterilisation "
        "programme. The chart shows the street females aged one and over (red), the fertile street females of "
        "breeding age (green, on the red scale) and the programme's sterilisations per year (blue, right "
        "scale).</p>"
        "<p>Typing into a box updates the figures beside it; moving a bar, or pressing Run (Enter), reruns the "
        "model. While the chart shows a run of earlier inputs, Run reads <b>Run*</b>.</p>"
        "<p><b>A real town.</b> Left empty, the group of that name leaves the model closed: street dogs come "
        "only from abandonment, pups survive as well on a crowded street as on an empty one, and the "
        "programme never ends. Intact females arriving per year join the street after each year's catching "
        "round and breed that year, so coverage levels off below 100 %. A street carrying capacity makes "
        "street pups survive their first year less often as the street fills, by Sj / (1 + c (N / K)^"
        "compensation), N being last year's street total and c the street's own surplus; a programme that "
        "thins the street is then partly made up. Sterilising stops after ends the programme; the window "
        "then says when the street is back to 90 % of its size before it. Sterilisations per year count the "
        "programme's effort in operations instead of the rate bar, which is greyed: the owned share splits "
        "them, operations the owned dogs cannot use are not moved to the street, and no year operates on "
        "more fertile dogs than there are.</p>");
    html += HelpWords::tr("<h3>Inputs</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
                          "<tr><th>input</th><th>meaning</th><th>unit</th><th>range</th><th>starts at</th></tr>");
    for (const InputRow& input : kInputCatalogue) {
        const InputDescription d = describeInput(input.control);
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td></tr>")
                    .arg(d.caption.toHtmlEscaped(), d.meaning.toHtmlEscaped(), d.unit.toHtmlEscaped(),
                         d.range.toHtmlEscaped(), d.initial.toHtmlEscaped());
    }
    html += QStringLiteral("</table>");
    html += HelpWords::tr(
        "<h3>Limits</h3><ul>"
        "<li>Females only: every count is of female dogs.</li>"
        "<li>The years 1950 to 2050 only: a programme that starts after 2050 never runs, and culling cannot "
        "include 1950, which has no year before it.</li>"
        "<li>Owners who sterilise <b>70 %</b> or more of their yearlings leave owned dogs unable to replace "
        "themselves: there is no steady state to start from.</li>"
        "<li>Juvenile survival must stay below the <b>threshold</b> shown beside it, 1 / pups per yearling: at "
        "or above it street pups more than replace themselves and there is no steady state either, unless a "
        "street carrying capacity holds them back.</li>"
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
