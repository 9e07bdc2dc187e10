#include "fonts.h"

#include <QFont>
#include <QStringList>

namespace solvane::ui {

void installFontSubstitutions() {
  QFont::insertSubstitutions(QStringLiteral("微软雅黑"),
                             {QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC"),
                              QStringLiteral("Noto Sans CJK TC"),
                              QStringLiteral("WenQuanYi Micro Hei"),
                              QStringLiteral("Droid Sans Fallback")});
}

} // namespace solvane::ui
