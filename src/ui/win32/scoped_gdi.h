// GDI handles that give themselves back: a window's device context, an object
// selected into one, and an object of our own.
#pragma once

#include "ui/win32/win_api.h"

namespace vs {

// GetDC's context of `window` (null: the screen), released with it.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ~WindowDc() {
    if (dc_ != nullptr)
      ::ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory context compatible with `like` (null: the screen), deleted with it.
class MemoryDc {
 public:
  explicit MemoryDc(HDC like) : dc_(::CreateCompatibleDC(like)) {}
  ~MemoryDc() {
    if (dc_ != nullptr)
      ::DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// `object` selected into `dc` for the scope; what was selected before comes back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR)
      ::SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A bitmap, brush or font we made, deleted at the end of the scope unless
// it is handed on with release().
template <class Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
  ~GdiObject() {
    if (handle_ != nullptr)
      ::DeleteObject(handle_);
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  Handle get() const { return handle_; }
  Handle release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }

 private:
  Handle handle_;
};

}  // namespace vs
