// The window of the setup wizard as its logic sees it: the operations the state machine and the
// runner need, free of any toolkit. A front end (a window, the terminal) implements them; the
// version chain gets the same object as its ChainView.
//
// Every view starts as the window is first laid out: message area hidden and empty, colour
// normal; option page shown with its one choice "Setup Client application" selected; server
// address field (label "IP address or network name of Harbo server:") hidden and empty; Back
// "< Back" shown and disabled; Next "Next >" shown, enabled and the default button (Enter);
// Cancel "Cancel" shown, enabled and the cancel button (Esc); run timer stopped.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/version_chain.h"

namespace harbo::wizard {

enum class MessageColour { kNormal, kRed };
enum class Button { kBack, kNext, kCancel };
enum class Element { kMessageArea, kOptionPage, kServerAddress };
enum class FocusTarget { kServerAddress, kNext, kCancel };

class WizardView : public engine::ChainView {
 public:
  // From ChainView: SetMessageText(text) replaces the message text ("\r" is a line break);
  // ProcessPendingEvents() lets the window repaint and handle queued input, then returns;
  // ShowErrorBox(text) is a modal box with an error icon and one OK button.

  // The application title and the window caption.
  virtual void SetTitle(std::string_view title) = 0;

  // Adds `line` as a new line after the message text (no line break before it when the text is
  // empty); a "\r" inside it is a line break.
  virtual void AppendMessageLine(std::string_view line) = 0;
  virtual std::string GetMessageText() const = 0;
  // The colour of the whole message text.
  virtual void SetMessageColour(MessageColour colour) = 0;

  virtual void SetVisible(Element element, bool visible) = 0;
  // The text typed into the server address field.
  virtual std::string GetServerAddress() const = 0;
  virtual void SetFocus(FocusTarget target) = 0;

  virtual void SetButtonEnabled(Button button, bool enabled) = 0;
  virtual void SetButtonVisible(Button button, bool visible) = 0;
  virtual void SetButtonCaption(Button button, std::string_view caption) = 0;

  // Starts the one-shot run timer of 100 ms; its expiry calls SetupWizard::Timer1Timer.
  virtual void StartRunTimer() = 0;
  virtual void StopRunTimer() = 0;

  // Closes the window; the program ends when control is back in its event loop.
  virtual void CloseWindow() = 0;

  // The question a file copy asks before it replaces `existing`: true replaces it.
  virtual bool ConfirmReplace(const std::filesystem::path& existing) = 0;
};

}  // namespace harbo::wizard
