// The page's answers, printed so that the WebAssembly build and the native
// build of the same sources can be compared byte for byte:
//   web_differential fechas      every date the program accepts, 1/1/1000 to
//                                31/12/32767: per year, the SHA-256 of its
//                                days' answers one after another
//   web_differential azar N      N seeded random box triples, each with its
//                                answer, or the report of its error

#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

#include "form/web/pagina.hpp"
#include "form/web/sha256.hpp"

namespace {

// Through the page's own interface, as its script calls it.
std::u16string answer(std::u16string_view dia, std::u16string_view mes, std::u16string_view anio)
{
    const std::u16string boxes = std::u16string(dia) + std::u16string(mes) + std::u16string(anio);
    char16_t* room = espacioParaLasCajas(static_cast<std::int32_t>(boxes.size()));
    boxes.copy(room, boxes.size());
    const Respuesta kind = calcular(static_cast<std::int32_t>(dia.size()), static_cast<std::int32_t>(mes.size()),
                                    static_cast<std::int32_t>(anio.size()));
    return std::u16string(1, static_cast<char16_t>(u'0' + kind)) + std::u16string(salida(), largoDeSalida());
}

std::string bytes(std::u16string_view text)
{
    std::string out;
    for (const char16_t unit : text) {
        out += static_cast<char>(unit >> 8);
        out += static_cast<char>(unit & 0xff);
    }
    return out;
}

std::u16string decimal(int value)
{
    std::u16string text;
    for (const char c : std::to_string(value)) {
        text += static_cast<char16_t>(c);
    }
    return text;
}

void everyDate()
{
    for (int year = 1000; year <= 32767; ++year) {
        std::string answers;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1;; ++day) {
                const std::u16string got = answer(decimal(day), decimal(month), decimal(year));
                answers += bytes(got) + '\n';
                if (got.starts_with(u"0Mal")) {
                    break;  // the month's last day is behind
                }
            }
        }
        std::cout << year << ' ' << web::hex(web::sha256(answers)) << '\n';
    }
}

// xorshift32: the same numbers under every compiler and library.
std::uint32_t next(std::uint32_t& state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

void randomTriples(long count)
{
    // What numbers are made of and what breaks them; digits weigh most.
    constexpr std::u16string_view kAlphabet = u"00112233445566778899.,+-eE \t\u00A0x\u00E9";
    std::uint32_t state = 20261209;
    for (long i = 0; i < count; ++i) {
        std::u16string boxes[3];
        for (auto& box : boxes) {
            for (std::uint32_t n = next(state) % 9; n > 0; --n) {
                box += kAlphabet[next(state) % kAlphabet.size()];
            }
        }
        std::string line;
        for (const auto& text : {boxes[0], boxes[1], boxes[2], answer(boxes[0], boxes[1], boxes[2])}) {
            for (const char16_t unit : text) {
                if (unit >= 0x20 && unit < 0x7f) {
                    line += static_cast<char>(unit);
                } else {
                    constexpr std::string_view kHexDigits = "0123456789abcdef";
                    line += "\\u";
                    for (int shift = 12; shift >= 0; shift -= 4) {
                        line += kHexDigits[(unit >> shift) & 0xFU];
                    }
                }
            }
            line += '|';
        }
        std::cout << line << '\n';
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);  // a buffered stream: hundreds of thousands of lines
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "fechas" && argc == 2) {
        everyDate();
    } else if (mode == "azar" && argc == 3) {
        randomTriples(std::stol(argv[2]));
    } else {
        std::cerr << "uso: web_differential fechas | azar N\n";
        return 2;
    }
    return 0;
}
