// The shell adapter under Wine, with the request the program makes: "open", the item-list,
// keep-process and no-UI flags, shown normally.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "Win32Shell.h"
#include "actions/Opening.h"

namespace tarnwick {
namespace {

ShellExecuteRequest OpenRequest(const char* target) { return MakeOpenRequest(target, nullptr); }

std::string TempPath(const char* name) {
  char directory[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, directory);
  return std::string(directory) + name;
}

bool WaitForFile(const std::string& path) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    Sleep(50);
  }
  return false;
}

BOOL CALLBACK CountVisible(HWND window, LPARAM count) {
  if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int VisibleTopLevelWindows() {
  int count = 0;
  EnumWindows(CountVisible, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Failing quietly means no error dialog, from the shell or from a program it started.
TEST(Win32Shell, TargetsThatCannotBeOpenedReturnQuietly) {
  const int before = VisibleTopLevelWindows();
  Win32Shell shell;
  for (const char* target : {"C:\\no such folder\\missing file.html", " ", "Source URL"}) {
    shell.Execute(OpenRequest(target));
    Sleep(300);
    EXPECT_EQ(VisibleTopLevelWindows(), before) << target;
  }
}

// Wine refuses this request unless the adapter repeats it without the item-list flag, so the
// script running proves the repeat happened.
TEST(Win32Shell, OpensAFileWithItsDefaultHandler) {
  const std::string marker = TempPath("tarnwick-shell-marker.txt");
  const std::string script = TempPath("tarnwick shell test.bat");
  DeleteFileA(marker.c_str());
  const std::string command = "@echo opened> \"" + marker + "\"\r\n";
  HANDLE file = CreateFileA(script.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, command.data(), static_cast<DWORD>(command.size()), &written, nullptr);
  CloseHandle(file);

  ShellExecuteRequest request = OpenRequest(script.c_str());
  request.nShow = SW_HIDE;
  Win32Shell().Execute(request);
  EXPECT_TRUE(WaitForFile(marker));

  Sleep(200);
  DeleteFileA(marker.c_str());
  DeleteFileA(script.c_str());
}

}  // namespace
}  // namespace tarnwick
