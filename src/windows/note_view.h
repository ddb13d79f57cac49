#pragma once

#include <QPixmap>
#include <QTextDocument>
#include <QWidget>

namespace glyph {

// The note under the grid: a few lines of rich text with small pictures,
// drawn straight from a text document (no scroll area to build at start-up).
class clsNoteView : public QWidget {
  Q_OBJECT

 public:
  explicit clsNoteView(QWidget* parent);

  // Shows rich text; each image the text names as "name" is one of the
  // pictures given.
  void SetNote(const QString& html, const std::vector<std::pair<QString, QPixmap>>& pictures);
  QString PlainText() const { return document_.toPlainText(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A long note takes a smaller font rather than losing its last line.
  void FitText();

  QTextDocument document_;
};

}  // namespace glyph
