#pragma once

// Conversions between numbers and texts that every input and result of the calculation passes
// through. None depends on the locale: the decimal separator is always ".", never any grouping.

#include <stdexcept>
#include <string>
#include <string_view>

// The calculation's one failure. It unwinds through the calculation and is caught only by the
// calculate command of the window.
class ArithmeticFault : public std::runtime_error {
public:
    enum class Kind { DivisionByZero, Overflow, TypeMismatch };

    explicit ArithmeticFault(Kind kind);

    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

// The number at the start of a text, after removing every blank, tab and line feed; 0 when the
// text does not start with a number. Raises Overflow for a number beyond the double range.
double LeadingNumber(std::string_view text);

// A text that as a whole (but for blanks around it) is a number. Raises TypeMismatch for any
// other text, Overflow for a number beyond the double range.
double StrictNumber(std::string_view text);

// The value rounded to 15 significant digits in its shortest form: "9.37499986030162", "0".
std::string GeneralText(double value);

// The number in a text with every integer digit and exactly three decimals, rounded on the
// text's decimal digits, halves away from zero: "7.0005" -> "7.001", "6" -> "6.000".
std::string FixedThree(std::string_view text);

// A single rounded to 7 significant digits in its shortest form, with a blank in front when it is
// not negative: 14.616f -> " 14.616".
std::string SignedSingleText(float value);

// The decimal digits of an integer: 7 -> "7".
std::string IntegerText(int value);
