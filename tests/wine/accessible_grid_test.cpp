// The real program's grid read and driven from a second process, as a screen reader or an
// automation tool meets it: through the platform's accessibility interface and its events.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>
#include <wrl/client.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "ProgramWindow.h"
#include "RealPlatform.h"
#include "RealisticSeedSuite.h"
#include "window/Form1.h"

namespace tarnwick {
namespace {

using Microsoft::WRL::ComPtr;

VARIANT Child(long id) {
  VARIANT child;
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

std::string Narrow(BSTR text) {
  if (!text) return "";
  const int size = static_cast<int>(SysStringLen(text));
  std::string narrow(
      static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, text, size, nullptr, 0, nullptr, nullptr)),
      '\0');
  WideCharToMultiByte(CP_ACP, 0, text, size, narrow.data(), static_cast<int>(narrow.size()),
                      nullptr, nullptr);
  SysFreeString(text);
  return narrow;
}

std::string NameOf(IAccessible* object, long child = CHILDID_SELF) {
  BSTR name = nullptr;
  EXPECT_TRUE(SUCCEEDED(object->get_accName(Child(child), &name)));
  return Narrow(name);
}

long LongOf(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), IAccessible* object,
            long child = CHILDID_SELF) {
  VARIANT value;
  VariantInit(&value);
  EXPECT_EQ((object->*get)(Child(child), &value), S_OK);
  return value.vt == VT_I4 ? value.lVal : -1;
}

// The children as AccessibleChildren gives them: row objects, or simple elements' ids.
std::vector<VARIANT> ChildrenOf(IAccessible* object) {
  LONG count = 0;
  EXPECT_EQ(object->get_accChildCount(&count), S_OK);
  std::vector<VARIANT> children(static_cast<size_t>(count));
  LONG obtained = 0;
  EXPECT_EQ(AccessibleChildren(object, 0, count, children.data(), &obtained), S_OK);
  children.resize(static_cast<size_t>(obtained));
  return children;
}

ComPtr<IAccessible> ObjectOf(const VARIANT& child) {
  ComPtr<IAccessible> object;
  if (child.vt == VT_DISPATCH && child.pdispVal)
    child.pdispVal->QueryInterface(IID_PPV_ARGS(&object));
  return object;
}

void ClearAll(std::vector<VARIANT>& children) {
  for (VARIANT& child : children) VariantClear(&child);
}

BOOL CALLBACK MatchDetailBox(HWND child, LPARAM param) {
  char className[16] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Edit") != 0 || !(GetWindowLongA(child, GWL_STYLE) & ES_MULTILINE))
    return TRUE;
  *reinterpret_cast<HWND*>(param) = child;
  return FALSE;
}

// Focus events of the program, as an out-of-context hook in this process receives them.
std::vector<std::pair<HWND, long>> focusEvents;
void CALLBACK FocusEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT) focusEvents.emplace_back(window, child);
}

// Lets this thread take hook callbacks until `done` holds or ten seconds pass: a loaded machine
// starts the program slowly.
template <class Done>
bool PumpUntil(Done&& done) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 10000;) {
    if (done()) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  return done();
}

class AccessibleGridTest : public testing::RealisticSeedSuite<> {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // The same cache listed by the program's own code in this process: what the window lists.
    listed.FormCreate();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = TARNWICK_EXE;
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    ASSERT_TRUE(
        PumpUntil([&] { return (window = testing::VisibleWindowOf(process.dwProcessId)); }));
    grid = FindWindowExA(window, nullptr, "TarnwickGrid", nullptr);
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(
        AccessibleObjectFromWindow(grid, static_cast<DWORD>(OBJID_CLIENT), IID_PPV_ARGS(&table)),
        S_OK);
  }
  void TearDown() override {
    table.Reset();
    if (process.hProcess) {
      PostMessageA(window, WM_CLOSE, 0, 0);
      WaitForSingleObject(process.hProcess, 10000);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
    CoUninitialize();
  }

  std::string Detail() const {
    HWND box = nullptr;
    EnumChildWindows(window, MatchDetailBox, reinterpret_cast<LPARAM>(&box));
    char text[4096] = {};
    SendMessageA(box, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    const std::string all = text;
    return all.substr(0, all.find("\r\n"));
  }

  testing::RealPlatform real;
  TForm1 listed{real.platform};
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
  HWND grid = nullptr;
  ComPtr<IAccessible> table;
};

TEST_F(AccessibleGridTest, ReadsTheTableItsHeaderAndEveryRowAsListed) {
  const EntryTable& rows = listed.grd;
  ASSERT_GT(rows.RowCount(), 3);
  EXPECT_EQ(NameOf(table.Get()), "Entries");
  EXPECT_EQ(LongOf(&IAccessible::get_accRole, table.Get()), ROLE_SYSTEM_TABLE);

  std::vector<VARIANT> children = ChildrenOf(table.Get());
  ASSERT_EQ(children.size(), static_cast<size_t>(rows.RowCount()))
      << "the header row and every entry";
  for (int row = 0; row < rows.RowCount(); ++row) {
    ComPtr<IAccessible> object = ObjectOf(children[static_cast<size_t>(row)]);
    ASSERT_TRUE(object) << row;
    EXPECT_EQ(LongOf(&IAccessible::get_accRole, object.Get()), ROLE_SYSTEM_ROW);
    EXPECT_EQ(NameOf(object.Get()), rows.Cell(0, row)) << row;
    std::vector<VARIANT> cells = ChildrenOf(object.Get());
    ASSERT_EQ(cells.size(), 11u);
    for (int col = 0; col < 11; ++col) {
      // Every cell of the header row, and the first of each entry row.
      if (row > 0 && col > 0) break;
      const long id = cells[static_cast<size_t>(col)].lVal;
      EXPECT_EQ(NameOf(object.Get(), id), rows.Cell(col, row)) << row << "," << col;
      EXPECT_EQ(LongOf(&IAccessible::get_accRole, object.Get(), id),
                row == 0 ? ROLE_SYSTEM_COLUMNHEADER : ROLE_SYSTEM_CELL);
    }
    ClearAll(cells);
  }
  ClearAll(children);
  EXPECT_EQ(rows.Cell(0, 0), "Source URL");
  EXPECT_EQ(rows.Cell(10, 0), "Header");
}

TEST_F(AccessibleGridTest, DownIsAnnouncedDefaultActionClicksAndNothingOutlivesTheWindow) {
  const EntryTable& rows = listed.grd;
  ASSERT_GT(rows.RowCount(), 4);
  focusEvents.clear();
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, FocusEvent,
                                       process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);

  // Focus to the grid as a screen reader user would move it, then Down.
  EXPECT_EQ(table->accSelect(SELFLAG_TAKEFOCUS, Child(CHILDID_SELF)), S_OK);
  PostMessageA(grid, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageA(grid, WM_KEYUP, VK_DOWN, static_cast<LPARAM>(0xC000'0001u));
  const std::pair<HWND, long> secondEntry{grid, 3};
  EXPECT_TRUE(PumpUntil([&] {
    return std::find(focusEvents.begin(), focusEvents.end(), secondEntry) != focusEvents.end();
  })) << "a focus event for child 3, the second entry row";
  UnhookWinEvent(hook);

  VARIANT selection;
  VariantInit(&selection);
  ASSERT_EQ(table->get_accSelection(&selection), S_OK);
  ComPtr<IAccessible> selected = ObjectOf(selection);
  VariantClear(&selection);
  ASSERT_TRUE(selected);
  EXPECT_EQ(NameOf(selected.Get()), rows.Cell(0, 2));
  const long state = LongOf(&IAccessible::get_accState, selected.Get());
  EXPECT_EQ(state & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED),
            STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);
  EXPECT_EQ(Detail(), rows.Cell(0, 2));

  // The default action on the fourth entry row is a click on it: the detail box shows it.
  IDispatch* fourth = nullptr;
  ASSERT_EQ(table->get_accChild(Child(5), &fourth), S_OK);
  ComPtr<IAccessible> row;
  fourth->QueryInterface(IID_PPV_ARGS(&row));
  fourth->Release();
  EXPECT_EQ(row->accDoDefaultAction(Child(CHILDID_SELF)), S_OK);
  EXPECT_EQ(Detail(), rows.Cell(0, 4));

  PostMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  LONG count = 0;
  EXPECT_TRUE(FAILED(table->get_accChildCount(&count)));
  BSTR name = nullptr;
  EXPECT_TRUE(FAILED(row->get_accName(Child(CHILDID_SELF), &name)));
  EXPECT_TRUE(FAILED(selected->accDoDefaultAction(Child(CHILDID_SELF))));
}

}  // namespace
}  // namespace tarnwick
