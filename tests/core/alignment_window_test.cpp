// The alignment telescope: its picture index, and where its pictures are found.

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

#include "setup/setup_window.h"
#include "testing/fakes.h"
#include "windows/alignment_window.h"
#include "windows/picture_search.h"

namespace kestrom {
namespace {

namespace fs = std::filesystem;

// A scratch folder tree, removed again with the test; the working directory is
// put back too.
class ScratchFolders {
 public:
  ScratchFolders() {
    std::string pattern = (fs::temp_directory_path() / "telescope-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    home_ = fs::current_path();
  }
  ~ScratchFolders() {
    fs::current_path(home_);
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  fs::path folder(const std::string& name) {
    fs::create_directories(root_ / name);
    return root_ / name;
  }
  static void touch(const fs::path& file) { std::ofstream(file) << "GIF89a"; }

 private:
  fs::path root_;
  fs::path home_;
};

class Telescope : public ::testing::Test {
 protected:
  Telescope() { scope.setPictureSearch(PictureSearch({{empty}})); }

  testing::Rig rig;
  TAlignfix& scope = rig.sim.alignmentWindow();
  ScratchFolders scratch;
  fs::path empty = scratch.folder("empty");
};

TEST_F(Telescope, OpensFromTheAbuMenuInEveryScenario) {
  Tmenumain& setup = rig.sim.setupWindow();
  for (auto choose : {&Tmenumain::RadioButton2Click, &Tmenumain::RadioButton3Click,
                      &Tmenumain::RadioButton1Click, &Tmenumain::RadioButton4Click}) {
    (setup.*choose)();
    EXPECT_TRUE(setup.AlignmentFixStation1.Enabled);
  }
  setup.SimulationParameters1Click();
  setup.BitBtn1Click();
  EXPECT_TRUE(setup.AlignmentFixStation1.Enabled);
  setup.AlignmentFixStation1Click();
  EXPECT_TRUE(scope.Visible());
  EXPECT_EQ(scope.Caption(), "Alignment of Kestrom Fix Station With Telescope");
  EXPECT_EQ(scope.Width, 356);
  EXPECT_EQ(scope.Height, 470);
  scope.BitBtn3Click();
  EXPECT_FALSE(scope.Visible());
}

TEST_F(Telescope, ArrowsStepThroughTheTwelvePicturesAndWrap) {
  scope.Show();
  EXPECT_EQ(scope.Index, 1);
  EXPECT_EQ(scope.Image3.FileName, "tele3.gif") << "it opens with something to align";
  scope.Image1Click();
  EXPECT_EQ(scope.Image3.FileName, "tele1.gif");
  scope.Image2Click();
  EXPECT_EQ(scope.Image3.FileName, "tele.gif");
  scope.Image2Click();
  EXPECT_EQ(scope.Index, 12);
  EXPECT_EQ(scope.Image3.FileName, "tele11.gif");

  const char* forward[] = {"tele.gif",   "tele1.gif",  "tele2.gif",  "tele3.gif",
                           "tele4.gif",  "tele5.gif",  "tele6.gif",  "tele15.gif",
                           "tele14.gif", "tele13.gif", "tele12.gif", "tele11.gif"};
  for (const char* expected : forward) {
    scope.Image1Click();
    EXPECT_EQ(scope.Image3.FileName, expected);
  }
  EXPECT_EQ(scope.Index, 12);
  scope.Image1Click();
  EXPECT_EQ(scope.Index, 1) << "twelve steps forward come back to the landmark in the sight";
}

TEST_F(Telescope, ActivationKeepsThePlaceAndShowingAgainStartsOver) {
  scope.Show();
  for (int i = 0; i < 4; ++i) scope.Image1Click();
  scope.FormActivate();  // the trainee clicked another window and came back
  EXPECT_EQ(scope.Image3.FileName, "tele4.gif");
  scope.Image1Click();
  EXPECT_EQ(scope.Image3.FileName, "tele5.gif") << "the next step goes on from the picture on show";

  scope.Close();
  scope.Show();
  EXPECT_EQ(scope.Index, 1);
  EXPECT_EQ(scope.Image3.FileName, "tele3.gif");
  scope.Image2Click();
  EXPECT_EQ(scope.Image3.FileName, "tele11.gif");
}

TEST_F(Telescope, AMissingPictureSaysWhichFileAndWhereItWasLooked) {
  const fs::path installed = scratch.folder("installed");
  const fs::path program = scratch.folder("program");
  ScratchFolders::touch(installed / TAlignfix::kOpeningPicture);
  fs::current_path(empty);
  scope.setPictureSearch(PictureSearch::standard(installed, program));
  scope.Show();
  EXPECT_TRUE(scope.Image3.Where.found());
  for (int i = 0; i < 30; ++i) scope.Image1Click();  // on through the missing ones, and round
  EXPECT_EQ(scope.Image3.FileName, "tele6.gif");
  EXPECT_FALSE(scope.Image3.Where.found());
  const std::string& message = scope.Image3.Where.missing;
  EXPECT_NE(message.find("tele6.gif"), std::string::npos) << message;
  for (const fs::path& folder : {empty, installed, program}) {
    EXPECT_NE(message.find(folder.string()), std::string::npos) << message;
  }
  EXPECT_TRUE(rig.dialogs.shown.empty()) << "no message box per click";
}

TEST(PictureSearch, WorkingDirectoryFirstThenInstalledFolderThenBesideTheProgram) {
  ScratchFolders scratch;
  const fs::path work = scratch.folder("work");
  const fs::path installed = scratch.folder("installed");
  const fs::path program = scratch.folder("program");
  fs::current_path(work);
  const PictureSearch search = PictureSearch::standard(installed, program);

  ScratchFolders::touch(program / "tele3.gif");
  EXPECT_EQ(search.find("tele3.gif").path, program / "tele3.gif");
  ScratchFolders::touch(installed / "tele3.gif");
  EXPECT_EQ(search.find("tele3.gif").path, installed / "tele3.gif");
  ScratchFolders::touch(work / "tele3.gif");
  EXPECT_EQ(search.find("tele3.gif").path, work / "tele3.gif");

  // The working directory is the one in force at the time of the look-up.
  fs::current_path(program);
  EXPECT_EQ(search.find("tele3.gif").path, program / "tele3.gif");

  // A folder of that name is no picture; neither is a name that leaves the folders.
  fs::create_directories(work / "tele4.gif");
  fs::current_path(work);
  EXPECT_FALSE(search.find("tele4.gif").found());
  EXPECT_FALSE(search.find("../work/tele3.gif").found());
  EXPECT_FALSE(search.find("").found());
}

TEST(PictureSearch, ASharedFolderIsNamedOnceInTheMessage) {
  ScratchFolders scratch;
  const fs::path here = scratch.folder("here");
  fs::current_path(here);
  const std::string message = PictureSearch::standard(here, here).find("tele.gif").missing;
  EXPECT_EQ(message, "Picture \"tele.gif\" not found. Looked in:\n" + here.string());
}

}  // namespace
}  // namespace kestrom
