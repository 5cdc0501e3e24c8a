#include "app/Entry.h"

#include <memory>

#include "app/USplash.h"
#include "game/UGaloppo.h"
#include "toolkit/Application.h"
#include "toolkit/WorkAhead.h"

TMain* Main = nullptr;

int RunEntry(TApplication& application) {
  application.Initialize();
  bool created = false;
  RunGuarded([&] {
    Splash = application.Create<TSplash>();
    // The game window is made while the splash waits, unshown, so that the click shows it at
    // once; what could not be made ahead is made after the click, and its error reported then.
    std::unique_ptr<TMain> made;
    TWorkAhead ahead(TMain::MakingSteps(made));
    ahead.StartAfterFirstFrame(*Splash);
    application.ShowModal(*Splash);
    Splash->ReleaseWindow();
    // Asked to end while the splash was up: there is no game to start.
    if (application.Terminated()) return;
    ahead.Finish();
    application.CreateForm(Main, std::move(made));
    created = true;
  });
  // A main window that failed to come up has been reported; there is no game to run.
  return created || application.Terminated() ? application.Run() : 1;
}
