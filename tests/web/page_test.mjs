// The web page in one browser engine: the site served over HTTP, and the single file opened
// from disk. Every answer is reached through real clicks and compared with the outcome
// sheet; the rest checks what a breeder, a keyboard user and a screen reader meet.
//
//   node page_test.mjs chromium|firefox|webkit SITE_DIR SINGLE_FILE EXPECTED_OUTCOMES.tsv \
//                      DESIGN_TABLES.js
// WebKit needs an X display (DISPLAY); the others run headless. DESIGN_TABLES.js prints
// both windows' designs (design_tables.cpp).
import { execFileSync } from "node:child_process";
import { defineChecks } from "./checks.mjs";

const [engine, siteDir, singleFile, sheetFile, designTables] = process.argv.slice(2);
const designs = JSON.parse(execFileSync(process.execPath, [designTables], { encoding: "utf8" }));
const { launch } = await import(engine === "webkit" ? "./engines/webkit.mjs" : "./engines/puppeteer.mjs");
defineChecks(() => launch(engine), { siteDir, singleFile, sheetFile, designs });
