// The other process of the Windows tests.
//   child OUTFILE                         writes its own command line to OUTFILE (UTF-8)
//   child hold PATH READY RELEASE         opens PATH without delete sharing, signals the event
//                                         READY, keeps the file until RELEASE is signalled
//   child instance MUTEX                  exit status 1 when another holder of MUTEX runs
//   child sleep MS                        sleeps, then ends
//   child drop PATH                       drags PATH as a file list and drops it where the
//                                         pointer is (for pictures of a conversion)
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>

#include "drop_source.h"
#include "hdrop_data_object.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_single_instance.h"

using tess::win32::Narrow;

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2) return 2;
    std::wstring mode = argv[1];
    if (argc == 2) {
        std::string line = Narrow(GetCommandLineW());
        HANDLE out = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (out == INVALID_HANDLE_VALUE) return 3;
        DWORD written = 0;
        WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(out);
        return 0;
    }
    if (mode == L"hold" && argc == 5) {
        HANDLE file = CreateFileW(argv[2], GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 3;
        HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[3]);
        HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, argv[4]);
        if (!ready || !release) return 4;
        SetEvent(ready);
        WaitForSingleObject(release, 60000);
        CloseHandle(file);
        return 0;
    }
    if (mode == L"instance" && argc == 3) {
        tess::win32::Win32SingleInstance instance(Narrow(argv[2]));
        return instance.AnotherInstanceRunning() ? 1 : 0;
    }
    if (mode == L"drop" && argc == 3) {
        OleInitialize(nullptr);
        IDataObject* data = tess::testing::NewFileListObject({Narrow(argv[2])});
        tess::testing::OneDropSource source;
        DWORD effect = 0;
        HRESULT result = DoDragDrop(data, &source, DROPEFFECT_COPY, &effect);
        data->Release();
        OleUninitialize();
        return result == DRAGDROP_S_DROP ? 0 : 1;
    }
    if (mode == L"sleep" && argc == 3) {
        Sleep(static_cast<DWORD>(_wtoi(argv[2])));
        return 0;
    }
    return 2;
}
