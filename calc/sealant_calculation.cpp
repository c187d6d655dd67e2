#include "sealant_calculation.h"

#include <cfloat>
#include <cmath>

#include "number_text.h"

namespace {

// The divisor theta of each structure type's inter-storey drift limit 1/theta, indexed as Check1.
constexpr std::array<float, 5> DriftLimitTable = {550.0f, 800.0f, 1000.0f, 1000.0f, 300.0f};

// Strengths held in single precision: the divisions use 0.20000000298023224 and
// 0.009999999776482582, not the doubles 0.2 and 0.01.
constexpr float f1 = 0.2f;
constexpr float f2 = 0.01f;

// 1.35 times 10^-5 in double arithmetic: one unit in the last place above the double nearest 1.35e-5.
constexpr double kExpansion = 1.35 * 1e-5;
static_assert(kExpansion == 1.3500000000000001e-05);
constexpr double kTemperatureDifference = 80;

// delta * (2 + delta) as evaluated in double: 0.265625 exactly, and 0.29960000000000003.
constexpr double kTemperatureDelta = 0.125;
constexpr double kEarthquakeDelta = 0.14;
static_assert(kEarthquakeDelta * (2 + kEarthquakeDelta) == 0.29960000000000003);

constexpr double kMinimumWidth = 7;
constexpr double kMinimumThickness = 6;
constexpr double kMaximumThickness = 12;

// Every guarded result must be a finite number: infinity or NaN means overflow or an invalid
// operation such as 0 / 0.
double Guarded(double result) {
    if (!std::isfinite(result)) throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    return result;
}

double Quotient(double dividend, double divisor) {
    if (divisor == 0 && dividend != 0) throw ArithmeticFault(ArithmeticFault::Kind::DivisionByZero);
    return Guarded(dividend / divisor);
}

// Rounds to the nearest single, ties to even. A double the single range cannot hold is an overflow
// (converting it with a cast would be undefined behaviour).
float ToSingle(double value) {
    // Halfway between the largest single and 2^128: from there on the rounding goes to infinity.
    constexpr double kOverflowFrom = static_cast<double>(FLT_MAX) + 0x1p103;
    const double magnitude = std::fabs(value);
    if (!(magnitude < kOverflowFrom)) throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    if (magnitude > FLT_MAX) return std::copysign(FLT_MAX, value);
    return static_cast<float>(value);
}

// A width at or below the minimum shows the bare minimum, "7", not "7.000".
void ApplyMinimumWidth(std::string& width) {
    if (!(StrictNumber(width) > kMinimumWidth)) width = IntegerText(static_cast<int>(kMinimumWidth));
}

}  // namespace

bool CalculateSealant(SealantSheet& sheet) {
    // Width under wind load and earthquake.
    double La = LeadingNumber(sheet.Text2);
    const double w = LeadingNumber(sheet.Text1);
    const double Cs1 = Quotient(Quotient(Guarded(w * La), f1), 2000);
    sheet.Label8 = GeneralText(Cs1);
    sheet.Label8 = FixedThree(sheet.Label8);
    ApplyMinimumWidth(sheet.Label8);

    // Bonding width under permanent load.
    La = LeadingNumber(sheet.Text2);
    const double Lb = LeadingNumber(sheet.Text3);
    const double Gk = LeadingNumber(sheet.Text4);
    const double load = Quotient(Guarded(Guarded(Gk * La) * Lb), 2000);
    const double Cs2 = Quotient(Quotient(load, Guarded(Lb + La)), f2);
    sheet.Label11 = GeneralText(Cs2);
    sheet.Label11 = FixedThree(sheet.Label11);
    ApplyMinimumWidth(sheet.Label11);

    // The panel height: when both options are set, Lb wins; when neither is, it stays 0.
    float h = 0;
    if (sheet.Option1) h = ToSingle(LeadingNumber(sheet.Text2));
    if (sheet.Option2) h = ToSingle(LeadingNumber(sheet.Text3));
    const float us = ToSingle(Guarded(h * kExpansion * kTemperatureDifference));

    for (std::size_t i = 0; i < 5; ++i) sheet.Label23Enabled[i] = sheet.Check1[i] == 1;

    // Thickness under temperature.
    const double tsT = Quotient(us, std::sqrt(kTemperatureDelta * (2 + kTemperatureDelta)));
    sheet.Label18 = GeneralText(tsT);
    sheet.Label18 = FixedThree(sheet.Label18);

    // Thickness under earthquake, for every type whether ticked or not.
    const double earthquakeRoot = std::sqrt(kEarthquakeDelta * (2 + kEarthquakeDelta));
    for (std::size_t i = 0; i < 5; ++i) {
        double q = Quotient(h, DriftLimitTable[i]);
        q = Quotient(q, earthquakeRoot);
        sheet.Label23[i] = GeneralText(q);
        sheet.Label23[i] = FixedThree(sheet.Label23[i]);
    }

    // The governing thickness, from the displayed texts: the largest earthquake thickness of the
    // ticked types, then the temperature thickness; only a strictly greater value replaces it.
    std::array<float, 5> L{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < 5; ++i)
        if (sheet.Check1[i] == 1) L[n++] = ToSingle(LeadingNumber(sheet.Label23[i]));
    float m = L[0];
    for (std::size_t j = 0; j < n; ++j)
        if (L[j] > m) m = L[j];
    const float t = ToSingle(LeadingNumber(sheet.Label18));
    if (t > m) m = t;
    sheet.Label27 = SignedSingleText(m);

    const bool ThicknessWarning = LeadingNumber(sheet.Label27) > kMaximumThickness;
    if (LeadingNumber(sheet.Label27) < kMinimumThickness) {
        sheet.Label27 = IntegerText(static_cast<int>(kMinimumThickness));
        sheet.Label27 = FixedThree(sheet.Label27);
    }
    return ThicknessWarning;
}
