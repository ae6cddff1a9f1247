#pragma once
// Owning wrappers for GDI objects and image lists, and the font description they are made from.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

namespace ui {

// Logical font height for a point size at the given dots per inch (negative: character height).
int PointsToHeight(int points, int dpi);
int ScreenDpi();

struct FontSpec {
  std::string face = "MS Sans Serif";
  int points = 8;
  bool bold = false;
  bool underline = false;
  bool operator==(const FontSpec&) const = default;
};

template <class H, BOOL (WINAPI* Free)(H)>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(H h) : h_(h) {}
  OwnedHandle(OwnedHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& o) noexcept {
    if (this != &o) Reset(std::exchange(o.h_, nullptr));
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() { Reset(); }

  H Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void Reset(H h = nullptr) {
    if (h_) Free(h_);
    h_ = h;
  }

 private:
  H h_ = nullptr;
};

inline BOOL WINAPI DeleteGdiObject(HGDIOBJ h) { return DeleteObject(h); }
inline BOOL WINAPI DeleteFontHandle(HFONT h) { return DeleteObject(h); }
inline BOOL WINAPI DeleteBrushHandle(HBRUSH h) { return DeleteObject(h); }
inline BOOL WINAPI DeleteBitmapHandle(HBITMAP h) { return DeleteObject(h); }
inline BOOL WINAPI DestroyImageList(HIMAGELIST h) { return ImageList_Destroy(h); }

using Brush = OwnedHandle<HBRUSH, DeleteBrushHandle>;
using Bitmap = OwnedHandle<HBITMAP, DeleteBitmapHandle>;
using ImageList = OwnedHandle<HIMAGELIST, DestroyImageList>;

class Font : public OwnedHandle<HFONT, DeleteFontHandle> {
 public:
  using OwnedHandle::OwnedHandle;
  static Font Create(const FontSpec& spec);
};

Brush SolidBrush(COLORREF colour);

}  // namespace ui

namespace ui {

// Fonts made on demand and kept until the owner goes; callers borrow the handles.
class FontCache {
 public:
  HFONT Get(const FontSpec& spec);

 private:
  struct Entry {
    FontSpec spec;
    Font font;
  };
  std::vector<Entry> fonts_;
};

}  // namespace ui
