#include "window_style.h"

#include <QFontMetrics>
#include <QPushButton>

namespace solvane::style {
namespace {

const char *const kSideButton =
    "QPushButton{background-color: rgb(48,52,63); border: 0px solid rgb(48,52,63); color: "
    "white;image: url(:/images/%1); image-position: left; padding-left: "
    "15px;}QPushButton:hover{background-color: rgb(71,141,228)}";
const char *const kInfoButton =
    "QPushButton{background-color: rgb(48,52,63); border: 0px solid rgb(48,52,63); "
    "color:white; image: url(:/images/%1); image-position: left; padding-left: "
    "15px;}QPushButton:hover{background-color: rgb(71,141,228)}";
const char *const kComboBox =
    "QComboBox{color: %1; background-color: %2; border: 0px solid rgb(255,255,255); "
    "padding-left: 10px;}QComboBox::drop-down{width: 10px; border: 1px; padding-right: "
    "10px;}QComboBox::down-arrow{image: url(:/images/%3);}";

// A style sheet draws its "image" as large as the content rectangle allows,
// taking the largest picture that fits; on a screen of twice the density
// that is the "@2x" twin, which would then be drawn at twice its size.
// Content rectangles of the pictures' own height keep them at their size and
// sharp. Side-bar buttons are 50 high, icons 20; header icons 20 in 40.
const char *const kSideButtonIconFit =
    "QPushButton{padding-top: 15px; padding-bottom: 15px; max-height: 20px;}";

} // namespace

QString sideButton(const char *picture) {
  return QString(kSideButton).arg(picture) + kSideButtonIconFit;
}

QString infoButton(const char *picture) {
  return QString(kInfoButton).arg(picture) + kSideButtonIconFit;
}

// The side bar is 150 px wide and its icons end 35 px from the left.
QString fittedSideButton(const QPushButton &button, const char *picture) {
  constexpr int kSideBarWidth = 150;
  constexpr int kIconRight = 15 + 20 + 2;
  const QString style = sideButton(picture);
  const int textWidth = QFontMetrics(button.font()).horizontalAdvance(button.text());
  if ((kSideBarWidth - textWidth) / 2 >= kIconRight) {
    return style;
  }
  return style + "QPushButton{text-align: right; padding-right: 6px; font-size: 11pt;}";
}

QString comboBox(const char *text, const char *background, const char *arrow) {
  return QString(kComboBox).arg(text, background, arrow);
}

} // namespace solvane::style
