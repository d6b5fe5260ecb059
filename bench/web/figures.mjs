// Figures of the web edition, in one run: the bytes of the site and of the single file,
// navigation to the splash's first paint with its picture (against a bare page's), the hand-over to the
// main view, one tick to its answer painted (real headless Chromium against the site on
// a local server), and Lighthouse's scores.
//
//   node figures.mjs SITE_DIR SINGLE_FILE      (RUNS=n for other than 21 runs)
import { execFileSync, spawn } from "node:child_process";
import { mkdtempSync, readdirSync, statSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";

const [siteDir, singleFile] = process.argv.slice(2);
const CHROMIUM = "/usr/bin/chromium";
const FLAGS = ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync"];
const RUNS = Number(process.env.RUNS ?? 21);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(1)} ms`;

// The site as the README serves it, and beside it the floor: a bare page with one line.
const bareDir = mkdtempSync(join(tmpdir(), "bare-page-"));
writeFileSync(join(bareDir, "index.html"),
  '<!DOCTYPE html><html lang="fr"><title>Morvane 101</title><p>Morvane 101</p></html>');
const serve = (dir, port) => spawn("/usr/bin/python3", ["-m", "http.server", String(port), "--bind",
  "127.0.0.1", "--directory", dir], { stdio: "ignore" });
const servers = [serve(siteDir, 8101), serve(bareDir, 8102)];
const url = "http://127.0.0.1:8101/", bareUrl = "http://127.0.0.1:8102/";
for (const address of [url, bareUrl]) {
  for (let i = 0; i < 50; i++) {
    try { await fetch(address); break; } catch { await new Promise((r) => setTimeout(r, 100)); }
  }
}

const siteBytes = readdirSync(siteDir).reduce((sum, name) => sum + statSync(join(siteDir, name)).size, 0);
console.log(`Site: ${siteBytes} bytes in ${readdirSync(siteDir).length} files; single file: ${statSync(singleFile).size} bytes`);

const browser = await puppeteer.launch({ executablePath: CHROMIUM, args: FLAGS });
// Right after a page that ran a service worker closes, Chromium sometimes turns the next
// new page down; asking again works.
async function newPage() {
  for (let attempt = 1; ; attempt++) {
    try { return await browser.newPage(); } catch (error) { if (attempt === 5) throw error; }
  }
}

// A first visit, every time: nothing from the cache, no service worker. (Pages of fresh
// browser contexts would do too, but Chromium then builds its new-tab page alongside,
// which weighs on two cores.)
async function firstVisit(address, prepare = async () => {}) {
  const page = await newPage();
  await page.setCacheEnabled(false);
  await page.setBypassServiceWorker(true);
  await prepare(page);
  await page.goto(address);
  return { page, done: () => page.close() };
}
await new Promise((resolve) => setTimeout(resolve, 2000)); // the browser's own start-up work

// The splash counts as shown when its picture is painted, as the browser times that element
// once told to; the bare page when its line of text is.
const timeSplashPicture = () => {
  document.addEventListener("DOMContentLoaded", () => {
    document.getElementById("Form1-Image2")?.setAttribute("elementtiming", "splash-picture");
  });
};
const splashPictureShown = () => new Promise((resolve) => {
  new PerformanceObserver((entries) => {
    const picture = entries.getEntries().find((entry) => entry.identifier === "splash-picture");
    if (picture) resolve(picture.renderTime);
  }).observe({ type: "element", buffered: true });
});
const barePainted = async () => {
  while (!performance.getEntriesByName("first-contentful-paint").length)
    await new Promise((resolve) => setTimeout(resolve, 10));
  return performance.getEntriesByName("first-contentful-paint")[0].startTime;
};
const firstPaint = { site: [], bare: [] };
for (let run = 0; run < RUNS; run++) {
  for (const [name, address, painted] of [["site", url, splashPictureShown], ["bare", bareUrl, barePainted]]) {
    const { page, done } = await firstVisit(address, (p) => p.evaluateOnNewDocument(timeSplashPicture));
    firstPaint[name].push(await page.evaluate(painted));
    await done();
  }
}
console.log(`Navigation to the splash's first paint, its picture shown (median of ${RUNS}): ` +
  `${ms(median(firstPaint.site))}; a bare page with one line of text: ${ms(median(firstPaint.bare))}`);

// The main view's first paint, as the browser reports it for an element it is told to time.
const timeMainView = () => {
  window.mainPainted_ = new Promise((resolve) => {
    new PerformanceObserver((entries) => {
      const main = entries.getEntries().find((entry) => entry.identifier === "main-view");
      if (main) resolve(main.renderTime);
    }).observe({ type: "element", buffered: true });
  });
  document.addEventListener("DOMContentLoaded", () => {
    document.getElementById("Label1").setAttribute("elementtiming", "main-view");
  });
};
const handOver = [], tick = [];
for (let run = 0; run < RUNS; run++) {
  const { page, done } = await firstVisit(url, (p) => p.evaluateOnNewDocument(timeMainView));
  // Counted as the page counts it: from the splash's first paint.
  const splashAt = await page.evaluate(() => performance.getEntriesByName("first-contentful-paint")[0].startTime);
  handOver.push(await page.evaluate(async () => await window.mainPainted_) - splashAt);
  // A tick: from the click's event to the frame that paints the answer.
  for (const [first, second] of [["Check1", "Check14"], ["Check9", "Check6"], ["Check13", "Check15"]]) {
    await page.click("#Command3");
    await page.click(`#${first} input`);
    tick.push(await page.evaluate((box) => new Promise((resolve) => {
      const input = document.querySelector(`#${box} input`);
      input.addEventListener("change", (event) => {
        const clicked = event.timeStamp;
        requestAnimationFrame((frame) => resolve(frame - clicked));
      }, { once: true });
      input.click();
    }), second));
  }
  await done();
}
await browser.close();
console.log(`Hand-over, the splash's first paint to the main view's: median ${ms(median(handOver))}, ` +
  `from ${ms(Math.min(...handOver))} to ${ms(Math.max(...handOver))}`);
console.log(`One tick to the frame that paints its answer (median of ${tick.length}): ${ms(median(tick))}, ` +
  `at most ${ms(Math.max(...tick))}`);

const lighthouse = fileURLToPath(new URL("node_modules/.bin/lighthouse", import.meta.url));
const report = JSON.parse(execFileSync(lighthouse, [url, "--quiet", "--output=json",
  "--only-categories=accessibility,best-practices,performance",
  `--chrome-flags=--headless=new ${FLAGS.join(" ")}`],
  { env: { ...process.env, CHROME_PATH: CHROMIUM }, maxBuffer: 64 << 20 }));
const score = (name) => Math.round(report.categories[name].score * 100);
console.log(`Lighthouse ${report.lighthouseVersion}: accessibility ${score("accessibility")}, ` +
  `best practices ${score("best-practices")}, performance ${score("performance")}`);
for (const category of Object.values(report.categories)) {
  const missed = category.auditRefs.filter((ref) => ref.weight > 0 && report.audits[ref.id].score !== null &&
    report.audits[ref.id].score < 1).map((ref) => ref.id);
  if (missed.length) console.log(`  ${category.title}, not full marks: ${missed.join(", ")}`);
}
servers.forEach((server) => server.kill());
