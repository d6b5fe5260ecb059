// The scripts come after the splash's first paint, as the browser reports it, so that
// nothing of theirs competes with that paint. They are asked for by this page's version,
// which the service worker keeps together, and taken only with this version's bytes. One
// that cannot be loaded is said on the splash.
{
  const loaded = JSON.parse(document.getElementById("loaded").textContent);
  const address = (name) => `${name}?v=${document.documentElement.dataset.version}`;
  // Where the browser checks what names a script to load, only the page's own names pass.
  const scriptAddresses = window.trustedTypes?.createPolicy("loader", {
    createScriptURL: (name) => {
      if (!Object.hasOwn(loaded, name)) throw new TypeError(`${name} is not one of the page's scripts`);
      return address(name);
    },
  }) ?? { createScriptURL: address };
  let requested = false;
  const scriptFailed = () => {
    const status = document.getElementById("Form1-status");
    status.textContent = status.dataset.cannotStart;
  };
  const loadScripts = () => {
    if (requested) return;
    requested = true;
    for (const name of ["morvane101.js", "app.js"]) {
      const script = Object.assign(document.createElement("script"), {
        src: scriptAddresses.createScriptURL(name), integrity: loaded[name], async: false, onerror: scriptFailed,
      });
      document.body.append(script);
    }
  };
  if (window.PerformanceObserver?.supportedEntryTypes?.includes("paint")) {
    new PerformanceObserver(loadScripts).observe({ type: "paint", buffered: true });
    // A browser may report no paint for a page opened out of sight: the scripts come anyway.
    setTimeout(loadScripts, 1000);
  } else {
    requestAnimationFrame(() => setTimeout(loadScripts));
  }
}
