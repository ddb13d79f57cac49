/* SPDX-License-Identifier: GPL-3.0-or-later */
// The player's input as the session's events: the grid's mouse, touch and
// keys, the window's keys, the address, and the page being hidden or left.
"use strict";

// ---- The grid's mouse, touch and keys ---------------------------------------

function cellOf(event) {
  const cell = event.target.closest("[data-cell]");
  return cell ? Number(cell.dataset.cell) : -1;
}

// A declaration is a double click: its click, then the double click.
function declare(index) {
  send("GridClick", index);
  send("GridDoubleClick", index);
}

function wireGrid() {
  const grid = $("grid");
  grid.addEventListener("click", (event) => {
    const index = cellOf(event);
    if (index < 0 || event.detail > 1) return;
    if (page.pressedLong) page.pressedLong = false;
    else if (page.tapDeclares) declare(index);
    else send("GridClick", index);
  });
  grid.addEventListener("dblclick", (event) => {
    const index = cellOf(event);
    if (index >= 0 && !page.tapDeclares) send("GridDoubleClick", index);
  });
  // A long press on a touch screen declares; a finger that moves away scrolls.
  const stop = () => clearTimeout(page.longPress);
  let start = null;
  grid.addEventListener("pointerdown", (event) => {
    const index = cellOf(event);
    if (event.pointerType !== "touch" || index < 0) return;
    page.pressedLong = false;
    start = [event.clientX, event.clientY];
    page.longPress = setTimeout(() => {
      page.pressedLong = true;
      declare(index);
    }, 500);
  });
  grid.addEventListener("pointermove", (event) => {
    if (start && Math.hypot(event.clientX - start[0], event.clientY - start[1]) > 10) stop();
  });
  for (const end of ["pointerup", "pointercancel", "pointerleave"]) grid.addEventListener(end, stop);
  grid.addEventListener("contextmenu", (event) => event.preventDefault());
  const keys = { ArrowUp: "Up", ArrowDown: "Down", ArrowLeft: "Left", ArrowRight: "Right", Home: "Home",
    End: "End", " ": "Space", Enter: "Enter" };
  grid.addEventListener("keydown", (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    const named = keys[event.key];
    const digit = /^[0-9]$/.test(event.key) ? Number(event.key) : -1;
    if (!named && digit < 0) return;
    event.preventDefault();
    const G = page.glue.GridKey;
    send("GridKey", named ? G[named].value : G.Digit.value + digit);
  });
}

// The desktop's keys for the buttons, where a browser leaves them free.
function wireKeys() {
  document.addEventListener("keydown", (event) => {
    if (document.querySelector("dialog[open]")) return;
    const typing = /^(INPUT|SELECT|TEXTAREA)$/.test(document.activeElement.tagName);
    const ctrl = (event.ctrlKey || event.metaKey) && !event.altKey;
    const key = event.key.toLowerCase();
    let command = null;
    if (ctrl && key === "z") command = event.shiftKey ? "Redo" : "Undo";
    else if (ctrl && key === "y") command = "Redo";
    else if (ctrl && key === "h") command = "Hint";
    else if (ctrl && key === "i") command = "PlayCode";
    else if (ctrl && key === "c" && !typing && String(getSelection()) === "") command = "CopyCode";
    else if (event.key === "F1") command = "HelpKey";
    else if (!ctrl && !event.altKey && key === "p" && !typing) command = "Pause";
    if (!command) return;
    event.preventDefault();
    if (command === "CopyCode" || command === "HelpKey") send(command);
    else press(command);
  });
}

// ---- The page's life --------------------------------------------------------

// #code=CODE and #daily=YYYY-MM-DD name a puzzle; the address then goes
// back to the page's own, so that a reload continues the game. The puzzle
// is asked for once what the start had to say is answered.
function followAddress() {
  const found = /^#(code|daily)=(.*)$/.exec(location.hash);
  if (!found) return;
  history.replaceState(null, "", location.pathname + location.search);
  page.link = [found[1] === "code" ? "LinkCode" : "LinkDate", decodeURIComponent(found[2])];
  followLink();
}

function followLink() {
  const view = page.view;
  if (!page.link || view.prompt || view.dialog.kind) return;
  const [kind, text] = page.link;
  page.link = null;
  send(kind, 0, text);
}

function wireLife() {
  // A hidden page stands its clock; a page hidden or left may not come
  // back, so the unfinished game is kept at once.
  document.addEventListener("visibilitychange", () => {
    send("Minimised", document.hidden ? 1 : 0);
    if (document.hidden) send("Keep");
  });
  addEventListener("pagehide", () => send("Keep"));
  addEventListener("hashchange", followAddress);
  setInterval(() => send("Tick"), 500);
  setTimeout(() => send("StartUpTimer"), 500);
  $("cover").addEventListener("click", () => press("Pause"));
  $("maker").addEventListener("click", () => send("MakerLink"));
}
