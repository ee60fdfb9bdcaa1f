/* The disc's starter, run by autorun.inf: opens index.html, which stands
 * beside this program, in the default web browser. */
#include <windows.h>
#include <shellapi.h>
#include <wchar.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    wchar_t page[MAX_PATH + 16];
    DWORD n = GetModuleFileNameW(NULL, page, MAX_PATH);
    wchar_t* slash = n > 0 && n < MAX_PATH ? wcsrchr(page, L'\\') : NULL;
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    if (slash) {
        wcscpy(slash + 1, L"index.html");
        if ((INT_PTR)ShellExecuteW(NULL, L"open", page, NULL, NULL, SW_SHOWNORMAL) > 32) return 0;
    }
    MessageBoxW(NULL, L"Nie mo\u017cna otworzy\u0107 pliku index.html z tej p\u0142yty.", L"Prezentacja WWW",
                MB_OK | MB_ICONERROR);
    return 1;
}
