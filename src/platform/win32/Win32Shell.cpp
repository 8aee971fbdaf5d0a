#include "Win32Shell.h"

#include <windows.h>
// The Windows headers below build on <windows.h>.
#include <shellapi.h>

namespace tarnwick {
namespace {

static_assert(kShellExecuteInfoSize == sizeof(SHELLEXECUTEINFOA));
static_assert(kMaskInvokeIdList == SEE_MASK_INVOKEIDLIST &&
              kMaskNoCloseProcess == SEE_MASK_NOCLOSEPROCESS &&
              kMaskFlagNoUi == SEE_MASK_FLAG_NO_UI);

// Runs one call and closes the process handle it may return: nobody waits on the started
// process, so holding the handle would only leak it. Returns the call's error code, 0 on success.
DWORD ExecuteOnce(SHELLEXECUTEINFOA& info) {
  info.hProcess = nullptr;
  const DWORD error = ShellExecuteExA(&info) ? 0 : GetLastError();
  if (info.hProcess) CloseHandle(info.hProcess);
  return error;
}

}  // namespace

void Win32Shell::Execute(const ShellExecuteRequest& request) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = request.cbSize;
  info.fMask = request.fMask;
  info.hwnd = static_cast<HWND>(request.hwnd);
  info.lpVerb = request.lpVerb;
  info.lpFile = request.lpFile;
  info.lpParameters = request.lpParameters;
  info.lpDirectory = request.lpDirectory;
  info.nShow = request.nShow;
  const DWORD error = ExecuteOnce(info);
  const bool invokesItemList = (info.fMask & SEE_MASK_INVOKEIDLIST) == SEE_MASK_INVOKEIDLIST;
  if (error == ERROR_INVALID_PARAMETER && invokesItemList && !info.lpIDList) {
    info.fMask &= ~static_cast<ULONG>(SEE_MASK_INVOKEIDLIST);
    ExecuteOnce(info);
  }
}

void Win32Shell::Beep(uint32_t type) { ::MessageBeep(type); }

}  // namespace tarnwick
