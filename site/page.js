/* SPDX-License-Identifier: GPL-3.0-or-later */
// The page: paints every view the game's session publishes, and turns the
// player's clicks, taps and keys into the session's events. The rules of
// the game are the session's (compiled to WebAssembly from the desktop
// game's own code); this file only shows and forwards.
"use strict";

const page = {
  glue: null, // the WebAssembly module that holds the session
  texts: {}, // the page's captions in the current language
  view: null, // the last view painted
  textsVersion: -1,
  focusVersion: -1,
  noteShown: null,
  buttons: new Map(), // command number to its button
  tapDeclares: false,
  longPress: null,
  pressedLong: false,
  link: null, // the puzzle the address names, until it can be asked for
};

// Where the main window puts its pictures, in the pixels of its design
// (its panels measured in twips, 15 to a pixel): the page scales the same
// design to its width.
const BOARD = { width: 379, height: 145, cell: 25, pitch: 30, columns: [6, 144, 282], rows: [6, 72, 111],
  opVert: 105, equals: 243, opHorzTop: 39, rule: [6, 104, 363, 2] };
const GRID = { width: 379, height: 304, header: 40, headLeft: 3, cellLeft: 45, cellPitch: 33, top: 3,
  rowPitch: 30, cell: 28 };

const $ = (id) => document.getElementById(id);

function element(tag, className, parent) {
  const made = document.createElement(tag);
  if (className) made.className = className;
  if (parent) parent.append(made);
  return made;
}

// A box placed as the design places it, in shares of its panel.
function place(box, left, top, width, height, panel) {
  box.style.left = `${(100 * left) / panel.width}%`;
  box.style.top = `${(100 * top) / panel.height}%`;
  box.style.width = `${(100 * width) / panel.width}%`;
  box.style.height = `${(100 * height) / panel.height}%`;
}

function setPicture(image, address, name) {
  if (image.getAttribute("src") !== address) {
    if (address) image.setAttribute("src", address);
    else image.removeAttribute("src");
  }
  image.hidden = !address;
  if (name !== undefined && image.alt !== name) image.alt = name;
}

// ---- Building the board and the grid ------------------------------------

const VERDICT = `<svg class="verdict" viewBox="0 0 100 100" aria-hidden="true">
  <circle cx="75" cy="75" r="22.9" fill="#fff" stroke="#000" stroke-width="4.2"/>
  <polyline class="right" points="63.5,76 71.5,84 87,66.5"/>
  <path class="wrong" d="M66 66 L84 84 M84 66 L66 84"/></svg>`;

function boardCell(left, top, size) {
  const cell = element("div", "picture", $("board"));
  place(cell, left, top, size, size, BOARD);
  element("img", null, cell);
  cell.insertAdjacentHTML("beforeend", VERDICT);
  return cell;
}

function buildBoard() {
  const cells = { digits: [], opVert: [], opHorz: [], equals: [] };
  for (let k = 0; k < 9; ++k) {
    cells.digits.push([0, 1, 2].map((p) =>
      boardCell(BOARD.columns[k % 3] + p * BOARD.pitch, BOARD.rows[Math.floor(k / 3)], BOARD.cell)));
  }
  for (let i = 0; i < 3; ++i) {
    cells.opVert.push(boardCell(BOARD.opVert, BOARD.rows[i], BOARD.cell));
    cells.equals.push(boardCell(BOARD.equals, BOARD.rows[i], BOARD.cell));
    cells.opHorz.push(boardCell(BOARD.columns[i] + BOARD.pitch, BOARD.opHorzTop, BOARD.cell));
  }
  place($("rule"), ...BOARD.rule, BOARD);
  page.board = cells;
}

function buildGrid() {
  const grid = $("grid");
  place($("gridHeader"), 0, 0, GRID.header, GRID.height, GRID);
  element("span", "corner", $("digits")).setAttribute("role", "columnheader");
  page.digitHeads = [];
  for (let d = 0; d < 10; ++d) {
    const head = element("span", null, $("digits"));
    head.setAttribute("role", "columnheader");
    page.digitHeads.push(head);
  }
  page.symbolHeads = [];
  page.cells = [];
  for (let s = 0; s < 10; ++s) {
    const row = element("div", "row", grid);
    row.setAttribute("role", "row");
    place(row, 0, GRID.top + s * GRID.rowPitch, GRID.width, GRID.cell, GRID);
    const head = element("div", "head", row);
    head.setAttribute("role", "rowheader");
    place(head, GRID.headLeft, 0, GRID.cell, GRID.cell, { width: GRID.width, height: GRID.cell });
    element("img", null, head);
    page.symbolHeads.push(head);
    for (let d = 0; d < 10; ++d) {
      const cell = element("div", "cell", row);
      cell.id = `cell-${10 * s + d}`;
      cell.dataset.cell = 10 * s + d;
      cell.setAttribute("role", "gridcell");
      place(cell, GRID.cellLeft + d * GRID.cellPitch, 0, GRID.cell, GRID.cell, { width: GRID.width, height: GRID.cell });
      element("img", null, cell).alt = "";
      page.cells.push(cell);
    }
  }
}

// ---- Painting a view --------------------------------------------------------

function paintCell(cell, shown) {
  cell.style.backgroundColor = shown.back;
  setPicture(cell.firstChild, shown.picture, shown.name);
  cell.classList.toggle("right", shown.mark === 1);
  cell.classList.toggle("wrong", shown.mark === 2);
  cell.classList.toggle("cursorSymbol", !!shown.cursorSymbol);
}

function paintBoard(board) {
  $("board").style.backgroundColor = board.panel;
  $("rule").style.backgroundColor = board.rule;
  board.digits.forEach((number, k) => number.forEach((shown, p) => paintCell(page.board.digits[k][p], shown)));
  for (const row of ["opVert", "opHorz", "equals"]) {
    board[row].forEach((shown, i) => paintCell(page.board[row][i], shown));
  }
}

function paintGrid(view) {
  const { board, grid, note } = view;
  $("grid").style.backgroundColor = board.gridBack;
  $("gridHeader").style.backgroundColor = board.header;
  board.symbols.forEach((shown, s) => {
    const head = page.symbolHeads[s];
    head.style.backgroundColor = shown.back;
    setPicture(head.firstChild, shown.picture, shown.name);
  });
  grid.digitNames.forEach((name, d) => { page.digitHeads[d].textContent = name; });
  const step = new Set(note.cells);
  const basis = new Set(note.basis);
  page.cells.forEach((cell, i) => {
    setPicture(cell.firstChild, grid.pictures[i]);
    if (cell.getAttribute("aria-label") !== grid.names[i]) cell.setAttribute("aria-label", grid.names[i]);
    cell.classList.toggle("step", step.has(i));
    cell.classList.toggle("basis", !step.has(i) && basis.has(i));
    cell.classList.toggle("cursor", i === view.gridCursor);
  });
  $("grid").setAttribute("aria-activedescendant", `cell-${view.gridCursor}`);
}

function paintButtons(view) {
  for (const [command, button] of page.buttons) {
    const shown = view.buttons[command];
    button.hidden = !shown.visible;
    button.disabled = !shown.enabled;
  }
  $("copyLink").disabled = !view.code;
}

// A note's text as the page shows it: each {S3} the symbol's picture,
// named for a screen reader.
function noteHtml(text, board) {
  const escaped = text.replace(/[&<>"]/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" })[c]);
  return escaped.replace(/\{S(\d)\}/g, (_, s) =>
    `<img class="symbol" src="${board.symbolPictures[s]}" alt="${board.symbolNames[s]}">`).replace(/\n/g, "<br>");
}

function noteLink(box, caption, action) {
  box.append(" ");
  const link = element("button", "link", box);
  link.type = "button";
  link.textContent = caption;
  link.addEventListener("click", action);
}

// Painted again only when it changes, so that a screen reader hears a note
// once.
function paintNote(view) {
  const { note, board } = view;
  const key = JSON.stringify([note, board.style, board.dark, page.textsVersion]);
  if (key === page.noteShown) return;
  page.noteShown = key;
  const box = $("note");
  box.innerHTML = noteHtml(note.text, board);
  const t = page.texts;
  if (note.steps.length > 0) noteLink(box, t.showSteps, () => showSteps(page.view.note.steps, page.view.board));
  if (note.offerGuide) box.append(element("br"));
  if (note.offerGuide) noteLink(box, t.guideOffer, () => press("Guide"));
  if (note.inGuide) noteLink(box, t.guideLeave, () => press("LeaveGuide"));
  if (note.offerNewGame) noteLink(box, t.noteNewGame, () => press("New"));
}

function paintStatus(view) {
  $("code").textContent = view.code ? `${page.texts.code} ${view.code}` : "";
  $("clock").textContent = view.clock;
  $("clock").setAttribute("aria-label", `${page.texts.clock} ${view.clock}`);
  const cover = $("cover");
  if (cover.hidden === view.paused) {
    cover.hidden = !view.paused;
    if (view.paused) cover.focus();
    else $("grid").focus();
  }
}

function paint(view) {
  page.view = view;
  if (view.textsVersion !== page.textsVersion) applyTexts(view.textsVersion);
  document.title = view.title;
  document.documentElement.classList.toggle("dark", view.board.dark);
  paintBoard(view.board);
  paintGrid(view);
  paintButtons(view);
  paintNote(view);
  paintStatus(view);
  showPrompt(view.prompt);
  showDialog(view.dialog);
  if (page.link) setTimeout(followLink);
  if (view.gridFocusVersion !== page.focusVersion) {
    page.focusVersion = view.gridFocusVersion;
    if (!view.prompt && !view.dialog.kind) $("grid").focus();
  }
}

// ---- Texts ----------------------------------------------------------------

function applyTexts(version) {
  const t = (page.texts = page.glue.texts());
  page.textsVersion = version;
  page.noteShown = null;
  document.documentElement.lang = t.languageCode;
  $("board").setAttribute("aria-label", t.puzzle);
  $("grid").setAttribute("aria-label", t.grid);
  $("grid").title = t.gridTip;
  $("cover").textContent = t.paused;
  $("controls").setAttribute("aria-label", t.controls);
  $("maker").textContent = t.productHost;
  $("maker").title = t.makerTip;
  buildButtons();
}

// ---- Buttons ----------------------------------------------------------------

// What a page cannot do as the desktop does: files of its own, and quitting.
const NOT_ON_A_PAGE = new Set(["Save", "Load", "Close"]);

function makeButton(parent, caption, tip, action) {
  const button = element("button", null, parent);
  button.type = "button";
  button.textContent = caption;
  button.title = tip;
  button.addEventListener("click", action);
  // A click leaves the keyboard with the grid, as in the main window; Tab
  // still reaches every button.
  button.addEventListener("mousedown", (event) => {
    if (document.activeElement === $("grid")) event.preventDefault();
  });
  return button;
}

function buildButtons() {
  const box = $("buttons");
  box.textContent = "";
  page.buttons.clear();
  const t = page.texts;
  let group = null;
  let pair = null; // the row a half-left button opened for its partner
  for (const b of page.glue.buttonTexts()) {
    const name = commandName(b.command);
    if (!group || b.gapBefore) {
      group = element("div", "group", box);
      pair = null;
    }
    if (NOT_ON_A_PAGE.has(name)) continue;
    let parent = group;
    if (pair) {
      parent = pair;
      pair = null;
    } else if (b.halfLeft) {
      parent = pair = element("div", "pair", group);
    }
    const button = makeButton(parent, b.caption, name === "Print" ? t.printTip : b.tip, () => onButton(name));
    if (b.key) button.accessKey = b.key.toLowerCase();
    button.dataset.command = name;
    page.buttons.set(b.command, button);
    if (name === "PlayCode") makeButton(group, t.copyLink, t.copyLinkTip, copyLink).id = "copyLink";
  }
  // On a touch screen, first: whether a tap declares.
  if (matchMedia("(pointer: coarse)").matches) {
    const tap = makeButton(null, t.tapDeclares, t.tapDeclaresTip, () => {
      page.tapDeclares = !page.tapDeclares;
      tap.setAttribute("aria-pressed", page.tapDeclares);
    });
    tap.id = "tapDeclares";
    tap.setAttribute("aria-pressed", page.tapDeclares);
    box.prepend(element("div", "group"));
    box.firstChild.append(tap);
  }
  if (page.view) paintButtons(page.view);
}

function commandName(number) {
  return Object.keys(page.glue.Command).find((name) => page.glue.Command[name].value === number);
}

function press(name) {
  page.glue.press(page.glue.Command[name]);
}

function send(kind, number = 0, text = "") {
  page.glue.send(page.glue.EventKind[kind], number, text);
}

function onButton(name) {
  if (name === "Print") return window.print();
  if (name === "NetworkGame") return pageMessage(page.texts.racesTitle, noteHtml(page.texts.races, page.view.board));
  press(name);
}

function say(text) {
  $("said").textContent = text;
}

// The address that opens this puzzle on any copy of the page.
function copyLink() {
  const address = new URL(location.href);
  address.search = "";
  address.hash = `code=${page.view.code}`;
  copyText(address.href);
}

function copyText(text) {
  const t = page.texts;
  const shown = () => say(t.copyThis.replace("%1", text));
  if (!navigator.clipboard) return shown();
  navigator.clipboard.writeText(text).then(() => say(t.copied.replace("%1", text)), shown);
}

// ---- Starting ---------------------------------------------------------------

GlyphmaticModule({
  openPage: (address) => window.open(address, "_blank", "noopener"),
  copyText,
}).then((glue) => {
  page.glue = glue;
  buildBoard();
  buildGrid();
  wireGrid();
  wireKeys();
  wireDialogs();
  glue.start(navigator.language || "en", paint);
  followAddress();
  wireLife();
  $("game").removeAttribute("aria-busy");
  document.body.dataset.ready = "true";
  performance.mark("glyphmatic-first-board");
  if (!page.view.prompt && !page.view.dialog.kind) $("grid").focus();
}, (error) => {
  // A browser without WebAssembly: the page says so rather than stay blank
  // (in English: the language files are read by the WebAssembly).
  $("note").textContent = `Glyphmatic cannot start in this browser: ${error}`;
});
