// WebKit, Safari's engine, as WebKitGTK's MiniBrowser under WebKitWebDriver (WebDriver over
// HTTP, on the X display the test runs on). Clicks and keys are WebDriver actions, which the
// browser receives as the user's own input.
import { spawn } from "node:child_process";
import { createServer } from "node:net";

const MINI_BROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser";
const KEYS = { Tab: "\uE004", Enter: "\uE007", Escape: "\uE00C", Space: " ", Shift: "\uE008",
  ArrowLeft: "\uE012", ArrowUp: "\uE013", ArrowRight: "\uE014", ArrowDown: "\uE015" };

const freePort = () => new Promise((resolve) => {
  const probe = createServer().listen(0, "127.0.0.1", () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

export async function launch() {
  const port = await freePort();
  const driver = spawn("WebKitWebDriver", [`--port=${port}`], { stdio: "ignore" });
  const base = `http://127.0.0.1:${port}`;
  const call = async (method, path, body) => {
    const response = await fetch(base + path, { method, body: body && JSON.stringify(body),
      headers: { "Content-Type": "application/json" } });
    const { value } = await response.json();
    if (value?.error) throw new Error(`${path}: ${value.error}: ${value.message}`);
    return value;
  };
  let session;
  for (let tries = 0; !session; tries++) {
    session = await call("POST", "/session", { capabilities: { alwaysMatch: {
      // Full screen: the page has the whole window, however narrow (no toolbar to fit).
      "webkitgtk:browserOptions": { binary: MINI_BROWSER, args: ["--automation", "--full-screen"] },
    } } }).catch((error) => { if (tries > 50) throw error; return new Promise((r) => setTimeout(r, 100)); });
  }
  const at = (path) => `/session/${session.sessionId}${path}`;
  // The first window is full screen, and so has the very viewport asked for: a page that asks
  // for one opens there, any other in a window of its own, toolbar and all (where Escape,
  // which takes a browser out of full screen, reaches the page).
  const first = await call("GET", at("/window"));
  let current = first;

  // Runs a function in the page, waiting for it when it returns a promise.
  const run = async (fn, args) => {
    const { value, error } = await call("POST", at("/execute/async"), {
      script: `const done = arguments[arguments.length - 1];
        Promise.resolve().then(() => (${fn}).apply(null, arguments[0]))
          .then((value) => done({ value }), (error) => done({ error: String(error?.stack ?? error) }));`,
      args: [args],
    });
    if (error) throw new Error(error);
    return value;
  };
  // Script errors and what the page's policy refused, as the page reports them from its load
  // on: the driver cannot read the browser's console. (The site's server hears of what its
  // policy refused before.)
  const listenForErrors = () => run(() => {
    window.pageErrors = [];
    addEventListener("error", (event) => window.pageErrors.push(`error: ${event.message}`));
    addEventListener("unhandledrejection", (event) => window.pageErrors.push(`rejection: ${event.reason}`));
    document.addEventListener("securitypolicyviolation", (event) =>
      window.pageErrors.push(`violation: ${event.effectiveDirective}: ${event.blockedURI}`));
  }, []);

  return {
    name: "webkit",
    // MiniBrowser's window, even full screen, and its session under automation, which keeps
    // nothing on disk: no HTTP cache its worker could take the page's files from.
    narrowest: 334,
    workersShareTheHttpCache: false,
    async close() {
      await call("DELETE", at("")).catch(() => {});
      driver.kill();
    },
    async open(url, viewport) {
      const { handle } = viewport ? { handle: first } : await call("POST", at("/window/new"), { type: "window" });
      const use = async () => {
        if (current !== handle) await call("POST", at("/window"), { handle });
        current = handle;
      };
      await use();
      await call("POST", at("/window/rect"), viewport ?? { width: 1024, height: 768 });
      await call("POST", at("/url"), { url });
      await listenForErrors();
      // The window takes its new size a moment after it is asked to.
      for (let tries = 1; viewport; tries++) {
        const [width, height] = await run(() => [innerWidth, innerHeight], []);
        if (width === viewport.width && height === viewport.height) break;
        if (tries > 200) throw new Error(`the window stays ${width} x ${height}`);
        if (tries % 20 === 0) await call("POST", at("/window/rect"), viewport);
        await new Promise((resolve) => setTimeout(resolve, 50));
      }
      const actions = async (list) => {
        await call("POST", at("/actions"), { actions: list });
        await call("DELETE", at("/actions"));
      };
      const page = {
        async click(selector) {
          await use();
          await run((s) => document.querySelector(s).scrollIntoView({ block: "nearest" }), [selector]);
          const element = await call("POST", at("/element"), { using: "css selector", value: selector });
          await actions([{ type: "pointer", id: "mouse", parameters: { pointerType: "mouse" }, actions: [
            { type: "pointerMove", origin: element, x: 0, y: 0 },
            { type: "pointerDown", button: 0 }, { type: "pointerUp", button: 0 }] }]);
        },
        async press(...keys) {
          await use();
          for (const key of keys) {
            const codes = key.split("+").map((name) => KEYS[name]);
            await actions([{ type: "key", id: "keyboard", actions: [
              ...codes.map((value) => ({ type: "keyDown", value })),
              ...codes.reverse().map((value) => ({ type: "keyUp", value }))] }]);
          }
        },
        evaluate: async (fn, ...args) => { await use(); return run(fn, args); },
        async waitFor(fn, ...args) {
          const start = Date.now();
          while (!(await page.evaluate(fn, ...args))) {
            if (Date.now() - start > 20000) throw new Error(`waited in vain for ${fn}`);
            await new Promise((resolve) => setTimeout(resolve, 50));
          }
        },
        async reload() {
          await use();
          await call("POST", at("/refresh"), {});
          await listenForErrors();
        },
        // Run as the driver's own code: the page's policy lets no script of the test in.
        async addScript(source) {
          await use();
          await call("POST", at("/execute/sync"), { script: source, args: [] });
        },
        async accessible(selector) {
          await use();
          const [element] = Object.values(await call("POST", at("/element"), { using: "css selector", value: selector }));
          return { role: await call("GET", at(`/element/${element}/computedrole`)),
            name: await call("GET", at(`/element/${element}/computedlabel`)) };
        },
        forceColors: async () => false,
        problems: () => page.evaluate(() => window.pageErrors ?? []),
        async close() {
          await use();
          if (handle === first) {
            await call("POST", at("/url"), { url: "about:blank" });
          } else {
            await call("DELETE", at("/window"));
            await call("POST", at("/window"), { handle: first });
            current = first;
          }
        },
      };
      return page;
    },
  };
}
