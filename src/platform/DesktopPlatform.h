#pragma once

#include <QPointer>

#include "platform/DesktopSpeech.h"
#include "platform/Platform.h"
#include "platform/SdlSound.h"

class QDialog;

namespace quenna {

// The real services: the system clock, Qt's event loop and dialogs, SDL sound, Qt's
// settings and text-to-speech.
class DesktopPlatform : public Platform {
 public:
  DesktopPlatform();
  ~DesktopPlatform() override;

  // Plays in a window instead of on the whole screen: from now on Screen() reports a
  // window of 1024 x 768, less where the screen's free area is smaller, and the layout
  // is computed for that. Call it before the windows are made.
  void PlayInWindow();

  std::int64_t NowSeconds() override;
  void Pause(int milliseconds) override;
  void ProcessMessages() override;
  ScreenSize Screen() override;
  void ShowModal(QWidget& window) override;
  void ErrorBox(const std::string& text) override;
  std::optional<std::filesystem::path> OpenFileName(const FileDialogOptions& options) override;
  std::optional<std::filesystem::path> SaveFileName(const FileDialogOptions& options) override;
  void PlaySound(const std::filesystem::path& file, int flags) override;
  void ShowHelp(QWidget& owner, const std::filesystem::path& file) override;
  // Settings are an INI file, ~/.config/quenna2/quenna2.ini.
  std::optional<std::string> ReadSetting(const std::string& key) override;
  void WriteSetting(const std::string& key, const std::string& value) override;
  void Say(const std::string& text) override;
  void StopSaying() override;
  std::string SpeechProblem() override;

 private:
  SdlSound sound_;
  DesktopSpeech speech_;
  std::optional<ScreenSize> window_;
  // The help window is owned by the window it was opened for; this only finds it again.
  QPointer<QDialog> helpWindow_;
};

}  // namespace quenna
