#pragma once

#include <ole2.h>
#include <shlobj.h>

#include <string>
#include <vector>

// A data object as a drag source offers it: a shell file list (CF_HDROP, ANSI names), plain
// text (CF_TEXT), or both. Only what OLE's drop target side asks for is implemented.
class FakeDataObject final : public IDataObject {
public:
    // Names in code page 936; `wide` passes them as UTF-16, as the shell does.
    static FakeDataObject FileList(std::vector<std::string> names, bool wide = false) {
        return {std::move(names), true, false, wide};
    }
    static FakeDataObject PlainText() { return {{}, false, true, false}; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == IID_IUnknown || id == IID_IDataObject) {
            *object = static_cast<IDataObject*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return Offers(*format) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (!Offers(*format)) return DV_E_FORMATETC;
        const std::string bytes =
            format->cfFormat == CF_HDROP ? DropFiles() : std::string("text\0", 5);
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        memcpy(GlobalLock(block), bytes.data(), bytes.size());
        GlobalUnlock(block);
        *medium = {};
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;  // the receiver's, freed by ReleaseStgMedium
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    FakeDataObject(std::vector<std::string> names, bool files, bool text, bool wide)
        : names_(std::move(names)), files_(files), text_(text), wide_(wide) {}

    bool Offers(const FORMATETC& format) const {
        return (format.tymed & TYMED_HGLOBAL) &&
               ((format.cfFormat == CF_HDROP && files_) || (format.cfFormat == CF_TEXT && text_));
    }
    // DROPFILES, then each name and its NUL, then one more NUL.
    std::string DropFiles() const {
        DROPFILES header = {};
        header.pFiles = sizeof header;
        header.fWide = wide_;
        std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
        for (const std::string& name : names_) {
            if (!wide_) {
                bytes.append(name).push_back('\0');
                continue;
            }
            std::wstring wide(name.size() + 1, L'\0');
            wide.resize(static_cast<std::size_t>(MultiByteToWideChar(
                CP_ACP, 0, name.c_str(), -1, wide.data(), static_cast<int>(wide.size()))));
            bytes.append(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
        }
        bytes.append(wide_ ? 2 : 1, '\0');
        return bytes;
    }

    std::vector<std::string> names_;
    bool files_, text_, wide_;
};
