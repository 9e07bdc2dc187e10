#pragma once

// The main window's look: the style sheets of its side bar, buttons, boxes,
// tables and scroll bars, and the colour of its values. Qt style sheets are
// texts; they live here so that the window's code reads as what it does.

#include <QColor>
#include <QString>

class QPushButton;

namespace solvane::style {

// Values in the tables: the window's blue.
inline const QColor kValueColour(71, 141, 228);
// Notes beside values, lighter than the tables' labels.
inline const QColor kCaptionColour(150, 158, 170);

inline constexpr const char *kTable = "QTableView{background-color: rgb(255,255,255); border: 0px "
                                      "solid; color: rgb(127,138,153);}";
// The test-item table indents its texts.
inline constexpr const char *kItemTable =
    "QTableView{background-color: rgb(255,255,255); border: 0px solid; "
    "color: rgb(127,138,153);padding-left: 10px;}";
inline constexpr const char *kHeader =
    "QHeaderView::section{background-color: rgb(238,241,247); border: 0px solid "
    "rgb(170,170,170); color: rgb(127,138,153);font: bold 10pt \"微软雅黑\";}";
inline constexpr const char *kScrollBar =
    "QScrollBar{background-color: white;}QScrollBar::handle{background:lightgray; border:2px "
    "solid transparent; border-radius:8px;}QScrollBar::handle:hover{background:gray;}"
    "QScrollBar::sub-line{background:transparent;}QScrollBar::add-line{background:"
    "transparent;}";
// The intensity table's 401 rows would shrink the handle to a sliver.
inline constexpr const char *kIntensityScrollBar =
    "QScrollBar{background-color: white;}QScrollBar::handle{background:lightgray; border:2px "
    "solid transparent; border-radius:8px; min-height: "
    "16px;}QScrollBar::handle:hover{background:gray;}QScrollBar::sub-line{background:"
    "transparent;}QScrollBar::add-line{background:transparent;}";

inline constexpr const char *kReadButton =
    "QPushButton{background-color: rgb(157,166,187); border: 0px solid; color: white; "
    "border-radius: 3px;}QPushButton:hover{background-color: rgb(187,197,222);}";
inline constexpr const char *kExportButton =
    "QPushButton{background-color: rgb(54,187,95); border: 0px solid; color: white; "
    "border-radius: 3px;}QPushButton:hover{background-color: rgb(63,220,110);}";
inline constexpr const char *kCompareButton =
    "QPushButton{background-color: rgb(71,141,228); border: 0px solid; color: white; "
    "border-radius: 3px;}QPushButton:hover{background-color: rgb(101,171,255);}";

// Added to a header icon's own style: see sideButton().
inline constexpr const char *kHeaderIconFit = "\npadding: 10px;";

// A side-bar button (Open, Print, Light quality) with its picture.
QString sideButton(const char *picture);
// An information button (Help, Contact, About) with its picture.
QString infoButton(const char *picture);
// sideButton(), set smaller and flush right when the label is too long to
// stand centred clear of its icon (the English "Light quality").
QString fittedSideButton(const QPushButton &button, const char *picture);
// A combo box with its text and background colours and its arrow picture.
QString comboBox(const char *text, const char *background, const char *arrow);

} // namespace solvane::style
