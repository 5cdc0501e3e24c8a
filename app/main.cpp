#include "app/Entry.h"
#include "toolkit/Application.h"

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  return RunEntry(application);
}
