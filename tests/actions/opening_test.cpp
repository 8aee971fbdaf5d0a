#include "actions/Opening.h"

#include <gtest/gtest.h>

#include <string>

#include "ActionFakes.h"

namespace tarnwick {
namespace {

using testing::RecordingShell;

TEST(OpeningTest, RequestOpensTheTargetShownWithoutErrorDialogs) {
  int owner = 0;
  const ShellExecuteRequest request = MakeOpenRequest("C:\\cache\\page[1].htm", &owner);
  // The builds differ here: SHELLEXECUTEINFOA is 60 bytes in the 32-bit one, 112 in the 64-bit one.
  EXPECT_EQ(request.cbSize, sizeof(void*) == 4 ? 60u : 112u);
  EXPECT_EQ(request.fMask, 0x44Cu);
  EXPECT_EQ(request.hwnd, &owner);
  EXPECT_STREQ(request.lpVerb, "open");
  EXPECT_STREQ(request.lpFile, "C:\\cache\\page[1].htm");
  EXPECT_EQ(request.lpParameters, nullptr);
  EXPECT_EQ(request.lpDirectory, nullptr);
  EXPECT_EQ(request.nShow, 1) << "shown normally, never hidden";
}

TEST(OpeningTest, ShellOpenPassesTheTextUnchangedUpToItsFirstNul) {
  using namespace std::string_literals;
  RecordingShell shell;
  ShellOpen(shell, "http://example.com/search?q=a+b&page=2#top", nullptr);
  ShellOpen(shell, " ", nullptr);
  ShellOpen(shell, "C:\\a.htm\0C:\\b.exe"s, nullptr);
  ASSERT_EQ(shell.calls.size(), 3u);
  EXPECT_EQ(shell.calls[0].file, "http://example.com/search?q=a+b&page=2#top");
  EXPECT_EQ(shell.calls[1].file, " ");
  EXPECT_EQ(shell.calls[2].file, "C:\\a.htm");
  EXPECT_EQ(shell.calls[0].verb, "open");
}

TEST(OpeningTest, OnlyWebUrlsCountAsBrowserUrls) {
  using namespace std::string_literals;
  for (const char* url :
       {"http://example.com/", "HTTPS://example.com/a?b", "ftp://files.example/x", "Http:relative"})
    EXPECT_TRUE(IsBrowserUrl(url)) << url;
  for (std::string text :
       {"Cookie:user@example.com/"s, "Visited: user@http://example.com/"s, "calc.exe"s,
        "C:\\Windows\\system32\\cmd.exe"s, "file:///C:/x.exe"s, "javascript:alert(1)"s, "http"s,
        " http://example.com/"s, ""s, "Source URL"s, "\0http://example.com/"s})
    EXPECT_FALSE(IsBrowserUrl(text)) << text;
}

}  // namespace
}  // namespace tarnwick
