// Measures the program under Wine and prints a table: start-up and peak
// working set against a bare one-window program (measured side by side,
// alternating), and the time of one 生成预览 and one 复制 for three sizes of
// description. Each figure is the median of several runs.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / frequency;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::wstring Folder() {
  wchar_t path[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

struct Window {
  DWORD pid;
  const wchar_t* window_class;
  HWND found = nullptr;
};

BOOL CALLBACK FindProcessWindow(HWND hwnd, LPARAM lp) {
  auto* w = reinterpret_cast<Window*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  if (owner == w->pid && IsWindowVisible(hwnd) && std::wstring(name) == w->window_class) {
    w->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

class Launched {
 public:
  Launched(const std::wstring& exe, const wchar_t* window_class) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + exe + L"\"";
    start_ = Now();
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_)) {
      return;
    }
    WaitForInputIdle(info_.hProcess, 20000);
    Window w{info_.dwProcessId, window_class};
    const double give_up = Now() + 20000;
    while (!w.found && Now() < give_up) {
      EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&w));
      if (!w.found) Sleep(1);
    }
    window_ = w.found;
    startup_ms_ = Now() - start_;
  }
  ~Launched() {
    if (!info_.hProcess) return;
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, 5000) != WAIT_OBJECT_0)
      TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  HWND window() const { return window_; }
  double startup_ms() const { return startup_ms_; }
  double PeakWorkingSetKiB() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(info_.hProcess, &counters, sizeof counters)) return 0;
    return static_cast<double>(counters.PeakWorkingSetSize) / 1024.0;
  }

 private:
  PROCESS_INFORMATION info_{};
  HWND window_ = nullptr;
  double start_ = 0;
  double startup_ms_ = 0;
};

BOOL CALLBACK FindControl(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<std::pair<int, HWND>*>(lp);
  if (GetDlgCtrlID(hwnd) == search->first) {
    search->second = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND Control(HWND window, int id) {
  std::pair<int, HWND> search{id, nullptr};
  EnumChildWindows(window, FindControl, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

// Control ids of the main window (its creation order).
constexpr int kPreview = 4, kDescription = 18, kGenerate = 30, kCopy = 31;

// A click that returns when the command behind it has run: BM_CLICK is sent,
// and the button raises its click inside that call.
double TimeClick(HWND button) {
  const double start = Now();
  SendMessageW(button, BM_CLICK, 0, 0);
  return Now() - start;
}

// The part of a 生成预览 that is the edit control's own: the preview box,
// holding something else, replacing its whole text with the entry, as the
// command does it.
double TimeDefaultEntryIntoPreview(HWND preview, int runs) {
  std::wstring entry(static_cast<size_t>(GetWindowTextLengthW(preview)) + 1, L'\0');
  entry.resize(
      static_cast<size_t>(GetWindowTextW(preview, entry.data(), static_cast<int>(entry.size()))));
  auto replace_all = [&](const wchar_t* text) {
    SendMessageW(preview, EM_SETSEL, 0, -1);
    SendMessageW(preview, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
  };
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    replace_all(L"x");
    const double start = Now();
    replace_all(entry.c_str());
    times.push_back(Now() - start);
  }
  return Median(times);
}

void Row(const char* figure, double program, double floor, const char* goal) {
  if (floor > 0) {
    std::printf("| %-44s | %12.2f | %10.2f | %6.2f | %-22s |\n", figure, program, floor,
                program / floor, goal);
  } else {
    std::printf("| %-44s | %12.2f | %10s | %6s | %-22s |\n", figure, program, "", "", goal);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 9;
  const std::wstring folder = Folder();
  const std::wstring program = folder + L"island-schematic.exe";
  const std::wstring bare = folder + L"bare-window.exe";

  // Warm-up: the first start of any program pays for loading Wine's DLLs.
  { Launched warm(program, L"IslandSchematicWindow"); }
  { Launched warm(bare, L"BareWindow"); }

  std::vector<double> start_program, start_bare, memory_program, memory_bare;
  for (int i = 0; i < runs; ++i) {
    {
      Launched p(program, L"IslandSchematicWindow");
      start_program.push_back(p.startup_ms());
      Sleep(200);
      memory_program.push_back(p.PeakWorkingSetKiB());
    }
    {
      Launched b(bare, L"BareWindow");
      start_bare.push_back(b.startup_ms());
      Sleep(200);
      memory_bare.push_back(b.PeakWorkingSetKiB());
    }
  }

  struct Size {
    const char* name;
    size_t characters;
  };
  const Size sizes[] = {{"defaults", 0},
                        {"100,000-character description", 100'000},
                        {"1,000,000-character description", 1'000'000}};
  double generate[3] = {}, copy[3] = {}, preview_update = 0;
  {
    Launched p(program, L"IslandSchematicWindow");
    for (int s = 0; s < 3; ++s) {
      if (sizes[s].characters) {
        const std::wstring description(sizes[s].characters, L'岛');
        SendMessageW(Control(p.window(), kDescription), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(description.c_str()));
      }
      std::vector<double> g, c;
      for (int i = 0; i < runs; ++i) {
        g.push_back(TimeClick(Control(p.window(), kGenerate)));
        c.push_back(TimeClick(Control(p.window(), kCopy)));
      }
      generate[s] = Median(g);
      copy[s] = Median(c);
      if (s == 0) preview_update = TimeDefaultEntryIntoPreview(Control(p.window(), kPreview), runs);
    }
  }

  std::printf("| %-44s | %12s | %10s | %6s | %-22s |\n", "figure (median of runs)", "program",
              "floor", "ratio", "goal");
  std::printf("|%s|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(14, '-').c_str(),
              std::string(12, '-').c_str(), std::string(8, '-').c_str(),
              std::string(24, '-').c_str());
  Row("start-up to window shown and idle (ms)", Median(start_program), Median(start_bare),
      "within 1.3 x floor");
  Row("peak working set (KiB)", Median(memory_program), Median(memory_bare), "within 1.3 x floor");
  for (int s = 0; s < 3; ++s) {
    const std::string name = std::string("one 生成预览, ") + sizes[s].name + " (ms)";
    Row(name.c_str(), generate[s], 0, s == 0 ? "under 5 ms" : "");
  }
  Row("  of which the preview box taking the text (ms)", preview_update, 0, "");
  Row("生成预览 1,000,000 / 100,000 (ratio)", generate[2] / generate[1], 0, "at most 12");
  for (int s = 0; s < 3; ++s) {
    const std::string name = std::string("one 复制, ") + sizes[s].name + " (ms)";
    Row(name.c_str(), copy[s], 0, "");
  }
  std::printf("runs: %d\n", runs);
  return 0;
}
