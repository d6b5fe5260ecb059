// Morvane 101 in the browser: the splash for two seconds, then the main view. Every tick
// goes to the pairing board compiled from the desktop program's C++, and the page then
// shows what the board holds: ticks, enabled boxes and the answer. No rule of the
// pairings lives here.
"use strict";

const HAND_OVER_MS = 2000;
// The main view paints at the frame after its timer, so the timer runs a frame short.
const FRAME_MS = 16;

const splash = document.getElementById("Form1");
const mainView = document.getElementById("Form3");
const answer = document.getElementById("answer");
const boxes = [...mainView.querySelectorAll(".box input")];
const boxNumber = (input) => Number(input.parentElement.id.slice("Check".length));

// The splash stays for two seconds from its first paint, which may be behind us already
// (the site loads this script after it); the board's WebAssembly is compiled meanwhile.
const splashPainted = new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)))
  .then(() => performance.getEntriesByName("first-contentful-paint")[0]?.startTime ?? performance.now());
const splashOver = splashPainted.then((paintedAt) => new Promise((resolve) =>
  setTimeout(resolve, HAND_OVER_MS - FRAME_MS - (performance.now() - paintedAt))));
const boardReady = splashPainted.then(() => createPairingBoard());

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
  closed.hidden = false;
  document.querySelector("main").replaceChildren(closed);
}

function start(board) {
  for (const input of boxes) {
    input.addEventListener("change", () => {
      board._morvane_set_value(boxNumber(input), input.checked ? 1 : 0);
      render(board);
    });
  }
  document.getElementById("Command3").addEventListener("click", () => {
    board._morvane_reset();
    render(board);
  });
  const thanks = document.getElementById("thanks");
  document.getElementById("Command1").addEventListener("click", () => thanks.showModal());
  thanks.addEventListener("close", endProgram);
  render(board);
  splash.hidden = true;
  mainView.hidden = false;
  document.getElementById("Command1").focus();
}

Promise.all([boardReady, splashOver]).then(([board]) => start(board));

if ("serviceWorker" in navigator && location.protocol.startsWith("http")) {
  navigator.serviceWorker.register("sw.js");
}
