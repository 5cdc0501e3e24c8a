#include "toolkit/Application.h"

#include <QEvent>
#include <QFont>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "toolkit/Platform.h"
#include "toolkit/TerminationSignal.h"
#include "toolkit/Translation.h"

TApplication* Application = nullptr;

namespace {

QtMessageHandler qtMessageHandler = nullptr;

// Qt aborts, with a core dump, when none of the displays offered answers (a stale DISPLAY):
// while it starts, its fatal message becomes one line and status 1.
void ExitWhenNoDisplayAnswers(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
  if (type != QtFatalMsg) return qtMessageHandler(type, context, message);
  // The application is still being made: its translate knows no translation yet.
  const auto value = [](const char* name) {
    const char* set = std::getenv(name);
    return set && *set ? QString::fromLocal8Bit(set)
                       : Translation::Text("Platform", QT_TRANSLATE_NOOP("Platform", "non défini"));
  };
  const QString line = Translation::Text(
      "Platform", QT_TRANSLATE_NOOP(
                      "Platform", "%1 : aucun écran n'a répondu (DISPLAY %2, WAYLAND_DISPLAY %3)"));
  std::fprintf(stderr, "%s\n",
               qPrintable(line.arg(QCoreApplication::applicationName(), value("DISPLAY"),
                                   value("WAYLAND_DISPLAY"))));
  std::_Exit(1);
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) {
  if (!QApplication::instance()) {
    PreferX11WhenOffered(argc, argv);
    qtMessageHandler = qInstallMessageHandler(ExitWhenNoDisplayAnswers);
    ownApplication_ = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
  }
  Translation::Install();
  hints_ = std::make_unique<THintMachinery>();
  Application = this;
}

TApplication::~TApplication() {
  // Windows go first, newest first, while the QApplication they need still exists.
  while (!forms_.empty()) forms_.pop_back();
  hints_.reset();
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  // The form descriptions name the classic Windows fonts; Liberation Sans has their metrics.
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  // The main window's own close ends the program, not the last hidden window.
  QApplication::setQuitOnLastWindowClosed(false);
  OnTerminationSignal([this] { Terminate(); });
}

void TApplication::SetMainForm(QWidget* form) {
  if (mainForm_) mainForm_->removeEventFilter(this);
  mainForm_ = form;
  if (mainForm_) mainForm_->installEventFilter(this);
}

int TApplication::ShowModal(QDialog& dialog) {
  return dialog.exec();
}

int TApplication::Run() {
  // A request to end that came before the loop started is honoured here, and so consumed.
  if (std::exchange(terminated_, false)) return 0;
  if (mainForm_) mainForm_->show();
  const int status = QApplication::exec();
  terminated_ = false;
  return status;
}

void TApplication::Terminate() {
  terminated_ = true;
  // A modal window runs a loop of its own, which quitting the application does not end.
  if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  QApplication::quit();
}

void TApplication::ShowException(const std::exception& error) {
  if (OnException) {
    OnException(error);
    return;
  }
  QMessageBox::critical(mainForm_, QApplication::applicationDisplayName(),
                        QString::fromUtf8(error.what()));
}

bool TApplication::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mainForm_ && event->type() == QEvent::Close) Terminate();
  return QObject::eventFilter(watched, event);
}
