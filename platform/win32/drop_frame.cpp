#include "platform/win32/drop_frame.h"

#include <shellapi.h>

#include <utility>

#include "platform/win32/wide_text.h"

namespace tess::win32 {
namespace {

FORMATETC FileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

}  // namespace

OleDropTarget::OleDropTarget(Accepting accepting, Deliver deliver)
    : accepting_(std::move(accepting)), deliver_(std::move(deliver)) {}

bool OleDropTarget::ReadFiles(IDataObject* data, std::vector<std::string>* paths) {
    paths->clear();
    if (!data) return false;
    FORMATETC format = FileListFormat();
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) return false;
    auto drop = static_cast<HDROP>(medium.hGlobal);
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        DragQueryFileW(drop, i, path.data(), length + 1);
        path.resize(length);
        paths->push_back(Narrow(path));
    }
    ReleaseStgMedium(&medium);
    return true;
}

HRESULT OleDropTarget::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
        *out = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG OleDropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG OleDropTarget::Release() {
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT OleDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    FORMATETC format = FileListFormat();
    has_files_ = data && data->QueryGetData(&format) == S_OK;
    *effect = has_files_ && accepting_() ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT OleDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = has_files_ && accepting_() ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT OleDropTarget::DragLeave() {
    has_files_ = false;
    return S_OK;
}

HRESULT OleDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    has_files_ = false;
    std::vector<std::string> paths;
    // Never a move: the source must keep its files.
    if (!accepting_() || !ReadFiles(data, &paths)) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    *effect = DROPEFFECT_COPY;
    // The receiver may run for long and may close the window; this object outlives the call.
    AddRef();
    Deliver deliver = deliver_;
    deliver(paths);
    Release();
    return S_OK;
}

}  // namespace tess::win32
