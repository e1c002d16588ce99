// The window properties through which skinned windows, containers and controls find their records. Each
// holds a plain number or handle.
#pragma once

#include <windows.h>

namespace pantrove::props {

inline constexpr wchar_t kOwnNumber[] = L"Hw_lbID";     // own number in window_table, a family list or container_list
inline constexpr wchar_t kWindowNumber[] = L"Hw_FuID";  // number of the owning SkinnedWindow
inline constexpr wchar_t kPreviousProc[] = L"Hw_hProc"; // the replaced window procedure
inline constexpr wchar_t kTextColour[] = L"Kj_Ztys";    // text colour of a control; absent means black
inline constexpr wchar_t kColourBrush[] = L"Kj_dxjb";   // brush of the last WM_CTLCOLOR* answer
inline constexpr wchar_t kColourBitmap[] = L"Kj_wtjb";  // bitmap behind that brush
inline constexpr wchar_t kComposedOldBitmap[] = L"Ck_Ycjdx"; // bitmap background_dc held before the composed one
inline constexpr wchar_t kComposedBitmap[] = L"Ck_wtjbdx";   // the composed bitmap of a skinned window
inline constexpr wchar_t kPanelNumber[] = L"Kj_lbID";
inline constexpr wchar_t kPanelWindowNumber[] = L"Kj_FuID";
inline constexpr wchar_t kPanelPreviousProc[] = L"Kj_hProc";

inline void set_number(HWND window, const wchar_t* name, INT_PTR value) {
    SetPropW(window, name, reinterpret_cast<HANDLE>(value));
}

inline INT_PTR get_number(HWND window, const wchar_t* name) {
    return reinterpret_cast<INT_PTR>(GetPropW(window, name));
}

inline int get_int(HWND window, const wchar_t* name) {
    return static_cast<int>(get_number(window, name));
}

inline void set_handle(HWND window, const wchar_t* name, HANDLE value) {
    SetPropW(window, name, value);
}

template <class Handle> Handle get_handle(HWND window, const wchar_t* name) {
    return static_cast<Handle>(GetPropW(window, name));
}

inline void set_proc(HWND window, const wchar_t* name, WNDPROC procedure) {
    SetPropW(window, name, reinterpret_cast<HANDLE>(procedure));
}

inline WNDPROC get_proc(HWND window, const wchar_t* name) {
    return reinterpret_cast<WNDPROC>(GetPropW(window, name));
}

} // namespace pantrove::props
