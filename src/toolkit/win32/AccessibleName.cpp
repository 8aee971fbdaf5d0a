#include "toolkit/win32/AccessibleName.h"

#include <oleacc.h>

namespace tarnwick {
namespace {

// The property and its value as Microsoft documents them for UI Automation live regions;
// mingw-w64's headers do not carry them.
constexpr GUID kLiveSettingProperty{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kLiveSettingPolite = 1;

// Runs `annotate` on the annotation service; false when there is none or it refuses.
template <class Annotate>
bool WithAnnotations(Annotate&& annotate) {
  IAccPropServices* services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
    return false;
  }
  const HRESULT result = annotate(*services);
  services->Release();
  return SUCCEEDED(result);
}

}  // namespace

bool AnnotateAccessibleName(HWND window, const std::string& name) {
  const int size = static_cast<int>(name.size());
  std::wstring wide(
      static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, name.data(), size, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, name.data(), size, wide.data(), static_cast<int>(wide.size()));
  return WithAnnotations([&](IAccPropServices& services) {
    return services.SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   PROPID_ACC_NAME, wide.c_str());
  });
}

bool AnnotatePoliteLiveRegion(HWND window) {
  VARIANT polite;
  VariantInit(&polite);
  polite.vt = VT_I4;
  polite.lVal = kLiveSettingPolite;
  return WithAnnotations([&](IAccPropServices& services) {
    return services.SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                kLiveSettingProperty, polite);
  });
}

}  // namespace tarnwick
