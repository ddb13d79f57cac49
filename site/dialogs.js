/* SPDX-License-Identifier: GPL-3.0-or-later */
// The session's questions, messages and dialogs, shown over the page as
// HTML dialogs. Nothing waits for them: each answer goes back to the
// session as an event, and the next view closes what no longer applies.
"use strict";

const shown = { prompt: 0, dialog: 0, dialogView: "" };

// Buttons for a dialog's foot: [caption, action] each; returns them.
function answers(box, list) {
  box.textContent = "";
  return list.map(([caption, action]) => makeButton(box, caption, "", action));
}

function showPrompt(prompt) {
  const box = $("prompt");
  if (!prompt) {
    shown.prompt = 0;
    if (box.open) box.close();
    return;
  }
  if (prompt.id === shown.prompt && box.open) return;
  shown.prompt = prompt.id;
  $("promptTitle").textContent = prompt.title;
  $("promptText").textContent = prompt.text;
  box.dataset.icon = prompt.icon;
  const t = page.texts;
  const answer = (yes) => page.glue.answer(prompt.id, yes);
  const buttons = answers(box.querySelector(".answers"),
    prompt.question ? [[t.yes, () => answer(true)], [t.no, () => answer(false)]] : [[t.ok, () => answer(true)]]);
  // Escape says No, or OK to a message.
  box.oncancel = (event) => {
    event.preventDefault();
    answer(!prompt.question);
  };
  if (!box.open) box.showModal();
  (prompt.question && !prompt.yesPreselected ? buttons[1] : buttons[0]).focus();
}

function showDialog(dialog) {
  const box = $("dialog");
  if (!dialog.kind) {
    shown.dialog = 0;
    if (box.open) box.close();
    return;
  }
  const key = JSON.stringify(dialog);
  if (dialog.id === shown.dialog && key === shown.dialogView) return;
  const fresh = dialog.id !== shown.dialog;
  shown.dialog = dialog.id;
  shown.dialogView = key;
  const build = DIALOGS[dialog.kind];
  const cancel = () => page.glue.answerDialog(dialog.id, false, "", 0);
  // A builder returns what takes the keyboard. A dialog the page cannot show (files, printers, the network) is
  // cancelled once this view is painted.
  if (!build) return setTimeout(cancel, 0);
  $("dialogBody").textContent = "";
  box.dataset.kind = dialog.kind;
  box.oncancel = (event) => {
    event.preventDefault();
    cancel();
  };
  const first = build(dialog, $("dialogBody"), box.querySelector(".answers"), cancel, fresh);
  if (!box.open) box.showModal();
  if (first) {
    first.focus();
    if (first.select) first.select();
  }
}

function field(body, caption, control) {
  const label = element("label", "field", body);
  element("span", null, label).textContent = caption;
  label.append(control);
  return control;
}

function choice(body, caption, names, selected) {
  const list = document.createElement("select");
  names.forEach((name, i) => {
    const option = element("option", null, list);
    option.value = i;
    option.textContent = name;
  });
  list.selectedIndex = selected;
  return field(body, caption, list);
}

function textField(body, caption, value) {
  const input = document.createElement("input");
  input.type = "text";
  input.value = value;
  input.autocomplete = "off";
  return field(body, caption, input);
}

// A text typed and confirmed with OK or Enter.
function typedDialog(title, caption, dialog, body, foot, cancel, confirm) {
  const t = page.texts;
  $("dialogTitle").textContent = title;
  const input = textField(body, caption, dialog.text);
  if (dialog.error) {
    const error = element("p", "error", body);
    error.setAttribute("role", "alert");
    error.textContent = dialog.error;
    input.setAttribute("aria-invalid", "true");
  }
  const ok = () => confirm(input.value);
  input.addEventListener("keydown", (event) => {
    if (event.key === "Enter") ok();
  });
  answers(foot, [[t.ok, ok], [t.cancel, cancel]]);
  return input;
}

const DIALOGS = {
  playCode(dialog, body, foot, cancel) {
    const t = page.texts;
    return typedDialog(t.playCodeTitle, t.askCode, dialog, body, foot, cancel,
      (text) => page.glue.answerDialog(dialog.id, true, text, 0));
  },

  bookmarkName(dialog, body, foot, cancel) {
    const t = page.texts;
    return typedDialog(t.bookmarkTitle, t.bookmarkName, dialog, body, foot, cancel,
      (text) => page.glue.answerDialog(dialog.id, true, text, 0));
  },

  bookmarks(dialog, body, foot, cancel) {
    const t = page.texts;
    $("dialogTitle").textContent = t.bookmarksTitle;
    const list = choice(body, t.bookmarks, dialog.items, Math.min(dialog.selected, dialog.items.length - 1));
    list.size = Math.max(2, Math.min(8, dialog.items.length));
    const name = textField(body, t.bookmarkName, "");
    const row = () => list.selectedIndex;
    list.addEventListener("change", () => { name.value = dialog.items[row()] || ""; });
    name.value = dialog.items[row()] || "";
    answers(foot, [
      [t.ok, () => page.glue.answerDialog(dialog.id, true, "", row())],
      [t.rename, () => send("BookmarkRename", row(), name.value)],
      [t.remove, () => send("BookmarkRemove", row())],
      [t.cancel, cancel],
    ]);
    return list;
  },

  options(dialog, body, foot, cancel) {
    const t = page.texts;
    const o = page.glue.options();
    $("dialogTitle").textContent = t.optionsTitle;
    const style = choice(body, t.style, o.styles, o.style);
    const language = choice(body, t.language, o.languages, o.language);
    const colours = choice(body, t.colours, o.colours, o.colour);
    const difficulty = choice(body, t.difficulty, o.difficulties, o.difficulty);
    const label = element("label", "check", body);
    const continueGame = element("input", null, label);
    continueGame.type = "checkbox";
    continueGame.checked = o.continueGame;
    label.append(t.continue);
    answers(foot, [
      [t.ok, () => page.glue.confirmOptions(style.selectedIndex, language.selectedIndex, colours.selectedIndex,
        difficulty.selectedIndex, continueGame.checked)],
      [t.cancel, cancel],
    ]);
    return style;
  },

  statistics(dialog, body, foot, cancel) {
    const t = page.texts;
    const record = page.glue.statistics();
    $("dialogTitle").textContent = t.statisticsTitle;
    const names = [t.easy, t.medium, t.hard, t.expert, t.several, t.daily];
    if (record.newBest >= 0) {
      const best = element("p", "record", body);
      best.textContent = t.newBest.replace("%1", record.categories[record.newBest].best)
        .replace("%2", names[record.newBest]);
    }
    const scroll = element("div", "scroll", body);
    const table = element("table", null, scroll);
    table.setAttribute("aria-label", t.statisticsTitle);
    const head = element("tr", null, element("thead", null, table));
    element("td", null, head);
    for (const name of names) element("th", null, head).textContent = name;
    const rows = element("tbody", null, table);
    const figures = [["started", "started"], ["solved", "solved"], ["clean", "clean"], ["run", "currentRun"],
      ["longest", "longestRun"], ["best", "best"], ["median", "median"]];
    for (const [caption, value] of figures) {
      const row = element("tr", null, rows);
      const th = element("th", null, row);
      th.scope = "row";
      th.textContent = t[caption];
      for (const category of record.categories) element("td", null, row).textContent = category[value];
    }
    // The last solves of a category: the new best's, or the first with any.
    let first = record.newBest;
    if (first < 0) first = Math.max(0, record.categories.findIndex((c) => c.solved > 0));
    const chooser = choice(body, t.last, names, first);
    const chart = element("div", "chart", body);
    const draw = () => drawChart(chart, record.categories[chooser.selectedIndex]);
    chooser.addEventListener("change", draw);
    draw();
    return answers(foot, [[t.close, cancel]])[0];
  },
};

// The times of the last solves as bars, oldest first, the best marked.
function drawChart(box, category) {
  const t = page.texts;
  box.textContent = "";
  const times = category.last;
  if (times.length === 0) {
    box.textContent = "\u2013";
    return;
  }
  const longest = Math.max(1, ...times);
  const best = times.indexOf(Math.min(...times));
  const bars = times.map((seconds, i) => {
    const height = Math.max(1, (80 * seconds) / longest);
    return `<rect x="${12 + i * 9.2}" y="${92 - height}" width="7" height="${height}"
      class="${i === best ? "best" : ""}"><title>${category.lastTexts[i]}</title></rect>`;
  });
  box.innerHTML = `<svg viewBox="0 0 300 104" role="img">
    <text x="10" y="9" text-anchor="end" class="scale">${category.lastTexts[times.indexOf(longest)] || ""}</text>
    <line x1="11" y1="12" x2="11" y2="92"/><line x1="11" y1="92" x2="290" y2="92"/>${bars.join("")}
    <text x="${16 + best * 9.2}" y="102" class="scale">${t.bestMark} ${category.lastTexts[best]}</text></svg>
    <p class="axis">${t.oldestFirst}</p>`;
  box.firstChild.setAttribute("aria-label", category.lastTexts.join(", "));
}

// A text of the page's own, or a supposition's steps, over the page.
function pageMessage(title, html) {
  $("stepsTitle").textContent = title;
  $("stepsBody").innerHTML = html;
  $("stepsClose").textContent = page.texts.close;
  $("steps").showModal();
  $("stepsClose").focus();
}

function showSteps(lines, board) {
  pageMessage(page.texts.stepsTitle, lines.map((line) => `<p>${noteHtml(line, board)}</p>`).join(""));
}

function wireDialogs() {
  $("stepsClose").addEventListener("click", () => $("steps").close());
  // Back to the grid once no dialog is left open.
  for (const box of document.querySelectorAll("dialog")) {
    box.addEventListener("close", () => {
      if (!document.querySelector("dialog[open]") && page.view && $("cover").hidden) $("grid").focus();
    });
  }
}
