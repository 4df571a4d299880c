// A whole request through the page's interface, as its script makes it:
// the three boxes' texts in, the answer out. Built natively and for
// WebAssembly from this one file, so that scripts/bench.sh can set the two
// side by side. Prints the median time of a request over several rounds.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "form/web/pagina.hpp"

namespace {

std::u16string digits(std::uint32_t value)
{
    const std::string ascii = std::to_string(value);
    return {ascii.begin(), ascii.end()};
}

}  // namespace

int main()
{
    // Valid dates from a fixed xorshift sequence, the same on both builds.
    struct Boxes {
        std::u16string text;
        std::int32_t dia, mes, anio;
    };
    std::vector<Boxes> requests;
    std::uint32_t state = 20261209;
    for (int i = 0; i < 4096; ++i) {
        const auto next = [&state] {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            return state;
        };
        const std::u16string dia = digits(1 + next() % 28);
        const std::u16string mes = digits(1 + next() % 12);
        const std::u16string anio = digits(1000 + next() % 9000);
        requests.push_back({std::u16string(dia).append(mes).append(anio), static_cast<std::int32_t>(dia.size()),
                            static_cast<std::int32_t>(mes.size()), static_cast<std::int32_t>(anio.size())});
    }

    constexpr int kRounds = 15;
    constexpr int kPerRound = 400'000;
    std::array<double, kRounds> perRequest{};
    std::uint32_t shown = 0;
    for (double& nanoseconds : perRequest) {
        const auto started = std::chrono::steady_clock::now();
        for (int i = 0; i < kPerRound; ++i) {
            const Boxes& boxes = requests[static_cast<std::size_t>(i) & 4095];
            boxes.text.copy(espacioParaLasCajas(static_cast<std::int32_t>(boxes.text.size())), boxes.text.size());
            calcular(boxes.dia, boxes.mes, boxes.anio);
            shown += static_cast<std::uint32_t>(salida()[0]) + static_cast<std::uint32_t>(largoDeSalida());
        }
        const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - started;
        nanoseconds = took.count() / kPerRound;
    }
    std::sort(perRequest.begin(), perRequest.end());
    std::cout << std::fixed << std::setprecision(1) << perRequest[kRounds / 2] << " ns por petición (mediana de "
              << kRounds << " rondas; " << shown << ")\n";
    return 0;
}
