// The web page in one browser engine: the site served over HTTP, and the single file opened
// from disk. Every answer is reached through real clicks and compared with the outcome
// sheet; the rest checks what a breeder, a keyboard user and a screen reader meet.
//
//   node page_test.mjs chromium|firefox|webkit SITE_DIR SINGLE_FILE EXPECTED_OUTCOMES.tsv
// WebKit needs an X display (DISPLAY); the others run headless.
import { defineChecks } from "./checks.mjs";

const [engine, siteDir, singleFile, sheetFile] = process.argv.slice(2);
const { launch } = await import(engine === "webkit" ? "./engines/webkit.mjs" : "./engines/puppeteer.mjs");
defineChecks(() => launch(engine), { siteDir, singleFile, sheetFile });
