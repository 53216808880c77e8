#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "tests/tools/run_program.h"

namespace kalvex::test {
namespace {

std::wstring Widen(const std::string& utf8) {
  const int size = static_cast<int>(utf8.size());
  std::wstring wide(
      static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
      L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

// One word of a command line, quoted so that the C runtime's parser gives it
// back unchanged: backslashes are doubled only before a quote.
std::wstring Quoted(const std::wstring& word) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : word) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

// A file handle that the child inherits, closed when it goes out of scope.
class InheritedFile {
 public:
  InheritedFile(const std::filesystem::path& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    handle_ = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                          disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << path << ": error " << GetLastError();
  }
  InheritedFile(const InheritedFile&) = delete;
  InheritedFile& operator=(const InheritedFile&) = delete;
  ~InheritedFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace

int RunProgram(const std::string& program, const std::vector<std::string>& args,
               const std::filesystem::path& in, const std::filesystem::path& out,
               const std::filesystem::path& err) {
  const InheritedFile input(in, GENERIC_READ, OPEN_EXISTING);
  const InheritedFile error(err, GENERIC_WRITE, CREATE_ALWAYS);
  std::optional<InheritedFile> output;
  if (!out.empty()) output.emplace(out, GENERIC_WRITE, CREATE_ALWAYS);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input.get();
  startup.hStdOutput = output ? output->get() : nullptr;  // none: standard output closed
  startup.hStdError = error.get();

  const std::wstring application = Widen(program);
  std::wstring command_line = Quoted(application);
  for (const std::string& arg : args) command_line += L" " + Quoted(Widen(arg));
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(application.c_str(), command_line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                      nullptr, &startup, &process)) {
    ADD_FAILURE() << program << " could not be started: error " << GetLastError();
    return -1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  EXPECT_TRUE(GetExitCodeProcess(process.hProcess, &status));
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(status);
}

}  // namespace kalvex::test
