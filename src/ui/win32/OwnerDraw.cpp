#include "ui/win32/OwnerDraw.h"

#include <string>

#include "ui/forms/controls/OptionButton.h"
#include "ui/win32/Dpi.h"

namespace mapsetdesk::ui::win32 {
namespace {

// The option pictures: the odd numbers show the choice taken (a filled mark
// with a tick), the even ones a choice not taken (an empty mark).
bool pictureShowsChosen(int picture) { return picture % 2 == 1; }

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Word-wrapped text, centred both ways in the rectangle when centred is set.
void drawText(HDC dc, const std::wstring& text, RECT area, bool centred, bool enabled) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  const UINT flags = DT_WORDBREAK | DT_NOPREFIX | (centred ? DT_CENTER : DT_LEFT);
  RECT measure = area;
  DrawTextW(dc, text.c_str(), -1, &measure, flags | DT_CALCRECT);
  const int offset = ((area.bottom - area.top) - (measure.bottom - measure.top)) / 2;
  if (offset > 0) area.top += offset;
  DrawTextW(dc, text.c_str(), -1, &area, flags);
}

void drawButton(const Control& model, const DRAWITEMSTRUCT& item, UINT dpi) {
  RECT area = item.rcItem;
  const COLORREF face = model.backColor ? RGB(model.backColor->red, model.backColor->green,
                                              model.backColor->blue)
                                        : GetSysColor(COLOR_BTNFACE);
  HBRUSH brush = CreateSolidBrush(face);
  FillRect(item.hDC, &area, brush);
  DeleteObject(brush);
  const bool pressed = item.itemState & ODS_SELECTED;
  DrawEdge(item.hDC, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  InflateRect(&area, -scaled(4, dpi), -scaled(2, dpi));
  if (pressed) OffsetRect(&area, 1, 1);
  drawText(item.hDC, windowText(item.hwndItem), area, true, !(item.itemState & ODS_DISABLED));
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -scaled(3, dpi), -scaled(3, dpi));
    DrawFocusRect(item.hDC, &focus);
  }
}

void drawPictureOption(const OptionButton& model, const DRAWITEMSTRUCT& item, UINT dpi) {
  RECT area = item.rcItem;
  FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
  const int size = scaled(16, dpi);
  const int top = area.top + ((area.bottom - area.top) - size) / 2;
  const RECT mark{area.left + scaled(2, dpi), top, area.left + scaled(2, dpi) + size, top + size};
  const bool chosen = pictureShowsChosen(model.picture);
  HBRUSH fill = CreateSolidBrush(chosen ? RGB(40, 140, 60) : GetSysColor(COLOR_WINDOW));
  HPEN pen = CreatePen(PS_SOLID, scaled(1, dpi), chosen ? RGB(20, 90, 35) : GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ oldBrush = SelectObject(item.hDC, fill);
  HGDIOBJ oldPen = SelectObject(item.hDC, pen);
  Ellipse(item.hDC, mark.left, mark.top, mark.right, mark.bottom);
  if (chosen) {
    HPEN tick = CreatePen(PS_SOLID, scaled(2, dpi), RGB(255, 255, 255));
    SelectObject(item.hDC, tick);
    const POINT points[] = {{mark.left + size / 4, mark.top + size / 2},
                            {mark.left + size * 7 / 16, mark.top + size * 11 / 16},
                            {mark.left + size * 3 / 4, mark.top + size * 5 / 16}};
    Polyline(item.hDC, points, 3);
    SelectObject(item.hDC, pen);
    DeleteObject(tick);
  }
  SelectObject(item.hDC, oldBrush);
  SelectObject(item.hDC, oldPen);
  DeleteObject(fill);
  DeleteObject(pen);
  RECT text = area;
  text.left = mark.right + scaled(6, dpi);
  drawText(item.hDC, windowText(item.hwndItem), text, false, !(item.itemState & ODS_DISABLED));
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &text);
}

}  // namespace

void drawControl(const Control& model, const DRAWITEMSTRUCT& item, UINT dpi) {
  if (model.kind() == ControlKind::OptionButton) {
    drawPictureOption(static_cast<const OptionButton&>(model), item, dpi);
  } else {
    drawButton(model, item, dpi);
  }
}

}  // namespace mapsetdesk::ui::win32
