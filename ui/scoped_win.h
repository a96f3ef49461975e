// Small owners for Win32 handles, so that every GDI object, DC and selection
// is given back on every path.
#pragma once

#include <windows.h>

#include <utility>

namespace island {

// In a test build, every GDI object and DC the program makes through these
// owners is counted while it lives, so a test can show that none leaks.
#ifdef ISLAND_COUNT_HANDLES
inline long g_live_gdi_handles = 0;
inline long g_gdi_handles_made = 0;
inline void CountHandle(const void* handle, long change) {
  if (!handle) return;
  g_live_gdi_handles += change;
  if (change > 0) g_gdi_handles_made += change;
}
#else
inline void CountHandle(const void*, long) {}
#endif

// Owns a GDI object (brush, pen, font, bitmap, region) and deletes it.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle h) : handle_(h) { CountHandle(handle_, +1); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { Reset(); }

  void Reset(Handle h = nullptr) {
    if (handle_ && DeleteObject(handle_)) CountHandle(handle_, -1);
    handle_ = h;
    CountHandle(handle_, +1);
  }
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  Handle handle_ = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;
using Font = GdiObject<HFONT>;

// Selects an object into a DC and puts the previous one back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// GetDC / GetWindowDC paired with ReleaseDC.
class WindowDc {
 public:
  enum class Area { kClient, kWhole };
  explicit WindowDc(HWND hwnd, Area area = Area::kClient)
      : hwnd_(hwnd), dc_(area == Area::kClient ? GetDC(hwnd) : GetWindowDC(hwnd)) {
    CountHandle(dc_, +1);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_ && ReleaseDC(hwnd_, dc_)) CountHandle(dc_, -1);
  }
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd) {
    BeginPaint(hwnd, &ps_);
    CountHandle(ps_.hdc, +1);
  }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() {
    if (EndPaint(hwnd_, &ps_)) CountHandle(ps_.hdc, -1);
  }
  HDC get() const { return ps_.hdc; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
};

// A memory DC with its own bitmap: draw off screen, then copy in one step.
class MemoryDc {
 public:
  MemoryDc(HDC like, int width, int height)
      : dc_(CreateCompatibleDC(like)),
        bitmap_(CreateCompatibleBitmap(like, width > 0 ? width : 1, height > 0 ? height : 1)),
        selection_(dc_.get(), bitmap_.get()) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() = default;
  HDC get() const { return dc_.get(); }

 private:
  struct DcDeleter {
    explicit DcDeleter(HDC dc) : dc_(dc) { CountHandle(dc_, +1); }
    DcDeleter(const DcDeleter&) = delete;
    DcDeleter& operator=(const DcDeleter&) = delete;
    ~DcDeleter() {
      if (dc_ && DeleteDC(dc_)) CountHandle(dc_, -1);
    }
    HDC get() const { return dc_; }
    HDC dc_;
  };
  // Declared in this order so the bitmap is selected out before either is deleted.
  DcDeleter dc_;
  Bitmap bitmap_;
  Selection selection_;
};

}  // namespace island
