// The web page in real headless Chromium: the site served over HTTP, and the single file
// opened from disk. Every answer is reached through real clicks and compared with the
// outcome sheet; the rest checks what a breeder, a keyboard user and a screen reader meet.
//
//   node page_test.mjs SITE_DIR SINGLE_FILE EXPECTED_OUTCOMES.tsv
import assert from "node:assert/strict";
import { cpSync, createReadStream, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createHash } from "node:crypto";
import { createServer } from "node:http";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { extname, join } from "node:path";
import { test, before, after } from "node:test";
import { pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";

const [siteDir, singleFile, sheetFile] = process.argv.slice(2);
const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
const TYPES = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
  ".wasm": "application/wasm", ".png": "image/png", ".webmanifest": "application/manifest+json" };

const sheet = readFileSync(sheetFile, "utf8").split("\n")
  .filter((line) => line && !line.startsWith("#"))
  .map((line) => { const [female, male, last, text] = line.split("\t"); return { female, male, last, text }; });

let server, origin, browser;
let servedDir = siteDir; // what the server serves: the site, or an updated copy of it

before(async () => {
  server = createServer((request, response) => {
    const path = join(servedDir, new URL(request.url, "http://x").pathname.replace(/\/$/, "/index.html"));
    if (!path.startsWith(servedDir) || !existsSync(path)) { response.writeHead(404).end(); return; }
    response.writeHead(200, { "Content-Type": TYPES[extname(path)] ?? "application/octet-stream" });
    createReadStream(path).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  origin = `http://127.0.0.1:${server.address().port}`;
  browser = await puppeteer.launch({
    executablePath: "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
      "--allow-file-access-from-files"],
  });
});

after(async () => { await browser?.close(); server?.close(); });

// A page whose every console error, failed request and request to another origin fails
// the test that opened it. Its requests from the first on are kept in page.requests.
async function open(url, viewport = { width: 1024, height: 768 }, context = browser) {
  const page = await context.newPage();
  await page.setViewport(viewport);
  const problems = [];
  page.requests = [];
  page.on("console", (message) => { if (message.type() === "error") problems.push(`console: ${message.text()}`); });
  page.on("pageerror", (error) => problems.push(`error: ${error.message}`));
  page.on("requestfailed", (request) => problems.push(`failed: ${request.url()}`));
  page.on("request", (request) => {
    page.requests.push(request.url());
    const where = new URL(request.url());
    if (where.href !== url && where.protocol !== "data:" && where.origin !== origin) problems.push(`elsewhere: ${request.url()}`);
  });
  await page.goto(url);
  page.problems = problems;
  return page;
}

const mainViewShown = (page) => page.waitForSelector("#Form3:not([hidden])", { timeout: 5000 });
const state = (page) => page.evaluate(() => ({
  answer: document.getElementById("answer").textContent,
  ticked: [...document.querySelectorAll(".box input:checked")].map((i) => i.parentElement.id),
  disabled: [...document.querySelectorAll(".box input:disabled")].map((i) => i.parentElement.id),
}));
const clickBox = (page, box) => page.click(`#${box} input`);
const announced = (page) => page.$eval("#announcer", (e) => e.textContent);

async function axeViolations(page) {
  await page.addScriptTag({ content: axeSource });
  const results = await page.evaluate(() => window.axe.run(document));
  return results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`);
}

test("the splash shows, then the main view with the focus on Fermer", async () => {
  const page = await open(`${origin}/`);
  const splash = await page.evaluate(() => ({
    shown: !document.getElementById("Form1").hidden,
    main: document.getElementById("Form3").hidden,
    lines: [...document.querySelectorAll("#Form1 p.control")].map((p) => p.textContent),
    picture: document.getElementById("Form1-Image2").naturalWidth,
  }));
  assert.deepEqual(splash, {
    shown: true, main: true, picture: 175,
    lines: ["Morvane 101", "Calculateur de croisements", "des Geckos Léopards"],
  });
  assert.deepEqual(await axeViolations(page), [], "the splash");
  await mainViewShown(page);
  assert.equal(await page.evaluate(() => document.activeElement.id), "Command1");
  assert.equal(await page.$eval("#Form1", (e) => e.hidden), true);
  assert.deepEqual(await axeViolations(page), [], "the main view");
  assert.deepEqual(page.problems, []);
  await page.close();
});

test("every pairing answers as the outcome sheet says, through real clicks", async () => {
  const page = await open(`${origin}/`);
  await mainViewShown(page);
  for (const row of sheet) {
    await page.click("#Command3");
    await clickBox(page, row.last === row.female ? row.male : row.female);
    await clickBox(page, row.last);
    const { answer, ticked } = await state(page);
    assert.equal(answer, row.text, `${row.female} with ${row.male}, ${row.last} last`);
    assert.deepEqual(ticked.sort(), [row.female, row.male].sort());
  }
  assert.equal(sheet.length, 162);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test("a tick disables the other phases of its parent; untick and Reset clear", async () => {
  const page = await open(`${origin}/`);
  await mainViewShown(page);
  await clickBox(page, "Check1");
  assert.equal(await announced(page), "Les autres phases de la femelle sont indisponibles tant qu'Albinos est cochée.");
  await clickBox(page, "Check14");
  let now = await state(page);
  assert.equal(now.answer, "50% Albinos et 50% Het Albinos.");
  assert.equal(now.disabled.length, 16);
  assert.equal(await announced(page), "Les autres phases du mâle sont indisponibles tant qu'Het Albinos est cochée.");
  await clickBox(page, "Check14");
  now = await state(page);
  assert.deepEqual([now.answer, now.disabled.length], ["", 8]);
  assert.equal(await announced(page), "Toutes les phases du mâle sont de nouveau disponibles.");
  await clickBox(page, "Check4");
  await page.click("#Command3");
  assert.deepEqual(await state(page), { answer: "", ticked: [], disabled: [] });
  assert.equal(await announced(page), "Toutes les phases ont été décochées et le résultat effacé.");
  assert.equal(await page.$eval("#announcer", (e) => e.getAttribute("role")), "status");
  await page.close();
});

test("Tab follows the designed order and skips disabled boxes", async () => {
  const page = await open(`${origin}/`);
  await mainViewShown(page);
  const tabRound = async () => {
    const visited = [];
    for (let i = 0; i < 19; i++) {
      await page.keyboard.press("Tab");
      const id = await page.evaluate(() => document.activeElement.closest("[id]")?.id);
      if (id === "Command1" || !id) break;
      visited.push(id);
    }
    return visited.join(" ");
  };
  assert.equal(await tabRound(), "Check1 Check2 Check16 Check15 Check14 Check13 Check12 Check11 " +
    "Check10 Check9 Check8 Check7 Check6 Check5 Check4 Check3 Check17 Check18 Command3");
  await page.focus("#Check1 input");
  await page.keyboard.press("Space");
  await page.focus("#Command1");
  assert.equal(await tabRound(), "Check1 Check2 Check16 Check15 Check14 Check10 Check8 Check6 " +
    "Check4 Check18 Command3");
  await page.close();
});

test("screen readers hear the boxes by parent and phase, and the answer as a status", async () => {
  const page = await open(`${origin}/`);
  await mainViewShown(page);
  await clickBox(page, "Check7");
  await clickBox(page, "Check8");
  const tree = await page.accessibility.snapshot({ interestingOnly: false });
  const nodes = [];
  const walk = (node) => { nodes.push(node); node.children?.forEach(walk); };
  walk(tree);
  const boxes = nodes.filter((n) => n.role === "checkbox").map((n) => n.name);
  assert.equal(boxes.length, 18);
  for (const name of ["Femelle : Albinos", "Mâle : Het Patternless", "Femelle : Régulier"]) assert.ok(boxes.includes(name), name);
  const statuses = nodes.filter((n) => n.role === "status").map((n) => JSON.stringify(n));
  assert.ok(statuses.some((status) => status.includes("100% Patternless.")), "the answer as a status");
  assert.ok(nodes.some((n) => n.role === "button" && n.name === "Fermer"));
  // The main view is named as the desktop names its window, and described by the instruction.
  const view = nodes.find((n) => n.role === "region" && n.name === "Morvane 101");
  assert.equal(view?.description, "Choisir une phase pour la femelle et une pour le male.");
  await page.close();
});

for (const dismissal of ["OK", "Enter", "Escape"]) {
  test(`Fermer thanks, and once the note is dismissed (${dismissal}) nothing is left to use`, async () => {
    const page = await open(`${origin}/`);
    await mainViewShown(page);
    await page.click("#Command1");
    assert.equal(await page.$eval("#thanks", (d) => d.open), true);
    // Screen readers read an alert dialog as it opens: its name is the note.
    const dialog = (await page.accessibility.snapshot()).children.find((n) => n.role === "alertdialog");
    assert.match(dialog?.name ?? "", /^Merci à Lucien Arvel/);
    if (dismissal === "OK") await page.click("#thanks-ok");
    else await page.keyboard.press(dismissal);
    await page.waitForSelector("#closed:not([hidden])");
    assert.equal(await page.$eval("#closed", (e) => e.getAttribute("role")), "alert");
    assert.equal(await page.evaluate(() => document.querySelectorAll("input, button, dialog").length), 0);
    assert.deepEqual(page.problems, []);
    await page.close();
  });
}

test("the site opens and works offline after its first visit", async () => {
  const page = await open(`${origin}/`);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await page.setOfflineMode(true);
  await page.reload();
  await mainViewShown(page);
  await clickBox(page, "Check9");
  await clickBox(page, "Check6");
  assert.equal((await state(page)).answer, "Certains Tangerines et certains Hypos.");
  await page.setOfflineMode(false);
  await page.close();
});

test("the single file works opened from disk, with no request but its own", async () => {
  const url = pathToFileURL(singleFile).href;
  const page = await open(url);
  await mainViewShown(page);
  await clickBox(page, "Check5");
  await clickBox(page, "Check10");
  assert.equal((await state(page)).answer, "Certains Hypos et certains Tangerines.");
  assert.deepEqual(page.requests.filter((request) => !request.startsWith("data:")), [url]);
  assert.deepEqual(page.problems, []);
  await page.close();
});

// A phone; and 320 px, where a desktop browser's 200 % zoom leaves a narrow window.
for (const width of [360, 320]) {
  test(`on a ${width} px screen nothing is cut off and every target is at least 24 px`, async () => {
    const page = await open(`${origin}/`, { width, height: 740 });
    assert.ok(await page.evaluate((w) => document.documentElement.scrollWidth <= w, width), "splash");
    await mainViewShown(page);
    const layout = await page.evaluate(() => ({
      width: document.documentElement.scrollWidth,
      small: [...document.querySelectorAll("#Form3 .box input, #Form3 button")].filter((e) => {
        const r = e.getBoundingClientRect();
        return r.width < 24 || r.height < 24;
      }).map((e) => e.closest("[id]").id),
    }));
    assert.deepEqual(layout, { width, small: [] });
    assert.deepEqual(await axeViolations(page), []);
    await clickBox(page, "Check13");
    await clickBox(page, "Check15");
    assert.match((await state(page)).answer, /^25% Régulier/);
    await page.close();
  });
}

test("the arrow keys move among the enabled boxes as on the desktop", async () => {
  const page = await open(`${origin}/`);
  await mainViewShown(page);
  const rows = [
    // ticked first, from, keys, reached
    [[], "Check17", ["ArrowDown"], "Check1"],
    [[], "Check10", ["ArrowDown", "ArrowDown"], "Check15"],
    [[], "Check18", ["ArrowUp"], "Check18"],
    [[], "Check5", ["ArrowRight"], "Check6"],
    [[], "Check2", ["ArrowRight"], "Check2"],
    [["Check9"], "Check2", ["ArrowLeft"], "Check9"],
  ];
  for (const [ticked, from, keys, reached] of rows) {
    await page.click("#Command3");
    for (const box of ticked) await clickBox(page, box);
    await page.focus(`#${from} input`);
    for (const key of keys) await page.keyboard.press(key);
    assert.equal(await page.evaluate(() => document.activeElement.parentElement.id), reached,
      `${keys.join(" ")} from ${from}`);
  }
  assert.deepEqual((await state(page)).ticked, ["Check9"]); // moved, never ticked
  await page.close();
});

// What cannot start says so on the splash, whatever failed.
const breakages = {
  "a WebAssembly that cannot be compiled": (url, body) =>
    (url.includes("morvane101.wasm") ? { contentType: "application/wasm", body: "not WebAssembly" } : null),
  "a script that cannot be loaded": (url) => (url.includes("app.js") ? { status: 404, body: "" } : null),
  "the engine's script that cannot be loaded": (url) =>
    (url.includes("morvane101.js") ? { status: 404, body: "" } : null),
  "a fault while starting": (url, body) =>
    (url === `${origin}/` ? { contentType: "text/html", body: body().replace('data-role="reset"', "") } : null),
};
for (const [breakage, respond] of Object.entries(breakages)) {
  test(`${breakage} is said on the splash`, async () => {
    const context = await browser.createBrowserContext(); // no service worker of the others
    const page = await context.newPage();
    await page.setRequestInterception(true);
    const pageHtml = () => readFileSync(join(siteDir, "index.html"), "utf8");
    page.on("request", (request) => {
      const response = respond(request.url(), pageHtml);
      return response ? request.respond({ status: 200, ...response }) : request.continue();
    });
    await page.goto(`${origin}/`);
    await page.waitForFunction(() => document.getElementById("Form1-status").textContent !== "");
    const splash = await page.evaluate(() => ({
      said: document.getElementById("Form1-status").textContent,
      role: document.getElementById("Form1-status").getAttribute("role"),
      shown: !document.getElementById("Form1").hidden,
    }));
    assert.match(splash.said, /^Morvane 101 ne peut pas démarrer/);
    assert.deepEqual([splash.role, splash.shown], ["status", true]);
    await context.close();
  });
}

test("a service worker that cannot be registered leaves the page working", async () => {
  const withoutWorker = mkdtempSync(join(tmpdir(), "site-without-worker-"));
  cpSync(siteDir, withoutWorker, { recursive: true });
  rmSync(join(withoutWorker, "sw.js"));
  servedDir = withoutWorker;
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    const errors = [];
    page.on("pageerror", (error) => errors.push(error.message));
    await page.goto(`${origin}/`);
    await mainViewShown(page);
    await clickBox(page, "Check9");
    await clickBox(page, "Check6");
    assert.equal((await state(page)).answer, "Certains Tangerines et certains Hypos.");
    assert.deepEqual(errors, []);
  } finally {
    servedDir = siteDir;
    await context.close();
  }
});

// A build lists each file of the site in its worker with the digest of its bytes.
function listAnew(dir) {
  const digest = (name) => createHash("sha256").update(readFileSync(join(dir, name === "./" ? "index.html" : name)))
    .digest("base64");
  const worker = readFileSync(join(dir, "sw.js"), "utf8")
    .replace(/\["([^"]+)", "sha256-[^"]+"\]/g, (_, name) => `["${name}", "sha256-${digest(name)}"]`);
  writeFileSync(join(dir, "sw.js"), worker);
}

// The next build: a changed script, under a version of its own. Deployed whole, the new
// worker takes over; while the files on the server are not yet the ones its list names (a
// deploy racing its install), it takes none of them and the version before stays.
for (const deploy of ["whole", "racing the install"]) {
  test(`a service worker update never mixes two versions (deploy ${deploy})`, async () => {
    const context = await browser.createBrowserContext(); // a worker of its own
    const page = await open(`${origin}/`, undefined, context);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const first = await page.evaluate(() => document.documentElement.dataset.version);
    const next = "next00000000";
    const updated = mkdtempSync(join(tmpdir(), "site-next-"));
    cpSync(siteDir, updated, { recursive: true });
    writeFileSync(join(updated, "app.js"), `${readFileSync(join(siteDir, "app.js"), "utf8")}\n// next\n`);
    for (const name of ["index.html", "sw.js"])
      writeFileSync(join(updated, name), readFileSync(join(siteDir, name), "utf8").replaceAll(first, next));
    if (deploy === "whole") listAnew(updated);
    servedDir = updated;
    try {
      const other = await open(`${origin}/`, undefined, context);
      const installed = await other.evaluate(async () => {
        const registration = await navigator.serviceWorker.ready;
        await registration.update();
        const worker = registration.installing ?? registration.waiting;
        return new Promise((resolve) => {
          if (!worker || worker.state === "activated") resolve(worker?.state ?? "none");
          worker?.addEventListener("statechange", () =>
            ["activated", "redundant"].includes(worker.state) && resolve(worker.state));
        });
      });
      const script = (version) => page.evaluate(async (v) => (await fetch(`app.js?v=${v}`)).text(), version);
      assert.ok(!(await script(first)).includes("// next"), "the first page keeps its version");
      await page.reload();
      const version = await page.evaluate(() => document.documentElement.dataset.version);
      if (deploy === "whole") {
        assert.equal(installed, "activated");
        assert.equal(version, next);
        assert.ok((await script(next)).includes("// next"));
      } else {
        assert.equal(installed, "redundant");
        assert.equal(version, first);
      }
    } finally {
      servedDir = siteDir;
    }
    await context.close();
  });
}

test("in a contrast theme the window keeps its edge and greyed phases stay grey", async () => {
  const page = await open(`${origin}/`);
  const session = await page.createCDPSession();
  await session.send("Emulation.setEmulatedMedia", { features: [{ name: "forced-colors", value: "active" }] });
  await mainViewShown(page);
  await clickBox(page, "Check1");
  const look = await page.evaluate(() => {
    const colour = (id) => getComputedStyle(document.getElementById(id)).color;
    const window = getComputedStyle(document.getElementById("Form3"));
    return { greyed: colour("Check3") !== colour("Check1"), edge: window.outlineStyle };
  });
  assert.deepEqual(look, { greyed: true, edge: "solid" });
  assert.deepEqual(await axeViolations(page), []);
  await page.close();
});

test("where the screen has room the design is shown larger, as one", async () => {
  const page = await open(`${origin}/`, { width: 1280, height: 960 });
  await mainViewShown(page);
  const size = await page.evaluate(() => ({
    window: document.getElementById("Form3").getBoundingClientRect().width,
    box: document.getElementById("Check5").getBoundingClientRect().height,
  }));
  assert.ok(size.window >= 665 * 1.25 && size.box >= 25 * 1.25, JSON.stringify(size));
  assert.deepEqual(await axeViolations(page), []);
  await page.close();
});
