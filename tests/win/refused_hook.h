// A system that refuses the hook, for as long as the object lives: the entry
// of lumehook.dll's import table for USER32!SetWindowsHookExA, in this
// process, sends the call to a stand-in that sets no hook and answers NULL.
// The entry is put back when the object goes.
#pragma once
#include <windows.h>

#include <cstring>

namespace lume::test {

class RefusedHook {
public:
    RefusedHook()
    {
        Slot* entry = ImportEntry(GetModuleHandleA("lumehook.dll"), "USER32.dll", "SetWindowsHookExA");
        const Slot original = entry ? *entry : 0;
        if (entry && Write(entry, reinterpret_cast<Slot>(&Refuse))) {
            entry_ = entry;
            original_ = original;
        }
    }
    ~RefusedHook()
    {
        if (entry_)
            Write(entry_, original_);
    }
    RefusedHook(const RefusedHook&) = delete;
    RefusedHook& operator=(const RefusedHook&) = delete;

    // False when lumehook.dll is not loaded, imports no such function or its
    // table could not be written: nothing was changed.
    bool active() const { return entry_ != nullptr; }

private:
    using Slot = decltype(IMAGE_THUNK_DATA{}.u1.Function);

    static HHOOK WINAPI Refuse(int, HOOKPROC, HINSTANCE, DWORD)
    {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }

    // The import address table's entry through which `module` calls `library`!`function`, found by name.
    static Slot* ImportEntry(HMODULE module, const char* library, const char* function)
    {
        if (!module)
            return nullptr;
        auto* base = reinterpret_cast<BYTE*>(module);
        const auto* headers =
            reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        if (!imports.VirtualAddress)
            return nullptr;
        for (auto* from = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); from->Name;
             ++from) {
            if (lstrcmpiA(reinterpret_cast<const char*>(base + from->Name), library) != 0 || !from->OriginalFirstThunk)
                continue;
            auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + from->OriginalFirstThunk);
            auto* entries = reinterpret_cast<IMAGE_THUNK_DATA*>(base + from->FirstThunk);
            for (; names->u1.AddressOfData; ++names, ++entries) {
                if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                    continue;
                const auto* named = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(named->Name), function) == 0)
                    return &entries->u1.Function;
            }
        }
        return nullptr;
    }

    // The table may be read-only once the loader has filled it.
    static bool Write(Slot* entry, Slot value)
    {
        DWORD protection = 0;
        if (!VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &protection))
            return false;
        *entry = value;
        VirtualProtect(entry, sizeof *entry, protection, &protection);
        return true;
    }

    Slot* entry_ = nullptr;
    Slot original_ = 0;
};

} // namespace lume::test
