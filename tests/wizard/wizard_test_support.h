// Test doubles of the wizard: a view that records what the logic did to the window, programs
// that record their command lines instead of running, and a scratch machine root.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "wizard/external_programs.h"
#include "wizard/setup_wizard.h"
#include "wizard/wizard_view.h"

namespace harbo::wizard::testing {

namespace fs = std::filesystem;

// The window as the logic left it, starting in the layout every view starts with.
class RecordingView : public WizardView {
 public:
  struct ButtonState {
    std::string caption;
    bool enabled = true;
    bool visible = true;
  };

  std::string title, message, address;
  MessageColour colour = MessageColour::kNormal;
  std::map<Element, bool> visible{{Element::kMessageArea, false},
                                  {Element::kOptionPage, true},
                                  {Element::kServerAddress, false}};
  std::map<Button, ButtonState> buttons{{Button::kBack, {"< Back", false, true}},
                                        {Button::kNext, {"Next >", true, true}},
                                        {Button::kCancel, {"Cancel", true, true}}};
  std::optional<FocusTarget> focus;
  bool timer_running = false, closed = false;
  int pending_events = 0;
  std::vector<std::string> texts;   // every SetMessageText, in order
  std::vector<std::string> errors;  // error boxes
  std::vector<fs::path> replace_questions;
  bool replace_answer = false;
  // Input that arrives while the logic waits: handled by the next ProcessPendingEvents.
  std::vector<std::function<void()>> queued_events;

  void SetMessageText(std::string_view text) override {
    message = text;
    texts.emplace_back(text);
  }
  void ProcessPendingEvents() override {
    ++pending_events;
    auto events = std::move(queued_events);
    queued_events.clear();
    for (auto& event : events) event();
  }
  void ShowErrorBox(std::string_view text) override { errors.emplace_back(text); }
  void SetTitle(std::string_view text) override { title = text; }
  void AppendMessageLine(std::string_view line) override {
    if (!message.empty()) message += '\r';
    message += line;
  }
  std::string GetMessageText() const override { return message; }
  void SetMessageColour(MessageColour c) override { colour = c; }
  void SetVisible(Element element, bool v) override { visible[element] = v; }
  std::string GetServerAddress() const override { return address; }
  void SetFocus(FocusTarget target) override { focus = target; }
  void SetButtonEnabled(Button button, bool enabled) override { buttons[button].enabled = enabled; }
  void SetButtonVisible(Button button, bool v) override { buttons[button].visible = v; }
  void SetButtonCaption(Button button, std::string_view caption) override {
    buttons[button].caption = caption;
  }
  void StartRunTimer() override { timer_running = true; }
  void StopRunTimer() override { timer_running = false; }
  void CloseWindow() override { closed = true; }
  bool ConfirmReplace(const fs::path& existing) override {
    replace_questions.push_back(existing);
    return replace_answer;
  }
};

// Programs that only record: RunAndWait gives `run_result` (after handling the view's events
// once, as a real wait would), CopyFiles gives `copy_result`.
class FakePrograms : public ExternalPrograms {
 public:
  std::vector<std::string> command_lines;
  std::vector<std::pair<std::string, std::string>> copies;
  bool run_result = true;
  bool copy_result = true;

  bool RunAndWait(std::string_view command_line, WizardView& view) override {
    command_lines.emplace_back(command_line);
    view.ProcessPendingEvents();
    return run_result;
  }
  bool CopyFiles(std::string_view source, std::string_view destination, WizardView&) override {
    copies.emplace_back(source, destination);
    return copy_result;
  }
};

// A fresh, empty folder for one test.
inline fs::path FreshFolder(const fs::path& folder) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

inline fs::path ScratchFolder(const std::string& name) {
  return FreshFolder(fs::path(::testing::TempDir()) / "harbo_wizard_test" / name);
}

inline void WriteFile(const fs::path& file, std::string_view text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

inline std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Makes the Windows file `windows_path` below the machine root.
inline void PlaceFile(const platform::MachineRoot& machine, std::string_view windows_path,
                      std::string_view text = "x") {
  WriteFile(machine.HostPath(windows_path), text);
}

inline void WriteScript(const fs::path& file, std::string_view body) {
  WriteFile(file, "#!/bin/sh\n" + std::string(body) + "\n");
  fs::permissions(file, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
}

}  // namespace harbo::wizard::testing
