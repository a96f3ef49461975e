#include "app/fatal.h"

#include <windows.h>

#include <array>

#include "ui/toolkit.h"

namespace island {
namespace {

// Everything here works in fixed buffers: the error being reported may be
// that memory has run out.
class FixedText {
 public:
  void Append(std::string_view utf8) {
    if (utf8.empty() || used_ + 1 >= buffer_.size()) return;
    const int room = static_cast<int>(buffer_.size() - used_ - 1);
    const int written = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                            buffer_.data() + used_, room);
    used_ += written > 0 ? static_cast<size_t>(written) : 0;
    buffer_[used_] = L'\0';
  }
  const wchar_t* c_str() const { return buffer_.data(); }

 private:
  std::array<wchar_t, 1024> buffer_{};
  size_t used_ = 0;
};

}  // namespace

void FatalError(std::string_view message) {
  static bool reporting = false;
  if (reporting) ExitProcess(static_cast<UINT>(-1));
  reporting = true;
  HoldEvents();

  FixedText text;
  text.Append("运行时出错!\r\n\r\n错误信息：");
  text.Append(message);
  text.Append("\r\n");
  MessageBoxW(nullptr, text.c_str(), L"错误", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(-1));
}

void FatalAllocation(size_t bytes) {
  char digits[24];
  size_t start = sizeof digits;
  do {
    digits[--start] = static_cast<char>('0' + bytes % 10);
    bytes /= 10;
  } while (bytes != 0);
  char utf8[96];
  size_t used = 0;
  auto add = [&](std::string_view part) {
    for (char c : part) {
      if (used < sizeof utf8) utf8[used++] = c;
    }
  };
  add("分配 ");
  add(std::string_view(digits + start, sizeof digits - start));
  add(" 字节内存失败!");
  FatalError(std::string_view(utf8, used));
}

}  // namespace island
