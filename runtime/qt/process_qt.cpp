// Other programs and the system's services: the launcher, powering off through
// systemd-logind and web pages through the desktop's default browser (xdg-open).
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

#include "runtime/qt/gbk_qt.h"
#include "runtime/qt/qt_platform.h"

namespace kestrune::qt {
namespace {

// The program of that name in a folder of PATH named by its full path; never the current
// directory, whatever PATH says of it.
QString FromSearchPath(const QString& name) {
  const QStringList folders = qEnvironmentVariable("PATH").split(QLatin1Char(':'));
  for (const QString& folder : folders) {
    if (!QDir::isAbsolutePath(folder)) continue;
    const QFileInfo candidate(QDir(folder).filePath(name));
    if (candidate.isFile() && candidate.isExecutable()) return candidate.filePath();
  }
  return {};
}

void Report(const char* what, const QString& detail) {
  std::fprintf(stderr, "kestrune: %s: %s\n", what, qPrintable(detail));
}

}  // namespace

// The command line is split as a shell would split words; the program is looked up on PATH.
// There is no readiness for input to wait for: a program that started counts as ready.
bool QtPlatform::StartProcess(std::string_view commandLine, bool waitForExit, ShowState) {
  QStringList words = QProcess::splitCommand(FromGbk(commandLine));
  if (words.isEmpty()) return false;
  const QString program = FromSearchPath(words.takeFirst());
  if (program.isEmpty()) return false;
  if (waitForExit) return QProcess::execute(program, words) >= 0;
  return QProcess::startDetached(program, words);
}

// logind's PowerOff, interactive so that polkit may ask where it must. The call is not waited
// for; a refusal or an unreachable logind is reported on standard error only.
void QtPlatform::RequestPowerOff() {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
      QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
  call << true;
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) {
    Report("no system bus to power off through", bus.lastError().message());
    return;
  }
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [](QDBusPendingCallWatcher* done) {
    const QDBusPendingReply<> reply = *done;
    if (reply.isError()) Report("logind refused to power off", reply.error().message());
    done->deleteLater();
  });
}

void QtPlatform::OpenWebPage(std::string_view address) {
  const QString opener = FromSearchPath(QStringLiteral("xdg-open"));
  if (opener.isEmpty() || !QProcess::startDetached(opener, {FromGbk(address)})) {
    Report("could not open the web page", FromGbk(address));
  }
}

}  // namespace kestrune::qt
