#include "app/qt_wizard_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/text_encoding.h"

namespace harbo::app {
namespace {

// Texts of the program are Windows-1252 with "\r" for a line break.
QString ToQt(std::string_view text) {
  std::string utf8 = platform::Windows1252ToUtf8(text);
  for (char& c : utf8) {
    if (c == '\r') c = '\n';
  }
  return QString::fromStdString(utf8);
}

std::string FromQt(const QString& text) {
  std::string bytes;
  for (const QChar c : text) {
    const auto converted = platform::Utf8ToWindows1252(QString(c).toStdString());
    bytes += converted ? *converted : std::string("?");
  }
  return bytes;
}

constexpr int kWidth = 604;
constexpr int kHeight = 674;
constexpr int kMessageLeft = 150;
constexpr int kMessageTop = 330;

}  // namespace

QtWizardWindow::QtWizardWindow() : QWidget(nullptr, Qt::FramelessWindowHint) {
  setFixedSize(kWidth, kHeight);
  setFont(QFont("Tahoma", 8));  // Qt takes the nearest installed font when Tahoma is missing
  setAutoFillBackground(false);

  message_ = new QPlainTextEdit(this);
  message_->setReadOnly(true);
  message_->setGeometry(kMessageLeft, kMessageTop, 418, 120);
  message_->hide();

  progress_ = new QProgressBar(this);
  progress_->setGeometry(kMessageLeft, kMessageTop + 126, 418, 14);
  progress_->setTextVisible(false);
  progress_->hide();

  options_ = new QTabWidget(this);
  options_->setGeometry(kMessageLeft, 180, 418, 140);
  auto* page = new QWidget(options_);
  auto* layout = new QVBoxLayout(page);
  client_choice_ = new QRadioButton("Setup Client application", page);
  client_choice_->setChecked(true);
  address_label_ = new QLabel("IP address or network name of Harbo server:", page);
  address_ = new QLineEdit(page);
  address_label_->hide();
  address_->hide();
  layout->addWidget(client_choice_);
  layout->addWidget(address_label_);
  layout->addWidget(address_);
  layout->addStretch();
  options_->addTab(page, "Client setup");

  back_ = new QPushButton("< Back", this);
  next_ = new QPushButton("Next >", this);
  cancel_ = new QPushButton("Cancel", this);
  back_->setGeometry(330, 620, 75, 25);
  next_->setGeometry(408, 620, 75, 25);
  cancel_->setGeometry(493, 620, 75, 25);
  back_->setEnabled(false);
  next_->setDefault(true);

  notice_ = new QLabel(this);
  notice_->setGeometry(20, 620, 300, 25);
  notice_->setStyleSheet("color: #1f4e8c;");
  notice_->hide();

  run_timer_ = new QTimer(this);
  run_timer_->setSingleShot(true);
  run_timer_->setInterval(100);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

QtWizardWindow::~QtWizardWindow() = default;

void QtWizardWindow::Attach(wizard::SetupWizard& wizard) {
  wizard_ = &wizard;
  connect(next_, &QPushButton::clicked, this,
          [this] { RunHandler([this] { wizard_->BitBtn3Click(); }); });
  // Cancel is no work of its own: it closes the window unless Next or the run is under way.
  connect(cancel_, &QPushButton::clicked, this, [this] { wizard_->BitBtn2Click(); });
  connect(run_timer_, &QTimer::timeout, this,
          [this] { RunHandler([this] { wizard_->Timer1Timer(); }); });
}

template <typename Handler>
void QtWizardWindow::RunHandler(Handler handler) {
  ++busy_;
  handler();
  // Input that queued up while the steps ran (they let no events through) is handled while the
  // window still counts as busy, so a Cancel pressed meanwhile does not close the outcome away.
  QCoreApplication::processEvents();
  --busy_;
}

void QtWizardWindow::SetMessageText(std::string_view text) { message_->setPlainText(ToQt(text)); }

void QtWizardWindow::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void QtWizardWindow::ShowErrorBox(std::string_view text) {
  QMessageBox::critical(this, windowTitle(), ToQt(text));
}

// The chain lets no input through while it runs; the progress bar is repainted directly so the
// technician sees that work goes on.
void QtWizardWindow::StepStarting(const engine::StepEntry& /*step*/, int number, int count) {
  progress_->setRange(0, count);
  progress_->setValue(number - 1);
  progress_->show();
  progress_->repaint();
}

void QtWizardWindow::StepFinished(const engine::StepEntry& /*step*/, StepOutcome outcome) {
  if (outcome == StepOutcome::kDone) progress_->setValue(progress_->value() + 1);
  progress_->repaint();
}

void QtWizardWindow::SetTitle(std::string_view title) {
  QApplication::setApplicationDisplayName(ToQt(title));
  setWindowTitle(ToQt(title));
}

void QtWizardWindow::AppendMessageLine(std::string_view line) {
  message_->appendPlainText(ToQt(line));
}

std::string QtWizardWindow::GetMessageText() const {
  std::string text = FromQt(message_->toPlainText());
  for (char& c : text) {
    if (c == '\n') c = '\r';
  }
  return text;
}

void QtWizardWindow::SetMessageColour(wizard::MessageColour colour) {
  QPalette palette = message_->palette();
  palette.setColor(QPalette::Text, colour == wizard::MessageColour::kRed
                                       ? QColor(Qt::red)
                                       : QApplication::palette().color(QPalette::WindowText));
  message_->setPalette(palette);
}

void QtWizardWindow::SetVisible(wizard::Element element, bool visible) {
  switch (element) {
    case wizard::Element::kMessageArea:
      message_->setVisible(visible);
      break;
    case wizard::Element::kOptionPage:
      options_->setVisible(visible);
      break;
    case wizard::Element::kServerAddress:
      address_label_->setVisible(visible);
      address_->setVisible(visible);
      break;
  }
}

std::string QtWizardWindow::GetServerAddress() const { return FromQt(address_->text()); }

void QtWizardWindow::SetFocus(wizard::FocusTarget target) {
  switch (target) {
    case wizard::FocusTarget::kServerAddress:
      address_->setFocus();
      break;
    case wizard::FocusTarget::kNext:
      next_->setFocus();
      break;
    case wizard::FocusTarget::kCancel:
      cancel_->setFocus();
      break;
  }
}

QPushButton* QtWizardWindow::ButtonOf(wizard::Button button) const {
  switch (button) {
    case wizard::Button::kBack:
      return back_;
    case wizard::Button::kNext:
      return next_;
    case wizard::Button::kCancel:
      break;
  }
  return cancel_;
}

void QtWizardWindow::SetButtonEnabled(wizard::Button button, bool enabled) {
  ButtonOf(button)->setEnabled(enabled);
}

void QtWizardWindow::SetButtonVisible(wizard::Button button, bool visible) {
  ButtonOf(button)->setVisible(visible);
}

void QtWizardWindow::SetButtonCaption(wizard::Button button, std::string_view caption) {
  ButtonOf(button)->setText(ToQt(caption));
}

void QtWizardWindow::StartRunTimer() { run_timer_->start(); }

void QtWizardWindow::StopRunTimer() { run_timer_->stop(); }

void QtWizardWindow::CloseWindow() { close(); }

bool QtWizardWindow::ConfirmReplace(const std::filesystem::path& existing) {
  return QMessageBox::question(this, windowTitle(),
                               QString("Replace the existing file %1?")
                                   .arg(QString::fromStdString(existing.string()))) ==
         QMessageBox::Yes;
}

void QtWizardWindow::closeEvent(QCloseEvent* event) {
  if (busy_ == 0) {
    event->accept();
    return;
  }
  // An installer or the upgrade is running; closing now could cut the upgrade off.
  // The notice stays out of the message area, whose text belongs to the run.
  event->ignore();
  notice_->setText("Please wait until the work in progress has finished.");
  notice_->show();
}

void QtWizardWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && cancel_->isVisible() && cancel_->isEnabled()) {
    cancel_->click();
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && next_->isVisible() &&
      next_->isEnabled()) {
    next_->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

// The background: white, a band of the product's blue at the top with a stylised heart-and-wave
// mark, and a thin line above the buttons.
void QtWizardWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), Qt::white);

  QLinearGradient band(0, 0, kWidth, 150);
  band.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
  band.setColorAt(1, QColor(0x4a, 0x90, 0xc8));
  painter.fillRect(QRect(0, 0, kWidth, 150), band);

  QPainterPath heart;
  heart.moveTo(70, 110);
  heart.cubicTo(20, 80, 30, 35, 70, 55);
  heart.cubicTo(110, 35, 120, 80, 70, 110);
  painter.fillPath(heart, QColor(255, 255, 255, 220));
  QPainterPath wave;
  wave.moveTo(40, 75);
  wave.lineTo(58, 75);
  wave.lineTo(65, 60);
  wave.lineTo(74, 92);
  wave.lineTo(81, 75);
  wave.lineTo(100, 75);
  painter.setPen(QPen(QColor(0x1f, 0x4e, 0x8c), 3));
  painter.drawPath(wave);

  painter.setPen(Qt::white);
  QFont title = font();
  title.setPointSize(20);
  title.setBold(true);
  painter.setFont(title);
  painter.drawText(QRect(140, 40, 440, 40), Qt::AlignLeft | Qt::AlignVCenter, "Pelmar Harbo");
  QFont subtitle = font();
  subtitle.setPointSize(10);
  painter.setFont(subtitle);
  painter.drawText(QRect(140, 82, 440, 24), Qt::AlignLeft | Qt::AlignVCenter,
                   "Server setup and update, version 7.4.3");

  painter.setPen(QColor(0xc8, 0xd2, 0xe0));
  painter.drawLine(20, 605, kWidth - 20, 605);
}

}  // namespace harbo::app
