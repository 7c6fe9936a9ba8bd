/* Starts a Windows program under wine with the environment it was meant to have.
 *
 * wine leaves out of a Windows process's environment every variable whose name begins
 * with QT_, and the tests need several (the platform plugin, its fonts, logging to stderr).
 * wine-run.sh hands them over as SERAPHEL_WINE_QT_...; this launcher puts them back as
 * QT_..., runs the rest of its command line as it stands and returns the program's exit code. */
#include <stdlib.h>
#include <wchar.h>
#include <windows.h>

static const wchar_t kPrefix[] = L"SERAPHEL_WINE_";

static void RestoreVariables(void) {
    wchar_t* block = GetEnvironmentStringsW();
    const size_t prefixLength = wcslen(kPrefix);
    for (wchar_t* entry = block; *entry; entry += wcslen(entry) + 1) {
        if (wcsncmp(entry, kPrefix, prefixLength) != 0) {
            continue;
        }
        wchar_t* copy = _wcsdup(entry + prefixLength);
        wchar_t* equals = wcschr(copy, L'=');
        if (equals) {
            *equals = L'\0';
            SetEnvironmentVariableW(copy, equals + 1);
        }
        free(copy);
    }
    FreeEnvironmentStringsW(block);
}

/* The command line after the launcher's own name, quoted or not. */
static wchar_t* ProgramCommandLine(void) {
    wchar_t* line = GetCommandLineW();
    if (*line == L'"') {
        line = wcschr(line + 1, L'"');
        line = line ? line + 1 : L"";
    } else {
        while (*line && *line != L' ' && *line != L'\t') {
            ++line;
        }
    }
    while (*line == L' ' || *line == L'\t') {
        ++line;
    }
    return line;
}

int wmain(void) {
    RestoreVariables();
    STARTUPINFOW startup = {.cb = sizeof startup};
    PROCESS_INFORMATION process;
    if (!CreateProcessW(NULL, ProgramCommandLine(), NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process)) {
        return 127;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return (int)exitCode;
}
