#include "story/TIntro.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/GameFiles.h"
#include "core/ScreenFraction.h"
#include "core/WidgetStyle.h"
#include "media/Music.h"

namespace quenna {
namespace {

// One slide: the picture a step loads and the text it shows (empty: unchanged).
struct Slide {
  std::string_view picture;
  std::string_view text;
};

constexpr std::string_view kIntroPicture = kSlideIntro;
constexpr std::string_view kIntroText =
    "It's a warm afternoon, and Quenna is trying her best to fight off her sleepiness.  The "
    "lecture today is about the founding fathers.  ";

// The introduction, by step. Steps 0 and 1 do nothing; step 11 closes the window.
constexpr std::array<Slide, 12> kIntroductionSlides = {{
    /* 0 */ {},
    /* 1 */ {},
    /* 2 */
    {kSlideClassroom,
     "Mr. Quandry is a great teacher, but Quenna finds herself drifting off to sleep... in spite "
     "of all her best efforts to pay attention.  And it's only two o'clock!"},
    /* 3 */
    {{},
     "Ahem... class, now, pay attention!  Ornald Hollin, statesman, inventor... who can tell me "
     "more about him?"},
    /* 4 */ {{}, "Dorrin, how about you?"},
    /* 5 */ {{}, "Uhhhh... he flew a kite in the rain..?"},
    /* 6 */
    {{},
     "Yes... well, we'll go into that in more detail later. Quenna, do you have anything to "
     "add?"},
    /* 7 */ {kSlideQuennaSleep1, "Quenna?? "},
    /* 8 */ {kSlideQuennaSleep2, "Quenna!! "},
    /* 9 */
    {kSlideQuennaSleep3, "Quenna wakes with a start to find herself alone in the classroom!"},
    /* 10 */
    {kSlideOpenBook,
     "There is a very strange book on her lap. The title reads \"Date Book of O. Hollin, "
     "Printer.\" Hesitantly, she opens it..."},
    /* 11 */ {},
}};

constexpr std::string_view kEndPicture = kSlideClassroom;
constexpr std::string_view kEndText =
    "Quenna!  Please answer the question.  What can you tell us about Ornald Hollin?";

// The ending, by step. Step 0 does nothing; step 7 closes the window.
constexpr std::array<Slide, 8> kEndingSlides = {{
    /* 0 */ {},
    /* 1 */
    {{},
     "Quenna has awakened to find everything just as it was.  Why, this must have all taken "
     "place in only seconds!  What a dream!"},
    /* 2 */
    {kSlideSpeech,
     "To everyone's surprise, Quenna stands up and speaks... and speaks... and speaks some "
     "more... for almost 20 minutes!"},
    /* 3 */
    {kSlideTeacher,
     "Quenna, that is wonderful!  But tell me, where did you get all this information?"},
    /* 4 */ {kSlideBookDesk, "Ummm...from this book!"},
    /* 5 */
    {kSlideWink,
     "Much to her surprise, the strange book has turned back into a history book once again.  "
     "Quenna could swear that picture winked at her!"},
    /* 6 */
    {kSlideEpitaph,
     "She takes a closer look, finding the epitaph Orn wrote for himself when he was 22 years "
     "old. She speaks the words softly to herself.  At the end she hears a strangely familiar "
     "voice saying the words..."},
    /* 7 */ {},
}};

// After the wink the book on the desk is just a book again.
constexpr std::string_view kBookAgain = kSlideBookDesk;

// A pan is 19 moves, each after a repaint and a short wait.
constexpr int kPanMoves = 19;
constexpr int kPanPause = 20;
constexpr int kPanAcross = 10;  // per move: 190 pixels across the classroom
constexpr int kPanUp = 7;       // per move: 133 pixels up to the blackboard
// Where the ending starts: the classroom picture, shifted to Quenna's desk.
constexpr int kEndingPictureLeft = -200;

// The window as designed, before the layout fits it to the screen.
constexpr int kFrameWidth = 633;
constexpr QRect kPicturePanel(0, 0, kFrameWidth, 481);
constexpr QRect kTextPanel(0, 488, kFrameWidth, 145);
constexpr QRect kTextBox(32, 24, 569, 73);
constexpr QRect kTextInBox(32, 8, 505, 57);
constexpr QRect kTextOnPicture(48, 365, 505, 40);
constexpr QSize kButtonSize(75, 25);
constexpr QPoint kExitAt(152, 596);
constexpr QPoint kNextAt(376, 596);
// The text panel is centred: its left is half the screen width less this.
constexpr int kTextPanelHalf = 316;
// The picture frame's top stands this far above the text panel's, or at the screen's top.
constexpr int kPictureAboveText = 500;

const Slide& SlideOf(const auto& slides, int step) {
  static const Slide none{};
  if (step < 0 || step >= static_cast<int>(slides.size())) return none;
  return slides[static_cast<std::size_t>(step)];
}

QLabel* MakeTextLabel(QWidget* parent, const QRect& geometry, bool bold) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setFont(TimesFont(16, bold));
  SetTextColor(label, Qt::black);
  SetBackground(label, Qt::white);
  label->setGeometry(geometry);
  label->hide();
  return label;
}

}  // namespace

TIntro::TIntro(GameContext& context, MainForm& /*main*/, QWidget* parent)
    : GameDialog(context.platform, parent), context_(context) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  SetBackground(this, kSilver);
  setFont(TimesFont(13));

  using Edge = BevelPanel::Edge;
  Panel1 = new BevelPanel({{Edge::Raised, 8}, {Edge::Lowered, 8}}, kSilver, this);
  Panel1->setGeometry(kPicturePanel);
  Panel3 = new QWidget(Panel1);
  SetBackground(Panel3, kSilver);
  Panel3->setGeometry(Panel1->Inside());
  Image1 = new PictureBox(Panel3);
  Image1->setGeometry(0, 0, 600, 450);
  Image1->SetStretch(true);
  Image1->SetAutoSize(true);
  ILabel = MakeTextLabel(Panel3, kTextOnPicture, true);
  ILabel->setAlignment(Qt::AlignCenter);
  ILabel->setMargin(3);

  // A single border outside, a raised bevel, a 3-pixel border and a raised bevel inside.
  BackPanel = new BevelPanel(
      {{Edge::Well, 2}, {Edge::Raised, 2}, {Edge::Flat, 3}, {Edge::Raised, 2}}, kSilver, this);
  BackPanel->setGeometry(kTextPanel);
  Panel2 = new BevelPanel({{Edge::Lowered, 1}}, Qt::white, BackPanel);
  // Placed inside the single border, as the designer placed it.
  Panel2->setGeometry(kTextBox.translated(2, 2));
  Panel2->hide();
  ILabel2 = MakeTextLabel(Panel2, kTextInBox, false);
  ILabel2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  exitbutton = new QPushButton("Exit", this);
  exitbutton->setGeometry(QRect(kExitAt, kButtonSize));
  nextbutton = new QPushButton("Next >>", this);
  nextbutton->setGeometry(QRect(kNextAt, kButtonSize));
  Next2 = new QPushButton("Next >>", this);
  Next2->setGeometry(QRect(kNextAt, kButtonSize));
  Next2->hide();
  OnClick(exitbutton, &TIntro::exitbuttonClick);
  OnClick(nextbutton, &TIntro::nextbuttonClick);
  OnClick(Next2, &TIntro::Next2Click);

  TextLabel = ILabel2;
  FormCreate();
}

void TIntro::FormCreate() {
  const ScreenSize screen = context_.platform.Screen();
  ScreenHeight = screen.height;
  const int H = screen.height;
  const int W = screen.width;
  auto f = [H](double fraction) { return ScreenFraction(H, fraction); };

  setGeometry(0, 0, W, H);
  if (H < 600) {
    TextLabel = ILabel;
    BackPanel->hide();
  } else {
    TextLabel = ILabel2;
  }
  // Both lefts are fractions of the height, as they always were.
  nextbutton->move(f(0.7), f(0.88));
  Next2->move(f(0.7), f(0.88));
  exitbutton->move(f(0.5), f(0.88));
  BackPanel->setGeometry(W / 2 - kTextPanelHalf, f(0.63), BackPanel->width(), f(0.2));
  Panel1->move(BackPanel->x(), std::max(0, BackPanel->y() - kPictureAboveText));
}

void TIntro::SetUpIntro() {
  Panel2->hide();
  Image1->move(0, 0);
  Image1->show();
  IntroStep = 2;
  // The show is set up whatever becomes of its first picture: the caller shows the window
  // next and, after the ending, goes on to the high scores.
  Guarded([this] { LoadPicture(kIntroPicture); });
  SetText(kIntroText);
  Panel2->show();
  TextLabel->show();
  Repaint();
  nextbutton->setEnabled(true);
}

void TIntro::SetUpEnd() {
  IntroStep = 1;
  EndingMode = 1;
  Panel2->hide();
  Image1->move(Image1->x(), 0);
  Guarded([this] { LoadPicture(kEndPicture); });
  Image1->move(kEndingPictureLeft, Image1->y());
  Image1->show();
  nextbutton->hide();
  Next2->show();
  SetText(kEndText);
  Panel2->show();
  TextLabel->show();
  Repaint();
}

void TIntro::nextbuttonClick() {
  NextClick(Show::Introduction);
}

void TIntro::Next2Click() {
  NextClick(Show::Ending);
}

void TIntro::NextClick(Show show) {
  if (stepRunning_) {
    deferredClick_ = show;
    return;
  }
  std::optional<Show> click = show;
  while (click) {
    // One step per second at most: a double click, or a click held back during a step,
    // does not race through the slides.
    const std::int64_t now = context_.platform.NowSeconds();
    if (now != LastNextTime) {
      LastNextTime = now;
      const int step = IntroStep++;
      stepRunning_ = true;
      // A picture that fails to load ends its step only; the counter has moved on.
      Guarded([&] {
        if (*click == Show::Introduction) {
          IntroductionStep(step);
        } else {
          EndingStep(step);
        }
      });
      stepRunning_ = false;
    }
    click = std::exchange(deferredClick_, std::nullopt);
  }
}

void TIntro::IntroductionStep(int step) {
  const Slide& slide = SlideOf(kIntroductionSlides, step);
  switch (step) {
    case 2:
    case 5:
      ShowSlide(slide.picture, slide.text);
      break;
    case 3:
      Pan(-kPanAcross, 0);
      SetText(slide.text);
      TextLabel->show();
      Repaint();
      break;
    case 4:
      Pan(0, -kPanUp);
      SetText(slide.text);
      TextLabel->show();
      Repaint();
      break;
    case 6:
      SetText(slide.text);
      Repaint();
      Wait(1000);
      Pan(kPanAcross, 0);
      TextLabel->show();
      Repaint();
      break;
    case 7:
      Image1->move(Image1->x(), 0);
      ShowSlide(slide.picture, slide.text);
      Repaint();
      break;
    case 8:
    case 9:
    case 10:
      ShowSlide(slide.picture, slide.text);
      Repaint();
      break;
    case 11:
      Panel2->hide();
      Close();
      break;
    default:
      break;
  }
}

void TIntro::EndingStep(int step) {
  const Slide& slide = SlideOf(kEndingSlides, step);
  switch (step) {
    case 1:
      SetText(slide.text);
      Repaint();
      Wait(2000);
      break;
    case 2:
      // Back from Quenna's desk to the whole picture; moved first, so that the slides
      // after it stand in place even when this one cannot be loaded.
      Image1->move(0, Image1->y());
      ShowSlide(slide.picture, slide.text);
      Repaint();
      break;
    case 3:
    case 4:
    case 6:
      ShowSlide(slide.picture, slide.text);
      Repaint();
      break;
    case 5:
      ShowSlide(slide.picture, slide.text);
      Repaint();
      Wait(1500);
      LoadPicture(kBookAgain);
      context_.music.Playit(kEpitaphSound, kSoundAsync);
      Repaint();
      break;
    case 7:
      Panel2->hide();
      Close();
      break;
    default:
      break;
  }
}

void TIntro::exitbuttonClick() {
  if (EndingMode != 0) context_.music.StopMusic();
  Close();
}

void TIntro::reject() {
  Guarded([this] { exitbuttonClick(); });
}

void TIntro::FormActivate() {
  QPushButton* next = Next2->isVisibleTo(this) ? Next2 : nextbutton;
  next->setFocus();
}

void TIntro::FormClose() {
  IntroStep = 1;
  deferredClick_.reset();
  Image1->move(0, 0);
  Repaint();
}

void TIntro::ShowSlide(std::string_view picture, std::string_view text) {
  if (!picture.empty()) LoadPicture(picture);
  SetText(text);
}

void TIntro::LoadPicture(std::string_view picture) {
  Image1->LoadFromFile(context_.data.Resolve(picture));
}

void TIntro::SetText(std::string_view text) {
  TextLabel->setText(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
  if (TextLabel != ILabel) return;
  // On the picture the text grows upwards from the buttons below it, so a long line
  // never runs under them.
  const int height = std::max(kTextOnPicture.height(), ILabel->heightForWidth(ILabel->width()));
  ILabel->setGeometry(ILabel->x(), kTextOnPicture.bottom() + 1 - height, ILabel->width(), height);
}

void TIntro::Pan(int dx, int dy) {
  TextLabel->hide();
  for (int move = 0; move < kPanMoves; ++move) {
    Repaint();
    Wait(kPanPause);
    Image1->move(Image1->pos() + QPoint(dx, dy));
  }
}

void TIntro::Repaint() {
  context_.platform.ProcessMessages();
}

void TIntro::Wait(int milliseconds) {
  context_.platform.Pause(milliseconds);
}

}  // namespace quenna
