#pragma once

#include <QString>

#include <memory>
#include <string>

class QTextToSpeech;

namespace quenna {

// Read-aloud through Qt's text-to-speech. The engine starts on the first text, not with
// the program, so a player who never switches read-aloud on never pays for it. The
// desktop's speech-dispatcher is used when it runs; otherwise the offline flite voice.
class DesktopSpeech {
 public:
  DesktopSpeech();
  ~DesktopSpeech();
  DesktopSpeech(const DesktopSpeech&) = delete;
  DesktopSpeech& operator=(const DesktopSpeech&) = delete;

  void Say(const QString& text);
  void Stop();
  // Why nothing can be read aloud ("" when it can). Starts the engine to find out.
  std::string Problem();

 private:
  // Makes the engine once; false when there is none that works.
  bool Start();

  std::unique_ptr<QTextToSpeech> engine_;
  bool started_ = false;
  std::string problem_;
};

}  // namespace quenna
