#include <gtest/gtest.h>

#include "sim/sim_dialogs.h"
#include "sim/sim_loop.h"

namespace {

using sim::BoxKind;

TEST(SimDialogs, BoxesAreRecordedWithTheirKindAndAnsweredByScript) {
    sim::SimLoop loop;
    sim::SimDialogs dialogs(loop);
    dialogs.Answer({port::kIdNo, port::kIdCancel});
    EXPECT_EQ(dialogs.MessageBox("Do you really want to shutdown?", "Ravelin",
                                 port::kMbYesNo | port::kMbIconQuestion),
              port::kIdNo);
    EXPECT_EQ(dialogs.MessageBox("WARNING", "Ravelin", port::kMbOkCancel | port::kMbIconQuestion),
              port::kIdCancel);
    dialogs.handler = [](const sim::BoxRecord& box) {
        return box.kind == BoxKind::Warning ? port::kIdAbort : 0;
    };
    EXPECT_EQ(dialogs.MessageBox("Empty now?", "", port::kMbAbortRetryIgnore | port::kMbIconWarning),
              port::kIdAbort);
    EXPECT_EQ(dialogs.unscriptedBoxes, 0);

    // No script: the first button, counted.
    EXPECT_EQ(dialogs.MessageBox("ERROR: x", "", port::kMbOk | port::kMbIconError), port::kIdOk);
    EXPECT_EQ(dialogs.MessageBox("Sure?", "", port::kMbYesNoCancel | port::kMbIconQuestion), port::kIdYes);
    EXPECT_EQ(dialogs.MessageBox("plain", "", port::kMbOk), port::kIdOk);
    EXPECT_EQ(dialogs.MessageBox("info", "", port::kMbIconInformation), port::kIdOk);
    EXPECT_EQ(dialogs.unscriptedBoxes, 4);

    ASSERT_EQ(dialogs.boxes.size(), 7u);
    EXPECT_EQ(dialogs.boxes[0].kind, BoxKind::Confirmation);
    EXPECT_EQ(dialogs.boxes[0].text, "Do you really want to shutdown?");
    EXPECT_EQ(dialogs.boxes[0].caption, "Ravelin");
    EXPECT_TRUE(dialogs.boxes[0].scripted);
    EXPECT_TRUE(dialogs.boxes[0].onMainThread);
    EXPECT_EQ(dialogs.boxes[2].kind, BoxKind::Warning);
    EXPECT_EQ(dialogs.boxes[3].kind, BoxKind::Error);
    EXPECT_FALSE(dialogs.boxes[3].scripted);
    EXPECT_EQ(dialogs.boxes[5].kind, BoxKind::Plain);
    EXPECT_EQ(dialogs.Count(BoxKind::Information), 1u);
    EXPECT_EQ(dialogs.Containing("ERROR").size(), 1u);
    EXPECT_EQ(dialogs.Last()->text, "info");
}

TEST(SimDialogs, AnAnswerThatIsNoButtonOfTheBoxIsCounted) {
    sim::SimLoop loop;
    sim::SimDialogs dialogs(loop);
    dialogs.Answer(port::kIdYes);
    dialogs.MessageBox("Information only", "", port::kMbOk | port::kMbIconInformation);
    EXPECT_EQ(dialogs.impossibleAnswers, 1);
    EXPECT_EQ(dialogs.boxes[0].Buttons(), std::vector<int>{port::kIdOk});
}

TEST(SimDialogs, OpenFileTakesScriptedPathsAndCancelsOtherwise) {
    sim::SimLoop loop;
    sim::SimDialogs dialogs(loop);
    port::OpenFileRequest request{"Search executable file ...", "Programs|*.EXE", "EXE", "C:\\", true};
    std::string path;
    dialogs.AnswerOpenFile("C:\\TOOLS\\BACKUP.EXE");
    dialogs.AnswerOpenFile(std::nullopt);
    EXPECT_TRUE(dialogs.OpenFile(request, path));
    EXPECT_EQ(path, "C:\\TOOLS\\BACKUP.EXE");
    EXPECT_FALSE(dialogs.OpenFile(request, path));
    EXPECT_EQ(dialogs.unscriptedOpenFiles, 0);
    EXPECT_FALSE(dialogs.OpenFile(request, path));
    EXPECT_EQ(dialogs.unscriptedOpenFiles, 1);
    dialogs.openFileHandler = [](const port::OpenFileRequest& r) { return r.initialDirectory + "X.EXE"; };
    EXPECT_TRUE(dialogs.OpenFile(request, path));
    EXPECT_EQ(path, "C:\\X.EXE");
    ASSERT_EQ(dialogs.openFileRequests.size(), 4u);
    EXPECT_EQ(dialogs.openFileRequests[0].title, "Search executable file ...");
}

}  // namespace
