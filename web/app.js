// Morvane 101 in the browser: the splash for two seconds, then the main view. Every tick,
// Reset and arrow key goes to the pairing board compiled from the desktop program's C++,
// and the page then shows what the board holds (ticks, enabled boxes, the answer) and says
// what the designs say of it. No rule of the pairings and no sentence lives here.
"use strict";

const ARROWS = ["ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight"]; // as the board numbers them

const splash = document.getElementById("Form1");
const HAND_OVER_MS = Number(splash.dataset.handOverMs);
const mainView = document.getElementById("Form3");
const answer = mainView.querySelector('[data-role="answer"]');
const announcer = document.getElementById("announcer");
const boxes = [...mainView.querySelectorAll(".box input")];
const boxNumber = (input) => Number(input.parentElement.id.slice("Check".length));
const boxInput = (number) => document.querySelector(`#Check${number} input`);

// When the splash was first painted with its content, as the browser reports it (the site
// loads this script after that); until then the hand-over counts from now.
const FIRST_PAINT = "first-contentful-paint";
function splashPaintedAt() {
  const now = performance.now();
  const [first] = performance.getEntriesByName(FIRST_PAINT);
  if (first || !PerformanceObserver.supportedEntryTypes?.includes("paint")) return Promise.resolve(first?.startTime ?? now);
  return new Promise((resolve) => {
    new PerformanceObserver((entries) => {
      const painted = entries.getEntriesByName(FIRST_PAINT)[0];
      if (painted) resolve(painted.startTime);
    }).observe({ type: "paint" });
    setTimeout(() => resolve(now), HAND_OVER_MS); // a splash never painted
  });
}

const splashOver = splashPaintedAt().then((paintedAt) => new Promise((resolve) =>
  setTimeout(resolve, HAND_OVER_MS - (performance.now() - paintedAt))));

// On the site the engine is fetched by the page's version and taken only with that version's
// bytes; the single file carries it inside, as base64.
const digests = document.getElementById("loaded");
const engine = digests
  ? fetch(`morvane101.wasm?v=${document.documentElement.dataset.version}`,
    { integrity: JSON.parse(digests.textContent)["morvane101.wasm"] })
    .then((response) => (response.ok ? response.arrayBuffer() : Promise.reject(new Error(response.statusText))))
  : Promise.resolve(Uint8Array.from(atob(document.getElementById("engine").textContent), (c) => c.charCodeAt(0)));
const boardReady = new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)))
  .then(async () => createPairingBoard({ wasmBinary: await engine }));

// A live region speaks each new text; the same text again is a new node, spoken again.
function say(region, text) {
  region.replaceChildren(document.createTextNode(text));
}

// What follows a breeder's choice; the instruction, if it is still to come, is no longer news.
let instructionPending;
function announce(text) {
  clearTimeout(instructionPending);
  say(announcer, text);
}

function render(board) {
  for (const input of boxes) {
    input.checked = board._morvane_value(boxNumber(input)) === 1;
    input.disabled = !board._morvane_enabled(boxNumber(input));
  }
  const text = board.UTF8ToString(board._morvane_answer());
  if (answer.textContent !== text) answer.textContent = text;
}

function endProgram() {
  window.close(); // closes an installed app's window; a tab stays, so show it closed
  const closed = document.getElementById("closed");
  document.querySelector("main").replaceChildren(closed);
  closed.hidden = false;
  // The focus was on what is gone: it goes to what is said, which screen readers then read
  // even where the alert is lost among the page's changes; once the note is drawn, so that
  // they find it where the focus says.
  requestAnimationFrame(() => setTimeout(() => closed.focus()));
}

function start(board) {
  for (const input of boxes) {
    input.addEventListener("change", () => {
      board._morvane_set_value(boxNumber(input), input.checked ? 1 : 0);
      render(board);
      announce(board.UTF8ToString(board._morvane_choices_after(boxNumber(input))));
    });
    input.addEventListener("keydown", (event) => {
      const arrow = ARROWS.indexOf(event.key);
      if (arrow < 0 || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
      event.preventDefault(); // at the edge the focus stays, and the page does not scroll
      const reached = board._morvane_box_reached(boxNumber(input), arrow);
      if (reached) boxInput(reached).focus();
    });
  }
  mainView.querySelector('[data-role="reset"]').addEventListener("click", () => {
    board._morvane_reset();
    render(board);
    announce(board.UTF8ToString(board._morvane_after_reset()));
  });
  const thanks = document.getElementById("thanks");
  mainView.querySelector('[data-role="close"]').addEventListener("click", () => thanks.showModal());
  // Return presses OK wherever the box has the focus, as in a desktop message box: a screen
  // reader that reads the note may move the focus from OK to the box (Orca 48 in Chromium).
  thanks.addEventListener("keydown", (event) => {
    if (event.key === "Enter" && event.target === thanks) thanks.close();
  });
  thanks.addEventListener("close", endProgram);
  render(board);
  splash.hidden = true;
  mainView.hidden = false;
  mainView.querySelector("[data-initial-focus]").focus();
  // Screen readers read the focused button, but not what describes the view it is in: it
  // is said after them, once the view's opening is over.
  const instruction = document.getElementById(mainView.getAttribute("aria-describedby"));
  instructionPending = setTimeout(() => say(announcer, instruction.textContent),
    Number(mainView.dataset.descriptionDelayMs));
  keepForOffline();
}

// Once the page has all it needs, its worker keeps the site, mostly from what the browser
// has just fetched. Without it the page works all the same, only not offline: nothing to say.
function keepForOffline() {
  if ("serviceWorker" in navigator && location.protocol.startsWith("http")) {
    // Where the browser checks what names a script to run, the worker's own name passes.
    const worker = window.trustedTypes?.createPolicy("worker", {
      createScriptURL: (name) => {
        if (name !== "sw.js") throw new TypeError(`${name} is not the page's worker`);
        return name;
      },
    });
    navigator.serviceWorker.register(worker?.createScriptURL("sw.js") ?? "sw.js").catch(() => {});
  }
}

// An old browser, a file cut short or a fault of ours: the splash says so rather than stay.
function cannotStart() {
  const status = document.getElementById("Form1-status");
  say(status, status.dataset.cannotStart);
}

Promise.all([boardReady, splashOver]).then(([board]) => start(board)).catch(cannotStart);
