// A stand-in for the input hook component "wrhk.dll" that exports the mouse
// entry point "SetHookmo" but not the keyboard one "SetHookkb": Tarvesk must
// refuse it with its "entry point missing" message. Built by e2e/lib.sh as a
// DLL named wrhk.dll (the peers folder holds programs only).
#include <windows.h>

extern "C" __declspec(dllexport) void WINAPI SetHookmo(HWND, int) {}
