#include "calc/sealant_calculation.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

#include "calc/number_text.h"

namespace {

using Kind = ArithmeticFault::Kind;
using Texts = std::array<std::string, 5>;
using Flags = std::array<bool, 5>;

struct Inputs {
    std::string Text1 = "2.5", Text2 = "1500", Text3 = "2400", Text4 = "0.4";
    bool Option1 = false, Option2 = true;
    std::array<int, 5> Check1 = {0, 1, 0, 0, 0};
};

// The inputs written over a sheet, a new one or one that already shows results.
SealantSheet SheetOf(const Inputs& in, SealantSheet sheet = {}) {
    sheet.Text1 = in.Text1;
    sheet.Text2 = in.Text2;
    sheet.Text3 = in.Text3;
    sheet.Text4 = in.Text4;
    sheet.Option1 = in.Option1;
    sheet.Option2 = in.Option2;
    sheet.Check1 = in.Check1;
    return sheet;
}

struct Results {
    std::string Label8, Label11, Label18;
    Texts Label23;
    std::string Label27;
    bool warning;
};

struct CalculationCase {
    const char* name;
    Inputs inputs;
    Results expected;
};

std::ostream& operator<<(std::ostream& out, const CalculationCase& c) { return out << c.name; }

const Texts kInitialThicknesses = {"7.972", "5.481", "4.385", "4.385", "14.616"};

class CalculateSealantResults : public testing::TestWithParam<CalculationCase> {};

TEST_P(CalculateSealantResults, EveryTextAsShown) {
    const CalculationCase& c = GetParam();
    SealantSheet sheet = SheetOf(c.inputs);
    const bool warning = CalculateSealant(sheet);
    EXPECT_EQ(sheet.Label8, c.expected.Label8);
    EXPECT_EQ(sheet.Label11, c.expected.Label11);
    EXPECT_EQ(sheet.Label18, c.expected.Label18);
    EXPECT_EQ(sheet.Label23, c.expected.Label23);
    EXPECT_EQ(sheet.Label27, c.expected.Label27);
    EXPECT_EQ(warning, c.expected.warning);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(sheet.Label23Enabled[i], c.inputs.Check1[i] == 1) << "Label23Enabled[" << i << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalculateSealantResults,
    testing::Values(
        CalculationCase{
            "InitialWindow", {}, {"9.375", "18.462", "5.029", kInitialThicknesses, "6.000", false}},
        CalculationCase{
            "PanelHeightLaAllTypes",
            {.Option1 = true, .Option2 = false, .Check1 = {1, 1, 1, 1, 1}},
            {"9.375", "18.462", "3.143", {"4.983", "3.426", "2.740", "2.740", "9.135"}, " 9.135", false}},
        CalculationCase{"NarrowWidthShowsSeven",
                        {.Text1 = "1"},
                        {"7", "18.462", "5.029", kInitialThicknesses, "6.000", false}},
        // 7.00031 formats to "7.000", which is not above 7; 7.00125 is.
        CalculationCase{"WidthOfSevenPointZeroShowsSeven",
                        {.Text1 = "1.86675"},
                        {"7", "18.462", "5.029", kInitialThicknesses, "6.000", false}},
        CalculationCase{"WidthJustAboveSeven",
                        {.Text1 = "1.867"},
                        {"7.001", "18.462", "5.029", kInitialThicknesses, "6.000", false}},
        CalculationCase{"OnlySteelWarns",
                        {.Check1 = {0, 0, 0, 0, 1}},
                        {"9.375", "18.462", "5.029", kInitialThicknesses, " 14.616", true}},
        CalculationCase{"NoTypeTakesTemperature",
                        {.Check1 = {0, 0, 0, 0, 0}},
                        {"9.375", "18.462", "5.029", kInitialThicknesses, "6.000", false}},
        CalculationCase{"GreyedTicksCountAsUnticked",
                        {.Check1 = {2, 2, 2, 2, 2}},
                        {"9.375", "18.462", "5.029", kInitialThicknesses, "6.000", false}},
        CalculationCase{
            "LongSide4000",
            {.Text3 = "4000", .Check1 = {0, 0, 0, 0, 1}},
            {"9.375", "21.818", "8.382", {"13.287", "9.135", "7.308", "7.308", "24.359"}, " 24.359", true}},
        // The panel height enters in single precision: 1500.300048828125.
        CalculationCase{
            "FractionalPanelHeight",
            {.Text3 = "1500.3", .Check1 = {0, 0, 0, 0, 1}},
            {"9.375", "15.002", "3.144", {"4.984", "3.426", "2.741", "2.741", "9.137"}, " 9.137", false}},
        // 16777217 has no single; it enters as 16777216, which moves every thickness's third decimal.
        CalculationCase{"PanelHeightBeyondSinglePrecision",
                        {.Text3 = "16777217", .Check1 = {0, 0, 0, 0, 1}},
                        {"9.375",
                         "29.997",
                         "35156.786",
                         {"55729.648", "38314.133", "30651.307", "30651.307", "102171.022"},
                         " 102171",
                         true}},
        CalculationCase{
            "GoverningExactlyTwelveDoesNotWarn",
            {.Text3 = "1970.5", .Check1 = {0, 0, 0, 0, 1}},
            {"9.375", "17.034", "4.129", {"6.546", "4.500", "3.600", "3.600", "12.000"}, " 12", false}},
        CalculationCase{
            "GoverningJustAboveTwelveWarns",
            {.Text3 = "1970.6", .Check1 = {0, 0, 0, 0, 1}},
            {"9.375", "17.034", "4.129", {"6.546", "4.500", "3.600", "3.600", "12.001"}, " 12.001", true}},
        CalculationCase{"BothOptionsLbWins",
                        {.Option1 = true, .Option2 = true, .Check1 = {1, 1, 1, 1, 1}},
                        {"9.375", "18.462", "5.029", kInitialThicknesses, " 14.616", true}},
        CalculationCase{
            "NeitherOptionHeightZero",
            {.Option1 = false, .Option2 = false, .Check1 = {1, 1, 1, 1, 1}},
            {"9.375", "18.462", "0.000", {"0.000", "0.000", "0.000", "0.000", "0.000"}, "6.000", false}},
        CalculationCase{
            "NegativeInputsComputedAsTheyAre",
            {.Text1 = "-2.5", .Text3 = "-2400", .Check1 = {1, 1, 1, 1, 1}},
            {"7", "80.000", "-5.029", {"-7.972", "-5.481", "-4.385", "-4.385", "-14.616"}, "6.000", false}},
        CalculationCase{"JunkInputsReadAsTheirPrefix",
                        {.Text1 = "2.5kN", .Text2 = " 1 500 mm", .Text3 = "2400\r\n", .Text4 = "0.4abc"},
                        {"9.375", "18.462", "5.029", kInitialThicknesses, "6.000", false}}),
    [](const testing::TestParamInfo<CalculationCase>& info) { return info.param.name; });

TEST(CalculateSealant, ANewSheetHoldsTheWindowsInitialState) {
    const SealantSheet sheet;
    EXPECT_EQ(sheet.Text1, "2.5");
    EXPECT_EQ(sheet.Text2, "1500");
    EXPECT_EQ(sheet.Text3, "2400");
    EXPECT_EQ(sheet.Text4, "0.4");
    EXPECT_FALSE(sheet.Option1);
    EXPECT_TRUE(sheet.Option2);
    EXPECT_EQ(sheet.Check1, (std::array<int, 5>{0, 1, 0, 0, 0}));
    EXPECT_EQ(sheet.Label8 + sheet.Label11 + sheet.Label18 + sheet.Label27, "");
    EXPECT_EQ(sheet.Label23, Texts{});
    EXPECT_EQ(sheet.Label23Enabled, (Flags{true, true, true, true, true}));
}

TEST(CalculateSealant, ASecondCalculationChangesNothing) {
    SealantSheet sheet;
    CalculateSealant(sheet);
    const SealantSheet first = sheet;
    CalculateSealant(sheet);
    EXPECT_EQ(sheet.Label8, first.Label8);
    EXPECT_EQ(sheet.Label23, first.Label23);
    EXPECT_EQ(sheet.Label27, first.Label27);
    EXPECT_EQ(sheet.Label23Enabled, first.Label23Enabled);
}

// A fault leaves the fields written before it and keeps the previous texts of all later ones.
struct FaultCase {
    const char* name;
    Inputs inputs;
    Kind kind;
    std::string Label8, Label11;  // what the two widths show after the fault
    bool reachedEnabledFlags;     // whether the greyed flags were already rewritten
};

std::ostream& operator<<(std::ostream& out, const FaultCase& c) { return out << c.name; }

class CalculateSealantFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(CalculateSealantFaults, KeepWhatWasWrittenBefore) {
    const FaultCase& c = GetParam();
    SealantSheet previous;
    CalculateSealant(previous);

    SealantSheet sheet = SheetOf(c.inputs, previous);
    sheet.Check1 = {1, 0, 1, 1, 1};  // differs from the previous flags in every place

    try {
        CalculateSealant(sheet);
        FAIL() << "no ArithmeticFault raised";
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.kind(), c.kind);
    }
    EXPECT_EQ(sheet.Label8, c.Label8);
    EXPECT_EQ(sheet.Label11, c.Label11);
    EXPECT_EQ(sheet.Label18, previous.Label18);
    EXPECT_EQ(sheet.Label23, previous.Label23);
    EXPECT_EQ(sheet.Label27, previous.Label27);
    EXPECT_EQ(sheet.Label23Enabled,
              c.reachedEnabledFlags ? (Flags{true, false, true, true, true}) : previous.Label23Enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalculateSealantFaults,
    testing::Values(
        // 0 / 0 in the permanent-load width, after the first width was shown.
        FaultCase{"BothSidesEmpty", {.Text2 = "", .Text3 = ""}, Kind::Overflow, "7", "18.462", false},
        FaultCase{"BothSidesZero", {.Text2 = "0", .Text3 = "abc"}, Kind::Overflow, "7", "18.462", false},
        FaultCase{"SidesCancel", {.Text3 = "-1500"}, Kind::DivisionByZero, "9.375", "18.462", false},
        FaultCase{"SidesCancelWithoutLoad",
                  {.Text3 = "-1500", .Text4 = "0"},
                  Kind::Overflow,
                  "9.375",
                  "18.462",
                  false},
        FaultCase{"WindLoadBeyondRange", {.Text1 = "1e999"}, Kind::Overflow, "9.375", "18.462", false},
        FaultCase{"WidthProductOverflows",
                  {.Text1 = "1e200", .Text2 = "1e200"},
                  Kind::Overflow,
                  "9.375",
                  "18.462",
                  false},
        FaultCase{"SelfWeightBeyondRange", {.Text4 = "1e999"}, Kind::Overflow, "9.375", "18.462", false},
        FaultCase{"SideSumOverflows",
                  {.Text1 = "0", .Text2 = "1e308", .Text3 = "1e308", .Text4 = "0"},
                  Kind::Overflow,
                  "7",
                  "18.462",
                  false},
        // A panel height the single range cannot hold: halfway to 2^128 rounds to infinity.
        FaultCase{"PanelHeightBeyondSingleRange",
                  {.Text3 = "340282356779733661637539395458142568448"},
                  Kind::Overflow,
                  "9.375",
                  "30.000",
                  false}),
    [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

TEST(CalculateSealant, PanelHeightJustBelowTheSingleOverflowRoundsToTheLargestSingle) {
    SealantSheet sheet;
    sheet.Text3 = "340282356779733623858607532500980858880";  // the double just below the halfway point
    sheet.Check1 = {0, 0, 0, 0, 1};
    EXPECT_TRUE(CalculateSealant(sheet));
    EXPECT_EQ(sheet.Label27, " 2.072274E+36");
}

TEST(CalculateSealant, ResultsDoNotDependOnTheLocale) {
    SealantSheet reference;
    reference.Check1 = {1, 1, 1, 1, 1};
    CalculateSealant(reference);

    // Decimal comma in both the C and the C++ global locale.
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "locale de_DE.UTF-8 missing: run scripts/install-deps.sh";
    const std::locale previous = std::locale::global(std::locale("de_DE.UTF-8"));

    SealantSheet sheet;
    sheet.Check1 = {1, 1, 1, 1, 1};
    const bool warning = CalculateSealant(sheet);
    const double read = LeadingNumber("2.5");
    const std::string general = GeneralText(2.5);

    std::locale::global(previous);
    std::setlocale(LC_ALL, "C");

    EXPECT_TRUE(warning);
    EXPECT_EQ(sheet.Label8, reference.Label8);
    EXPECT_EQ(sheet.Label11, "18.462");
    EXPECT_EQ(sheet.Label23, reference.Label23);
    EXPECT_EQ(sheet.Label27, " 14.616");
    EXPECT_EQ(read, 2.5);
    EXPECT_EQ(general, "2.5");
}

}  // namespace
