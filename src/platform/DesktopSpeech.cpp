#include "platform/DesktopSpeech.h"

#include <QDir>
#include <QFileInfo>
#include <QTextToSpeech>

namespace quenna {
namespace {

// speech-dispatcher listens on a socket in the session's runtime folder; where it does not,
// asking for it would only start a voice that never speaks.
bool SpeechDispatcherRuns() {
  if (!qEnvironmentVariableIsEmpty("SPEECHD_ADDRESS")) return true;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (runtime.isEmpty()) return false;
  return QFileInfo::exists(QDir(runtime).filePath("speech-dispatcher/speechd.sock"));
}

}  // namespace

DesktopSpeech::DesktopSpeech() = default;
DesktopSpeech::~DesktopSpeech() = default;

bool DesktopSpeech::Start() {
  if (started_) return engine_ != nullptr;
  started_ = true;
  const QStringList engines = QTextToSpeech::availableEngines();
  QString choice;
  if (engines.contains("speechd") && SpeechDispatcherRuns()) {
    choice = "speechd";
  } else if (engines.contains("flite")) {
    choice = "flite";
  }
  if (choice.isEmpty()) {
    problem_ =
        "No voice is installed to read aloud. The package qt6-speech-flite-plugin provides one.";
    return false;
  }
  engine_ = std::make_unique<QTextToSpeech>(choice);
  if (engine_->state() == QTextToSpeech::Error) {
    problem_ = "The voice that reads aloud could not start.";
    engine_.reset();
    return false;
  }
  return true;
}

void DesktopSpeech::Say(const QString& text) {
  if (!Start()) return;
  engine_->stop();
  if (!text.isEmpty()) engine_->say(text);
}

void DesktopSpeech::Stop() {
  if (engine_) engine_->stop();
}

std::string DesktopSpeech::Problem() {
  Start();
  return problem_;
}

}  // namespace quenna
