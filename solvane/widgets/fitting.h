#pragma once

// Widgets and helpers that keep windows inside the screen whatever the data:
// texts that do not fit are elided with the full text as tooltip, tall
// contents scroll, and windows open sized to the screen and centred on the
// window they belong to.

#include <QLabel>
#include <QScrollArea>
#include <QStyledItemDelegate>

namespace solvane::ui {

// A one-line label whose text is elided at the right when it is wider than
// the label; the full text is then its tooltip. Its minimum width does not
// depend on the text, so no text can widen the window it stands in.
class ElidedLabel : public QLabel {
  Q_OBJECT

public:
  explicit ElidedLabel(QWidget *parent = nullptr);
  // Hides QLabel::setText (not virtual) so that the tooltip follows the text.
  void setText(const QString &text);
  bool isElided() const;

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;

private:
  QRect textArea() const;
  void updateToolTip();
};

// Shows a cell's full text as tooltip where the cell elides it (item views
// elide long texts at the cell's edge).
class FullTextToolTips : public QStyledItemDelegate {
  Q_OBJECT

public:
  using QStyledItemDelegate::QStyledItemDelegate;
  bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                 const QModelIndex &index) override;
  // True when the cell's text is wider than the room the cell gives it.
  bool isElided(const QStyleOptionViewItem &option, const QModelIndex &index) const;
};

// A frameless scroll area that asks for the whole size of its content, so a
// window shows everything unscrolled where the screen is large enough and
// scrolls where it is not.
class FittingScrollArea : public QScrollArea {
  Q_OBJECT

public:
  explicit FittingScrollArea(QWidget *content, QWidget *parent = nullptr);
  QSize sizeHint() const override;
};

// Sizes `window` (its size so far if it was given one, else its size hint)
// to the available area of the screen that shows `anchor` (the primary
// screen when null) and centres it on `anchor`, or on that screen, keeping
// its frame on the screen.
void placeOnScreen(QWidget *window, const QWidget *anchor);

} // namespace solvane::ui
