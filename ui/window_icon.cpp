// Icons made from the program file's first icon group with
// CreateIconFromResourceEx at the image's own size, rather than LoadIcon at
// the system's icon sizes, so the window shows the one 128 x 128 image.
#include "ui/window_icon.h"

#include <initializer_list>

namespace tessavor {

namespace {

// The application icon group of app/resources.rc, and the size of its image.
constexpr WORD IconGroupId = 1;
constexpr int IconSize = 128;
// The icon format version that CreateIconFromResourceEx expects.
constexpr DWORD IconFormatVersion = 0x00030000;

HICON bigIcon = nullptr;
HICON smallIcon = nullptr;

// The bytes of one resource of the program file; empty when it is missing.
struct ResourceBytes {
  BYTE* data = nullptr;
  DWORD size = 0;
};

ResourceBytes FindResourceBytes(WORD id, LPCSTR type) {
  const HMODULE module = GetModuleHandleA(nullptr);
  const HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  if (resource == nullptr) return {};
  const HGLOBAL loaded = LoadResource(module, resource);
  if (loaded == nullptr) return {};
  return ResourceBytes{static_cast<BYTE*>(LockResource(loaded)), SizeofResource(module, resource)};
}

HICON CreateApplicationIcon() {
  const ResourceBytes group = FindResourceBytes(IconGroupId, RT_GROUP_ICON);
  if (group.data == nullptr) return nullptr;
  const int imageId = LookupIconIdFromDirectoryEx(group.data, TRUE, IconSize, IconSize, LR_DEFAULTCOLOR);
  if (imageId == 0) return nullptr;
  const ResourceBytes image = FindResourceBytes(static_cast<WORD>(imageId), RT_ICON);
  if (image.data == nullptr) return nullptr;
  return CreateIconFromResourceEx(image.data, image.size, TRUE, IconFormatVersion, IconSize, IconSize,
                                  LR_DEFAULTCOLOR);
}

}  // namespace

void SetWindowIcons(HWND window) {
  if (bigIcon == nullptr) bigIcon = CreateApplicationIcon();
  if (smallIcon == nullptr) smallIcon = CreateApplicationIcon();
  if (bigIcon != nullptr) SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
  if (smallIcon != nullptr) SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

void ReleaseWindowIcons() {
  for (HICON* icon : {&bigIcon, &smallIcon}) {
    if (*icon != nullptr) DestroyIcon(*icon);
    *icon = nullptr;
  }
}

}  // namespace tessavor
