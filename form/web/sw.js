"use strict";
// Keeps this version's files, so that the program opens and calculates
// with no network from the second visit on. Each version has its own copy,
// made whole before it is used; a newer version's worker takes over once
// its copy is whole, and the older copy is dropped. Each file is asked of
// the server again, which sends it only if it changed since the page's own
// visit brought it.
const COPIA = "calculador-fechas " + self.registration.scope + " ";
const VERSION = COPIA + "@VERSION@";
const ARCHIVOS = [@ARCHIVOS@];

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches.open(VERSION)
      .then((copia) => copia.addAll(ARCHIVOS.map((archivo) => new Request(archivo, { cache: "no-cache" }))))
      .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((nombres) => Promise.all(nombres
        .filter((nombre) => nombre.startsWith(COPIA) && nombre !== VERSION)
        .map((nombre) => caches.delete(nombre))))
      .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") {
    return;
  }
  // The folder's own address is its page.
  const pedido = new URL(event.request.url).pathname === new URL(self.registration.scope).pathname
    ? "index.html" : event.request;
  event.respondWith(
    caches.open(VERSION)
      .then((copia) => copia.match(pedido, { ignoreSearch: true }))
      .then((guardado) => guardado || fetch(event.request)));
});
