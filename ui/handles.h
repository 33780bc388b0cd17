// Owners of Win32 handles for the program: those of core/win_handles.h, and
// the menus, registry keys and mutexes only the program holds. Each releases
// its handle in its destructor, moves, and never copies. Borrowed handles
// stay plain.
#pragma once
#include <windows.h>

#include "core/win_handles.h"

namespace lume::ui {

using win::CloseKernelHandle;
using win::DeleteGdiObject;
using win::GdiObject;
using win::KernelHandle;
using win::MemoryDc;
using win::UniqueHandle;
using win::WindowDc;

inline void DestroyMenuHandle(HMENU menu) { DestroyMenu(menu); }
inline void CloseRegistryKey(HKEY key) { RegCloseKey(key); }
inline void ReleaseAndCloseMutex(HANDLE mutex)
{
    ReleaseMutex(mutex);
    CloseHandle(mutex);
}

using FontHandle = GdiObject<HFONT>;
using BitmapHandle = GdiObject<HBITMAP>;
using RegionHandle = GdiObject<HRGN>;
using MenuHandle = UniqueHandle<HMENU, &DestroyMenuHandle>;
using RegistryKey = UniqueHandle<HKEY, &CloseRegistryKey>;
// A mutex this thread owns: let go of, then closed.
using OwnedMutex = UniqueHandle<HANDLE, &ReleaseAndCloseMutex>;

} // namespace lume::ui
