#include "shell/ScreenFit.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>

#include <vector>

#include "platform/PlayerSettings.h"
#include "shell/ScreenFitRules.h"
#include "shell/TForm1.h"

namespace quenna {
namespace {

bool FitToScreenStored() {
  // The settings file of the desktop platform; no platform exists yet at this point.
  const QSettings settings(QSettings::IniFormat, QSettings::UserScope, "quenna2", "quenna2");
  const QString key = QString::fromUtf8(setting::kFitToScreen.data(),
                                        static_cast<qsizetype>(setting::kFitToScreen.size()));
  return settings.value(key).toString() != "off";
}

}  // namespace

void ScaleToScreenAtStart(int argc, char* argv[]) {
  // Fractional factors as they are: a 1080-line screen draws the design at 1.40625.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  if (!FitToScreenStored()) return;
  int freeHeight = 0;
  {
    // Qt takes its own options out of the arguments it is given; the real application
    // must still find them.
    std::vector<char*> arguments(argv, argv + argc);
    int count = argc;
    const QGuiApplication probe(count, arguments.data());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      freeHeight = screen->availableGeometry().height();
  }
  const double factor = FitScaleFactor(freeHeight);
  if (factor <= 1.0) return;
  // A factor the user set already (for a HiDPI screen, say) stays part of the result.
  bool given = false;
  double userFactor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&given);
  if (!given || userFactor <= 0.0) userFactor = 1.0;
  qputenv("QT_SCALE_FACTOR", QByteArray::number(userFactor * factor, 'g', 10));
}

const char* FitToScreenNews(bool on) {
  return on ? "Fit to Screen is on. The next time you start the game, its windows will fill "
              "the screen."
            : "Fit to Screen is off. The next time you start the game, its windows will have "
              "the size they were made for.";
}

ScreenFit::ScreenFit(TForm1& form, Platform& platform)
    : QObject(&form), form_(form), platform_(platform) {
  // The last item of the Options menu, after the card and music switches. The items and
  // the key belong to this object and leave the window with it.
  if (auto* options = qobject_cast<QMenu*>(form.CardsOn->parent())) {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    options->addAction(separator);
    FitToScreen = new QAction("Fit to Screen", this);
    FitToScreen->setCheckable(true);
    FitToScreen->setChecked(ReadFlagSetting(platform, setting::kFitToScreen, true));
    options->addAction(FitToScreen);
    connect(FitToScreen, &QAction::triggered, this, [this] { FitToScreenClick(); });
  }
  auto* fullScreen = new QAction(this);
  fullScreen->setShortcut(Qt::Key_F11);
  form.addAction(fullScreen);
  connect(fullScreen, &QAction::triggered, this, [this] { FullScreenClick(); });
  if (QWidget* client = form.centralWidget()) client->installEventFilter(this);
}

void ScreenFit::FitToScreenClick() {
  const bool on = FitToScreen->isChecked();
  WriteFlagSetting(platform_, setting::kFitToScreen, on);
  QMessageBox news(QMessageBox::Information, kGameTitle, FitToScreenNews(on), QMessageBox::Ok,
                   &form_);
  news.setWindowTitle(kGameTitle);
  platform_.ShowModal(news);
}

void ScreenFit::FullScreenClick() {
  // Back from the whole screen the window is maximised again, or as it was before.
  form_.setWindowState(form_.windowState() ^ Qt::WindowFullScreen);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && watched == form_.centralWidget()) {
    const QSize client = static_cast<QResizeEvent*>(event)->size();
    form_.LayOutForClientArea(client.width(), client.height());
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace quenna
