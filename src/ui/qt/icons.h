#pragma once
// The toolbar images and the program icon, drawn by the program itself so
// they stay sharp at every scaling.

#include <QIcon>

class QPainter;

namespace varnholt::desktop {

/// The image of toolbar button `index` (1 新規作成, 2 開く, 3 上書き保存,
/// 5 印刷ｲﾒｰｼﾞ, 6 印刷); an empty icon for any other index.
QIcon ToolbarIcon(int index);

/// The image of the toolbar button that shows the section view (断面図).
QIcon SectionViewIcon();

/// The program's icon: a gravity wall section with the retained soil.
QIcon ProgramIcon();

/// Draws the program's icon on a 32 × 32 grid (scale the painter for other
/// sizes); the installed icon files are made from it.
void DrawProgramIcon(QPainter& painter);

}  // namespace varnholt::desktop
