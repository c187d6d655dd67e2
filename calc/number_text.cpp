#include "number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

const char* KindMessage(ArithmeticFault::Kind kind) {
    switch (kind) {
    case ArithmeticFault::Kind::DivisionByZero: return "division by zero";
    case ArithmeticFault::Kind::Overflow: return "overflow";
    case ArithmeticFault::Kind::TypeMismatch: return "type mismatch";
    }
    return "arithmetic fault";
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }

// Saturates well beyond any exponent a double can use, so digit counts and exponents of any text
// length add up without wrapping.
constexpr long long kExponentCap = 1'000'000'000;

long long Saturated(long long value) {
    return value > kExponentCap ? kExponentCap : value < -kExponentCap ? -kExponentCap : value;
}

// Length of the number at the start of a text: an optional sign, digits with an optional "." and
// more digits (at least one digit in all), an optional exponent "E" or "e" with an optional sign and
// at least one digit. 0 when the text does not start with a number. Neither "inf", "nan", hexadecimal
// nor a "D" exponent is a number here: every input of this program is a plain decimal.
std::size_t NumberLength(std::string_view text) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    if (i < n && IsSign(text[i])) ++i;
    std::size_t digits = 0;
    for (; i < n && IsDigit(text[i]); ++i) ++digits;
    if (i < n && text[i] == '.') {
        for (++i; i < n && IsDigit(text[i]); ++i) ++digits;
    }
    if (digits == 0) return 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && IsSign(text[j])) ++j;
        const std::size_t exponentStart = j;
        while (j < n && IsDigit(text[j])) ++j;
        if (j > exponentStart) return j;
    }
    return i;
}

// The parts of a number text (one that NumberLength accepts whole): its significant digits without
// leading zeros, and where the decimal point stands relative to them once the exponent is applied,
// so that the value is 0.<digits> x 10^point.
struct DecimalDigits {
    bool negative = false;
    std::string digits;  // empty for zero
    long long point = 0;
};

DecimalDigits SplitDigits(std::string_view number) {
    DecimalDigits split;
    std::size_t i = 0;
    if (IsSign(number[i])) split.negative = number[i++] == '-';
    bool seenPoint = false;
    long long pointAt = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.') {
            seenPoint = true;
            pointAt = static_cast<long long>(split.digits.size());
        } else if (number[i] != '0' || !split.digits.empty()) {
            split.digits += number[i];
        } else if (seenPoint) {
            --pointAt;  // a leading zero after the point moves the point left of the digits
        }
    }
    if (!seenPoint) pointAt = static_cast<long long>(split.digits.size());
    long long exponent = 0;
    if (i < number.size()) {
        ++i;
        bool exponentNegative = false;
        if (IsSign(number[i])) exponentNegative = number[i++] == '-';
        for (; i < number.size(); ++i) exponent = Saturated(exponent * 10 + (number[i] - '0'));
        if (exponentNegative) exponent = -exponent;
    }
    split.point = split.digits.empty() ? 0 : Saturated(Saturated(pointAt) + exponent);
    return split;
}

// The nearest double to a number text that NumberLength accepts whole.
double ConvertNumber(std::string_view number) {
    if (number.front() == '+') number.remove_prefix(1);  // std::from_chars refuses a "+"
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Out of range either way: a magnitude of at least 1 overflowed, a smaller one underflowed
        // to zero, which is no fault.
        if (SplitDigits(number).point > 0) throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
        return number.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc() || end != number.data() + number.size())
        throw ArithmeticFault(ArithmeticFault::Kind::TypeMismatch);
    return value;
}

bool IsRemovedBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The value correctly rounded to `significant` digits, without trailing zeros; plain decimals for
// magnitudes from 1E-5 up to 10^significant, exponent form ("1.5E+20", "1E-07") beyond.
std::string ShortestText(double value, int significant) {
    if (!std::isfinite(value)) throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    if (value == 0) return "0";

    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significant - 1);
    std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));

    std::string text;
    if (scientific.front() == '-') {
        text = "-";
        scientific.remove_prefix(1);
    }
    const std::size_t e = scientific.find('e');
    std::string digits(1, scientific[0]);
    if (e > 1) digits.append(scientific.substr(2, e - 2));
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string_view exponentText = scientific.substr(e + 1);
    if (exponentText.front() == '+') exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    const int length = static_cast<int>(digits.size());
    if (exponent >= significant || exponent < -5) {
        text += digits[0];
        if (length > 1) text.append(".").append(digits, 1);
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) text += '0';
        text += IntegerText(magnitude);
    } else if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        if (length <= integerDigits) {
            text.append(digits).append(static_cast<std::size_t>(integerDigits - length), '0');
        } else {
            text.append(digits, 0, static_cast<std::size_t>(integerDigits))
                .append(".")
                .append(digits, static_cast<std::size_t>(integerDigits));
        }
    } else {
        text.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
    }
    return text;
}

}  // namespace

ArithmeticFault::ArithmeticFault(Kind kind) : std::runtime_error(KindMessage(kind)), kind_(kind) {}

double LeadingNumber(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text)
        if (!IsRemovedBlank(c)) kept += c;
    const std::size_t length = NumberLength(kept);
    if (length == 0) return 0;
    return ConvertNumber(std::string_view(kept).substr(0, length));
}

double StrictNumber(std::string_view text) {
    const std::string_view number = TrimBlanks(text);
    if (number.empty() || NumberLength(number) != number.size())
        throw ArithmeticFault(ArithmeticFault::Kind::TypeMismatch);
    return ConvertNumber(number);
}

std::string GeneralText(double value) { return ShortestText(value, 15); }

std::string FixedThree(std::string_view text) {
    StrictNumber(text);  // the same faults as reading the text as a number
    const DecimalDigits split = SplitDigits(TrimBlanks(text));

    // Digit q places right of the units (q = 0 the units, q < 0 tens and up, q > 0 decimals).
    const auto digitAt = [&split](long long q) {
        const long long index = split.point - 1 + q;
        return index >= 0 && index < static_cast<long long>(split.digits.size())
                   ? split.digits[static_cast<std::size_t>(index)]
                   : '0';
    };

    // A number in range has at most 309 integer digits, so `point` is small here when positive.
    std::string result;
    for (long long q = split.point > 1 ? 1 - split.point : 0; q <= 3; ++q) result += digitAt(q);
    if (digitAt(4) >= '5') {
        std::size_t i = result.size();
        while (i > 0 && result[i - 1] == '9') result[--i] = '0';
        if (i == 0)
            result.insert(result.begin(), '1');
        else
            ++result[i - 1];
    }
    result.insert(result.size() - 3, ".");
    // A negative value that rounds to zero shows no sign: "-0.000" would read as a value of its own.
    if (split.negative && result.find_first_not_of("0.") != std::string::npos)
        result.insert(result.begin(), '-');
    return result;
}

std::string SignedSingleText(float value) {
    std::string text = ShortestText(value, 7);
    return text.front() == '-' ? text : " " + text;
}

std::string IntegerText(int value) {
    char buffer[16];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}
