#include "app/terminal_view.h"

#include <algorithm>
#include <cctype>

namespace harbo::app {
namespace {

using wizard::Button;
using wizard::Element;
using wizard::MessageColour;

constexpr std::string_view kRed = "\033[31m";
constexpr std::string_view kPlain = "\033[0m";

// Messages use "\r" for a line break.
std::string ForTerminal(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '\r', '\n');
  return out;
}

std::string Trimmed(std::string text) {
  const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
  text.erase(std::find_if_not(text.rbegin(), text.rend(), blank).base(), text.end());
  return text;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

TerminalView::TerminalView(std::istream& in, std::ostream& out, Mode mode, bool colour)
    : in_(in), out_(out), mode_(mode), colour_output_(colour) {}

int TerminalView::RunEventLoop(wizard::SetupWizard& wizard) {
  while (!closed_) {
    Repaint();
    if (timer_running_) {
      timer_running_ = false;
      wizard.Timer1Timer();
      continue;
    }
    if (mode_ == Mode::kUnattended && NeedsHandsOnFirebirdChange(wizard.State())) {
      // Backup, removal and restore are the technician's own steps between the presses;
      // pressing on through them would skip the backup.
      out_ << "The update needs Firebird 2.1 replaced by Firebird 3.0, with a backup before and a "
              "restore after, done by hand: run harbo-setup in its window or with --text.\n";
      closed_ = true;
      return 1;
    }
    if (AskForPress() == Press::kNext) {
      wizard.BitBtn3Click();
    } else {
      wizard.BitBtn2Click();
    }
  }
  return cancel_.caption == "Finish" && colour_ == MessageColour::kNormal ? 0 : 1;
}

TerminalView::Press TerminalView::AskForPress() {
  if (mode_ == Mode::kUnattended) {
    const Press press = NextUsable() ? Press::kNext : Press::kCancel;
    out_ << "> " << (press == Press::kNext ? next_.caption : cancel_.caption) << '\n';
    out_.flush();
    return press;
  }
  std::string line;
  if (address_visible_ && options_visible_ && focus_ == wizard::FocusTarget::kServerAddress &&
      !address_asked_) {
    AskForAddress();
    address_asked_ = true;
  }
  while (true) {
    if (NextUsable()) out_ << "[n] " << next_.caption << "   ";
    out_ << "[c] " << cancel_.caption;
    if (address_visible_ && options_visible_) out_ << "   [a] change the server address";
    out_ << "\n> ";
    out_.flush();
    if (!ReadLine(line)) return Press::kCancel;  // end of input closes the window
    const std::string answer = Lower(Trimmed(line));
    if ((answer.empty() || answer == "n" || answer == "next") && NextUsable()) return Press::kNext;
    if (answer == "c" || answer == "cancel" || answer == "close" || answer == "finish") {
      return Press::kCancel;
    }
    if (answer == "a" && address_visible_ && options_visible_) {
      AskForAddress();
    } else if (!answer.empty()) {
      out_ << (NextUsable() ? "Please answer n or c.\n" : "Please answer c.\n");
    }
  }
}

// An empty answer keeps the address given before (with --address, say).
void TerminalView::AskForAddress() {
  out_ << "IP address or network name of Harbo server: ";
  if (!address_.empty()) out_ << "[" << address_ << "] ";
  out_.flush();
  std::string line;
  if (ReadLine(line) && !Trimmed(line).empty()) address_ = Trimmed(line);
}

bool TerminalView::NeedsHandsOnFirebirdChange(const wizard::SetupRunState& state) {
  return state.run_mode == wizard::RunMode::kUpdate &&
         state.wizard_state == wizard::kStateConfirmed;
}

bool TerminalView::ReadLine(std::string& line) {
  if (!std::getline(in_, line)) {
    out_ << '\n';
    return false;
  }
  return true;
}

void TerminalView::Repaint() {
  if (title_ != shown_title_) {
    out_ << "== " << title_ << " ==\n";
    shown_title_ = title_;
  }
  if (options_visible_ && !options_shown_) out_ << "Client setup: (*) Setup Client application\n";
  options_shown_ = options_visible_;
  if (message_visible_ &&
      (!message_shown_ || message_ != shown_message_ || colour_ != shown_colour_)) {
    if (!message_.empty()) PrintMessage(message_, colour_ == MessageColour::kRed);
    shown_message_ = message_;
    shown_colour_ = colour_;
  }
  message_shown_ = message_visible_;
  out_.flush();
}

void TerminalView::PrintMessage(std::string_view text, bool red) {
  if (red && colour_output_) out_ << kRed;
  out_ << ForTerminal(text);
  if (red && colour_output_) out_ << kPlain;
  out_ << '\n';
}

void TerminalView::ShowErrorBox(std::string_view text) {
  Repaint();
  out_ << "Error: " << ForTerminal(text) << '\n';
  out_.flush();
}

void TerminalView::StepStarting(const engine::StepEntry& step, int number, int count) {
  out_ << "  step " << step.version << " (" << number << '/' << count << ") ... ";
  out_.flush();
}

void TerminalView::StepFinished(const engine::StepEntry& step, StepOutcome outcome) {
  switch (outcome) {
    case StepOutcome::kDone:
      out_ << "done, version " << step.successor << '\n';
      break;
    case StepOutcome::kFailed:
      out_ << "FAILED\n";
      break;
    case StepOutcome::kNotBuilt:
      out_ << "not available in this program\n";
      break;
  }
  out_.flush();
}

void TerminalView::AppendMessageLine(std::string_view line) {
  if (!message_.empty()) message_ += '\r';
  message_ += line;
}

void TerminalView::SetVisible(Element element, bool visible) {
  switch (element) {
    case Element::kMessageArea:
      message_visible_ = visible;
      break;
    case Element::kOptionPage:
      options_visible_ = visible;
      break;
    case Element::kServerAddress:
      address_visible_ = visible;
      break;
  }
}

TerminalView::ButtonState& TerminalView::Of(Button button) {
  switch (button) {
    case Button::kBack:
      return back_;
    case Button::kNext:
      return next_;
    case Button::kCancel:
      break;
  }
  return cancel_;
}

void TerminalView::SetButtonEnabled(Button button, bool enabled) { Of(button).enabled = enabled; }
void TerminalView::SetButtonVisible(Button button, bool visible) { Of(button).visible = visible; }
void TerminalView::SetButtonCaption(Button button, std::string_view caption) {
  Of(button).caption = caption;
}

bool TerminalView::ConfirmReplace(const std::filesystem::path& existing) {
  Repaint();
  out_ << "Replace the existing file " << existing.string() << "? [y/N] ";
  if (mode_ == Mode::kUnattended) {
    out_ << "no\n";
    out_.flush();
    return false;
  }
  out_.flush();
  std::string line;
  if (!ReadLine(line)) return false;
  const std::string answer = Lower(Trimmed(line));
  return answer == "y" || answer == "yes";
}

}  // namespace harbo::app
