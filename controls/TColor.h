#pragma once

#include <QColor>
#include <QtGlobal>

// Colours as the layouts declare them: $00BBGGRR, or a system colour (high bit set,
// low byte 1..24) that follows the application palette.
using TColor = quint32;

namespace TColors {
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clWhite = 0xFFFFFF;

inline constexpr TColor systemColor(int index) { return 0x80000000u | TColor(index); }
inline constexpr TColor clActiveCaption = systemColor(2);
inline constexpr TColor clInactiveCaption = systemColor(3);
inline constexpr TColor clMenu = systemColor(4);
inline constexpr TColor clWindow = systemColor(5);
inline constexpr TColor clMenuText = systemColor(7);
inline constexpr TColor clWindowText = systemColor(8);
inline constexpr TColor clHighlight = systemColor(13);
inline constexpr TColor clHighlightText = systemColor(14);
inline constexpr TColor clBtnFace = systemColor(15);
inline constexpr TColor clBtnShadow = systemColor(16);
inline constexpr TColor clGrayText = systemColor(17);
inline constexpr TColor clBtnText = systemColor(18);
inline constexpr TColor clBtnHighlight = systemColor(20);

inline constexpr bool isSystem(TColor c) { return (c & 0x80000000u) && (c & 0xFF) >= 1 && (c & 0xFF) <= 24; }
inline constexpr TColor fromRgb(int r, int g, int b) { return TColor(r) | TColor(g) << 8 | TColor(b) << 16; }

// Resolves system colours through the application palette; other values are plain RGB.
QColor toQColor(TColor c);
TColor fromQColor(const QColor& c);
}
