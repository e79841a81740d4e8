// An OLE drop target that takes lists of files (CF_HDROP) and hands over their full paths.
#pragma once

#include <ole2.h>

#include <functional>
#include <string>
#include <vector>

namespace tess::win32 {

class OleDropTarget final : public IDropTarget {
public:
    using Accepting = std::function<bool()>;
    using Deliver = std::function<void(const std::vector<std::string>& paths)>;

    OleDropTarget(Accepting accepting, Deliver deliver);

    // The full paths of a CF_HDROP data object; empty when it holds no file list.
    static bool ReadFiles(IDataObject* data, std::vector<std::string>* paths);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

private:
    ~OleDropTarget() = default;

    LONG refs_ = 1;
    bool has_files_ = false;
    Accepting accepting_;
    Deliver deliver_;
};

}  // namespace tess::win32
