"use strict";
// The window's behaviour in the page. The request is the program's own,
// compiled to WebAssembly; this script hands it the boxes' texts and shows
// what it answers. The module comes at the page's end, in the same download,
// after this script: the form takes typing before it has all come, and a
// request made before the module is ready is answered as soon as it is.
(() => {
  const RESULTADO = 0;
  const INFORME = 1;
  const ERROR_INESPERADO = 2;

  const formulario = document.getElementById("Form1");
  const cajas = ["txtDia", "txtmes", "txtanio"].map((id) => document.getElementById(id));
  const salida = document.getElementById("lblsalida");
  const salir = document.getElementById("cmdsalir");
  const informe = document.getElementById("informe");
  const textoDelInforme = document.getElementById("informe-texto");
  const aceptar = document.getElementById("aceptar");
  const principal = document.getElementById("principal");
  const terminado = document.getElementById("terminado");

  const importaciones = {
    // Each use of the memory takes its buffer anew, so growth needs no news.
    env: { emscripten_notify_memory_growth: () => {} },
    wasi_snapshot_preview1: { proc_exit: () => { throw new Error("el módulo terminó"); } },
  };
  const modulo = new Promise((leida) => document.addEventListener("DOMContentLoaded", leida, { once: true }))
    .then(() => {
      const texto = atob(document.getElementById("modulo").textContent);
      return WebAssembly.instantiate(Uint8Array.from(texto, (letra) => letra.charCodeAt(0)), importaciones);
    })
    .then(({ instance }) => {
      instance.exports._initialize();
      return instance.exports;
    });

  // One request after another, in the order they were made.
  let anterior = Promise.resolve();

  function pedir(textos) {
    anterior = anterior.then(() => modulo).then(
      (exports) => responder(exports, textos),
      () => informar("No se pudo cargar el programa. Compruebe la conexión y vuelva a abrir la página."));
  }

  function responder(exports, textos) {
    const largo = textos.reduce((suma, texto) => suma + texto.length, 0);
    const espacio = exports.espacioParaLasCajas(largo);
    if (espacio === 0) {
      informar(leerSalida(exports), terminar);
      return;
    }
    const unidades = new Uint16Array(exports.memory.buffer, espacio, largo);
    let i = 0;
    for (const texto of textos) {
      for (let j = 0; j < texto.length; ++j) {
        unidades[i++] = texto.charCodeAt(j);
      }
    }
    const respuesta = exports.calcular(...textos.map((texto) => texto.length));
    const texto = leerSalida(exports);
    if (respuesta === RESULTADO) {
      mostrarSalida(texto);
    } else if (respuesta === INFORME) {
      informar(texto);
    } else if (respuesta === ERROR_INESPERADO) {
      informar(texto, terminar);
    }
  }

  function leerSalida(exports) {
    return String.fromCharCode(...new Uint16Array(exports.memory.buffer, exports.salida(), exports.largoDeSalida()));
  }

  // Screen readers hear a live region when text is put into it, and the
  // same text written over itself is no change: the same result again is
  // first replaced by a blank, and written once they have seen that. A
  // blank (a no-break space), not nothing: Orca 43 takes an insertion of
  // the text it last heard inserted there for the same message. Half a
  // second later: Orca 48 passes over an insertion within a tenth of a
  // second of another from the same browser, and on a busy machine the
  // browser sends the two closer together than the page wrote them.
  let escritura = 0;
  function mostrarSalida(texto) {
    const esta = ++escritura;
    if (salida.textContent !== texto) {
      salida.textContent = texto;
      return;
    }
    salida.textContent = "\u00a0";
    setTimeout(() => {
      if (esta === escritura) {
        salida.textContent = texto;
      }
    }, 500);
  }

  // The report of a run-time error, modal as the window's message box.
  // Enter, Esc or "Aceptar" close it, and the focus goes back where it was.
  function informar(texto, despues) {
    const foco = document.activeElement;
    textoDelInforme.textContent = texto;
    informe.showModal();
    aceptar.focus();
    informe.addEventListener("close", () => {
      if (despues) {
        despues();
      } else if (foco) {
        foco.focus();
      }
    }, { once: true });
  }
  aceptar.addEventListener("click", () => informe.close());

  // A page cannot always close itself: an installed app's window closes, a
  // browser tab that came from elsewhere stays, and then says the program
  // has ended.
  function terminar() {
    window.close();
    principal.hidden = true;
    terminado.hidden = false;
    terminado.querySelector("h1").focus();
  }

  formulario.addEventListener("submit", (event) => {
    event.preventDefault();
    pedir(cajas.map((caja) => caja.value));
  });
  salir.addEventListener("click", terminar);
  document.addEventListener("keydown", (event) => {
    if (event.key === "Escape" && !informe.open && !principal.hidden) {
      event.preventDefault();
      terminar();
    }
  });

  // The offline copy is made once the module is in, so that on a slow link
  // the first visit's own downloads come first.
  if ("serviceWorker" in navigator) {
    const guardar = () => navigator.serviceWorker.register("sw.js").catch(() => {});
    modulo.then(guardar, guardar);
  }
})();
