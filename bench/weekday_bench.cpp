// NombreDelDia against the standard library's weekday, per date, on the same
// million dates; and the whole request, from the three texts to the result
// line. Prints the ratio ours / chrono last.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "calc/calcular.hpp"
#include "calc/calendario.hpp"
#include "calc/nombre_del_dia.hpp"
#include "ratio_reporter.hpp"
#include "support/fake_form.hpp"

namespace {

using testing_support::FakeForm;

struct Date {
    std::uint8_t dia;
    std::uint8_t mes;
    std::int16_t anio;
};

constexpr std::size_t kDates = std::size_t{1} << 20;  // a power of two, so the index wraps with a mask

// Valid dates spread evenly over the years the request accepts; the seed is
// fixed so every run measures the same dates.
const std::vector<Date>& dates()
{
    static const std::vector<Date> all = [] {
        std::mt19937 random(20030507);
        std::uniform_int_distribution<int> year(1000, 32767);
        std::uniform_int_distribution<int> month(1, 12);
        std::vector<Date> drawn;
        drawn.reserve(kDates);
        while (drawn.size() < kDates) {
            const auto anio = static_cast<std::int16_t>(year(random));
            const auto mes = static_cast<std::uint8_t>(month(random));
            std::uniform_int_distribution<int> day(1, calc::DiasDelMes(mes, anio));
            drawn.push_back({static_cast<std::uint8_t>(day(random)), mes, anio});
        }
        return drawn;
    }();
    return all;
}

void NombreDelDia(benchmark::State& state)
{
    const auto& all = dates();
    std::size_t i = 0;
    for (auto _ : state) {
        const Date& date = all[i++ & (kDates - 1)];
        // The name's address tells which name it is: one register consumed,
        // as on the <chrono> side.
        const auto* name = calc::NombreDelDia(date.dia, date.mes, date.anio).data();
        benchmark::DoNotOptimize(name);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(NombreDelDia);

void ChronoWeekday(benchmark::State& state)
{
    using namespace std::chrono;
    const auto& all = dates();
    std::size_t i = 0;
    for (auto _ : state) {
        const Date& date = all[i++ & (kDates - 1)];
        const year_month_day ymd{year{date.anio}, month{date.mes}, day{date.dia}};
        auto encoding = weekday{sys_days{ymd}}.c_encoding();
        benchmark::DoNotOptimize(encoding);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ChronoWeekday);

std::u16string digits(int value)
{
    const std::string ascii = std::to_string(value);
    return {ascii.begin(), ascii.end()};
}

void RequestValidDate(benchmark::State& state)
{
    constexpr std::size_t kForms = 4096;
    std::deque<FakeForm> forms;  // a form is not movable
    for (std::size_t i = 0; i < kForms; ++i) {
        const Date& date = dates()[i];
        forms.emplace_back(digits(date.dia), digits(date.mes), digits(date.anio));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        FakeForm& form = forms[i++ & (kForms - 1)];
        calc::CmdCalcular_Click(form);
        const auto& salida = form.salida();
        const char16_t* shown = salida ? salida->data() : nullptr;
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(RequestValidDate);

void RequestWithBadDate(benchmark::State& state, const char16_t* dia, const char16_t* mes, const char16_t* anio)
{
    FakeForm form(dia, mes, anio);
    for (auto _ : state) {
        calc::CmdCalcular_Click(form);
        const auto& salida = form.salida();
        const char16_t* shown = salida ? salida->data() : nullptr;
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK_CAPTURE(RequestWithBadDate, MalAnio, u"7", u"5", u"999");
BENCHMARK_CAPTURE(RequestWithBadDate, MalMes, u"7", u"13", u"2003");
BENCHMARK_CAPTURE(RequestWithBadDate, MalDia, u"31", u"4", u"2003");

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter("NombreDelDia", "ChronoWeekday");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
