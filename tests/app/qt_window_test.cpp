// The wizard's window, driven like a user would on Qt's offscreen platform: the wiring of the
// buttons, the address field and the run timer to the state machine (the state machine itself is
// tested without a window).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/qt_wizard_window.h"
#include "wizard_test_support.h"

namespace harbo::app {
namespace {

using wizard::testing::FakePrograms;
using wizard::testing::PlaceFile;
using wizard::testing::ScratchFolder;

// Records the installer runs; when `close_during_run` is set, the user asks to close the window
// while the installer is waited for.
struct WindowPrograms : FakePrograms {
  QWidget* close_during_run = nullptr;
  bool visible_after_close = false;
  bool RunAndWait(std::string_view command_line, wizard::WizardView& view) override {
    if (close_during_run != nullptr) {
      close_during_run->close();
      visible_after_close = close_during_run->isVisible();
    }
    return FakePrograms::RunAndWait(command_line, view);
  }
};

class QtWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qt_window_test";
    static char* argv[] = {name, nullptr};
    // Kept to the end of the process: destroying it among the static objects at exit crashes.
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
  }

  QtWindowTest()
      : machine_(ScratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name())),
        environment_{machine_, clock_, programs_, log_, "/opt/harbo/package/harbo-setup"},
        wizard_(window_, environment_) {
    window_.SetTitle(wizard::kStartTitle);
    window_.Attach(wizard_);
  }

  void Start(const std::optional<std::string>& database) {
    wizard_.FormCreate();
    window_.show();
    wizard_.FormShow(database);
  }

  platform::MachineRoot machine_;
  platform::SystemClock clock_;
  WindowPrograms programs_;
  engine::NullUpgradeLog log_;
  wizard::SetupEnvironment environment_;
  QtWizardWindow window_;
  wizard::SetupWizard wizard_;
};

TEST_F(QtWindowTest, ClientSetupPressedThroughTheWindow) {
  Start(std::nullopt);
  EXPECT_EQ(window_.size(), QSize(604, 674));
  EXPECT_TRUE(window_.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(window_.windowTitle(), "Harbo installation; version 7.4.3");
  EXPECT_FALSE(window_.MessageArea()->isVisible());
  EXPECT_FALSE(window_.ServerAddressField()->isVisible());

  QTest::mouseClick(window_.NextButton(), Qt::LeftButton);
  EXPECT_TRUE(window_.ServerAddressField()->isVisible());
  EXPECT_EQ(wizard_.State().wizard_state, 1);

  QTest::keyClicks(window_.ServerAddressField(), "10.0.0.5");
  QTest::keyClick(window_.ServerAddressField(), Qt::Key_Return);  // Enter presses Next
  EXPECT_FALSE(window_.NextButton()->isEnabled());
  // The installer runs from the 100 ms timer, after the window has shown "Installing ..".
  EXPECT_TRUE(programs_.command_lines.empty());
  QTRY_COMPARE_WITH_TIMEOUT(programs_.command_lines.size(), std::size_t{1}, 2000);
  EXPECT_EQ(programs_.command_lines[0], wizard::ClientInstallerCommandLine("10.0.0.5"));
  EXPECT_TRUE(window_.MessageArea()->isVisible());
  EXPECT_TRUE(window_.MessageArea()->toPlainText().contains("Click Finish to close this program."));
  EXPECT_EQ(window_.CancelButton()->text(), "Finish");

  QTest::keyClick(&window_, Qt::Key_Escape);  // Esc presses Cancel, now Finish
  EXPECT_FALSE(window_.isVisible());
}

// A close request that arrives while an installer is waited for is refused.
TEST_F(QtWindowTest, CloseIsRefusedWhileAnInstallerRuns) {
  programs_.close_during_run = &window_;
  Start(std::nullopt);
  QTest::mouseClick(window_.NextButton(), Qt::LeftButton);
  QTest::mouseClick(window_.NextButton(), Qt::LeftButton);
  QTRY_COMPARE_WITH_TIMEOUT(programs_.command_lines.size(), std::size_t{1}, 2000);
  EXPECT_TRUE(programs_.visible_after_close);
  EXPECT_TRUE(window_.isVisible());
  EXPECT_TRUE(window_.Notice()->isVisible());
  EXPECT_TRUE(window_.Notice()->text().contains("Please wait"));
  EXPECT_FALSE(window_.MessageArea()->toPlainText().contains("Please wait"));
}

// The update state of the window, saved as a picture for the README when HARBO_SCREENSHOT names
// a file.
TEST_F(QtWindowTest, UpdateStateShowsTheDetectionMessage) {
  PlaceFile(machine_, "C:\\HarboServer\\harbo.fdb");
  PlaceFile(machine_, "C:\\Progra~1\\Firebird\\Firebird_3_0\\firebird.exe");
  Start("C:\\HarboServer\\harbo.fdb");
  EXPECT_TRUE(window_.MessageArea()->isVisible());
  EXPECT_TRUE(window_.MessageArea()->toPlainText().contains("An older Harbo version was detected"))
      << window_.MessageArea()->toPlainText().toStdString();
  EXPECT_FALSE(window_.findChildren<QPushButton*>().isEmpty());
  if (const QByteArray file = qgetenv("HARBO_SCREENSHOT"); !file.isEmpty()) {
    EXPECT_TRUE(window_.grab().save(QString::fromUtf8(file)));
  }
}

}  // namespace
}  // namespace harbo::app
