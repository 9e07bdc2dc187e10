#include "fitting.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>

namespace solvane::ui {
namespace {

// Room for the title bar and borders the window system adds around a
// window; known exactly only once a window has been shown.
const QMargins kFrameAllowance(8, 40, 8, 8);

// The widest a label asks to be: about this many average characters.
constexpr int kPreferredLabelChars = 40;

QMargins frameMargins(const QWidget *window) {
  if (window->isVisible()) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
  }
  return kFrameAllowance;
}

} // namespace

ElidedLabel::ElidedLabel(QWidget *parent) : QLabel(parent) {
  setWordWrap(false);
}

void ElidedLabel::setText(const QString &text) {
  QLabel::setText(text);
  updateToolTip();
}

bool ElidedLabel::isElided() const {
  return fontMetrics().horizontalAdvance(text()) > textArea().width();
}

QSize ElidedLabel::minimumSizeHint() const {
  const QSize full = QLabel::minimumSizeHint();
  return {fontMetrics().horizontalAdvance(QStringLiteral("…")) + 2 * margin(), full.height()};
}

QSize ElidedLabel::sizeHint() const {
  const QSize full = QLabel::sizeHint();
  return {qMin(full.width(), kPreferredLabelChars * fontMetrics().averageCharWidth()),
          full.height()};
}

void ElidedLabel::paintEvent(QPaintEvent *event) {
  QFrame::paintEvent(event); // the frame and the style sheet's box
  QPainter painter(this);
  const QRect area = textArea();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
  style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                        palette(), isEnabled(), shown, foregroundRole());
}

void ElidedLabel::resizeEvent(QResizeEvent *event) {
  QLabel::resizeEvent(event);
  updateToolTip();
}

QRect ElidedLabel::textArea() const {
  const int m = margin();
  return contentsRect().adjusted(m, m, -m, -m);
}

void ElidedLabel::updateToolTip() {
  setToolTip(isElided() ? text() : QString());
}

bool FullTextToolTips::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                 const QStyleOptionViewItem &option, const QModelIndex &index) {
  if (event->type() == QEvent::ToolTip && index.isValid() &&
      !index.data(Qt::ToolTipRole).isValid() && isElided(option, index)) {
    QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(), view);
    return true;
  }
  return QStyledItemDelegate::helpEvent(event, view, option, index);
}

bool FullTextToolTips::isElided(const QStyleOptionViewItem &option,
                                const QModelIndex &index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const QWidget *widget = cell.widget;
  const QStyle *style = widget ? widget->style() : QApplication::style();
  const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
  // The style draws the text this far inside its rectangle on either side.
  const int inset = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
  return cell.fontMetrics.horizontalAdvance(cell.text) > textRect.width() - 2 * inset;
}

FittingScrollArea::FittingScrollArea(QWidget *content, QWidget *parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  setWidget(content);
}

// QScrollArea caps its hint at a few dozen lines of text; this one asks for
// the content's whole size and room for the vertical scroll bar, which shows
// when the window is held lower than that (so that a window of the hinted
// width never needs a horizontal one).
QSize FittingScrollArea::sizeHint() const {
  const QSize content = widget() ? widget()->sizeHint() : QSize();
  return content + QSize(verticalScrollBar()->sizeHint().width() + 2 * frameWidth(),
                         2 * frameWidth());
}

void placeOnScreen(QWidget *window, const QWidget *anchor) {
  const QScreen *screen = anchor ? anchor->screen() : QGuiApplication::primaryScreen();
  const QMargins frame = frameMargins(window);
  const QRect available = screen->availableGeometry();
  const QSize room = available.marginsRemoved(frame).size();

  const QSize wanted = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
  window->resize(wanted.boundedTo(room).expandedTo(window->minimumSizeHint()));

  QRect outer(QPoint(), window->size().grownBy(frame));
  outer.moveCenter(anchor ? anchor->frameGeometry().center() : available.center());
  // Keep the frame, title bar first, on the screen.
  outer.moveRight(qMin(outer.right(), available.right()));
  outer.moveBottom(qMin(outer.bottom(), available.bottom()));
  outer.moveLeft(qMax(outer.left(), available.left()));
  outer.moveTop(qMax(outer.top(), available.top()));
  window->move(outer.topLeft());
}

} // namespace solvane::ui
