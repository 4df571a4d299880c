#pragma once

#include <cstdint>

// What the page's script calls in the WebAssembly module: a plain C
// interface, so that the module needs no glue beyond a few lines of script.
// The page writes the three boxes' texts, one after another, into the room
// it asks for, and asks for the request; the answer waits in salida().
extern "C" {

// Room for that many UTF-16 code units; null if there is no memory for it,
// and then salida() is the report, and the program ends.
char16_t* espacioParaLasCajas(std::int32_t unidades);

// NOLINTNEXTLINE(performance-enum-size): the page's script reads a 32-bit return
enum Respuesta : std::int32_t {
    kResultado = 0,        // salida() is the result line's new text
    kInforme = 1,          // the result line stays; salida() is the report of a run-time error
    kErrorInesperado = 2,  // salida() is the report, and the program ends
};
// The request behind "Calcular", on the texts of the day, month and year
// boxes, which are that long and lie in that order in the room above.
Respuesta calcular(std::int32_t largoDia, std::int32_t largoMes, std::int32_t largoAnio);

const char16_t* salida();
std::int32_t largoDeSalida();
}
