// The wizard in a terminal, for servers without a display. The window's elements become lines
// of text: the message area is printed whenever it changes and the window would repaint, error
// boxes and the steps of the version chain are printed as they come, and the buttons are read
// from the keyboard. Unattended, it presses Next whenever Next is enabled and answers every
// question with no.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "wizard/setup_wizard.h"
#include "wizard/wizard_view.h"

namespace harbo::app {

class TerminalView final : public wizard::WizardView {
 public:
  enum class Mode { kInteractive, kUnattended };

  // `colour`: print red messages in red (ANSI), for a terminal that shows it.
  TerminalView(std::istream& in, std::ostream& out, Mode mode, bool colour);

  // Text in the server address field before anything is typed (--address).
  void SetServerAddress(std::string address) { address_ = std::move(address); }

  // Hands control to the terminal until the window closes. Returns the exit status: 0 when the
  // run ended with "Finish", 1 otherwise (closed with "Close" or "Cancel", or a red message).
  int RunEventLoop(wizard::SetupWizard& wizard);

  // WizardView
  void SetMessageText(std::string_view text) override { message_ = text; }
  void ProcessPendingEvents() override { Repaint(); }
  void ShowErrorBox(std::string_view text) override;
  void StepStarting(const engine::StepEntry& step, int number, int count) override;
  void StepFinished(const engine::StepEntry& step, StepOutcome outcome) override;
  void SetTitle(std::string_view title) override { title_ = title; }
  void AppendMessageLine(std::string_view line) override;
  std::string GetMessageText() const override { return message_; }
  void SetMessageColour(wizard::MessageColour colour) override { colour_ = colour; }
  void SetVisible(wizard::Element element, bool visible) override;
  std::string GetServerAddress() const override { return address_; }
  void SetFocus(wizard::FocusTarget target) override { focus_ = target; }
  void SetButtonEnabled(wizard::Button button, bool enabled) override;
  void SetButtonVisible(wizard::Button button, bool visible) override;
  void SetButtonCaption(wizard::Button button, std::string_view caption) override;
  void StartRunTimer() override { timer_running_ = true; }
  void StopRunTimer() override { timer_running_ = false; }
  void CloseWindow() override { closed_ = true; }
  bool ConfirmReplace(const std::filesystem::path& existing) override;

 private:
  struct ButtonState {
    std::string caption;
    bool enabled = true;
    bool visible = true;
  };
  enum class Press { kNext, kCancel };

  ButtonState& Of(wizard::Button button);
  // Prints what changed since the last repaint.
  void Repaint();
  void PrintMessage(std::string_view text, bool red);
  bool NextUsable() const { return next_.enabled && next_.visible; }
  Press AskForPress();
  void AskForAddress();
  // The update path that replaces Firebird 2.1: its instructions need a technician.
  static bool NeedsHandsOnFirebirdChange(const wizard::SetupRunState& state);
  bool ReadLine(std::string& line);

  std::istream& in_;
  std::ostream& out_;
  Mode mode_;
  bool colour_output_;

  std::string title_, shown_title_;
  std::string message_, shown_message_;
  wizard::MessageColour colour_ = wizard::MessageColour::kNormal;
  wizard::MessageColour shown_colour_ = wizard::MessageColour::kNormal;
  bool message_visible_ = false, message_shown_ = false;
  bool options_visible_ = true, options_shown_ = false;
  bool address_visible_ = false, address_asked_ = false;
  std::string address_;
  wizard::FocusTarget focus_ = wizard::FocusTarget::kNext;
  ButtonState back_{"< Back", false, true}, next_{"Next >"}, cancel_{"Cancel"};
  bool timer_running_ = false;
  bool closed_ = false;
};

}  // namespace harbo::app
