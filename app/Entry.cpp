#include "app/Entry.h"

#include "app/USplash.h"
#include "game/UGaloppo.h"
#include "toolkit/Application.h"

TMain* Main = nullptr;

int RunEntry(TApplication& application) {
  application.Initialize();
  bool created = false;
  RunGuarded([&] {
    Splash = application.Create<TSplash>();
    application.ShowModal(*Splash);
    // Asked to end while the splash was up: there is no game to start.
    if (application.Terminated()) return;
    application.CreateForm(Main);
    created = true;
  });
  // A main window that failed to come up has been reported; there is no game to run.
  return created || application.Terminated() ? application.Run() : 1;
}
