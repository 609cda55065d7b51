// The words a user reads about an input, as the input catalogue and the model's ranges give them:
// each kind of conversion once (a number text, a year text, the rate bar shown in per cent,
// another bar grouped, a check box), and a control that is no input.

#include "catalogue/input_catalogue.h"
#include "render/input_help.h"

#include <gtest/gtest.h>

namespace karnoth::render {
namespace {

struct Described {
    const char* control;
    const char* caption;
    const char* unit;
    const char* range;  // the bar's or model's range, then the catalogue's note
    const char* initial;  // the layout's starting setting in the input's unit
};

TEST(InputHelp, DescribesEachKindOfInput)
{
    const Described cases[] = {
        {"txtJuvSurv", "juvenile survival", "a share per year",
         "0 to 1; below the threshold shown beside it (1 / pups per yearling), or there is no steady state", ".1"},
        {"txtAdultSurv", "adult survival", "a share per year (0.9 is 90 %)", "at least 0 and below 1", "0.9"},
        {"txtStart", "sterilising starts in", "a calendar year", "a whole year; the model runs from 1950 to 2050",
         "2005"},
        {"hscSterilise", "sterilisation rate", "per cent per year, in steps of 0.1 %", "0 to 100", "25.2 %"},
        {"vscGainLoss", "abandoned per year", "females per year", "1 to 30,000", "4,000"},
        {"chkSterilise", "only 1-year olds", "ticked or not", "on or off", "not ticked"},
    };
    for (const Described& expected : cases) {
        SCOPED_TRACE(expected.control);
        const InputDescription d = describeInput(expected.control);
        EXPECT_EQ(d.caption.toStdString(), expected.caption);
        EXPECT_EQ(d.unit.toStdString(), expected.unit);
        EXPECT_EQ(d.range.toStdString(), expected.range);
        EXPECT_EQ(d.initial.toStdString(), expected.initial);
    }
}

TEST(InputHelp, ToolTipAndCaptionOfAControlThatIsNoInput)
{
    EXPECT_EQ(inputToolTip("hscSterilise").toStdString(),
              "sterilisation rate: The share of fertile females the programme sterilises each year, split between "
              "owned yearlings and street dogs by the owned share.\nUnit: per cent per year, in steps of 0.1 %\n"
              "Range: 0 to 100");
    EXPECT_TRUE(inputToolTip("Label3").isEmpty());
    EXPECT_EQ(inputCaption("Label3").toStdString(), "Label3");
    EXPECT_EQ(inputCaption("txtLitter").toStdString(), "female pups per litter");
}

TEST(InputHelp, ValueTextPerConversion)
{
    EXPECT_EQ(inputValueText("hscSterilise", "", 252).toStdString(), "25.2");
    EXPECT_EQ(inputValueText("vscGainLoss", "", 30000).toStdString(), "30,000");
    EXPECT_EQ(inputValueText("txtLitter", " 3", 0).toStdString(), " 3");  // as typed
    EXPECT_EQ(inputValueText("txtOperations", " ", 0).toStdString(), "empty");  // not ": ." in a difference
    EXPECT_EQ(inputValueText("txtStop", "2040", 0).toStdString(), "2040");
    EXPECT_EQ(inputValueText("chkLog", "", 1).toStdString(), "ticked");
    EXPECT_TRUE(inputValueText("Label3", "x", 1).isEmpty());
}

TEST(InputHelp, HelpListsEveryInputInTheCataloguesOrder)
{
    const QString html = modelHelpHtml();
    qsizetype at = 0;
    for (const InputRow& row : kInputCatalogue) {
        const qsizetype found = html.indexOf(QStringLiteral("<tr><td>%1</td>").arg(QString::fromUtf8(row.caption)), at);
        EXPECT_GT(found, at) << row.control;
        at = found;
    }
}

}  // namespace
}  // namespace karnoth::render
