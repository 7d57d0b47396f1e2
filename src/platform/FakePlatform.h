#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace quenna {

// The test stand-in for every platform service. Time stands still until a test moves it
// or the game pauses; modal windows are handed to drivers that the test queued up;
// sounds, help requests and error boxes are recorded.
class FakePlatform : public Platform {
 public:
  using ModalDriver = std::function<void(QWidget& window)>;
  using DialogAnswer =
      std::function<std::optional<std::filesystem::path>(const FileDialogOptions&)>;

  struct PlayedSound {
    std::filesystem::path file;
    int flags = 0;
    bool operator==(const PlayedSound&) const = default;
  };

  explicit FakePlatform(ScreenSize screen = {1024, 768});

  // Clock: starts at a fixed second; Pause moves it on.
  void SetNowSeconds(std::int64_t seconds);
  void AdvanceMilliseconds(std::int64_t milliseconds);
  std::int64_t PausedMilliseconds() const { return pausedMilliseconds_; }
  const std::vector<int>& Pauses() const { return pauses_; }
  void ClearPauses() { pauses_.clear(); }

  void SetScreen(ScreenSize screen) { screen_ = screen; }

  // Modal windows: each ShowModal takes the next driver in order. A driver that
  // leaves its window open has it hidden when it returns. With no driver queued the
  // window is shown and hidden at once, and the miss is counted.
  void ExpectModal(ModalDriver driver);
  std::size_t PendingModalDrivers() const { return drivers_.size(); }
  const std::vector<std::string>& ModalTitles() const { return modalTitles_; }
  int UnexpectedModals() const { return unexpectedModals_; }

  // File dialogs: the next answer queued, or cancel when none is.
  void AnswerFileDialog(DialogAnswer answer);
  void AnswerFileDialog(std::optional<std::filesystem::path> path);
  const std::vector<FileDialogOptions>& FileDialogs() const { return fileDialogs_; }

  const std::vector<std::string>& Errors() const { return errors_; }
  void ClearErrors() { errors_.clear(); }
  const std::vector<PlayedSound>& Sounds() const { return sounds_; }
  void ClearSounds() { sounds_.clear(); }
  const std::vector<std::filesystem::path>& HelpRequests() const { return helpRequests_; }

  // Settings live in memory, so a second game made with the same platform finds them
  // again, as a restarted program would.
  const std::map<std::string, std::string>& Settings() const { return settings_; }
  void ClearSettings() { settings_.clear(); }
  // What was read aloud, in order; a stop is recorded as an empty text.
  const std::vector<std::string>& Said() const { return said_; }
  void ClearSaid() { said_.clear(); }
  void SetSpeechProblem(std::string problem) { speechProblem_ = std::move(problem); }

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
  std::optional<std::string> ReadSetting(const std::string& key) override;
  void WriteSetting(const std::string& key, const std::string& value) override;
  void Say(const std::string& text) override;
  void StopSaying() override;
  std::string SpeechProblem() override;

 private:
  std::optional<std::filesystem::path> NextFileAnswer(const FileDialogOptions& options);

  ScreenSize screen_;
  std::int64_t clockMilliseconds_ = 1'700'000'000'000;
  std::int64_t pausedMilliseconds_ = 0;
  std::vector<int> pauses_;
  std::deque<ModalDriver> drivers_;
  std::vector<std::string> modalTitles_;
  int unexpectedModals_ = 0;
  std::deque<DialogAnswer> fileAnswers_;
  std::vector<FileDialogOptions> fileDialogs_;
  std::vector<std::string> errors_;
  std::vector<PlayedSound> sounds_;
  std::vector<std::filesystem::path> helpRequests_;
  std::map<std::string, std::string> settings_;
  std::vector<std::string> said_;
  std::string speechProblem_;
};

}  // namespace quenna
