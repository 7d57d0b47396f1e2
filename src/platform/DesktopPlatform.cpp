#include "platform/DesktopPlatform.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTextBrowser>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

#include "platform/QuitSignals.h"

namespace quenna {
namespace {

// "Saved games|*.sav" becomes Qt's "Saved games (*.sav)".
QString QtFilter(const std::string& filter) {
  const auto bar = filter.find('|');
  if (bar == std::string::npos) return QString::fromStdString(filter);
  return QString::fromStdString(filter.substr(0, bar)) + " (" +
         QString::fromStdString(filter.substr(bar + 1)) + ")";
}

std::optional<std::filesystem::path> RunFileDialog(const FileDialogOptions& options,
                                                   QFileDialog::AcceptMode mode) {
  QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(options.title),
                     QString::fromStdString(options.initialDirectory.string()),
                     QtFilter(options.filter));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  // Linux names are case sensitive; the saved games are written as "*.sav".
  QString suffix = QString::fromStdString(options.defaultExtension).toLower();
  if (suffix.startsWith('.')) suffix.remove(0, 1);
  dialog.setDefaultSuffix(suffix);
  if (!options.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!options.fileName.empty()) dialog.selectFile(QString::fromStdString(options.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

// The help page beside the game. Its parent, the game's main window, owns it: Qt deletes
// it with the main window, and it closes when the main window closes.
class HelpWindow : public QDialog {
 public:
  explicit HelpWindow(QWidget& owner) : QDialog(&owner) {
    setWindowTitle(QString(kGameTitle) + " - Help");
    resize(640, 560);
    auto* layout = new QVBoxLayout(this);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
    layout->addWidget(browser_);
    owner.installEventFilter(this);
  }

  void ShowPage(const std::filesystem::path& file, const QString& html) {
    browser_->setSearchPaths({QString::fromStdString(file.parent_path().string())});
    browser_->setHtml(html);
    show();
    raise();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A minimised main window hides spontaneously; a closed one does not.
    if (watched == parent() && event->type() == QEvent::Hide && !event->spontaneous()) close();
    return QDialog::eventFilter(watched, event);
  }

 private:
  QTextBrowser* browser_ = nullptr;
};

}  // namespace

DesktopPlatform::DesktopPlatform() = default;
DesktopPlatform::~DesktopPlatform() = default;

std::int64_t DesktopPlatform::NowSeconds() {
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

void DesktopPlatform::Pause(int milliseconds) {
  // Nothing else runs meanwhile; only a request to quit cuts the wait short.
  using namespace std::chrono;
  const auto end = steady_clock::now() + std::chrono::milliseconds(milliseconds);
  constexpr auto kSlice = std::chrono::milliseconds(20);
  while (!QuitSignals::Requested()) {
    const auto left = duration_cast<std::chrono::milliseconds>(end - steady_clock::now());
    if (left.count() <= 0) break;
    QThread::msleep(static_cast<unsigned long>(std::min(left, kSlice).count()));
  }
}

void DesktopPlatform::ProcessMessages() {
  QApplication::processEvents(QEventLoop::AllEvents);
}

void DesktopPlatform::PlayInWindow() {
  ScreenSize size{1024, 768};
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize free = screen->availableSize();
    size = {std::min(size.width, free.width()), std::min(size.height, free.height())};
  }
  window_ = size;
}

ScreenSize DesktopPlatform::Screen() {
  if (window_) return *window_;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {1024, 768};
  const QRect area = screen->geometry();
  return {area.width(), area.height()};
}

void DesktopPlatform::ShowModal(QWidget& window) {
  if (auto* dialog = qobject_cast<QDialog*>(&window)) {
    dialog->exec();
    return;
  }
  QPointer<QWidget> guard(&window);
  window.setWindowModality(Qt::ApplicationModal);
  window.show();
  while (guard && guard->isVisible()) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

void DesktopPlatform::ErrorBox(const std::string& text) {
  QMessageBox::critical(QApplication::activeWindow(), kGameTitle, QString::fromStdString(text));
}

std::optional<std::filesystem::path> DesktopPlatform::OpenFileName(
    const FileDialogOptions& options) {
  return RunFileDialog(options, QFileDialog::AcceptOpen);
}

std::optional<std::filesystem::path> DesktopPlatform::SaveFileName(
    const FileDialogOptions& options) {
  return RunFileDialog(options, QFileDialog::AcceptSave);
}

void DesktopPlatform::PlaySound(const std::filesystem::path& file, int flags) {
  sound_.Play(file, (flags & kSoundAsync) == 0);
}

void DesktopPlatform::ShowHelp(QWidget& owner, const std::filesystem::path& file) {
  // The help file is a small HTML page; a text browser shows it beside the game.
  QFile source(QString::fromStdString(file.string()));
  if (!source.open(QIODevice::ReadOnly)) {
    ErrorBox("The help file could not be opened: " + file.string());
    return;
  }
  QWidget* mainWindow = owner.window();
  if (helpWindow_ && helpWindow_->parentWidget() != mainWindow) delete helpWindow_;
  if (!helpWindow_) helpWindow_ = new HelpWindow(*mainWindow);
  static_cast<HelpWindow*>(helpWindow_.data())->ShowPage(file, QString::fromUtf8(source.readAll()));
}

namespace {

QSettings PlayerSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, "quenna2", "quenna2");
}

}  // namespace

std::optional<std::string> DesktopPlatform::ReadSetting(const std::string& key) {
  const QSettings settings = PlayerSettings();
  // A file that cannot be read gives nothing, never half of it.
  if (settings.status() != QSettings::NoError) return std::nullopt;
  const QVariant value = settings.value(QString::fromStdString(key));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

void DesktopPlatform::WriteSetting(const std::string& key, const std::string& value) {
  QSettings settings = PlayerSettings();
  settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
  settings.sync();
}

void DesktopPlatform::Say(const std::string& text) {
  speech_.Say(QString::fromStdString(text));
}

void DesktopPlatform::StopSaying() {
  speech_.Stop();
}

std::string DesktopPlatform::SpeechProblem() {
  return speech_.Problem();
}

}  // namespace quenna
