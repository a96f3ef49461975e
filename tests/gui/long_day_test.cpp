// A long day at the desk: 10,000 rounds of 生成预览 and 复制 on one running
// program leave what it holds where it was.
//
// Wine reports neither a process's GDI and USER object counts (GetGuiResources
// gives 0) nor its private bytes (PrivateUsage gives 0), so:
// - GDI objects and DCs: the test build counts every one the program makes
//   (all of them go through the owners in ui/scoped_win.h) while it lives;
// - USER objects: the windows of the program's thread, counted from outside;
// - private memory: the committed private pages of the process, summed with
//   VirtualQueryEx.
#include "tests/gui/harness.h"

#include <gtest/gtest.h>

namespace island::test {
namespace {

using enum Control;

BOOL CALLBACK CountOne(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM count) {
  CountOne(hwnd, count);
  EnumChildWindows(hwnd, CountOne, count);
  return TRUE;
}

long WindowsOf(DWORD thread) {
  long count = 0;
  EnumThreadWindows(thread, CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

SIZE_T PrivateCommitted(HANDLE process) {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION info{};
  for (const char* at = nullptr; VirtualQueryEx(process, at, &info, sizeof info) == sizeof info;
       at = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
    if (info.RegionSize == 0) break;
  }
  return total;
}

struct Usage {
  long gdi;
  long windows;
  SIZE_T private_bytes;
};

TEST(LongDay, TenThousandRoundsOfGenerateAndCopyLeakNothing) {
  AppUnderTest app(L"test-harness.exe");
  ASSERT_NE(app.window(), nullptr);
  const HWND counter = FindWindowExW(HWND_MESSAGE, nullptr, L"IslandTestSwitch", nullptr);
  ASSERT_NE(counter, nullptr);
  const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, app.pid());
  ASSERT_NE(process, nullptr);
  const HWND generate = app.control(kGenerateButton);
  const HWND copy = app.control(kCopyButton);
  auto usage = [&] {
    return Usage{static_cast<long>(SendMessageW(counter, WM_APP + 1, 0, 0)),
                 WindowsOf(app.thread_id()), PrivateCommitted(process)};
  };
  auto round = [&] {
    SendMessageW(generate, BM_CLICK, 0, 0);
    SendMessageW(copy, BM_CLICK, 0, 0);
  };

  for (int i = 0; i < 100; ++i) round();  // caches and heaps settle first
  const Usage before = usage();
  const LRESULT made_before = SendMessageW(counter, WM_APP + 2, 0, 0);
  for (int i = 0; i < 10'000; ++i) round();
  const Usage after = usage();
  // The count is alive: the rounds made (and gave back) many objects.
  EXPECT_GT(SendMessageW(counter, WM_APP + 2, 0, 0) - made_before, 10'000);

  std::printf(
      "GDI objects and DCs held: %ld -> %ld; windows: %ld -> %ld; private bytes: %zu -> %zu\n",
      before.gdi, after.gdi, before.windows, after.windows,
      static_cast<size_t>(before.private_bytes), static_cast<size_t>(after.private_bytes));
  EXPECT_LE(std::abs(after.gdi - before.gdi), 2);
  EXPECT_LE(std::abs(after.windows - before.windows), 2);
  EXPECT_LT(after.private_bytes, before.private_bytes + 1024 * 1024);
  EXPECT_EQ(UnicodeClipboard(), TextOf(app.control(kPreview)));
  CloseHandle(process);
}

}  // namespace
}  // namespace island::test
