/* empty.exe: empties the working set of a process, given by its id or by its program name. The skin runs it
 * on its own process whenever the application loses activation. Plain C keeps it small: the program carries
 * it and writes it out on first use. */
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

static int trim_process(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_SET_QUOTA, FALSE, pid);
    if (!process)
        return 0;
    const BOOL emptied = EmptyWorkingSet(process);
    CloseHandle(process);
    return emptied != FALSE;
}

static int is_number(const wchar_t* text) {
    if (!*text)
        return 0;
    for (; *text; ++text) {
        if (*text < L'0' || *text > L'9')
            return 0;
    }
    return 1;
}

/* Trims every process whose program name matches, with or without ".exe". Returns how many were trimmed. */
static int trim_by_name(const wchar_t* name) {
    wchar_t with_suffix[MAX_PATH];
    _snwprintf(with_suffix, MAX_PATH, L"%ls.exe", name);
    with_suffix[MAX_PATH - 1] = L'\0';
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    int trimmed = 0;
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, name) == 0 || _wcsicmp(entry.szExeFile, with_suffix) == 0)
            trimmed += trim_process(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return trimmed;
}

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        puts("USAGE: empty.exe {pid | task-name}");
        return 2;
    }
    if (is_number(argv[1]))
        return trim_process((DWORD)wcstoul(argv[1], NULL, 10)) ? 0 : 1;
    return trim_by_name(argv[1]) > 0 ? 0 : 1;
}
