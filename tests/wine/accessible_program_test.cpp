// The real program's grid as a screen reader or an automation tool meets it from another
// process, through the accessibility interface and its events, against the same listing made in
// this process.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>
#include <wrl/client.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "RealPlatform.h"
#include "SeedSuites.h"
#include "StartedProgram.h"
#include "cache/Columns.h"
#include "support/WindowInput.h"
#include "support/WindowText.h"
#include "window/Form1.h"

namespace tarnwick {
namespace {

using testing::ChildOf;
using testing::StartedProgram;
using testing::TextOf;

using SeededProgramTest = testing::RealisticSeedSuite<>;

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

std::string DescriptionOf(IAccessible* object, long child = CHILDID_SELF) {
  BSTR description = nullptr;
  EXPECT_TRUE(SUCCEEDED(object->get_accDescription(Child(child), &description)));
  return Narrow(description);
}

// What a row's description reads, from the rule: "Caption: text" for each column after the
// first whose cell shows something, the blank of an empty item being nothing.
std::string DescribedRow(const EntryTable& rows, int row) {
  std::string described;
  for (int col = 1; col < rows.ColCount(); ++col) {
    const std::string_view text = rows.ShownText(col, row);
    if (text.empty() || text == " ") continue;
    if (!described.empty()) described += ", ";
    described.append(rows.ShownText(col, 0)).append(": ").append(text);
  }
  return described;
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

// Focus events of the program, as an out-of-context hook in this process receives them.
std::vector<std::pair<HWND, long>> focusEvents;
void CALLBACK FocusEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT) focusEvents.emplace_back(window, child);
}

// The windows that raised a live region event for their client area.
std::vector<HWND> liveRegionEvents;
void CALLBACK LiveRegionEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                              DWORD) {
  if (object == OBJID_CLIENT && child == CHILDID_SELF) liveRegionEvents.push_back(window);
}

// Lets this thread take hook callbacks until `done` holds or ten seconds pass.
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

class AccessibleProgramTest : public SeededProgramTest {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    expected.FormCreate();
    program = std::make_unique<StartedProgram>(TARNWICK_EXE);
    window = program->Window();
    ASSERT_NE(window, nullptr);
    grid = ChildOf(window, "TarnwickGrid");
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(
        AccessibleObjectFromWindow(grid, static_cast<DWORD>(OBJID_CLIENT), IID_PPV_ARGS(&table)),
        S_OK);
  }
  void TearDown() override {
    table.Reset();
    program.reset();
    CoUninitialize();
  }

  testing::RealPlatform real;
  TForm1 expected{real.platform};
  std::unique_ptr<StartedProgram> program;
  HWND window = nullptr;
  HWND grid = nullptr;
  ComPtr<IAccessible> table;
};

// Each view in turn, as the user chooses it: the status line is read out when its listing ends,
// and every row reads its other columns with their captions.
TEST_F(AccessibleProgramTest, ReadsTheTableItsHeaderAndEveryRowAsListed) {
  const EntryTable& rows = expected.grd;
  HWND status = ChildOf(window, "Static");
  ASSERT_NE(status, nullptr);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                      LiveRegionEvent, processId, 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  const struct {
    const char* button;
    void (TForm1::*click)();
  } views[] = {{"Content", nullptr},
               {"Cookies", &TForm1::rdo_CookieClick},
               {"History", &TForm1::rdo_HistoryClick}};
  for (const auto& view : views) {
    SCOPED_TRACE(view.button);
    if (view.click) {
      (expected.*view.click)();
      liveRegionEvents.clear();
      PostMessageA(FindWindowExA(window, nullptr, "Button", view.button), BM_CLICK, 0, 0);
      EXPECT_TRUE(PumpUntil([&] {
        return TextOf(status) == expected.lbl_Status.Caption() &&
               std::find(liveRegionEvents.begin(), liveRegionEvents.end(), status) !=
                   liveRegionEvents.end();
      })) << "the status line read out at the end of the listing";
    }
    ASSERT_GT(rows.RowCount(), 2) << "the header row and two entries at least";
    EXPECT_EQ(NameOf(table.Get()), "Entries");
    EXPECT_EQ(LongOf(&IAccessible::get_accRole, table.Get()), ROLE_SYSTEM_TABLE);

    std::vector<VARIANT> children = ChildrenOf(table.Get());
    ASSERT_EQ(children.size(), static_cast<size_t>(rows.RowCount()))
        << "the header row and every entry";
    for (int row = 0; row < rows.RowCount(); ++row) {
      ComPtr<IAccessible> object = ObjectOf(children[static_cast<size_t>(row)]);
      ASSERT_TRUE(object) << row;
      EXPECT_EQ(LongOf(&IAccessible::get_accRole, object.Get()), ROLE_SYSTEM_ROW);
      EXPECT_EQ(NameOf(object.Get()), rows.Cell(kColSourceUrl, row)) << row;
      if (row > 0) {
        const std::string description = DescriptionOf(object.Get());
        EXPECT_EQ(description, DescribedRow(rows, row)) << row;
        EXPECT_NE(description.find(": "), std::string::npos) << row;
        if (view.click == &TForm1::rdo_CookieClick) {
          EXPECT_EQ(description.find("Header"), std::string::npos) << row;
        }
      }
      std::vector<VARIANT> cells = ChildrenOf(object.Get());
      ASSERT_EQ(cells.size(), std::size(kColumns));
      // Every cell of the header row, and the first of each entry row; each entry cell's
      // description is its column's caption.
      for (int col = 0; col < rows.ColCount(); ++col) {
        const long id = cells[static_cast<size_t>(col)].lVal;
        if (row > 0) {
          EXPECT_EQ(DescriptionOf(object.Get(), id), rows.Cell(col, 0)) << row;
        }
        if (row > 0 && col > 0) continue;
        EXPECT_EQ(NameOf(object.Get(), id), rows.Cell(col, row)) << row << "," << col;
        EXPECT_EQ(LongOf(&IAccessible::get_accRole, object.Get(), id),
                  row == 0 ? ROLE_SYSTEM_COLUMNHEADER : ROLE_SYSTEM_CELL);
      }
      ClearAll(cells);
    }
    ClearAll(children);
  }
  UnhookWinEvent(hook);
  EXPECT_EQ(rows.Cell(kColSourceUrl, 0), "Source URL");
  EXPECT_EQ(rows.Cell(kColHeader, 0), "Header");
}

TEST_F(AccessibleProgramTest, DownIsAnnouncedAndTheDefaultActionClicks) {
  const EntryTable& rows = expected.grd;
  ASSERT_GT(rows.RowCount(), 4);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  focusEvents.clear();
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, FocusEvent,
                                       processId, 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);

  // The focus to the grid as a screen reader user moves it, then Down.
  EXPECT_EQ(table->accSelect(SELFLAG_TAKEFOCUS, Child(CHILDID_SELF)), S_OK);
  testing::PostKeyPress(grid, VK_DOWN);
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
  EXPECT_EQ(NameOf(selected.Get()), rows.Cell(kColSourceUrl, 2));
  const long state = LongOf(&IAccessible::get_accState, selected.Get());
  EXPECT_EQ(state & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED),
            STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);

  // The default action on the fourth entry row is a click on it: the detail box shows it.
  IDispatch* fourth = nullptr;
  ASSERT_EQ(table->get_accChild(Child(5), &fourth), S_OK);
  ComPtr<IAccessible> row;
  fourth->QueryInterface(IID_PPV_ARGS(&row));
  fourth->Release();
  EXPECT_EQ(row->accDoDefaultAction(Child(CHILDID_SELF)), S_OK);
  const std::string detail = TextOf(ChildOf(window, "Edit", ES_MULTILINE));
  EXPECT_EQ(detail.substr(0, detail.find("\r\n")), rows.Cell(kColSourceUrl, 4));
}

}  // namespace
}  // namespace tarnwick
