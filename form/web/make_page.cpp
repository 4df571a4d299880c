// Writes the page from the window's table, so that the form is in the HTML
// before any script runs and nothing of the window is typed twice:
//   index.html            the window as a form, its style and script inline
//                         and named by digest in its Content-Security-Policy,
//                         and at its end the module, so that a slow link
//                         brings the program in one round trip
//   manifest.webmanifest  what an installed app is called and looks like
//   sw.js                 the worker that keeps this version for offline use
// OUT already holds the icons, which the version's name and the offline
// copy cover too.
//   make_page SOURCE OUT MODULE

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "form/error_report_text.hpp"
#include "form/form1_layout.hpp"
#include "form/web/sha256.hpp"

namespace {

using form1::Control;
using form1::Kind;

// What a first visit fetches and the offline copy keeps; the worker gives
// index.html for the folder's own address.
constexpr std::array<std::string_view, 6> kArchivos = {
    "index.html", "manifest.webmanifest", "icons/32.png", "icons/192.png", "icons/512.png", "icons/maskable-512.png"};

std::string leer(const std::string& ruta)
{
    std::ifstream archivo(ruta, std::ios::binary);
    if (!archivo) {
        throw std::runtime_error("no se puede leer " + ruta);
    }
    return {std::istreambuf_iterator<char>(archivo), {}};
}

void escribir(const std::string& ruta, std::string_view texto)
{
    std::ofstream archivo(ruta, std::ios::binary);
    archivo << texto;
    if (!archivo.flush()) {
        throw std::runtime_error("no se puede escribir " + ruta);
    }
}

std::string reemplazar(std::string texto, std::string_view marca, std::string_view por)
{
    const auto donde = texto.find(marca);
    if (donde == std::string::npos) {
        throw std::runtime_error("falta la marca " + std::string(marca));
    }
    return texto.replace(donde, marca.size(), por);
}

// The table's texts are UTF-16 and all within the first plane.
std::string utf8(std::u16string_view texto)
{
    std::string bytes;
    for (const char16_t c : texto) {
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

std::string html(std::u16string_view texto)
{
    std::string escapado;
    for (const char c : utf8(texto)) {
        switch (c) {
            case '&': escapado += "&amp;"; break;
            case '<': escapado += "&lt;"; break;
            case '>': escapado += "&gt;"; break;
            case '"': escapado += "&quot;"; break;
            default: escapado += c;
        }
    }
    return escapado;
}

// A caption without its "&", the letter after it underlined as the access key.
struct Titulo {
    std::string marcado;
    char tecla = 0;
};

Titulo titulo(std::u16string_view caption)
{
    const auto amp = caption.find(u'&');
    if (amp == std::u16string_view::npos || amp + 1 == caption.size()) {
        return {html(caption)};
    }
    const char16_t letra = caption[amp + 1];
    return {html(caption.substr(0, amp)) + "<span class=\"tecla\">" + html(caption.substr(amp + 1, 1)) + "</span>" +
                html(caption.substr(amp + 2)),
            static_cast<char>(letra >= u'A' && letra <= u'Z' ? letra - u'A' + u'a' : letra)};
}

// Bytes as text an HTML data block can hold.
std::string base64(std::string_view bytes)
{
    constexpr std::string_view cifras = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string texto;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t tomados = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t grupo = 0;
        for (std::size_t j = 0; j < 3; ++j) {
            grupo = (grupo << 8) | (j < tomados ? static_cast<unsigned char>(bytes[i + j]) : 0U);
        }
        for (std::size_t j = 0; j < 4; ++j) {
            texto += j <= tomados ? cifras[(grupo >> (18 - 6 * j)) & 0x3F] : '=';
        }
    }
    return texto;
}

std::string numero(double valor)
{
    std::ostringstream texto;
    texto << valor;
    return texto.str();
}

// Twips and points as CSS lengths at 96 dots per inch, 16 pixels to the
// rem, the browser's default text size.
std::string rem(int twips)
{
    return numero(twips / (kTwipsPerInch / 96.0 * 16)) + "rem";
}

// The inline style and script without their comments and indentation,
// which only the developers read: fewer bytes on a slow link.
std::string sinComentarios(std::string_view texto)
{
    std::string limpio;
    bool enComentario = false;
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        const std::size_t fin = std::min(texto.find('\n', inicio), texto.size());
        std::string_view linea = texto.substr(inicio, fin - inicio);
        inicio = fin + 1;
        linea.remove_prefix(std::min(linea.find_first_not_of(' '), linea.size()));
        if (enComentario || linea.starts_with("/*")) {
            enComentario = linea.find("*/") == std::string_view::npos;
            continue;
        }
        if (!linea.empty() && !linea.starts_with("//")) {
            limpio.append(linea).push_back('\n');
        }
    }
    return limpio;
}

std::string digestoCsp(std::string_view contenido)
{
    return "'sha256-" + web::base64(web::sha256(contenido)) + "'";
}

std::string casilla(const Control& caja, bool primera)
{
    std::string texto = "<div class=\"casilla\">";
    if (const auto rotulo = form1::captionFor(caja.id)) {
        const Control& label = form1::control(*rotulo);
        texto += "<label id=\"" + std::string(label.name) + "\" for=\"" + std::string(caja.name) + "\">" +
                 html(label.caption) + "</label>";
    }
    texto += "<input id=\"" + std::string(caja.name) + "\" name=\"" + std::string(caja.name) +
             "\" type=\"text\" inputmode=\"numeric\" autocomplete=\"off\" spellcheck=\"false\"";
    if (caja.maxLength > 0) {
        texto += " maxlength=\"" + std::to_string(caja.maxLength) + "\"";
    }
    if (primera) {
        texto += " autofocus";
    }
    return texto + "></div>\n";
}

std::string boton(const Control& control)
{
    const Titulo t = titulo(control.caption);
    std::string texto =
        "<button id=\"" + std::string(control.name) + "\" type=\"" + (control.isDefault ? "submit" : "button") + "\"";
    if (t.tecla != 0) {
        const char mayuscula = static_cast<char>(t.tecla - 'a' + 'A');
        texto += std::string(" accesskey=\"") + t.tecla + "\" aria-keyshortcuts=\"Alt+" + mayuscula + "\"";
    }
    return texto + ">" + t.marcado + "</button>\n";
}

// The controls in the order the focus moves, each caption just before the
// box it names, so that the eye, the Tab key and a screen reader meet them
// in the same order.
std::string controles()
{
    std::string texto;
    bool primera = true;
    for (const form1::Id id : form1::tabOrder()) {
        const Control& control = form1::control(id);
        switch (control.kind) {
            case Kind::TextBox:
                texto += casilla(control, primera);
                primera = false;
                break;
            case Kind::CommandButton:
                texto += boton(control);
                primera = false;
                break;
            case Kind::ResultLine:
                texto += "<output id=\"" + std::string(control.name) +
                         "\" aria-live=\"polite\" aria-atomic=\"true\"></output>\n";
                break;
            case Kind::Label:
                if (!control.captionOf) {
                    texto += "<p id=\"" + std::string(control.name) + "\">" + html(control.caption) + "</p>\n";
                }
                break;
        }
    }
    return texto;
}

std::string fuente(const form1::Font& f)
{
    return "font-family: \"" + utf8(f.family) +
           "\", Tahoma, sans-serif; font-size: " + numero(f.points / 72 * 96 / 16) + "rem;";
}

// Each control at its place in the window, its own font where it has one.
std::string lugares()
{
    std::string texto = "#Form1 { width: " + rem(form1::kClientWidth) + "; height: " + rem(form1::kClientHeight) +
                        "; " + fuente(form1::kFormFont) + " }\n";
    for (const Control& control : form1::kControls) {
        const TwipRect& r = control.place;
        texto += "  #Form1 #" + std::string(control.name) + " { left: " + rem(r.left) + "; top: " + rem(r.top) +
                 "; width: " + rem(r.width) + "; height: " + rem(r.height) + ";" +
                 (control.ownFont ? " " + fuente(form1::kControlFont) : std::string()) + " }\n";
    }
    return texto;
}

std::string pagina(const std::string& fuentes, const std::string& modulo)
{
    const std::string estilo =
        sinComentarios(reemplazar(leer(fuentes + "/calculador.css"), "/* @CONTROLES@ */", lugares()));
    const std::string guion = sinComentarios(leer(fuentes + "/calculador.js"));
    const std::string titulo = html(form1::kTitle);
    const std::string csp = "default-src 'none'; script-src " + digestoCsp(guion) + " 'wasm-unsafe-eval'; style-src " +
                            digestoCsp(estilo) +
                            "; img-src 'self'; manifest-src 'self'; worker-src 'self'; "
                            "base-uri 'none'; form-action 'none'";
    return "<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<meta http-equiv=\"Content-Security-Policy\" content=\"" +
           csp +
           "\">\n"
           "<title>" +
           titulo +
           "</title>\n"
           "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
           "<link rel=\"icon\" href=\"icons/32.png\" sizes=\"32x32\">\n"
           "<link rel=\"apple-touch-icon\" href=\"icons/192.png\">\n"
           "<style>" +
           estilo +
           "</style>\n</head>\n<body>\n"
           "<main>\n<div id=\"principal\">\n<h1>" +
           titulo +
           "</h1>\n"
           "<form id=\"Form1\" novalidate>\n" +
           controles() +
           "</form>\n</div>\n"
           "<section id=\"terminado\" hidden>\n<h1 tabindex=\"-1\">El programa ha terminado</h1>\n"
           "<p>Ya puede cerrar esta pestaña.</p>\n<p><a href=\"./\">Volver a abrir " +
           titulo +
           "</a></p>\n</section>\n"
           "</main>\n"
           "<dialog id=\"informe\" role=\"alertdialog\" aria-labelledby=\"informe-titulo\" "
           "aria-describedby=\"informe-texto\">\n"
           "<h2 id=\"informe-titulo\">" +
           titulo +
           "</h2>\n<p id=\"informe-texto\"></p>\n"
           "<button id=\"aceptar\" type=\"button\">" +
           html(form1::kReportButton) +
           "</button>\n</dialog>\n"
           "<script>" +
           guion +
           "</script>\n"
           "<script id=\"modulo\" type=\"application/octet-stream\">" +
           base64(leer(modulo)) + "</script>\n</body>\n</html>\n";
}

std::string manifiesto()
{
    const std::string nombre = utf8(form1::kTitle);
    return "{\n  \"name\": \"" + nombre +
           "\",\n  \"short_name\": \"Fechas\",\n"
           "  \"description\": \"Dice en qu\xC3\xA9 d\xC3\xAD"
           "a de la semana cae una fecha.\",\n"
           "  \"lang\": \"es\",\n  \"dir\": \"ltr\",\n  \"start_url\": \"./\",\n  \"scope\": \"./\",\n"
           "  \"display\": \"standalone\",\n  \"background_color\": \"#ffffff\",\n  \"theme_color\": \"#404040\",\n"
           "  \"icons\": [\n"
           "    { \"src\": \"icons/192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\", \"purpose\": \"any\" "
           "},\n"
           "    { \"src\": \"icons/512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\", \"purpose\": \"any\" "
           "},\n"
           "    { \"src\": \"icons/maskable-512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\", \"purpose\": "
           "\"maskable\" }\n"
           "  ]\n}\n";
}

// The worker, named after everything it keeps: a version that changes a
// byte of any of them is a new worker, which the browser then installs.
std::string trabajador(const std::string& fuentes, const std::string& destino)
{
    std::string todo;
    std::string lista;
    for (const std::string_view archivo : kArchivos) {
        lista += (lista.empty() ? "\"" : ", \"") + std::string(archivo) + "\"";
        todo += std::string(archivo) + '\n' + leer(destino + "/" + std::string(archivo));
    }
    return reemplazar(reemplazar(leer(fuentes + "/sw.js"), "@VERSION@", web::hex(web::sha256(todo)).substr(0, 16)),
                      "@ARCHIVOS@", lista);
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        const std::vector<std::string> args(argv, argv + argc);
        if (args.size() != 4) {
            std::cerr << "uso: make_page FUENTES DESTINO MODULO\n";
            return 2;
        }
        const std::string& fuentes = args[1];
        const std::string& destino = args[2];
        escribir(destino + "/index.html", pagina(fuentes, args[3]));
        escribir(destino + "/manifest.webmanifest", manifiesto());
        escribir(destino + "/sw.js", trabajador(fuentes, destino));
    } catch (const std::exception& error) {
        std::cerr << "make_page: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
