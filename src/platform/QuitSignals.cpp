#include "platform/QuitSignals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <vector>

namespace quenna {
namespace {

constexpr std::array<int, 3> kQuitSignals = {SIGTERM, SIGINT, SIGHUP};

// The signal handler may touch only these three.
int pipeIn = -1;
int pipeOut = -1;
volatile std::sig_atomic_t quitRequested = 0;

std::array<struct sigaction, kQuitSignals.size()> previousActions{};
QSocketNotifier* pipeNotifier = nullptr;
std::vector<QuitSignals*> listeners;

extern "C" void OnQuitSignal(int) {
  const int savedErrno = errno;
  quitRequested = 1;
  const char byte = 1;
  // The pipe never blocks: when it is full, a byte is already waiting to be read.
  [[maybe_unused]] const ssize_t written = ::write(pipeIn, &byte, 1);
  errno = savedErrno;
}

void TellListeners() {
  char bytes[16];
  while (::read(pipeOut, bytes, sizeof bytes) > 0) {
  }
  // A listener may go away while it is told.
  const std::vector<QuitSignals*> told = listeners;
  for (QuitSignals* listener : told) {
    if (std::find(listeners.begin(), listeners.end(), listener) != listeners.end()) {
      emit listener->QuitRequested();
    }
  }
}

bool Install() {
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  pipeOut = ends[0];
  pipeIn = ends[1];
  quitRequested = 0;
  pipeNotifier = new QSocketNotifier(pipeOut, QSocketNotifier::Read);
  QObject::connect(pipeNotifier, &QSocketNotifier::activated, pipeNotifier, TellListeners);

  struct sigaction action {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  // Reads and writes that a signal interrupts go on where they were.
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < kQuitSignals.size(); ++i) {
    ::sigaction(kQuitSignals[i], &action, &previousActions[i]);
  }
  return true;
}

void Uninstall() {
  for (std::size_t i = 0; i < kQuitSignals.size(); ++i) {
    ::sigaction(kQuitSignals[i], &previousActions[i], nullptr);
  }
  delete pipeNotifier;
  pipeNotifier = nullptr;
  ::close(pipeIn);
  ::close(pipeOut);
  pipeIn = -1;
  pipeOut = -1;
  quitRequested = 0;
}

}  // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
  // Without a pipe the signals keep their old effect.
  if (listeners.empty() && !Install()) return;
  listeners.push_back(this);
}

QuitSignals::~QuitSignals() {
  const auto me = std::find(listeners.begin(), listeners.end(), this);
  if (me == listeners.end()) return;
  listeners.erase(me);
  if (listeners.empty()) Uninstall();
}

bool QuitSignals::Requested() {
  return quitRequested != 0;
}

}  // namespace quenna
