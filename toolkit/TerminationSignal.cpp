#include "toolkit/TerminationSignal.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace {

// A signal handler may only write to a descriptor; the event loop reads the other end.
int signalSockets[2] = {-1, -1};
volatile std::sig_atomic_t requested = 0;

void WriteSignal(int) {
  requested = 1;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

}  // namespace

void OnTerminationSignal(std::function<void()> handler) {
  if (signalSockets[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) return;
  auto* notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read);
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [handler = std::move(handler)] {
    char byte;
    [[maybe_unused]] const ssize_t read = ::read(signalSockets[1], &byte, 1);
    requested = 0;
    handler();
  });
  struct sigaction action = {};
  action.sa_handler = WriteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

bool TerminationRequested() {
  return requested != 0;
}
