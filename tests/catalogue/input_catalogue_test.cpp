// The input catalogue is the one place an input is described, so these checks are what keeps a new
// row (or a changed one) whole: its default agrees with ModelInputs, it is a control of the layout
// of the right kind, its varied position is free, and every field of the model has a control.

#include "analysis/varied_inputs.h"
#include "app/layout.h"
#include "catalogue/input_catalogue.h"
#include "support/numeric_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace karnoth {
namespace {

// Every InputField the model names: the enum has no count, so walk it until fieldCaption falls
// back to "an input" for a value past its last field.
std::vector<InputField> everyField()
{
    std::vector<InputField> fields;
    for (int i = 0; fieldCaption(static_cast<InputField>(i)) != "an input"; ++i)
        fields.push_back(static_cast<InputField>(i));
    return fields;
}

TEST(InputCatalogue, EachRowIsWholeForItsConversion)
{
    std::set<std::string_view> controls;
    for (const InputRow& row : kInputCatalogue) {
        SCOPED_TRACE(std::string(row.control));
        EXPECT_TRUE(controls.insert(row.control).second) << "a control listed twice";
        EXPECT_NE(*row.caption, '\0');
        EXPECT_NE(*row.meaning, '\0');
        EXPECT_NE(*row.unit, '\0');
        switch (row.conversion) {
        case Conversion::numberText:
            EXPECT_TRUE(row.field && row.number && !row.year && !row.bar);
            EXPECT_FALSE(row.defaultText.empty());
            break;
        case Conversion::yearText:
            EXPECT_TRUE(row.field && row.year && !row.number && !row.bar);
            EXPECT_EQ(row.variedPosition, -1) << "the analyses never move a year";
            break;
        case Conversion::optionalNumberText:
            EXPECT_TRUE(row.field && (row.number != nullptr) != (row.optionalNumber != nullptr) && !row.year &&
                        !row.bar);
            EXPECT_EQ(row.defaultText.empty(), row.optionalNumber != nullptr) << "empty is the neutral value";
            break;
        case Conversion::optionalYearText:
            EXPECT_TRUE(row.field && row.optionalYear && !row.number && !row.year && !row.bar);
            EXPECT_TRUE(row.defaultText.empty());
            EXPECT_EQ(row.variedPosition, -1) << "the analyses never move a year";
            break;
        case Conversion::barValue:
            ASSERT_TRUE(row.field && row.number && row.bar);
            EXPECT_TRUE(row.defaultText.empty());
            EXPECT_LE(row.bar->lowest, row.defaultValue);
            EXPECT_LE(row.defaultValue, row.bar->highest);
            break;
        case Conversion::checkBox:
            EXPECT_TRUE(!row.field && !row.number && !row.year && !row.bar);
            EXPECT_EQ(row.variedPosition, -1);
            break;
        }
    }
}

// The window opens at the catalogue's texts and values, an analysis starts from ModelInputs{}: the
// two must be the same inputs, or the window's first run and a default analysis differ.
TEST(InputCatalogue, DefaultsAreTheModelsDefaults)
{
    const ModelInputs defaults;
    for (const InputRow& row : kInputCatalogue) {
        SCOPED_TRACE(std::string(row.control));
        if (row.conversion == Conversion::optionalNumberText && row.optionalNumber) {
            EXPECT_FALSE(defaults.*row.optionalNumber);
        } else if (row.conversion == Conversion::optionalYearText) {
            EXPECT_FALSE(defaults.*row.optionalYear);
        } else if (row.conversion == Conversion::numberText || row.conversion == Conversion::optionalNumberText) {
            EXPECT_EQ(textToDouble(std::string(row.defaultText), "default"), defaults.*row.number);
        } else if (row.conversion == Conversion::yearText) {
            EXPECT_EQ(textToInteger16(std::string(row.defaultText), "default"), defaults.*row.year);
        } else if (row.conversion == Conversion::barValue) {
            EXPECT_EQ(double(row.defaultValue), defaults.*row.number);
        }
    }
    EXPECT_EQ(inputRow(control::chkSterilise).defaultValue != 0, defaults.onlyYearlings);
}

TEST(InputCatalogue, EveryFieldOfTheModelHasOneControl)
{
    const std::vector<InputField> fields = everyField();
    ASSERT_GE(fields.size(), 14u);
    for (InputField field : fields) {
        SCOPED_TRACE(std::string(fieldCaption(field)));
        int rows = 0;
        for (const InputRow& row : kInputCatalogue) rows += row.field == field ? 1 : 0;
        EXPECT_EQ(rows, 1);
    }
}

// An input's varied position names it to the Latin hypercube (its random stream) and orders the
// sensitivity's rows and JSON: existing positions must never move, a new input takes the next one.
TEST(InputCatalogue, VariedPositionsAreStableAndDense)
{
    const std::vector<std::string_view> expected{control::txtAdultSurv,
                                                 control::txtJuvSurv,
                                                 control::txtRecruit,
                                                 control::txtSenile,
                                                 control::txtFecundity,
                                                 control::txtLitter,
                                                 control::txtCurrentOwnedSteril,
                                                 control::txtTimes,
                                                 control::vscGainLoss,
                                                 control::hscSterilise,
                                                 control::vscTarget,
                                                 control::txtImmigrants,
                                                 control::txtCapacity,
                                                 control::txtCompensation,
                                                 control::txtOperations};
    ASSERT_GE(kVariedInputs.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(inputRow(kVariedInputs[i]).control, expected[i]) << i;
    std::set<int> positions;
    for (const InputRow& row : kInputCatalogue)
        if (row.variedPosition >= 0) {
            EXPECT_TRUE(positions.insert(row.variedPosition).second) << row.control << " shares a position";
            EXPECT_TRUE(row.number || row.optionalNumber) << row.control << " is varied but holds no number";
        }
    ASSERT_EQ(positions.size(), kVariedInputs.size());
    EXPECT_EQ(*positions.rbegin(), int(kVariedInputs.size()) - 1) << "a gap in the varied positions";
}

// Where an input sits is the layout's; what it is, the catalogue's. Each input control of the
// layout has a row and each row a control of the matching kind, starting where the catalogue says.
TEST(InputCatalogue, MatchesTheLayout)
{
    for (const InputRow& row : kInputCatalogue) {
        SCOPED_TRACE(std::string(row.control));
        const LayoutRow* control = findLayoutRow(row.control);
        ASSERT_NE(control, nullptr);
        switch (row.conversion) {
        case Conversion::numberText:
        case Conversion::yearText:
        case Conversion::optionalNumberText:
        case Conversion::optionalYearText:
            EXPECT_EQ(control->kind, ControlKind::TextBox);
            EXPECT_EQ(control->text, row.defaultText);
            break;
        case Conversion::barValue:
            ASSERT_TRUE(control->range);
            EXPECT_EQ(control->range->lowest(), row.bar->lowest);
            EXPECT_EQ(control->range->highest(), row.bar->highest);
            EXPECT_EQ(control->value, row.defaultValue);
            break;
        case Conversion::checkBox:
            EXPECT_EQ(control->kind, ControlKind::CheckBox);
            EXPECT_EQ(control->value, row.defaultValue);
            break;
        }
    }
    for (const LayoutRow& control : formLayout()) {
        const bool input = control.kind == ControlKind::TextBox || control.kind == ControlKind::CheckBox ||
                           control.kind == ControlKind::HScrollBar || control.kind == ControlKind::VScrollBar;
        if (input) {
            EXPECT_NE(findInput(control.name), nullptr) << control.name << " has no catalogue row";
        }
    }
}

}  // namespace
}  // namespace karnoth
