// kalvex-tdf run as a user runs it: arguments, standard input, exit status,
// standard output, standard error and the files it writes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "record/weapon_record.h"
#include "script/script_writer.h"

extern char** environ;

namespace kalvex {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::string TestData(const std::string& name) {
  return ReadFile(fs::path(KALVEX_TEST_DATA) / name);
}

std::string ResetScript() {
  WeaponRecord record;
  record.Reset();
  record.Weapmodl = 0;
  return WriteScript(record);
}

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

class KalvexTdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "kalvex-tdf-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr) << std::strerror(errno);
    dir_ = pattern;
  }

  void TearDown() override {
    std::error_code ignore;
    fs::remove_all(dir_, ignore);
  }

  // Runs the tool with `args` and `input` on standard input; with
  // `stdout_closed` it finds its standard output closed.
  ToolRun RunTool(const std::vector<std::string>& args, const std::string& input = "",
                  bool stdout_closed = false) {
    const fs::path in = dir_ / "stdin", out = dir_ / "stdout", err = dir_ / "stderr";
    WriteFile(in, input);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    if (stdout_closed) {
      posix_spawn_file_actions_addclose(&actions, 1);
    } else {
      posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                       0600);
    }
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> words = {KALVEX_TDF};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    ToolRun run;
    const int spawned = posix_spawn(&pid, KALVEX_TDF, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0) << std::strerror(spawned);
    if (spawned != 0) return run;
    int wait_status = 0;
    EXPECT_EQ(waitpid(pid, &wait_status, 0), pid);
    EXPECT_TRUE(WIFEXITED(wait_status));
    run.status = WEXITSTATUS(wait_status);
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    std::error_code missing;
    fs::remove(in);
    fs::remove(out, missing);
    fs::remove(err);
    return run;
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

TEST_F(KalvexTdfTest, WritesWorkedExampleToStandardOutput) {
  const ToolRun run = RunTool({"write", "-"}, TestData("worked_example.rec"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, TestData("worked_example.tdf"));
  EXPECT_EQ(run.err, "");
}

TEST_F(KalvexTdfTest, WritesWorkedExampleToFile) {
  const fs::path target = dir_ / "rocket.tdf";
  const ToolRun run = RunTool({"write", target.string()}, TestData("worked_example.rec"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadFile(target), TestData("worked_example.tdf"));
  EXPECT_EQ(Names(), std::vector<std::string>{"rocket.tdf"});
}

TEST_F(KalvexTdfTest, ReplacesEarlierFile) {
  const fs::path target = dir_ / "rocket.tdf";
  WriteFile(target, std::string(5000, 'x'));
  const ToolRun run = RunTool({"write", target.string()}, "");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(ReadFile(target), ResetScript());
}

TEST_F(KalvexTdfTest, EmptyInputWritesResetRecord) {
  const ToolRun run = RunTool({"write", "-"}, "");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, ResetScript());
}

TEST_F(KalvexTdfTest, CrLfInputWritesSameScript) {
  std::string input;
  for (const char c : TestData("worked_example.rec")) {
    if (c == '\n') input += '\r';
    input += c;
  }
  const ToolRun run = RunTool({"write", "-"}, input);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, TestData("worked_example.tdf"));
}

// Bad lines: exit status 2, the line named on standard error, nothing written.
struct BadInput {
  std::string input;
  std::string error;
};

TEST_F(KalvexTdfTest, BadLinesAreRefused) {
  const BadInput kBadInputs[] = {
      {"Weapcode", "kalvex-tdf: line 1: not a Name=value line\n"},
      {"Weapcode=A\n\nWeapfoo=1\n", "kalvex-tdf: line 3: unknown member \"Weapfoo\"\n"},
      {"Weaptur=yes",
       "kalvex-tdf: line 1: Weaptur needs a whole number from -2147483648 to 2147483647, not "
       "\"yes\"\n"},
      {"# big\nWeapsost=4294967296",
       "kalvex-tdf: line 2: Weapsost needs a whole number from -2147483648 to 2147483647, not "
       "\"4294967296\"\n"},
      {"Weapcode=A;B", "kalvex-tdf: line 1: Weapcode must not hold any of ; = [ ] { }\n"},
      {"Weapname=}{", "kalvex-tdf: line 1: Weapname must not hold any of ; = [ ] { }\n"},
      {"WeapID=[x]", "kalvex-tdf: line 1: WeapID must not hold any of ; = [ ] { }\n"},
  };
  const fs::path target = dir_ / "rocket.tdf";
  WriteFile(target, "earlier");
  for (const BadInput& bad : kBadInputs) {
    SCOPED_TRACE(bad.input);
    for (const std::string& out :
         {std::string("-"), target.string(), (dir_ / "new.tdf").string()}) {
      const ToolRun run = RunTool({"write", out}, bad.input);
      EXPECT_EQ(run.status, 2);
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, bad.error);
    }
    EXPECT_EQ(ReadFile(target), "earlier");
    EXPECT_EQ(Names(), std::vector<std::string>{"rocket.tdf"});
  }
}

TEST_F(KalvexTdfTest, UnwritableFileExitsWithOne) {
  const fs::path read_only = dir_ / "read-only.tdf";
  WriteFile(read_only, "earlier");
  fs::permissions(read_only, fs::perms::owner_read | fs::perms::group_read);
  const fs::path missing = dir_ / "missing" / "x.tdf";
  const fs::path folder = dir_ / "sub";
  fs::create_directory(folder);

  for (const fs::path& target : {read_only, missing, folder}) {
    SCOPED_TRACE(target);
    const ToolRun run = RunTool({"write", target.string()}, TestData("worked_example.rec"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kalvex-tdf: " + target.string() + ": Unable to open file\n");
  }
  EXPECT_EQ(ReadFile(read_only), "earlier");
  EXPECT_FALSE(fs::exists(missing.parent_path()));
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(KalvexTdfTest, UnwritableStandardOutputExitsWithOne) {
  const ToolRun run = RunTool({"write", "-"}, TestData("worked_example.rec"), true);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "kalvex-tdf: standard output: Unable to write file\n");
}

// Wrong words on the command line: usage on standard error, exit status 2.
TEST_F(KalvexTdfTest, BadArgumentsShowUsage) {
  const std::vector<std::vector<std::string>> kBadArguments = {
      {}, {"unknown"}, {"--frobnicate"}, {"write"}, {"write", "a.tdf", "b.tdf"},
  };
  for (const auto& args : kBadArguments) {
    SCOPED_TRACE(testing::PrintToString(args));
    const ToolRun run = RunTool(args, "Weaptur=1\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: kalvex-tdf "), std::string::npos) << run.err;
  }
  EXPECT_TRUE(Names().empty());
}

TEST_F(KalvexTdfTest, HelpExplainsTheCommands) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"-h"}, {"help"}, {"write", "--help"}}) {
    SCOPED_TRACE(testing::PrintToString(args));
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("usage: kalvex-tdf write OUT"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Name=value"), std::string::npos) << run.out;
  }
}

}  // namespace
}  // namespace kalvex
