// SPDX-License-Identifier: GPL-3.0-or-later
// The note under the grid: rich text with the symbols as pictures, its
// links, the frames it puts on the grid, and a supposition's steps.
#include <QTimer>
#include <algorithm>

#include "i18n/cls_catalogue.h"
#include "platform/ansi_text.h"
#include "session/accessible_texts.h"
#include "windows/frm_symbol.h"
#include "windows/note_view.h"
#include "windows/picture_cell.h"
#include "windows/steps_dialog.h"

namespace glyph {

namespace {

constexpr int kNoteDelayMs = 30;

}  // namespace

// A note's text as rich text: escaped, each {S3} a picture of the symbol
// drawn at this screen's density, and as a screen reader hears it.
frmSymbol::RichNote frmSymbol::MakeRichNote(const std::string& text, int style) {
  RichNote rich{FromAnsi(text).toHtmlEscaped().replace("\n", "<br>"), FromAnsi(text), {}};
  const int side = note_->fontMetrics().height() + 2;
  for (int s = 0; s < 10; ++s) {
    const QString token = QString("{S%1}").arg(s);
    if (!rich.html.contains(token)) continue;
    const QString name = QString("symbol%1").arg(s);
    const QString path = frmAllSymbols::PicturePath(style, BoardPicture{PictureKind::Symbol, s});
    rich.pictures.emplace_back(name, store_.Render(path, QSize(side, side), devicePixelRatioF()));
    rich.html.replace(token, QString("<img src=\"%1\" width=%2 height=%2>").arg(name).arg(side));
    // A screen reader hears the symbols by their names.
    rich.spoken.replace(token, FromAnsi(SymbolName(services_.catalogue, style, s)));
  }
  return rich;
}

void frmSymbol::ShowSteps() {
  std::string lines;
  for (const std::string& line : noteShown_.steps) lines += line + "\n";
  RichNote rich = MakeRichNote(lines, noteStyle_);
  rich.html = "<p>" + rich.html.replace("\n", "</p><p>") + "</p>";
  ShowStepsDialog(this, FromAnsi(session_.Game().Text("strTitSteps", "The supposition step by step")), rich.html,
                  rich.pictures);
}

// The note as rich text, and a link to a supposition's steps.
void frmSymbol::ShowNote(const GridNote& note, int style) {
  if (note == noteShown_ && style == noteStyle_) return;
  if (!isVisible()) {
    // Laid out once the window is up: the first note does not hold up the
    // window's first appearance. A short wait, not a zero one, so that the
    // event loop first sends the window to the display. One wait at a time.
    if (!notePending_) {
      notePending_ = true;
      QTimer::singleShot(kNoteDelayMs, this, [this] {
        notePending_ = false;
        if (isVisible()) ShowNote(session_.View().note, session_.View().board.style);
      });
    }
    return;
  }
  noteShown_ = note;
  noteStyle_ = style;
  RichNote rich = MakeRichNote(note.text, style);
  const auto addLink = [&](const char* href, const char* key, const char* english) {
    const QString link = FromAnsi(session_.Game().Text(key, english));
    rich.html += QString(" <a href=\"%1\">%2</a>").arg(href, link.toHtmlEscaped());
    rich.spoken += " " + link;
  };
  if (!note.steps.empty()) addLink("steps", "strHintShowSteps", "Show the steps");
  if (note.offerGuide) rich.html += "<br>";
  if (note.offerGuide) addLink("guide", "strGuideOffer", "New to the game? Play a short guided game.");
  if (note.inGuide) addLink("leave", "strGuideLeave", "Leave the guided game");
  if (note.offerNewGame) addLink("new", "strNoteNewGame", "New game");
  note_->SetNote(rich.html, rich.pictures);
  note_->setAccessibleName(rich.spoken);
  const auto holds = [](const std::vector<int>& cells, int index) {
    return std::find(cells.begin(), cells.end(), index) != cells.end();
  };
  for (clsGridCell* cell : raster_) {
    cell->SetNoteFrame(holds(note.cells, cell->Index())   ? clsGridCell::NoteFrame::Step
                       : holds(note.basis, cell->Index()) ? clsGridCell::NoteFrame::Basis
                                                          : clsGridCell::NoteFrame::None);
  }
}

}  // namespace glyph
