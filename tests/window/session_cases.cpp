// The editor's life: started and closed as a program, and the question about
// unsaved changes answered Cancel.
#include <string>

#include "tests/window/window_case.h"

namespace kalvex::test {
namespace {

using SessionCase = WindowCase;

// Every way of closing ends the process with status 1.
TEST_F(SessionCase, ClosingEndsTheEditorWithStatus1) {
  for (const char* how : {"file-exit", "close-box"}) {
    EXPECT_EQ(Driver().CloseEditorInOwnProcess(how), 1) << how;
  }
}

// Cancel keeps the window as it was: the page up, what was typed, unsaved.
TEST_F(SessionCase, CancelInTheUnsavedChangesQuestionKeepsTheWindow) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(0));
  ASSERT_TRUE(Driver().Type("Enter", "GUN"));
  for (const char* item : {"E&xit", "&New", "O&pen"}) {
    Ui().Answers.push_back(IDCANCEL);
    ASSERT_TRUE(Driver().ChooseMenuItem("&File", item)) << item;
    ASSERT_EQ(Ui().Questions.size(), 1u) << item;
    EXPECT_EQ(Ui().Questions[0].Text, kUnsavedQuestion);
    EXPECT_EQ(Ui().Questions[0].Caption, "Warning...");
    EXPECT_EQ(Ui().Questions[0].Type, MB_YESNOCANCEL);
    Ui().Questions.clear();
    EXPECT_TRUE(Ui().FileDialogs.empty()) << item;
    EXPECT_EQ(Window().SaveFlag(), 0) << item;
    EXPECT_EQ(Driver().EditText("Enter"), "GUN") << item;
    EXPECT_EQ(Driver().PageListSelection(), 0) << item;
  }
}

}  // namespace
}  // namespace kalvex::test
