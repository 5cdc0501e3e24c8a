#pragma once

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QWidget>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

#include "toolkit/HintMachinery.h"
#include "toolkit/RunGuarded.h"

// The application object: brings up the toolkit, owns the program's windows, shows modal
// windows, runs the event loop and reports toolkit errors in its default error dialog.
class TApplication : public QObject {
  Q_OBJECT

 public:
  // Uses the running QApplication when there is one (as tests do), else creates it, on X11
  // when the user chose no platform and an X display is offered (PreferX11WhenOffered).
  TApplication(int& argc, char** argv);
  ~TApplication() override;

  void Initialize();

  // A window owned by the application, destroyed when the application ends: `made`, a window
  // made ahead and not shown yet, when there is one, else one made now.
  template <class T>
  T* Create(std::unique_ptr<T> made = nullptr) {
    if (!made) made = std::make_unique<T>();
    T* result = made.get();
    forms_.push_back(std::move(made));
    return result;
  }

  // Like Create; the first window created this way becomes the main window.
  template <class T>
  void CreateForm(T*& reference, std::unique_ptr<T> made = nullptr) {
    reference = Create<T>(std::move(made));
    if (!mainForm_) SetMainForm(reference);
  }

  QWidget* MainForm() const { return mainForm_; }
  void SetMainForm(QWidget* form);

  // Returns when the window closes.
  int ShowModal(QDialog& dialog);
  // Runs the event loop until Terminate or until the main window closes.
  int Run();
  // Ends the event loop, or keeps it from starting; also what SIGTERM and SIGINT do.
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Shows the error in the default error dialog, or hands it to OnException when set.
  void ShowException(const std::exception& error);
  std::function<void(const std::exception&)> OnException;

  // Hints: the switch, the kind of window they show in, the delay before one opens, how long it
  // stays, and the delay when the mouse moves on from one hinted control to another.
  bool ShowHint() const { return hints_->ShowHint(); }
  void SetShowHint(bool on) { hints_->SetShowHint(on); }
  void SetHintWindowClass(THintWindowClass hintWindowClass) {
    hints_->SetHintWindowClass(std::move(hintWindowClass));
  }
  int HintPause() const { return hints_->HintPause(); }
  void SetHintPause(int milliseconds) { hints_->SetHintPause(milliseconds); }
  int HintHidePause() const { return hints_->HintHidePause(); }
  void SetHintHidePause(int milliseconds) { hints_->SetHintHidePause(milliseconds); }
  int HintShortPause() const { return THintMachinery::ShortPause; }
  THintWindow* HintWindow() const { return hints_->HintWindow(); }
  THintMachinery& Hints() { return *hints_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<QApplication> ownApplication_;
  std::vector<std::unique_ptr<QWidget>> forms_;
  QWidget* mainForm_ = nullptr;
  bool terminated_ = false;
  std::unique_ptr<THintMachinery> hints_;
};

extern TApplication* Application;
