#!/usr/bin/python3
"""Writes the release's download page, DIST/index.html: in Spanish, one file
with no script and nothing from elsewhere, every link relative to the page,
so that the folder works from any web server or from the disk. It names
each file of the release with its size and SHA-256, as they are in DIST.
    download_page.py DIST VERSION ADDRESS SIGNED AUTHENTICODE
ADDRESS is where DIST is published ("" while there is none); SIGNED and
AUTHENTICODE are "si" or "no": whether an OpenPGP key signed the release
(and so whether there is an APT repository), and whether the Windows files
carry an Authenticode signature.
"""
import hashlib
import html
import os
import sys

STYLE = """
body { font-family: sans-serif; line-height: 1.5; max-width: 46rem; margin: 0 auto; padding: 1rem;
       color: #1a1a1a; background: #ffffff; }
img { max-width: 100%; height: auto; border: 1px solid #767676; }
pre { background: #f3f3f3; padding: 0.75rem; white-space: pre-wrap; overflow-wrap: anywhere; }
table { border-collapse: collapse; width: 100%; }
th, td { text-align: left; padding: 0.25rem 0.5rem; border-bottom: 1px solid #767676; vertical-align: top; }
td code { word-break: break-all; font-size: 0.85em; }
a { color: #0645ad; }
"""


def files_of(dist):
    """Every file a user may download, by name: all that is there when the
    page is written, which is before the checksums and the signatures."""
    names = []
    for folder, _, files in os.walk(dist):
        for name in files:
            path = os.path.relpath(os.path.join(folder, name), dist)
            if path != "index.html":
                names.append(path)
    return sorted(names)


def sha256(path):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


def size_text(size):
    if size < 1024:
        return f"{size} B"
    return f"{size / 1024:.1f} KiB".replace(".", ",")


def link(path, text=None):
    return f'<a href="{html.escape(path)}">{html.escape(text or path)}</a>'


def debian_lines(address):
    return [
        "sudo install -d -m 0755 /etc/apt/keyrings",
        f"sudo wget -O /etc/apt/keyrings/calculador-fechas.asc {address}apt/calculador-fechas.asc",
        f"sudo wget -O /etc/apt/sources.list.d/calculador-fechas.sources {address}apt/calculador-fechas.sources",
        "sudo apt update",
        "sudo apt install calculador-fechas",
    ]


def page(dist, version, address, signed, authenticode):
    name = f"calculador-fechas-{version}"
    deb = f"calculador-fechas_{version}_amd64.deb"
    parts = [f"""<!DOCTYPE html>
<html lang="es">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Calculador de fechas {version}: descarga</title>
<style>{STYLE}</style>
</head>
<body>
<main>
<h1>Calculador de fechas {version}</h1>
<p>Un pequeño programa de escritorio que dice en qué día de la semana cae una fecha. Se escriben el día,
el mes y el año y se pulsa <strong>Calcular</strong>: la línea de resultado muestra el nombre del día, de
«Lunes» a «Domingo», o «Mal año», «Mal mes» o «Mal dìa» si la fecha no existe. Habla español y se puede
usar con un lector de pantalla.</p>
<p><img src="calculador-fechas.png" alt="La ventana en Linux tras calcular el 7/5/2003: dice Miércoles">
<img src="calculador-fechas-windows.png" alt="La misma ventana en Windows, también con Miércoles"></p>

<h2>Úselo en el navegador</h2>
<p>En un teléfono, un Mac, un Chromebook o cualquier ordenador, sin instalar nada:
{link("web/", "Calculador de fechas en el navegador")}. Tras la primera visita funciona también sin conexión,
y se puede instalar como una aplicación más (en Android y en Chrome o Edge, «Instalar»; en iPhone y iPad,
Compartir → «Añadir a pantalla de inicio»; en Safari para Mac, Archivo → «Añadir al Dock»). No envía nada a
ninguna parte.</p>

<h2>Windows 10 y 11</h2>
<ul>
<li>Para todo el ordenador: {link(name + ".msi")}. Se instala con doble clic y pide permiso de
administrador; queda en el menú Inicio y se quita desde Configuración → Aplicaciones.</li>
<li>Para un solo usuario, sin instalar nada ni ser administrador: {link(name + "-portable.zip")}.
Se descomprime en una carpeta cualquiera y se abre <code>calculador-fechas.exe</code>; para quitarlo
basta con borrar la carpeta.</li>
</ul>
"""]
    if authenticode:
        parts.append("<p>Los dos van firmados: Windows muestra el nombre de quien los publica.</p>\n")
    else:
        parts.append("""<p>Todavía van sin firma de código: SmartScreen avisa de que «Windows protegió su PC». Pulse
«Más información» y «Ejecutar de todas formas» si la suma SHA-256 del archivo coincide con la de abajo.</p>
""")
    parts.append("<h2>Debian 12 y 13</h2>\n")
    if signed and address:
        lines = "\n".join(html.escape(line) for line in debian_lines(address))
        parts.append(f"""<p>Para instalarlo y recibir las versiones nuevas con <code>apt upgrade</code>, añada el
repositorio del proyecto y su clave (una sola vez) e instálelo, en una terminal:</p>
<pre><code id="ordenes-debian">{lines}</code></pre>
""")
    elif signed:
        parts.append("""<p>El proyecto todavía no tiene dirección de descarga, así que su repositorio APT
(la carpeta <code>apt/</code>) aún no se puede añadir: de momento, instale el paquete suelto.</p>
""")
    else:
        parts.append("<p>Esta versión no está firmada, así que no trae repositorio APT: instale el paquete suelto.</p>\n")
    parts.append(f"""<p>Un paquete suelto, sin actualizaciones: descargue {link(deb)} e instálelo con</p>
<pre><code>sudo apt install ./{html.escape(deb)}</code></pre>

<h2>Los archivos</h2>
<table>
<thead><tr><th scope="col">Archivo</th><th scope="col">Tamaño</th><th scope="col">SHA-256</th></tr></thead>
<tbody>
""")
    for path in files_of(dist):
        size = os.path.getsize(os.path.join(dist, path))
        parts.append(f"<tr><td>{link(path)}</td><td>{size_text(size)}</td>"
                     f"<td><code>{sha256(os.path.join(dist, path))}</code></td></tr>\n")
    parts.append(f"""</tbody>
</table>

<h2>Comprobar una descarga</h2>
<p>Con los archivos descargados en una carpeta, desde ella:</p>
<pre><code>sha256sum -c --ignore-missing SHA256SUMS</code></pre>
<p>{link("SHA256SUMS")} tiene las sumas de todos los archivos, esta página incluida.</p>
""")
    if signed:
        parts.append(f"""<p>Y, tras comprobar por otra vía que la huella de la clave {link("calculador-fechas.asc")}
es la del proyecto, su firma {link("SHA256SUMS.asc")}:</p>
<pre><code>gpg --import calculador-fechas.asc
gpg --verify SHA256SUMS.asc SHA256SUMS</code></pre>
""")
    parts.append("""<p>Cualquiera puede rehacer estos archivos bit a bit desde el código, con
<code>bash scripts/release.sh</code>, y compararlos.</p>
</main>
</body>
</html>
""")
    return "".join(parts)


def main(dist, version, address, signed, authenticode):
    with open(os.path.join(dist, "index.html"), "w", encoding="utf-8") as out:
        out.write(page(dist, version, address, signed == "si", authenticode == "si"))


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    main(*sys.argv[1:])
