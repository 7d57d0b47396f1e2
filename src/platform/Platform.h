#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

class QWidget;

namespace quenna {

// The program's title, as its own windows (the error box, the help) name it. The program
// sets no application display name: Qt would append it to every window's caption.
inline constexpr const char* kGameTitle = "Quenna 2: Orn Hollin Adventure";

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// Flags of a sound request, numbered as the game has always numbered them.
enum SoundFlag : int {
  kSoundAsync = 1,      // return at once; the sound plays on its own
  kSoundNoDefault = 2,  // synchronous; a missing file stays silent
};

// What a file dialog shows. The filter reads "Saved games|*.sav": a name, a bar, a pattern.
struct FileDialogOptions {
  std::string title;
  std::string filter;
  std::string defaultExtension;
  std::filesystem::path initialDirectory;
  std::string fileName;
  bool overwritePrompt = false;
};

// Everything the game asks of the operating system. The game talks only to this
// interface, so a test can put a fake clock, fake dialogs and a recording sound
// service in its place (FakePlatform) while the windows stay real.
class Platform {
 public:
  virtual ~Platform() = default;

  // Calendar time in whole seconds: random seeds and the slide-show click gate.
  virtual std::int64_t NowSeconds() = 0;
  // A blocking wait; nothing else runs meanwhile.
  virtual void Pause(int milliseconds) = 0;
  // Lets pending window messages (painting above all) run now.
  virtual void ProcessMessages() = 0;
  // The screen the layout is computed for; read once at start-up.
  virtual ScreenSize Screen() = 0;

  // Shows a window modally and returns when it has closed.
  virtual void ShowModal(QWidget& window) = 0;
  // The application's standard error box.
  virtual void ErrorBox(const std::string& text) = 0;
  // The common file dialogs; nullopt when the player cancels.
  virtual std::optional<std::filesystem::path> OpenFileName(const FileDialogOptions& options) = 0;
  virtual std::optional<std::filesystem::path> SaveFileName(const FileDialogOptions& options) = 0;

  // Plays a WAV file. An empty name stops the sound playing. With kSoundAsync the call
  // returns at once, otherwise when the sound is over. A new sound replaces the old one.
  virtual void PlaySound(const std::filesystem::path& file, int flags) = 0;
  // Settings that last from one run to the next, as text by key ("options/music").
  // Nothing when the key was never written or the settings file cannot be read; the
  // caller then keeps its default.
  virtual std::optional<std::string> ReadSetting(const std::string& key) = 0;
  virtual void WriteSetting(const std::string& key, const std::string& value) = 0;

  // Read-aloud. Say starts speaking a text at once, cutting off what was being said;
  // neither call ever waits for the speech.
  virtual void Say(const std::string& text) = 0;
  virtual void StopSaying() = 0;
  // Why nothing can be read aloud here, for the player ("" when speech works).
  virtual std::string SpeechProblem() = 0;

  // Opens the help file at its contents, in a window that belongs to the owner's window:
  // it closes with it.
  virtual void ShowHelp(QWidget& owner, const std::filesystem::path& file) = 0;
};

}  // namespace quenna
