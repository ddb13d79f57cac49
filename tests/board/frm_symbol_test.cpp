#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>

#include "board/frm_symbol.h"

namespace glyph {
namespace {

TEST(MainWindow, OpensTitledAndClosesCleanly) {
  QPointer<frmSymbol> window = new frmSymbol;
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  EXPECT_EQ(window->windowTitle(), "Glyphmatic");
  EXPECT_TRUE(window->close());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace glyph
