// harbo-setup: the setup wizard. Without a database argument it installs the client software;
// with one it updates the server installation and its database.
//   harbo-setup [--text | --unattended] [--address ADDRESS] [--log FILE] [DATABASE]
// The window when a display is there, the terminal otherwise or when asked for.
// Exit status (terminal): 0 when the run ended with "Finish", 1 otherwise, 2 for bad usage.
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "app/qt_wizard_window.h"
#include "app/terminal_view.h"
#include "engine/upgrade_log.h"
#include "platform/clock.h"
#include "platform/machine_root.h"
#include "wizard/external_programs.h"
#include "wizard/setup_wizard.h"

namespace {

constexpr const char* kUsage =
    "usage: harbo-setup [--text | --unattended] [--address ADDRESS] [--log FILE] [DATABASE]\n"
    "  Without DATABASE the client software is installed; with it the server installation and\n"
    "  the database are updated. DATABASE is a host path, or a drive path such as\n"
    "  C:\\HarboServer\\harbo.fdb below the machine root ($HARBO_ROOT, default /var/lib/harbo).\n"
    "  Arguments starting with -- are options and never the database.\n"
    "\n"
    "  (none)         the wizard's window when a display is there ($DISPLAY, $WAYLAND_DISPLAY or\n"
    "                 $QT_QPA_PLATFORM set), the terminal otherwise\n"
    "  --text         the wizard in this terminal: the messages are\n"
    "                 printed, and a line answers the buttons: n or Enter = Next (while it is\n"
    "                 enabled), c = Cancel/Close/Finish, a = type the server address again.\n"
    "                 The end of the input closes the wizard.\n"
    "  --unattended   no questions: Next is pressed whenever it is enabled, the question before\n"
    "                 a file is replaced is answered with no, error boxes are printed. An\n"
    "                 update that must replace Firebird 2.1 (backup, removal, restore by\n"
    "                 hand) stops with status 1: run it in the window or with --text.\n"
    "  --address ADDRESS  the server address for the client installer (instead of typing it)\n"
    "  --log FILE     append every statement of the update and its outcome to FILE\n"
    "  --help         this text\n"
    "\n"
    "  The installers of the package (Firebird_3_0\\..., clientsetup\\clientsetup.exe) are found\n"
    "  below the current folder: start harbo-setup from the package folder.\n"
    "  Exit status: 0 when the run ended with Finish, 1 when it ended otherwise, 2 for bad "
    "usage.\n";

struct Options {
  harbo::app::TerminalView::Mode mode = harbo::app::TerminalView::Mode::kInteractive;
  bool terminal_asked = false;
  std::optional<std::string> database;
  std::optional<std::string> address;
  std::string log_file;
  bool help = false;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help") {
      options.help = true;
    } else if (arg == "--text") {
      options.mode = harbo::app::TerminalView::Mode::kInteractive;
      options.terminal_asked = true;
    } else if (arg == "--unattended") {
      options.mode = harbo::app::TerminalView::Mode::kUnattended;
      options.terminal_asked = true;
    } else if ((arg == "--address" || arg == "--log") && i + 1 < argc) {
      if (arg == "--address") {
        options.address = argv[++i];
      } else {
        options.log_file = argv[++i];
      }
    } else if (arg.rfind("--", 0) == 0 || options.database) {
      return std::nullopt;
    } else {
      options.database = arg;
    }
  }
  return options;
}

std::filesystem::path ProgramFile(const char* argv0) {
  std::error_code error;
  auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::absolute(argv0, error) : self;
}

bool DisplayAvailable() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

int RunWindow(int argc, char** argv, const Options& options,
              const harbo::wizard::SetupEnvironment& environment) {
  QApplication application(argc, argv);
  harbo::app::QtWizardWindow window;
  window.SetTitle(harbo::wizard::kStartTitle);
  if (options.address)
    window.ServerAddressField()->setText(QString::fromStdString(*options.address));
  harbo::wizard::SetupWizard wizard(window, environment);
  window.Attach(wizard);
  wizard.FormCreate();
  window.show();
  wizard.FormShow(options.database);
  return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = ParseOptions(argc, argv);
  if (!options || options->help) {
    (options ? std::cout : std::cerr) << kUsage;
    return options ? 0 : 2;
  }

  const auto log = harbo::engine::OpenUpgradeLog(options->log_file);
  if (!log) {
    std::cerr << "harbo-setup: cannot write the log file " << options->log_file << '\n';
    return 2;
  }

  const auto machine = harbo::platform::MachineRoot::FromEnvironment();
  harbo::platform::SystemClock clock;
  std::error_code error;
  harbo::wizard::SystemPrograms programs(machine, std::filesystem::current_path(error));
  const harbo::wizard::SetupEnvironment environment{
      .machine = machine,
      .clock = clock,
      .programs = programs,
      .log = *log,
      .program_file = ProgramFile(argv[0]),
  };

  if (!options->terminal_asked && DisplayAvailable()) {
    return RunWindow(argc, argv, *options, environment);
  }
  harbo::app::TerminalView view(std::cin, std::cout, options->mode, isatty(STDOUT_FILENO) != 0);
  if (options->address) view.SetServerAddress(*options->address);
  harbo::wizard::SetupWizard wizard(view, environment);
  view.SetTitle(harbo::wizard::kStartTitle);
  wizard.FormCreate();
  wizard.FormShow(options->database);
  return view.RunEventLoop(wizard);
}
