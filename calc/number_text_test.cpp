#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <string>

namespace {

using Kind = ArithmeticFault::Kind;

// Runs `action` and returns the kind of the ArithmeticFault it raised; fails when it raised none.
template <typename Action>
Kind FaultOf(Action action) {
    try {
        action();
    } catch (const ArithmeticFault& fault) {
        return fault.kind();
    }
    ADD_FAILURE() << "no ArithmeticFault raised";
    return Kind::TypeMismatch;
}

struct ReadCase {
    std::string text;
    double expected;
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) { return out << '"' << c.text << '"'; }

class LeadingNumberReads : public testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumberReads, TheNumberAtTheStart) {
    EXPECT_EQ(LeadingNumber(GetParam().text), GetParam().expected);
}

const std::string kManyZeros(400, '0');

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberReads,
    testing::Values(
        ReadCase{"2.5", 2.5}, ReadCase{"1500mm", 1500}, ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{"-", 0},
        ReadCase{"1,500", 1}, ReadCase{" 1 500", 1500}, ReadCase{"-0.4", -0.4}, ReadCase{"1e3", 1000},
        ReadCase{" 14.616", 14.616}, ReadCase{"2 . 5", 2.5},
        // Blanks, tabs and line feeds vanish anywhere; every other character ends the number.
        ReadCase{"1\t5\n0", 150}, ReadCase{"1\r5", 1}, ReadCase{"1\u30005", 1}, ReadCase{"1 e 3", 1000},
        // Only the plain decimal grammar: no hexadecimal, infinity, NaN or "D" exponent.
        ReadCase{"0x10", 0}, ReadCase{"inf", 0}, ReadCase{"-infinity", 0}, ReadCase{"nan", 0},
        ReadCase{"1D3", 1}, ReadCase{"&H10", 0},
        // Incomplete parts end the number before them.
        ReadCase{"1e", 1}, ReadCase{"1e+", 1}, ReadCase{"1E2.5", 100}, ReadCase{".", 0}, ReadCase{"5.", 5},
        ReadCase{"+.5", 0.5}, ReadCase{"+2.5", 2.5}, ReadCase{"2,5", 2}, ReadCase{"--1", 0},
        ReadCase{"1.5e-3", 0.0015}, ReadCase{"007.50", 7.5},
        // Underflow reads as zero or as the subnormal it is, without a fault.
        ReadCase{"1e-999", 0}, ReadCase{"1e-99999999999999999999999", 0}, ReadCase{"1e-310", 1e-310},
        ReadCase{"0e999999", 0},
        // Long digit strings are read to the nearest double: 2^53 + 1 is a tie broken by a 1 far out.
        ReadCase{"9007199254740993", 9007199254740992.0},
        ReadCase{"9007199254740993." + kManyZeros + "1", 9007199254740994.0},
        ReadCase{"0." + kManyZeros + "1e400", 0.1}, ReadCase{"1" + kManyZeros + "e-400", 1}));

TEST(LeadingNumber, RaisesOverflowBeyondTheDoubleRange) {
    for (const std::string& text :
         std::initializer_list<std::string>{"1e999", "-1e999", "1" + kManyZeros, "  1" + kManyZeros + "mm",
                                            "1e99999999999999999999", "1.8e308", "0.0001e313"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(FaultOf([&] { LeadingNumber(text); }), Kind::Overflow);
    }
}

class StrictNumberReads : public testing::TestWithParam<ReadCase> {};

TEST_P(StrictNumberReads, AWholeNumber) { EXPECT_EQ(StrictNumber(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Texts, StrictNumberReads,
                         testing::Values(ReadCase{"7", 7}, ReadCase{" 6.000 ", 6}, ReadCase{"9.375", 9.375},
                                         ReadCase{"-2.5", -2.5}, ReadCase{"+1", 1}, ReadCase{"1E+20", 1e20},
                                         ReadCase{".5", 0.5}, ReadCase{"5.", 5}, ReadCase{"1e-999", 0}));

TEST(StrictNumber, RaisesTypeMismatchForAnyOtherText) {
    for (const char* text : {"", " ", "abc", "1,5", "1 5", "7mm", "1e", "1e+", ".", "-", "--1", "\t7", "7\n",
                             "inf", "nan", "0x10", "1D3", "\u30007"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(FaultOf([&] { StrictNumber(text); }), Kind::TypeMismatch);
    }
}

TEST(StrictNumber, RaisesOverflowBeyondTheDoubleRange) {
    EXPECT_EQ(FaultOf([] { StrictNumber("1e999"); }), Kind::Overflow);
    EXPECT_EQ(FaultOf([] { StrictNumber(" -1" + kManyZeros + " "); }), Kind::Overflow);
}

struct GeneralCase {
    double value;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const GeneralCase& c) { return out << c.expected; }

class GeneralTextWrites : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralTextWrites, FifteenSignificantDigits) {
    EXPECT_EQ(GeneralText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralTextWrites,
    testing::Values(GeneralCase{9.374999860301616, "9.37499986030162"}, GeneralCase{0, "0"},
                    GeneralCase{-0.0, "0"}, GeneralCase{6, "6"}, GeneralCase{-2.5, "-2.5"},
                    GeneralCase{0.1, "0.1"}, GeneralCase{1.0 / 3, "0.333333333333333"},
                    GeneralCase{-2.0 / 3, "-0.666666666666667"},
                    // The binary value rounds down; rounding its shortest text "…095" would not.
                    GeneralCase{8.626903632435095, "8.62690363243509"},
                    GeneralCase{123456789012345, "123456789012345"}, GeneralCase{999999999999999.9, "1E+15"},
                    GeneralCase{1e300, "1E+300"}, GeneralCase{-1.5e20, "-1.5E+20"},
                    GeneralCase{0.00001, "0.00001"}, GeneralCase{1.5e-7, "1.5E-07"},
                    GeneralCase{5e-324, "4.94065645841247E-324"},
                    // Exact ties at the fifteenth digit go to the even digit.
                    GeneralCase{1234567890123445.0, "1.23456789012344E+15"},
                    GeneralCase{1234567890123455.0, "1.23456789012346E+15"}));

TEST(GeneralText, RaisesOverflowForNonFiniteValues) {
    EXPECT_EQ(FaultOf([] { GeneralText(INFINITY); }), Kind::Overflow);
    EXPECT_EQ(FaultOf([] { GeneralText(NAN); }), Kind::Overflow);
}

struct FixedCase {
    std::string text;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const FixedCase& c) { return out << '"' << c.text << '"'; }

class FixedThreeWrites : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedThreeWrites, ThreeDecimalsRoundedOnTheDigits) {
    EXPECT_EQ(FixedThree(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FixedThreeWrites,
    testing::Values(FixedCase{"9.37499986030162", "9.375"}, FixedCase{"6", "6.000"}, FixedCase{"0", "0.000"},
                    FixedCase{"7.0004", "7.000"}, FixedCase{"7.0005", "7.001"}, FixedCase{"1.0005", "1.001"},
                    FixedCase{"-2.5", "-2.500"}, FixedCase{"21.8181823058562", "21.818"},
                    FixedCase{"0.0005", "0.001"}, FixedCase{"0.00049999", "0.000"},
                    FixedCase{"1234567", "1234567.000"}, FixedCase{"1E+20", "100000000000000000000.000"},
                    // Carries run through every digit.
                    FixedCase{"9.9995", "10.000"}, FixedCase{"999.9995", "1000.000"},
                    // Halves away from zero, and the sign of a negative value that rounds to zero is dropped.
                    FixedCase{"-0.0005", "-0.001"}, FixedCase{"-0.0004", "0.000"}, FixedCase{"-0", "0.000"},
                    FixedCase{"5E-4", "0.001"}, FixedCase{"1.5E-07", "0.000"}, FixedCase{"1e-999", "0.000"},
                    FixedCase{" 8.2 ", "8.200"}, FixedCase{".5", "0.500"}, FixedCase{"+3", "3.000"},
                    FixedCase{"00012.34560", "12.346"}, FixedCase{"0.0999999", "0.100"},
                    FixedCase{"4.94065645841247E-324", "0.000"}, FixedCase{"1.5E+2", "150.000"},
                    FixedCase{"12345E-2", "123.450"}));

TEST(FixedThree, RaisesTheFaultsOfReadingTheText) {
    EXPECT_EQ(FaultOf([] { FixedThree("abc"); }), Kind::TypeMismatch);
    EXPECT_EQ(FaultOf([] { FixedThree(""); }), Kind::TypeMismatch);
    EXPECT_EQ(FaultOf([] { FixedThree("7 mm"); }), Kind::TypeMismatch);
    EXPECT_EQ(FaultOf([] { FixedThree("1e999"); }), Kind::Overflow);
}

TEST(FixedThree, RoundsTheGeneralTextNotTheBinaryValue) {
    // The double nearest 7.0005 lies below it, so binary rounding gives "7.000"; its 15-digit
    // text is "7.0005" and rounds up.
    const double justBelow = 7.0005;
    EXPECT_EQ(GeneralText(justBelow), "7.0005");
    EXPECT_EQ(FixedThree(GeneralText(justBelow)), "7.001");
    EXPECT_EQ(FixedThree(GeneralText(9.374999860301616)), "9.375");
}

TEST(FixedThree, WritesEveryIntegerDigitOfLargeValues) {
    EXPECT_EQ(FixedThree(GeneralText(1e300)), "1" + std::string(300, '0') + ".000");
    EXPECT_EQ(FixedThree("-1.79769313486231E+308"), "-179769313486231" + std::string(294, '0') + ".000");
    // The largest double rounds up to 15 digits beyond the double range: its text no longer reads.
    EXPECT_EQ(FaultOf([] { FixedThree(GeneralText(DBL_MAX)); }), Kind::Overflow);
}

struct SingleCase {
    float value;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const SingleCase& c) { return out << '"' << c.expected << '"'; }

class SignedSingleTextWrites : public testing::TestWithParam<SingleCase> {};

TEST_P(SignedSingleTextWrites, SevenSignificantDigits) {
    EXPECT_EQ(SignedSingleText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, SignedSingleTextWrites,
                         testing::Values(SingleCase{14.616f, " 14.616"}, SingleCase{9.135f, " 9.135"},
                                         SingleCase{8.2f, " 8.2"}, SingleCase{10, " 10"},
                                         SingleCase{12345.678f, " 12345.68"}, SingleCase{0, " 0"},
                                         SingleCase{-0.0f, " 0"}, SingleCase{6, " 6"},
                                         SingleCase{24.359f, " 24.359"}, SingleCase{12, " 12"},
                                         SingleCase{12.001f, " 12.001"}, SingleCase{-3.5f, "-3.5"},
                                         SingleCase{0.5f, " 0.5"}, SingleCase{1234567, " 1234567"},
                                         SingleCase{16777216, " 1.677722E+07"},
                                         SingleCase{FLT_MAX, " 3.402823E+38"}, SingleCase{1e-7f, " 1E-07"}));

TEST(IntegerText, WritesTheDecimalDigits) {
    EXPECT_EQ(IntegerText(7), "7");
    EXPECT_EQ(IntegerText(6), "6");
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(-12), "-12");
    EXPECT_EQ(IntegerText(INT_MIN), "-2147483648");
}

TEST(ArithmeticFault, CarriesItsKind) {
    EXPECT_EQ(ArithmeticFault(Kind::DivisionByZero).kind(), Kind::DivisionByZero);
    EXPECT_STREQ(ArithmeticFault(Kind::Overflow).what(), "overflow");
}

}  // namespace
