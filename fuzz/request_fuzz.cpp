// The whole request on three arbitrary texts through a fake form. The outcome
// is exactly one of the ten result texts, or Overflow with the result line
// unwritten, and it is the right one: worked out here again from the three
// texts, read independently of the program, with <chrono> as the calendar.

#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "calc/calcular.hpp"
#include "runtime/errors.hpp"
#include "support/chrono_weekday.hpp"
#include "support/fake_form.hpp"
#include "support/number_prefix.hpp"
#include "utf16_input.hpp"

namespace {

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// A box's number, read independently of the program, rounded as the
// request rounds it (to nearest, halves to even, the floating-point
// default), if it fits [low, high].
std::optional<long> rounded(const std::u16string& text, long low, long high)
{
    const std::optional<double> read = testing_support::numberPrefix(text);
    if (!read) {
        return std::nullopt;  // beyond the Double range
    }
    const double value = std::nearbyint(*read);
    if (!(value >= static_cast<double>(low) && value <= static_cast<double>(high))) {
        return std::nullopt;
    }
    return static_cast<long>(value);
}

std::u16string expectedText(long dia, long mes, long anio)
{
    if (anio < 1000) {
        return u"Mal a\u00F1o";
    }
    if (mes < 1 || mes > 12) {
        return u"Mal mes";
    }
    if (dia < 1 || dia > static_cast<long>(testing_support::chronoMonthLength(int(mes), int(anio)))) {
        return u"Mal d\u00ECa";
    }
    return std::u16string(testing_support::chronoWeekdayName(int(dia), int(mes), int(anio)));
}

// What must come of the request, worked out before it runs: a result text,
// or nothing when a box overflows.
std::optional<std::u16string> expectedOutcome(const std::vector<std::u16string>& fields)
{
    const auto anio = rounded(fields[2], -32768, 32767);
    const auto mes = rounded(fields[1], 0, 255);
    const auto dia = rounded(fields[0], 0, 255);
    if (!anio || !mes || !dia) {
        return std::nullopt;
    }
    return expectedText(*dia, *mes, *anio);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto fields = fuzzing::splitFields(fuzzing::toUtf16(data, size), 3);
    testing_support::FakeForm form(fields[0], fields[1], fields[2]);

    const std::optional<std::u16string> expected = expectedOutcome(fields);
    try {
        calc::CmdCalcular_Click(form);
        check(expected.has_value() && form.escrituras() == 1 && form.salida() == expected);
    } catch (const runtime::OverflowError&) {
        check(!expected.has_value() && form.escrituras() == 0);
    }
    return 0;
}
