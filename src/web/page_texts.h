// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace glyph {

class clsCatalogue;

// A text the page shows of its own (a caption, a name for a screen reader,
// a dialog's label): the catalogue's module and key, and the English text.
// The page asks for them by id, in the current language; it holds no text
// table of its own.
struct PageText {
  const char* id;
  const char* module;
  const char* key;
  const char* english;
};

inline constexpr char kWebModule[] = "frmWeb";

inline constexpr std::array<PageText, 60> kPageTexts{{
    // The board, the grid and the line under it: as the main window says them.
    {"puzzle", "frmSymbol", "strAccPuzzle", "Puzzle"},
    {"grid", "frmSymbol", "strAccGrid", "Solution grid"},
    {"gridTip", "frmSymbol", "strTipRaster",
     "Click: this symbol is not this digit. Double-click: this symbol is this digit."},
    {"code", "frmSymbol", "strCode", "Code:"},
    {"clock", "frmSymbol", "strClock", "Time played"},
    {"paused", "frmSymbol", "strPaused", "Paused"},
    {"showSteps", "frmSymbol", "strHintShowSteps", "Show the steps"},
    {"stepsTitle", "frmSymbol", "strTitSteps", "The supposition step by step"},
    {"guideOffer", "frmSymbol", "strGuideOffer", "New to the game? Play a short guided game."},
    {"guideLeave", "frmSymbol", "strGuideLeave", "Leave the guided game"},
    {"noteNewGame", "frmSymbol", "strNoteNewGame", "New game"},
    {"makerTip", "frmSymbol", "strTipMaker", "Visit the maker's web page"},
    {"askCode", "frmSymbol", "strAskCode", "The puzzle's code (letters and digits, hyphens optional):"},
    {"playCodeTitle", "frmSymbol", "strTitPlayCode", "Play a code"},
    {"ok", "frmPlayCode", "cmdOK", "OK"},
    {"cancel", "frmPlayCode", "cmdCancel", "Cancel"},
    // The options, as their dialog says them.
    {"optionsTitle", "frmOptions", "CAPTION", "Options"},
    {"style", "frmOptions", "lblStyle", "&Style:"},
    {"language", "frmOptions", "lblLanguage", "&Language:"},
    {"colours", "frmOptions", "lblColours", "&Colours:"},
    {"difficulty", "frmOptions", "lblDifficulty", "&Difficulty of new puzzles:"},
    {"continue", "frmOptions", "chkContinue", "C&ontinue the unfinished game at start"},
    // The statistics.
    {"statisticsTitle", "frmStatistics", "CAPTION", "Statistics"},
    {"easy", "frmStatistics", "strEasy", "Easy"},
    {"medium", "frmStatistics", "strMedium", "Medium"},
    {"hard", "frmStatistics", "strHard", "Hard"},
    {"expert", "frmStatistics", "strExpert", "Expert"},
    {"several", "frmStatistics", "strSeveral", "Several solutions"},
    {"daily", "frmStatistics", "strDaily", "Today's puzzles"},
    {"newBest", "frmStatistics", "strNewBest", "New best time: %1 (%2)"},
    {"started", "frmStatistics", "strStarted", "Started"},
    {"solved", "frmStatistics", "strSolved", "Solved"},
    {"clean", "frmStatistics", "strClean", "Without help"},
    {"run", "frmStatistics", "strRun", "Current run"},
    {"longest", "frmStatistics", "strLongest", "Longest run"},
    {"best", "frmStatistics", "strBest", "Best time"},
    {"median", "frmStatistics", "strMedian", "Median time"},
    {"last", "frmStatistics", "strLast", "Last 30 solves"},
    {"bestMark", "frmStatistics", "strBestMark", "best"},
    {"oldestFirst", "frmStatistics", "strOldestFirst", "oldest on the left, newest on the right"},
    // The bookmarks.
    {"bookmarkTitle", "frmEditBookmark", "CAPTION", "Edit bookmark"},
    {"bookmarkName", "frmEditBookmark", "lblName", "&Name:"},
    {"bookmarksTitle", "frmOpenBookmark", "CAPTION", "Open bookmark"},
    {"bookmarks", "frmOpenBookmark", "lvHeader1", "Bookmarks"},
    {"remove", "frmOpenBookmark", "cmdRemove", "&Remove"},
    {"rename", "frmOpenBookmark", "cmdRename", "Re&name"},
    // The page's own.
    {"yes", kWebModule, "strYes", "Yes"},
    {"no", kWebModule, "strNo", "No"},
    {"close", kWebModule, "strClose", "Close"},
    {"copyLink", kWebModule, "strCopyLink", "Copy link"},
    {"copyLinkTip", kWebModule, "strTipCopyLink", "Copy an address that opens this puzzle"},
    {"copied", kWebModule, "strLinkCopied", "Copied to the clipboard: %1"},
    {"copyThis", kWebModule, "strLinkShown", "The address of this puzzle: %1"},
    {"tapDeclares", kWebModule, "strTapDeclares", "Tap declares"},
    {"tapDeclaresTip", kWebModule, "strTipTapDeclares",
     "On: a tap declares the symbol's digit. Off: a tap rules the digit out, and a long press declares it."},
    {"races", kWebModule, "strRaces",
     "Races on the local network are played in the desktop game: a web page cannot reach the network."},
    {"racesTitle", "frmSymbol", "strTitNetBind", "Network game"},
    {"controls", kWebModule, "strControls", "Game"},
    {"print", "frmSymbol", "cmdPrint", "&Print game"},
    {"printTip", kWebModule, "strTipPrintPage", "Print the board with the browser"},
}};

// Every id once: the page finds each text by it.
constexpr bool PageTextIdsDiffer() {
  for (std::size_t i = 0; i < kPageTexts.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      const char* a = kPageTexts[i].id;
      const char* b = kPageTexts[j].id;
      while (*a != '\0' && *a == *b) ++a, ++b;
      if (*a == *b) return false;
    }
  }
  return true;
}
static_assert(PageTextIdsDiffer(), "every page text has its own id");

}  // namespace glyph
