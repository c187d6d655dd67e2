// libFuzzer target: arbitrary input texts, options and tick states through the whole calculation.
// It may only return or raise ArithmeticFault; every result it returns must read as shown.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calc/number_text.h"
#include "calc/sealant_calculation.h"

namespace {

// Input layout: one byte of option bits, five tick-state bytes, then the four texts separated by
// NUL bytes.
SealantSheet SheetOf(const std::uint8_t* data, std::size_t size) {
    SealantSheet sheet;
    if (size < 6) return sheet;
    sheet.Option1 = data[0] & 1;
    sheet.Option2 = data[0] & 2;
    for (std::size_t i = 0; i < 5; ++i) sheet.Check1[i] = data[1 + i] % 3;
    std::string_view rest(reinterpret_cast<const char*>(data + 6), size - 6);
    for (std::string* text : {&sheet.Text1, &sheet.Text2, &sheet.Text3, &sheet.Text4}) {
        const std::size_t end = rest.find('\0');
        *text = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return sheet;
}

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SealantSheet sheet = SheetOf(data, size);
    try {
        const bool warning = CalculateSealant(sheet);
        Require(sheet.Label8 == "7" || StrictNumber(sheet.Label8) > 7);
        Require(sheet.Label11 == "7" || StrictNumber(sheet.Label11) > 7);
        Require(!sheet.Label18.empty() &&
                StrictNumber(sheet.Label18) == StrictNumber(FixedThree(sheet.Label18)));
        const double governing = LeadingNumber(sheet.Label27);
        Require(governing >= 6 && warning == (governing > 12));
        for (std::size_t i = 0; i < 5; ++i) Require(sheet.Label23Enabled[i] == (sheet.Check1[i] == 1));
    } catch (const ArithmeticFault&) {
        // The one failure the calculation may report.
    }
    return 0;
}
