// What the tests of kalvex-tdf share: files byte for byte, the script of a
// fresh weapon, check's summary line, and a fixture that runs the tool in a
// folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "record/weapon_record.h"
#include "script/script_writer.h"
#include "tests/temp_folder.h"
#include "tests/tools/run_program.h"

namespace kalvex {

namespace fs = std::filesystem;

inline std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

inline std::string TestData(const std::string& name) {
  return ReadFile(fs::path(KALVEX_TEST_DATA) / name);
}

inline std::string ResetScript() {
  WeaponRecord record;
  record.Reset();
  record.Weapmodl = 0;
  return WriteScript(record);
}

// `text` with "%0", "%1"... standing for `values[0]`, `values[1]`...
inline std::string Filled(std::string text, const std::vector<std::string>& values) {
  for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at)) {
    const std::string& value = values.at(std::size_t(text[at + 1] - '0'));
    text.replace(at, 2, value);
    at += value.size();
  }
  return text;
}

// The words of `line`, split at blanks, each `Filled` with `values`.
inline std::vector<std::string> Words(const std::string& line,
                                      const std::vector<std::string>& values = {}) {
  std::vector<std::string> words;
  std::istringstream in(line);
  for (std::string word; in >> word;) words.push_back(Filled(word, values));
  return words;
}

// The last line of check's report.
inline std::string Summary(int read, int findings, int shared, int refused) {
  const auto plural = [](int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
  };
  return "kalvex-tdf check: " + plural(read, "file", "files") + " read, " +
         plural(findings, "finding", "findings") + ", " +
         plural(shared, "shared weapon ID", "shared weapon IDs") + ", " +
         plural(refused, "file", "files") + " refused\n";
}

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

class KalvexTdfTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = test::MakeTempFolder("kalvex-tdf-"); }

  void TearDown() override {
    std::error_code ignore;
    // Read-only files cannot be removed on every system.
    for (const auto& entry : fs::recursive_directory_iterator(dir_, ignore)) {
      fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignore);
    }
    fs::remove_all(dir_, ignore);
  }

  // Runs the tool with `args` and `input` on standard input; with
  // `stdout_closed` it finds its standard output closed.
  ToolRun RunTool(const std::vector<std::string>& args, const std::string& input = "",
                  bool stdout_closed = false) {
    const fs::path in = dir_ / "stdin", out = dir_ / "stdout", err = dir_ / "stderr";
    WriteFile(in, input);
    ToolRun run;
    run.status = test::RunProgram(KALVEX_TDF, args, in, stdout_closed ? fs::path() : out, err);
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    for (const fs::path& file : {in, out, err}) fs::remove(file);
    return run;
  }

  // Writes `bytes` as the file `name` in the test's folder; its path.
  std::string Script(const std::string& name, const std::string& bytes) const {
    const fs::path path = dir_ / name;
    WriteFile(path, bytes);
    return path.string();
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  fs::path dir_;
};

}  // namespace kalvex
