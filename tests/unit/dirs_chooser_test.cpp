// "Choose Directory:" opened by "Add Dir. ...": the drive list, the tree read as it opens, and
// what reaches the list field.
#include <gtest/gtest.h>

#include <algorithm>
#include "dirs/dir_chooser.h"
#include "ui/pictures.h"
#include "tests/unit/program_fixture.h"

namespace {

class ChooserTest : public program_test::PlainWindowTest {
  protected:
    void OnChooser(std::function<int(dirs::TForm5&)> script) {
        machine.ui.OnModal("TForm5", [script](ui::Form& f) { return script(static_cast<dirs::TForm5&>(f)); });
    }
    static int Child(const ui::TreeView& tree, int parent, const std::string& text) {
        for (int id : tree.At(parent).children) {
            if (tree.At(id).text == text) return id;
        }
        return 0;
    }
};

TEST_F(ChooserTest, DrivesAreListedWithTheirLabelsOrRemoteNames) {
    machine.AddRemovableDrive('A');
    machine.AddCdrom('E');
    machine.files.SetVolumeInfo('E', port::VolumeInfo{"MUSIC", 1, "CDFS"});
    machine.AddNetworkDrive('N', "\\\\SERVER\\SHARE");
    Start();
    OnChooser([this](dirs::TForm5& d) {
        EXPECT_EQ(d.DriveComboBox1.Items(),
                  (std::vector<std::string>{"A:", "C: [SYSTEM]", "E: [MUSIC]", "N: \\\\SERVER\\SHARE"}));
        EXPECT_EQ(d.DriveComboBox1.Text(), "C: [SYSTEM]");
        // Each entry with the picture of its drive type.
        EXPECT_EQ(d.DriveComboBox1.Picture(0), ui::kPictureDriveFloppy);
        EXPECT_EQ(d.DriveComboBox1.Picture(1), ui::kPictureDriveFixed);
        EXPECT_EQ(d.DriveComboBox1.Picture(2), ui::kPictureDriveCdrom);
        EXPECT_EQ(d.DriveComboBox1.Picture(3), ui::kPictureDriveNetwork);
        // F1 or the caption's "?" over any control: the window's topic.
        EXPECT_TRUE(d.helpButton);
        d.PeerHelp(&d.DirectoryOutline1);
        EXPECT_EQ(machine.feedback.helpCalls.back().keyword, "add_directory");
        return 2;
    });
    form->SpeedButton7.Click();
    EXPECT_EQ(machine.ui.modalRuns.size(), 1u);
}

TEST_F(ChooserTest, ARootOpensExpandedALeafOffersTheMenuAndSelectThisAppends) {
    machine.files.AddDirectory("C:\\DATA\\LEAF");
    machine.files.AddFile("C:\\DATA\\FILE.TXT");
    Start();
    form->Edit4.SetText("C:\\WINDOWS\\TEMP;");
    OnChooser([this](dirs::TForm5& d) {
        ui::TreeView& tree = d.DirectoryOutline1;
        EXPECT_EQ(tree.At(1).text, "C:\\");
        EXPECT_TRUE(tree.At(1).expanded);
        std::vector<std::string> names;
        for (int id : tree.At(1).children)
            names.push_back(tree.At(id).text);
        EXPECT_EQ(names, (std::vector<std::string>{"DATA", "RAVELIN", "WINDOWS"}));
        const int data = Child(tree, 1, "DATA");
        tree.SetSelected(data);
        tree.Expand(data);  // has a subdirectory: no menu
        EXPECT_TRUE(machine.ui.popups.empty());
        const int leaf = Child(tree, data, "LEAF");
        EXPECT_NE(leaf, 0);
        if (leaf == 0) return 2;
        tree.SetSelected(leaf);
        machine.ui.ChooseInPopup("SelectThis1");
        tree.Expand(leaf);
        EXPECT_EQ(machine.ui.popups.size(), 1u);
        EXPECT_EQ(d.ModalResult(), 1);
        return 0;
    });
    form->SpeedButton7.Click();
    EXPECT_EQ(form->Edit4.Text(), "C:\\WINDOWS\\TEMP;C:\\DATA\\LEAF;");
    EXPECT_TRUE(machine.registry.HasValue(port::RegRoot::CurrentUser,
                                          "Software\\QAV\\Ravelin\\LocalUser\\DirListWindow", "Height"));
}

TEST_F(ChooserTest, ChangingTheDriveAndClosingTheWindowChoosesNothing) {
    machine.AddFixedDrive('D');
    machine.files.AddDirectory("D:\\X");
    Start();
    OnChooser([](dirs::TForm5& d) {
        d.DriveComboBox1.PeerSelected(1);
        EXPECT_EQ(d.DirectoryOutline1.At(1).text, "D:\\");
        EXPECT_EQ(d.CurrentDirectory(), "D:\\");
        d.SelectThis1.Click();
        d.SetModalResult(0);
        d.CancelCollapse1.Click();  // clears the choice, the window stays
        EXPECT_EQ(d.chosen, "");
        d.SelectThis1.Click();
        d.SetModalResult(0);
        return 2;  // the close box: nothing chosen, whatever was selected
    });
    form->SpeedButton7.Click();
    EXPECT_EQ(form->Edit4.Text(), "");
}

TEST_F(ChooserTest, Nt351OnlyExplains) {
    Start(sim::Os::NT3);
    form->SpeedButton7.Click();
    EXPECT_TRUE(machine.ui.modalRuns.empty());
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(
        machine.dialogs.boxes[0].text.rfind("The \"Add Directory ...\" function only works under Windows NT "
                                            "v4.0\ror under Windows 95!",
                                            0),
        0u);
}

}  // namespace
