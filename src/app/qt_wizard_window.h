// The wizard's window in Qt Widgets: borderless, 604 x 674, white, with the message area, the
// option page and the three buttons. It is a WizardView; SetupWizard drives it. While a run or an
// installer is in progress it refuses to close, so that the upgrade is never cut off.
#pragma once

#include <QPointer>
#include <QWidget>

#include "wizard/setup_wizard.h"
#include "wizard/wizard_view.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;

namespace harbo::app {

class QtWizardWindow final : public QWidget, public wizard::WizardView {
 public:
  QtWizardWindow();
  ~QtWizardWindow() override;

  // Connects the buttons and the run timer to the wizard's handlers.
  void Attach(wizard::SetupWizard& wizard);

  // WizardView
  void SetMessageText(std::string_view text) override;
  void ProcessPendingEvents() override;
  void ShowErrorBox(std::string_view text) override;
  void StepStarting(const engine::StepEntry& step, int number, int count) override;
  void StepFinished(const engine::StepEntry& step, StepOutcome outcome) override;
  void SetTitle(std::string_view title) override;
  void AppendMessageLine(std::string_view line) override;
  std::string GetMessageText() const override;
  void SetMessageColour(wizard::MessageColour colour) override;
  void SetVisible(wizard::Element element, bool visible) override;
  std::string GetServerAddress() const override;
  void SetFocus(wizard::FocusTarget target) override;
  void SetButtonEnabled(wizard::Button button, bool enabled) override;
  void SetButtonVisible(wizard::Button button, bool visible) override;
  void SetButtonCaption(wizard::Button button, std::string_view caption) override;
  void StartRunTimer() override;
  void StopRunTimer() override;
  void CloseWindow() override;
  bool ConfirmReplace(const std::filesystem::path& existing) override;

  // For tests: the widgets a user presses and reads.
  QPushButton* NextButton() const { return next_; }
  QPushButton* CancelButton() const { return cancel_; }
  QLineEdit* ServerAddressField() const { return address_; }
  QPlainTextEdit* MessageArea() const { return message_; }
  QLabel* Notice() const { return notice_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPushButton* ButtonOf(wizard::Button button) const;
  // Runs a wizard handler, marking the window busy meanwhile: events handled inside it (while an
  // installer is waited for) must not close the window.
  template <typename Handler>
  void RunHandler(Handler handler);

  wizard::SetupWizard* wizard_ = nullptr;
  int busy_ = 0;  // handlers running; events handled inside them may ask to close
  QPlainTextEdit* message_;
  QProgressBar* progress_;
  QTabWidget* options_;
  QRadioButton* client_choice_;
  QLabel* address_label_;
  QLabel* notice_;  // why a close request was refused
  QLineEdit* address_;
  QPushButton* back_;
  QPushButton* next_;
  QPushButton* cancel_;
  QTimer* run_timer_;
};

}  // namespace harbo::app
