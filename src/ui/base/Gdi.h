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
  // The font at the size its points have at the given DPI.
  static Font Create(const FontSpec& spec, int dpi);
};

Brush SolidBrush(COLORREF colour);
// Text drawn next on the DC comes out in this colour over whatever lies behind it.
void UseTextColour(HDC dc, COLORREF colour);

}  // namespace ui

namespace ui {

// Fonts made on demand at one DPI and kept until the owner goes; callers borrow the handles.
class FontCache {
 public:
  explicit FontCache(int dpi) : dpi_(dpi) {}
  HFONT Get(const FontSpec& spec);
  int Dpi() const { return dpi_; }

  // A font remade at another DPI: the old one stays alive here until its users have the new one.
  struct Replaced {
    Font old;
    HFONT replacement;
  };
  std::vector<Replaced> SetDpi(int dpi);

 private:
  struct Entry {
    FontSpec spec;
    Font font;
  };
  int dpi_;
  std::vector<Entry> fonts_;
};

// The font that replaces `font` after a change of DPI; `font` itself when it was not replaced.
HFONT ReplacementOf(const std::vector<FontCache::Replaced>& replaced, HFONT font);

}  // namespace ui
