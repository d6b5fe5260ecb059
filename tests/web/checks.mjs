// What the page must do in every browser engine, written once: each engine's driver (see
// engines/) gives the same few means (trusted clicks and keys, a script run in the page,
// what a screen reader is told where it can read that), and these checks use nothing else.
import assert from "node:assert/strict";
import { createHash } from "node:crypto";
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { pathToFileURL } from "node:url";
import { serveSite, siteSize } from "./site_server.mjs";

const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");

const mainViewShown = (page) => page.waitFor(() => !document.getElementById("Form3").hidden);
const state = (page) => page.evaluate(() => ({
  answer: document.getElementById("answer").textContent,
  ticked: [...document.querySelectorAll(".box input:checked")].map((i) => i.parentElement.id),
  disabled: [...document.querySelectorAll(".box input:disabled")].map((i) => i.parentElement.id),
}));
const clickBox = (page, box) => page.click(`#${box} input`);
const announced = (page) => page.evaluate(() => document.getElementById("announcer").textContent);
const focused = (page) => page.evaluate(() => document.activeElement.closest("[id]")?.id);

async function axeViolations(page) {
  await page.addScript(axeSource);
  return page.evaluate(async () => (await window.axe.run(document)).violations
    .map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`));
}

// Closes a page that should have met no script error.
async function finish(page) {
  assert.deepEqual(await page.problems(), []);
  await page.close();
}

// A server of its own: another origin, so no worker and nothing kept from the other checks.
async function withOwnServer(dir, respond, body) {
  const site = await serveSite(dir, respond);
  try {
    await body(site);
  } finally {
    await site.stop();
  }
}

// The page controlled by its worker once that has kept the site.
const kept = (page) => page.evaluate(async () => {
  await navigator.serviceWorker.ready;
  return (await caches.keys()).length;
});

export function defineChecks(launch, { siteDir, singleFile, sheetFile, designs }) {
  let site, browser;
  before(async () => { [site, browser] = await Promise.all([serveSite(siteDir), launch()]); });
  after(async () => { await browser?.close(); await site?.stop(); });
  const sheet = readFileSync(sheetFile, "utf8").split("\n")
    .filter((line) => line && !line.startsWith("#"))
    .map((line) => { const [female, male, last, text] = line.split("\t"); return { female, male, last, text }; });
  const openMain = async (viewport) => {
    const page = await browser.open(`${site.origin}/`, viewport);
    await mainViewShown(page);
    return page;
  };

  test("the splash shows, then the main view two seconds later with the focus on Fermer", async () => {
    const page = await browser.open(`${site.origin}/`);
    const splash = await page.evaluate(() => {
      new MutationObserver(() => { window.mainShownAt ??= performance.now(); })
        .observe(document.getElementById("Form3"), { attributes: true });
      return {
        shown: !document.getElementById("Form1").hidden,
        main: document.getElementById("Form3").hidden,
        lines: [...document.querySelectorAll("#Form1 p.control")].map((p) => p.textContent),
        picture: document.getElementById("Form1-Image2").naturalWidth,
      };
    });
    assert.deepEqual(splash, {
      shown: true, main: true, picture: 175,
      lines: ["Morvane 101", "Calculateur de croisements", "des Geckos Léopards"],
    });
    assert.deepEqual(await axeViolations(page), [], "the splash");
    await mainViewShown(page);
    assert.ok(await page.evaluate(() => window.mainShownAt - performance.getEntriesByName("first-contentful-paint")[0].startTime >= 2000 - 1),
      "not before two seconds after the splash's first paint");
    assert.equal(await focused(page), "Command1");
    assert.equal(await page.evaluate(() => document.getElementById("Form1").hidden), true);
    assert.deepEqual(await axeViolations(page), [], "the main view");
    await finish(page);
  });

  // Each field of both windows' tables, as the designs hold them (not as the page writer
  // read them): what each control shows and what it tells a screen reader.
  test("every control of both windows is as its design says", async () => {
    const page = await openMain();
    const mismatches = await page.evaluate((windows) => {
      const found = [];
      const expect = (holds, what) => { if (!holds) found.push(what); };
      const rgb = ([r, g, b]) => `rgb(${r}, ${g}, ${b})`;
      const unquoted = (stack) => stack.replaceAll(/["']/g, "").replaceAll(/\s*,\s*/g, ",");
      // A label that is a live region is a live section (see the answer's check below).
      const tags = { label: "P", checkbox: "LABEL", button: "BUTTON", frame: "FIELDSET", picture: "IMG" };
      const tagOf = (control) => (control.liveRegion ? "DIV" : tags[control.kind]);
      const textOf = (element, kind) => (kind === "frame" ? element.querySelector("legend") : element).textContent.trim();
      for (const window of windows) {
        const form = document.getElementById(window.name);
        // The splash is gone once the main view shows: shown again, alone, to be measured.
        for (const section of document.querySelectorAll(".window")) section.hidden = section !== form;
        const prefix = window.name === "Form1" ? "Form1-" : "";
        const scale = form.getBoundingClientRect().width / form.offsetWidth;
        expect(form.offsetWidth === window.width / 15 && form.offsetHeight === window.height / 15, `${window.name}: size`);
        expect(form.getAttribute("aria-label") === window.caption, `${window.name}: caption`);
        if (window.background) expect(getComputedStyle(form).backgroundColor === rgb(window.background), `${window.name}: background`);
        const describedBy = document.getElementById(form.getAttribute("aria-describedby"))?.textContent ?? "";
        expect(describedBy === window.description, `${window.name}: description`);
        for (const control of window.controls) {
          const what = (field) => `${window.name} ${control.name}: ${field}`;
          const element = document.getElementById(prefix + control.name);
          if (!element) { found.push(what("missing")); continue; }
          // The element a screen reader names and describes: a box's own tick.
          const spoken = control.kind === "checkbox" ? element.querySelector("input[type=checkbox]") : element;
          const style = getComputedStyle(element);
          expect(element.tagName === tagOf(control) && spoken, what("kind"));
          const container = control.container ? document.getElementById(prefix + control.container) : form;
          expect(element.parentElement === container, what("container"));
          // Places from the container's corner, in the design's pixels; sizes exact.
          const [place, corner] = [element.getBoundingClientRect(), container.getBoundingClientRect()];
          const [left, top] = [(place.left - corner.left) / scale, (place.top - corner.top) / scale];
          expect(Math.abs(left - control.left / 15) <= 1 && Math.abs(top - control.top / 15) <= 1,
            what(`place ${left}, ${top}`));
          expect(element.offsetWidth === control.width / 15 && element.offsetHeight === control.height / 15, what("size"));
          if (control.kind === "picture") expect(element.complete && element.naturalWidth > 0, what("picture"));
          else expect(textOf(element, control.kind) === control.text, what("text"));
          if (control.kind === "label") expect((style.textAlign === "center") === control.centred, what("alignment"));
          if (control.font) {
            expect(style.fontSize === `${Math.floor(control.font.points * 96 / 72 + 0.5)}px`, what("font size"));
            expect((Number(style.fontWeight) >= 700) === control.font.bold, what("font weight"));
            expect(unquoted(style.fontFamily) === unquoted(control.font.stack), what("font family"));
          }
          if (control.foreground) expect(style.color === rgb(control.foreground), what("text colour"));
          if (control.background) expect(style.backgroundColor === rgb(control.background), what("background"));
          // What a screen reader is told: the spoken name over the caption, the description,
          // the live region, the tab order.
          const name = spoken.getAttribute(control.kind === "picture" ? "alt" : "aria-label");
          expect((name ?? "") === control.spokenName, what("spoken name"));
          const description = document.getElementById(spoken.getAttribute("aria-describedby"))?.textContent ?? "";
          expect(description === control.description, what("description"));
          const live = spoken.getAttribute("role") === "status" || spoken.hasAttribute("aria-live");
          expect(live === control.liveRegion, what("live region"));
          expect((spoken.tabIndex >= 0 && !/^(P|IMG|FIELDSET)$/.test(spoken.tagName)) === control.takesFocus &&
            spoken.tabIndex <= 0, what("focus"));
        }
        const tabOrder = [...form.querySelectorAll("input, button")].map((e) => e.closest(".control").id);
        expect(tabOrder.join() === window.controls.filter((c) => c.takesFocus).map((c) => prefix + c.name).join(),
          `${window.name}: tab order`);
      }
      for (const section of document.querySelectorAll(".window")) section.hidden = section.id !== "Form3";
      return found;
    }, designs);
    assert.deepEqual(mismatches, []);
    // Where the driver can read it, what a screen reader is told of the controls it reaches.
    for (const control of designs[1].controls.filter((c) => c.takesFocus)) {
      const told = await page.accessible(control.kind === "checkbox" ? `#${control.name} input` : `#${control.name}`);
      if (told) assert.equal(told.role, control.kind, control.name);
    }
    await finish(page);
  });

  test("every pairing answers as the outcome sheet says, through real clicks", async () => {
    const page = await openMain();
    for (const row of sheet) {
      await page.click("#Command3");
      await clickBox(page, row.last === row.female ? row.male : row.female);
      await clickBox(page, row.last);
      const { answer, ticked } = await state(page);
      assert.equal(answer, row.text, `${row.female} with ${row.male}, ${row.last} last`);
      assert.deepEqual(ticked.sort(), [row.female, row.male].sort());
    }
    assert.equal(sheet.length, 162);
    await finish(page);
  });

  test("a tick disables the other phases of its parent; untick and Reset clear", async () => {
    const page = await openMain();
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
    await finish(page);
  });

  test("Tab follows the designed order and skips disabled boxes", async () => {
    const page = await openMain();
    const tabRound = async () => {
      const visited = [];
      for (let i = 0; i < 19; i++) {
        await page.press("Tab");
        const id = await focused(page);
        if (id === "Command1" || !id) break;
        visited.push(id);
      }
      return visited.join(" ");
    };
    assert.equal(await tabRound(), "Check1 Check2 Check16 Check15 Check14 Check13 Check12 Check11 " +
      "Check10 Check9 Check8 Check7 Check6 Check5 Check4 Check3 Check17 Check18 Command3");
    await page.press("Shift+Tab");
    assert.equal(await focused(page), "Check18");
    await page.evaluate(() => document.querySelector("#Check1 input").focus());
    await page.press("Space");
    await page.evaluate(() => document.getElementById("Command1").focus());
    assert.equal(await tabRound(), "Check1 Check2 Check16 Check15 Check14 Check10 Check8 Check6 " +
      "Check4 Check18 Command3");
    await finish(page);
  });

  test("the arrow keys move among the enabled boxes as on the desktop", async () => {
    const page = await openMain();
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
      await page.evaluate((id) => document.querySelector(`#${id} input`).focus(), from);
      await page.press(...keys);
      assert.equal(await focused(page), reached, `${keys.join(" ")} from ${from}`);
    }
    assert.deepEqual((await state(page)).ticked, ["Check9"]); // moved, never ticked
    await finish(page);
  });

  test("screen readers hear the instruction, the boxes by parent and phase, the buttons and the answer", async (t) => {
    const page = await openMain();
    // Said as the view opens, since readers do not read what describes the view.
    await page.waitFor(() => document.getElementById("announcer").textContent ===
      "Choisir une phase pour la femelle et une pour le male.");
    if (!(await page.accessible("#Command1"))) {
      t.skip(`${browser.name}'s driver cannot read what a screen reader is told`);
      return page.close();
    }
    // The description, where the driver can read it, is what a reader adds to the name. The
    // answer's name is its text, which WebKit fills from the description while it is empty.
    const rows = [
      ["#Check1 input", "checkbox", "Femelle : Albinos", ""],
      ["#Check16 input", "checkbox", "Mâle : Het Patternless", ""],
      ["#Check17 input", "checkbox", "Femelle : Régulier", ""],
      ["#Command1", "button", "Fermer", "Quitte Morvane 101"],
      ["#Command3", "button", "Reset", "Décoche toutes les phases et efface le résultat"],
      ["#answer", undefined, undefined, "Résultat du croisement"],
      ["#Form3", "region", "Morvane 101", "Choisir une phase pour la femelle et une pour le male."],
    ];
    for (const [selector, role, name, description] of rows) {
      const told = await page.accessible(selector);
      assert.deepEqual([told.role, told.name || ""], [role ?? told.role, name ?? (told.name || "")], selector);
      if (told.description !== undefined) assert.equal(told.description || "", description, selector);
    }
    // Live sections, whose every new text is read whole: Orca 48 drops a status bar's text
    // that comes within 100 ms of another.
    assert.deepEqual(await page.evaluate(() => ["answer", "announcer"].map((id) =>
      [document.getElementById(id).getAttribute("aria-live"), document.getElementById(id).getAttribute("aria-atomic")])),
    [["polite", "true"], ["polite", "true"]]);
    await finish(page);
  });

  for (const dismissal of ["OK", "Enter", "Escape", "Enter on the box"]) {
    test(`Fermer thanks, and once the note is dismissed (${dismissal}) nothing is left to use`, async () => {
      const page = await openMain();
      // As if reached from another page: a tab that is all its history would close.
      await page.evaluate(() => history.pushState(null, ""));
      await page.click("#Command1");
      assert.equal(await page.evaluate(() => document.getElementById("thanks").open), true);
      const dialog = await page.accessible("#thanks");
      if (dialog) {
        // An alert dialog titled as the program, its OK button described by the note: screen
        // readers read the note with the button the focus lands on.
        assert.deepEqual([dialog.role, dialog.name], ["alertdialog", "Morvane 101"]);
        const ok = await page.accessible("#thanks-ok");
        if (ok.description !== undefined) assert.match(ok.description, /^Merci à Lucien Arvel/);
      }
      if (dismissal === "OK") await page.click("#thanks-ok");
      else if (dismissal === "Enter on the box") {
        // Where a screen reader reading the note has put the focus.
        assert.equal(await page.evaluate(() => {
          document.getElementById("thanks").focus();
          return document.activeElement.id;
        }), "thanks");
        await page.press("Enter");
      } else await page.press(dismissal);
      await page.waitFor(() => document.activeElement.id === "closed");
      assert.deepEqual(await page.evaluate(() => [document.getElementById("closed").getAttribute("role"),
        document.getElementById("closed").hidden, document.querySelectorAll("input, button, dialog").length]),
      ["alert", false, 0]);
      await finish(page);
    });
  }

  // A phone held upright (two sizes), and 320 px: a desktop browser's 200 % zoom.
  for (const [width, height] of [[390, 844], [375, 667], [320, 740]]) {
    test(`on a ${width} x ${height} screen nothing is cut off and every target is at least 24 px`, async (t) => {
      if (width < browser.narrowest) {
        t.skip(`${browser.name}'s window is never narrower than ${browser.narrowest} px`);
        return;
      }
      const page = await browser.open(`${site.origin}/`, { width, height });
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
      // The first and last boxes and the last button, reached by touch.
      await clickBox(page, "Check13");
      await clickBox(page, "Check15");
      assert.match((await state(page)).answer, /^25% Régulier/);
      await page.click("#Command3");
      assert.deepEqual((await state(page)).ticked, []);
      await finish(page);
    });
  }

  test("where the screen has room the design is shown larger, as one", async () => {
    const page = await openMain({ width: 1280, height: 960 });
    const size = await page.evaluate(() => ({
      window: document.getElementById("Form3").getBoundingClientRect().width,
      box: document.getElementById("Check5").getBoundingClientRect().height,
    }));
    const [window, box] = [designs[1], designs[1].controls.find((c) => c.kind === "checkbox")];
    assert.ok(size.window >= window.width / 15 * 1.25 && size.box >= box.height / 15 * 1.25, JSON.stringify(size));
    assert.deepEqual(await axeViolations(page), []);
    await finish(page);
  });

  test("in a contrast theme the window keeps its edge and greyed phases stay grey", async (t) => {
    const page = await browser.open(`${site.origin}/`);
    if (!(await page.forceColors())) {
      t.skip(`${browser.name}'s driver cannot ask for a contrast theme`);
      return page.close();
    }
    await mainViewShown(page);
    await clickBox(page, "Check1");
    const look = await page.evaluate(() => {
      const colour = (id) => getComputedStyle(document.getElementById(id)).color;
      const window = getComputedStyle(document.getElementById("Form3"));
      return { greyed: colour("Check3") !== colour("Check1"), edge: window.outlineStyle };
    });
    assert.deepEqual(look, { greyed: true, edge: "solid" });
    assert.deepEqual(await axeViolations(page), []);
    await finish(page);
  });

  test("with scripts off the page says, in the splash's place, that it needs them", async (t) => {
    if (!browser.scriptsCanBeTurnedOff) {
      t.skip(`${browser.name}'s driver cannot turn scripts off`);
      return;
    }
    for (const url of [`${site.origin}/`, pathToFileURL(singleFile).href]) {
      const page = await browser.open(url, undefined, { scripts: false });
      const shown = await page.evaluate(() => ({
        splash: getComputedStyle(document.getElementById("Form1")).display,
        said: document.getElementById("no-script")?.checkVisibility() ? document.getElementById("no-script").textContent : "",
      }));
      assert.equal(shown.splash, "none", url);
      assert.match(shown.said, /^Morvane 101 a besoin de JavaScript/, url);
      await page.close();
    }
  });

  test("the single file works opened from disk, with no request but its own", async () => {
    const page = await browser.open(pathToFileURL(singleFile).href);
    await mainViewShown(page);
    await clickBox(page, "Check5");
    await clickBox(page, "Check10");
    assert.equal((await state(page)).answer, "Certains Hypos et certains Tangerines.");
    assert.deepEqual(await page.evaluate(() => performance.getEntriesByType("resource")
      .map((entry) => entry.name).filter((url) => !url.startsWith("data:"))), []);
    await finish(page);
  });

  test("the worker keeps the site under the very addresses the page asks for", async () => {
    await withOwnServer(siteDir, undefined, async (own) => {
      const page = await browser.open(`${own.origin}/`);
      await mainViewShown(page);
      const cache = await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
        const [name] = await caches.keys();
        const keys = await (await caches.open(name)).keys();
        return {
          asked: [location.href, ...performance.getEntriesByType("resource").map((e) => e.name)
            .filter((url) => url.startsWith(location.origin) && !url.endsWith("sw.js"))],
          kept: keys.map((request) => request.url),
        };
      });
      assert.deepEqual(cache.asked.filter((url) => !cache.kept.includes(url)), []);
      await finish(page);
    });
  });

  test("a first visit fetches each file once", async (t) => {
    if (!browser.workersShareTheHttpCache) {
      t.skip(`${browser.name} under its driver keeps no HTTP cache for its worker to take the files from`);
      return;
    }
    await withOwnServer(siteDir, undefined, async (own) => {
      const page = await browser.open(`${own.origin}/`);
      await mainViewShown(page);
      await kept(page);
      const paths = own.requests.map((request) => new URL(request.url, own.origin).pathname);
      assert.deepEqual(paths.filter((path, i) => paths.indexOf(path) !== i), [], "fetched twice");
      const fetched = own.requests.reduce((sum, request) => sum + request.bytes, 0);
      assert.ok(fetched <= siteSize(siteDir), `${fetched} bytes fetched for a site of ${siteSize(siteDir)}`);
      await finish(page);
    });
  });

  test("after one visit the site opens and works with its server stopped", async () => {
    await withOwnServer(siteDir, undefined, async (own) => {
      const page = await browser.open(`${own.origin}/`);
      await mainViewShown(page);
      assert.equal(await kept(page), 1);
      await own.stop();
      await page.reload();
      await mainViewShown(page);
      await clickBox(page, "Check9");
      await clickBox(page, "Check6");
      assert.equal((await state(page)).answer, "Certains Tangerines et certains Hypos.");
      // An address with a version of its own is the same page.
      const named = await browser.open(`${own.origin}/?v=x`);
      await mainViewShown(named);
      await finish(named);
      await finish(page);
      await own.start();
    });
  });

  // What cannot start says so on the splash, whatever failed.
  const breakages = {
    // A deploy under way: the server holds another version's bytes.
    "an engine that is not the page's version": (path) => (path === "/morvane101.wasm" ? { body: "not WebAssembly" } : null),
    "a script that is not the page's version": (path, read) => (path === "/app.js" ? { body: `${read()}\n// other\n` } : null),
    "a script that cannot be loaded": (path) => (path === "/app.js" ? { status: 404, body: "" } : null),
    "the engine's script that cannot be loaded": (path) => (path === "/morvane101.js" ? { status: 404, body: "" } : null),
    "a fault while starting": (path, read) =>
      (path === "/index.html" ? { body: read().replace('data-role="reset"', "") } : null),
  };
  for (const [breakage, respond] of Object.entries(breakages)) {
    test(`${breakage} is said on the splash`, async () => {
      await withOwnServer(siteDir, respond, async (own) => {
        const page = await browser.open(`${own.origin}/`);
        await page.waitFor(() => document.getElementById("Form1-status").textContent !== "");
        const splash = await page.evaluate(() => ({
          said: document.getElementById("Form1-status").textContent,
          role: document.getElementById("Form1-status").getAttribute("role"),
          shown: !document.getElementById("Form1").hidden,
        }));
        assert.match(splash.said, /^Morvane 101 ne peut pas démarrer/);
        assert.deepEqual([splash.role, splash.shown], ["status", true]);
        await page.close();
      });
    });
  }

  test("the page's policy is enforced: an inline script it does not list is refused", async () => {
    const altered = mkdtempSync(join(tmpdir(), "site-altered-policy-"));
    cpSync(siteDir, altered, { recursive: true });
    const loader = readFileSync(join(siteDir, "index.html"), "utf8").match(/<script id="loader">([^]*?)<\/script>/)[1];
    const listed = `sha256-${createHash("sha256").update(loader).digest("base64")}`;
    // One letter of the loader's digest changed, in the page's policy and in the host's.
    const other = listed.replace(/^sha256-./, (start) => (start.endsWith("A") ? "sha256-B" : "sha256-A"));
    for (const name of ["index.html", "_headers"]) {
      const text = readFileSync(join(altered, name), "utf8");
      assert.ok(text.includes(listed), `${name} lists the loader`);
      writeFileSync(join(altered, name), text.replaceAll(listed, other));
    }
    await withOwnServer(altered, undefined, async (own) => {
      const page = await browser.open(`${own.origin}/`);
      await until(() => own.violations.length > 0);
      assert.match(own.violations[0], /^script-src/);
      assert.deepEqual(own.requests.map((request) => request.url).filter((url) => url.includes(".js")), []);
      await page.close();
    });
  });

  test("a service worker that cannot be registered leaves the page working", async () => {
    const withoutWorker = mkdtempSync(join(tmpdir(), "site-without-worker-"));
    cpSync(siteDir, withoutWorker, { recursive: true });
    rmSync(join(withoutWorker, "sw.js"));
    await withOwnServer(withoutWorker, undefined, async (own) => {
      const page = await browser.open(`${own.origin}/`);
      await mainViewShown(page);
      await clickBox(page, "Check9");
      await clickBox(page, "Check6");
      assert.equal((await state(page)).answer, "Certains Tangerines et certains Hypos.");
      // The browser may report the missing worker; no script of the page fails.
      assert.deepEqual((await page.problems()).filter((problem) => /^(error|rejection):/.test(problem)), []);
      await page.close();
    });
  });

  // The next build: a changed script, under a version of its own. Deployed whole, the new
  // worker takes over; while the files on the server are not yet the ones its list names (a
  // deploy racing its install), it takes none of them and the version before stays.
  for (const deploy of ["whole", "racing the install"]) {
    test(`a service worker update never mixes two versions (deploy ${deploy})`, async () => {
      await withOwnServer(siteDir, undefined, async (own) => {
        const page = await browser.open(`${own.origin}/`);
        await mainViewShown(page);
        await kept(page);
        const first = await page.evaluate(() => document.documentElement.dataset.version);
        own.dir = nextBuild(siteDir, first, deploy === "whole");
        const other = await browser.open(`${own.origin}/`);
        // The browser may have tried the new worker already as the page opened: this waits for
        // whatever it tries to end in service or thrown out.
        await other.evaluate(async () => {
          const registration = await navigator.serviceWorker.ready;
          await registration.update().catch(() => {});
          const worker = registration.installing ?? registration.waiting;
          await new Promise((resolve) => {
            if (!worker) resolve();
            worker?.addEventListener("statechange", () => ["activated", "redundant"].includes(worker.state) && resolve());
          });
        });
        const script = (version) => page.evaluate(async (v) => (await fetch(`app.js?v=${v}`)).text(), version);
        assert.ok(!(await script(first)).includes("// next"), "the first page keeps its version");
        await page.reload();
        const version = await page.evaluate(() => document.documentElement.dataset.version);
        if (deploy === "whole") {
          assert.equal(version, NEXT);
          assert.ok((await script(NEXT)).includes("// next"));
          // The version before, named in the page's address, does not come back.
          const older = await browser.open(`${own.origin}/?v=${first}`);
          await mainViewShown(older);
          assert.equal(await older.evaluate(() => document.documentElement.dataset.version), NEXT);
          await older.close();
        } else {
          assert.equal(version, first);
        }
        await other.close();
        await page.close();
      });
    });
  }

  // Last: what the browsers told the site's server its policy refused, over all the checks.
  test("no page of the site met a refusal of its policy", () => {
    assert.deepEqual(site.violations, []);
  });
}

// Waits, generously, for what the test's own side must see come.
async function until(condition) {
  for (let tries = 0; !condition(); tries++) {
    if (tries > 400) throw new Error(`waited in vain for ${condition}`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

const NEXT = "next00000000";

// A copy of the site as the next build makes it; listed anew in its worker, or with the
// digests of the build before, as while a deploy is under way.
function nextBuild(siteDir, first, listedAnew) {
  const next = mkdtempSync(join(tmpdir(), "site-next-"));
  cpSync(siteDir, next, { recursive: true });
  writeFileSync(join(next, "app.js"), `${readFileSync(join(siteDir, "app.js"), "utf8")}\n// next\n`);
  const digest = (name) => createHash("sha256")
    .update(readFileSync(join(next, name === "./" ? "index.html" : name.replace(/\?.*/, "")))).digest("base64");
  const page = readFileSync(join(siteDir, "index.html"), "utf8").replaceAll(first, NEXT)
    .replace(/"app\.js": "sha256-[^"]+"/, `"app.js": "sha256-${digest("app.js")}"`);
  writeFileSync(join(next, "index.html"), page);
  writeFileSync(join(next, "sw.js"), readFileSync(join(siteDir, "sw.js"), "utf8").replaceAll(first, NEXT));
  if (listedAnew) {
    const worker = readFileSync(join(next, "sw.js"), "utf8")
      .replace(/\["([^"]+)", "sha256-[^"]+"\]/g, (_, name) => `["${name}", "sha256-${digest(name)}"]`);
    writeFileSync(join(next, "sw.js"), worker);
  }
  return next;
}
