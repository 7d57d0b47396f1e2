#include "platform/FakePlatform.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace quenna {

FakePlatform::FakePlatform(ScreenSize screen) : screen_(screen) {}

void FakePlatform::SetNowSeconds(std::int64_t seconds) {
  clockMilliseconds_ = seconds * 1000;
}

void FakePlatform::AdvanceMilliseconds(std::int64_t milliseconds) {
  clockMilliseconds_ += milliseconds;
}

std::int64_t FakePlatform::NowSeconds() {
  return clockMilliseconds_ / 1000;
}

void FakePlatform::Pause(int milliseconds) {
  pauses_.push_back(milliseconds);
  pausedMilliseconds_ += milliseconds;
  clockMilliseconds_ += milliseconds;
}

void FakePlatform::ProcessMessages() {
  QApplication::processEvents();
}

ScreenSize FakePlatform::Screen() {
  return screen_;
}

void FakePlatform::ExpectModal(ModalDriver driver) {
  drivers_.push_back(std::move(driver));
}

void FakePlatform::ShowModal(QWidget& window) {
  modalTitles_.push_back(window.windowTitle().toStdString());
  QPointer<QWidget> guard(&window);
  window.show();
  if (drivers_.empty()) {
    ++unexpectedModals_;
  } else {
    ModalDriver driver = std::move(drivers_.front());
    drivers_.pop_front();
    driver(window);
  }
  if (guard && guard->isVisible()) guard->hide();
}

void FakePlatform::ErrorBox(const std::string& text) {
  errors_.push_back(text);
}

void FakePlatform::AnswerFileDialog(DialogAnswer answer) {
  fileAnswers_.push_back(std::move(answer));
}

void FakePlatform::AnswerFileDialog(std::optional<std::filesystem::path> path) {
  fileAnswers_.push_back([path](const FileDialogOptions&) { return path; });
}

std::optional<std::filesystem::path> FakePlatform::NextFileAnswer(
    const FileDialogOptions& options) {
  fileDialogs_.push_back(options);
  if (fileAnswers_.empty()) return std::nullopt;
  DialogAnswer answer = std::move(fileAnswers_.front());
  fileAnswers_.pop_front();
  return answer(options);
}

std::optional<std::filesystem::path> FakePlatform::OpenFileName(const FileDialogOptions& options) {
  return NextFileAnswer(options);
}

std::optional<std::filesystem::path> FakePlatform::SaveFileName(const FileDialogOptions& options) {
  return NextFileAnswer(options);
}

void FakePlatform::PlaySound(const std::filesystem::path& file, int flags) {
  sounds_.push_back({file, flags});
}

void FakePlatform::ShowHelp(QWidget& /*owner*/, const std::filesystem::path& file) {
  helpRequests_.push_back(file);
}

std::optional<std::string> FakePlatform::ReadSetting(const std::string& key) {
  const auto found = settings_.find(key);
  if (found == settings_.end()) return std::nullopt;
  return found->second;
}

void FakePlatform::WriteSetting(const std::string& key, const std::string& value) {
  settings_[key] = value;
}

void FakePlatform::Say(const std::string& text) {
  if (speechProblem_.empty()) said_.push_back(text);
}

void FakePlatform::StopSaying() {
  if (speechProblem_.empty()) said_.emplace_back();
}

std::string FakePlatform::SpeechProblem() {
  return speechProblem_;
}

}  // namespace quenna
