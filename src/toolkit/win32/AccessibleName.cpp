#include "toolkit/win32/AccessibleName.h"

#include <oleacc.h>

namespace tarnwick {

bool AnnotateAccessibleName(HWND window, const std::string& name) {
  const int size = static_cast<int>(name.size());
  std::wstring wide(
      static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, name.data(), size, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, name.data(), size, wide.data(), static_cast<int>(wide.size()));
  IAccPropServices* services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
    return false;
  }
  const HRESULT result = services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT),
                                                  CHILDID_SELF, PROPID_ACC_NAME, wide.c_str());
  services->Release();
  return SUCCEEDED(result);
}

}  // namespace tarnwick
