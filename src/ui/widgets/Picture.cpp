#include "ui/widgets/Picture.h"

#include <oleacc.h>

#include <utility>

namespace ui {

bool Picture::Create(const CreateArgs& args) {
  return CreateHandle(CommonOf(args), PlainWindowClass(L"PratiloPicture"), 0);
}

void Picture::SetImage(const Image& image) {
  loader_ = nullptr;
  bitmap_ = MakeBitmap(image);
  size_ = bitmap_ ? SIZE{image.width, image.height} : SIZE{};
  if (!Handle()) return;
  if (bitmap_) {
    SetWindowPos(Handle(), nullptr, 0, 0, image.width, image.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(Handle(), nullptr, TRUE);  // with no window this would repaint the whole screen
}

void Picture::SetImageLoader(std::function<Image()> loader) { loader_ = std::move(loader); }

void Picture::LoadPending() {
  if (loader_) SetImage(std::exchange(loader_, nullptr)());
}

bool Picture::HasImage() {
  LoadPending();
  return static_cast<bool>(bitmap_);
}

SIZE Picture::ImageSize() {
  LoadPending();
  return size_;
}

void Picture::Draw(HDC dc, const RECT& r) const {
  if (!bitmap_) return;
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap_.Get());
  BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

bool Picture::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      LoadPending();
      if (!bitmap_) return false;
      result = 1;  // the picture covers everything
      return true;
    case WM_PAINT: {
      LoadPending();
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      Draw(dc, ps.rcPaint);
      EndPaint(Handle(), &ps);
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT: {
      LoadPending();
      RECT r;
      GetClientRect(Handle(), &r);
      Draw(reinterpret_cast<HDC>(wParam), r);
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

long Picture::AccessibleRole() const { return ROLE_SYSTEM_GRAPHIC; }

}  // namespace ui
