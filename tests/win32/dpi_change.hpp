#pragma once

// The message deliver_dpi_change.exe posts to the program's window, with the
// new DPI, for its hook to turn into WM_DPICHANGED.
inline constexpr wchar_t kAskForDpi[] = L"CalculadorDeFechasPruebaCambioDePpp";
