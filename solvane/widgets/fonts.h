#pragma once

namespace solvane::ui {

// The window asks for the family "微软雅黑"; on machines without it the
// installed CJK families stand in, so Chinese texts never show as boxes.
void installFontSubstitutions();

} // namespace solvane::ui
