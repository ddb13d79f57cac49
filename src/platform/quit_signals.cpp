// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/quit_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace glyph {

namespace {

int signalSocket[2] = {-1, -1};

// All a signal handler may safely do: write a byte for the event loop.
void OnQuitSignal(int) {
  const char byte = 1;
  const ssize_t written = write(signalSocket[1], &byte, 1);
  (void)written;
}

}  // namespace

void QuitGracefullyOnSignals(std::function<void()> beforeQuitting) {
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, signalSocket) != 0) return;
  auto* notifier = new QSocketNotifier(signalSocket[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier, beforeQuitting] {
    notifier->setEnabled(false);  // once: a second signal while quitting changes nothing
    char byte = 0;
    const ssize_t got = read(signalSocket[0], &byte, 1);
    (void)got;
    beforeQuitting();
    QCoreApplication::quit();
  });
  struct sigaction action {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &action, nullptr);
}

}  // namespace glyph
