#include <gtest/gtest.h>

#include <QMetaObject>
#include <QTest>

#include <functional>
#include <map>
#include <sstream>

#include "shell/TForm1.h"
#include "story/TIntro.h"
#include "support/TestGame.h"

namespace quenna {
namespace {

using testing::TestGame;

// The slide pictures, each its own colour. The classroom is larger than its frame
// (601 x 449 inside) by more than the pans and the ending's start at -200 need.
void WriteSlides(testing::FixtureData& data) {
  const std::map<std::string, QSize> slides = {
      {"intro/intro.jpg", {600, 450}},        {"intro/intro1.jpg", {820, 600}},
      {"intro/quennasleep1.jpg", {600, 450}}, {"intro/quennasleep2.jpg", {600, 450}},
      {"intro/quennasleep3.jpg", {600, 450}}, {"intro/openbk1.jpg", {600, 450}},
      {"intro/speech.jpg", {600, 450}},       {"intro/teacher.jpg", {600, 450}},
      {"intro/bookdesk.jpg", {600, 450}},     {"intro/wink.jpg", {600, 450}},
      {"intro/epitaph.jpg", {600, 450}},
  };
  int hue = 0;
  for (const auto& [path, size] : slides) {
    data.WritePicture(path, size.width(), size.height(), QColor::fromHsv(hue, 150, 200));
    hue += 30;
  }
}

struct SlideShow : TestGame {
  explicit SlideShow(ScreenSize screen = {1024, 768}) : TestGame(screen) { WriteSlides(data); }

  TIntro& Intro() { return game->Intro(); }

  // What the player sees now: the picture and where it stands, the text, and what the
  // step waited for and played since the last look.
  std::string Look(const std::string& what) {
    TIntro& intro = Intro();
    std::ostringstream out;
    out << what << ": ";
    if (!intro.isVisible()) out << "(closed) ";
    const auto picture = intro.Image1->LoadedFile().lexically_relative(data.Root());
    out << (picture.empty() ? "(no picture)" : picture.generic_string()) << " at "
        << intro.Image1->x() << "," << intro.Image1->y();
    if (intro.TextLabel->isVisibleTo(&intro)) {
      out << " \"" << intro.TextLabel->text().toStdString() << "\"";
    } else {
      out << " (no text)";
    }
    int pans = 0;
    for (int pause : platform.Pauses()) {
      if (pause == 20) {
        ++pans;
      } else {
        out << " wait " << pause;
      }
    }
    if (pans > 0) out << " pan " << pans << "x20";
    for (const auto& sound : platform.Sounds()) {
      if (!sound.file.empty())
        out << " sound " << sound.file.lexically_relative(data.Root()).generic_string();
    }
    platform.ClearPauses();
    platform.ClearSounds();
    return out.str() + "\n";
  }

  // Clicks a Next button a second after the last click, so the click gate lets it through.
  std::string Next(QPushButton* button, const std::string& what) {
    platform.AdvanceMilliseconds(1000);
    QTest::mouseClick(button, Qt::LeftButton);
    return Look(what);
  }
};

// The introduction from the title screen: every slide, its text, the pans and the close.
TEST(SlideShow, IntroductionPlaysFromTheTitleScreenToTheOpenBook) {
  SlideShow test;
  TForm1& form = test.Form();
  form.show();
  form.FormActivate();
  TIntro& intro = test.Intro();
  std::string seen;
  test.platform.ExpectModal([&](QWidget& window) {
    EXPECT_EQ(&window, &intro);
    EXPECT_FALSE(form.Startgame->isVisible());
    test.platform.ClearPauses();
    test.platform.ClearSounds();
    seen += test.Look("set up");
    for (int step = 2; step <= 11; ++step) {
      seen += test.Next(intro.nextbutton, "step " + std::to_string(step));
    }
  });
  form.Intro1Click();
  EXPECT_EQ(
      seen,
      R"DUMP(set up: intro/intro.jpg at 0,0 "It's a warm afternoon, and Quenna is trying her best to fight off her sleepiness.  The lecture today is about the founding fathers.  "
step 2: intro/intro1.jpg at 0,0 "Mr. Quandry is a great teacher, but Quenna finds herself drifting off to sleep... in spite of all her best efforts to pay attention.  And it's only two o'clock!"
step 3: intro/intro1.jpg at -190,0 "Ahem... class, now, pay attention!  Ornald Hollin, statesman, inventor... who can tell me more about him?" pan 19x20
step 4: intro/intro1.jpg at -190,-133 "Dorrin, how about you?" pan 19x20
step 5: intro/intro1.jpg at -190,-133 "Uhhhh... he flew a kite in the rain..?"
step 6: intro/intro1.jpg at 0,-133 "Yes... well, we'll go into that in more detail later. Quenna, do you have anything to add?" wait 1000 pan 19x20
step 7: intro/quennasleep1.jpg at 0,0 "Quenna?? "
step 8: intro/quennasleep2.jpg at 0,0 "Quenna!! "
step 9: intro/quennasleep3.jpg at 0,0 "Quenna wakes with a start to find herself alone in the classroom!"
step 10: intro/openbk1.jpg at 0,0 "There is a very strange book on her lap. The title reads "Date Book of O. Hollin, Printer." Hesitantly, she opens it..."
step 11: (closed) intro/openbk1.jpg at 0,0 (no text)
)DUMP");
  EXPECT_TRUE(form.Startgame->isVisible());
  EXPECT_TRUE(form.Intro1->isVisible());
  EXPECT_EQ(intro.IntroStep, 1);
  EXPECT_TRUE(test.platform.Errors().empty());
}

// The ending after the last level: its slides, the epitaph sound, then the high scores
// and the end of the program.
TEST(SlideShow, EndingPlaysAfterTheLastLevelThenTheHighScores) {
  SlideShow test;
  test.StartGame();
  TIntro& intro = test.Intro();
  std::string seen;
  test.platform.ClearSounds();
  test.platform.ExpectModal([&](QWidget&) {
    EXPECT_FALSE(intro.nextbutton->isVisibleTo(&intro));
    EXPECT_TRUE(intro.Next2->isVisibleTo(&intro));
    test.platform.ClearPauses();
    test.platform.ClearSounds();
    seen += test.Look("set up");
    for (int step = 1; step <= 7; ++step) {
      seen += test.Next(intro.Next2, "step " + std::to_string(step));
    }
  });
  bool highScoresShown = false;
  test.platform.ExpectModal([&](QWidget& window) { highScoresShown = window.isVisible(); });
  test.Form().GameEnd();
  EXPECT_EQ(
      seen,
      R"DUMP(set up: intro/intro1.jpg at -200,0 "Quenna!  Please answer the question.  What can you tell us about Ornald Hollin?"
step 1: intro/intro1.jpg at -200,0 "Quenna has awakened to find everything just as it was.  Why, this must have all taken place in only seconds!  What a dream!" wait 2000
step 2: intro/speech.jpg at 0,0 "To everyone's surprise, Quenna stands up and speaks... and speaks... and speaks some more... for almost 20 minutes!"
step 3: intro/teacher.jpg at 0,0 "Quenna, that is wonderful!  But tell me, where did you get all this information?"
step 4: intro/bookdesk.jpg at 0,0 "Ummm...from this book!"
step 5: intro/bookdesk.jpg at 0,0 "Much to her surprise, the strange book has turned back into a history book once again.  Quenna could swear that picture winked at her!" wait 1500 sound intro/epitaph.wav
step 6: intro/epitaph.jpg at 0,0 "She takes a closer look, finding the epitaph Orn wrote for himself when he was 22 years old. She speaks the words softly to herself.  At the end she hears a strangely familiar voice saying the words..."
step 7: (closed) intro/epitaph.jpg at 0,0 (no text)
)DUMP");
  EXPECT_TRUE(highScoresShown);
  EXPECT_FALSE(test.State().GameStarted);
  EXPECT_TRUE(test.platform.Errors().empty());
}

// The window fits the screen it was made for: text under the picture from 600 lines up,
// on the picture in bold below that, the buttons placed by the screen height.
TEST(SlideShow, LayoutFollowsTheScreen) {
  std::string seen;
  for (ScreenSize screen : {ScreenSize{640, 480}, ScreenSize{800, 600}, ScreenSize{1024, 768},
                            ScreenSize{1280, 1024}}) {
    SlideShow test(screen);
    TIntro& intro = test.Intro();
    intro.SetUpIntro();
    auto at = [](const QWidget* w) {
      return std::to_string(w->x()) + "," + std::to_string(w->y());
    };
    const bool onPicture = intro.TextLabel == intro.ILabel;
    seen += std::to_string(screen.width) + "x" + std::to_string(screen.height) + ": window " +
            std::to_string(intro.width()) + "x" + std::to_string(intro.height()) + ", next " +
            at(intro.nextbutton) + ", ending's next " + at(intro.Next2) + ", exit " +
            at(intro.exitbutton) + ", picture frame " + at(intro.Panel1) + ", text frame " +
            at(intro.BackPanel) + " height " + std::to_string(intro.BackPanel->height()) +
            (intro.BackPanel->isVisibleTo(&intro) ? "" : " hidden") + ", text " +
            (onPicture ? "on the picture" : "under it") +
            (intro.TextLabel->font().bold() ? " in bold" : "") + "\n";
    // The text on the picture stays clear of the buttons and inside the picture frame.
    const QRect text(intro.TextLabel->mapTo(&intro, QPoint(0, 0)), intro.TextLabel->size());
    EXPECT_TRUE(intro.TextLabel->isVisibleTo(&intro));
    EXPECT_FALSE(text.intersects(intro.nextbutton->geometry())) << screen.height;
    EXPECT_FALSE(text.intersects(intro.exitbutton->geometry())) << screen.height;
    EXPECT_TRUE(intro.Panel1->geometry().contains(text) || !onPicture) << screen.height;
  }
  // 0.7 x 480 is just under 336 in binary, so Next stands at 335 there (and 419 on 600).
  EXPECT_EQ(
      seen,
      R"DUMP(640x480: window 640x480, next 335,422, ending's next 335,422, exit 240,422, picture frame 4,0, text frame 4,302 height 96 hidden, text on the picture in bold
800x600: window 800x600, next 419,528, ending's next 419,528, exit 300,528, picture frame 84,0, text frame 84,378 height 120, text under it
1024x768: window 1024x768, next 537,675, ending's next 537,675, exit 384,675, picture frame 196,0, text frame 196,483 height 153, text under it
1280x1024: window 1280x1024, next 716,901, ending's next 716,901, exit 512,901, picture frame 324,145, text frame 324,645 height 204, text under it
)DUMP");
}

// One step per second: a double click advances one slide, a click in the next second
// is taken, and the very first click of the run always is, in either show.
TEST(SlideShow, NextTakesOneClickPerSecond) {
  SlideShow test;
  TIntro& intro = test.Intro();
  test.platform.SetNowSeconds(1'800'000'000);
  intro.SetUpIntro();
  struct Click {
    int afterMilliseconds;
    int stepAfter;
  };
  // Step 3 pans for 380 ms of the clock.
  const Click clicks[] = {{0, 3}, {999, 3}, {1, 4}, {0, 4}, {619, 4}, {1, 5}, {10, 5}, {5000, 6}};
  for (const Click& click : clicks) {
    test.platform.AdvanceMilliseconds(click.afterMilliseconds);
    intro.nextbuttonClick();
    EXPECT_EQ(intro.IntroStep, click.stepAfter) << "after " << click.afterMilliseconds << " ms";
  }
  // The gate is shared: the ending's first click in that same second is ignored.
  intro.exitbuttonClick();
  intro.SetUpEnd();
  intro.Next2Click();
  EXPECT_EQ(intro.IntroStep, 1);
  test.platform.AdvanceMilliseconds(1000);
  intro.Next2Click();
  EXPECT_EQ(intro.IntroStep, 2);
}

// A click that arrives while a step still pans is taken after the step: the slide it
// calls for comes after the one on the screen, and no text flashes by unread.
TEST(SlideShow, ClickDuringAPanWaitsForThePanToEnd) {
  SlideShow test;
  TIntro& intro = test.Intro();
  intro.show();
  intro.SetUpIntro();
  test.platform.SetNowSeconds(1'800'000'000);
  intro.nextbuttonClick();
  // Step 3 starts late in a second, so its pan runs into the next one.
  test.platform.AdvanceMilliseconds(1700);
  test.platform.ClearPauses();
  test.platform.ClearSounds();
  const std::int64_t stepStart = test.platform.NowSeconds();
  std::function<void()> clickInTheNextSecond = [&] {
    if (test.platform.NowSeconds() == stepStart) {
      QMetaObject::invokeMethod(&intro, clickInTheNextSecond, Qt::QueuedConnection);
    } else {
      intro.nextbutton->click();
    }
  };
  QMetaObject::invokeMethod(&intro, clickInTheNextSecond, Qt::QueuedConnection);
  intro.nextbuttonClick();
  EXPECT_EQ(test.Look("after the pans"),
            "after the pans: intro/intro1.jpg at -190,-133 \"Dorrin, how about you?\" pan 38x20\n");
  EXPECT_EQ(intro.IntroStep, 5);
}

// Exit leaves the introduction's music alone; in the ending it (or Esc) silences the epitaph.
// With music off the epitaph is not played and the slides go on.
TEST(SlideShow, ExitAndTheEpitaphSound) {
  SlideShow test;
  TIntro& intro = test.Intro();
  test.platform.ClearSounds();
  intro.SetUpIntro();
  intro.nextbuttonClick();
  intro.exitbuttonClick();
  EXPECT_TRUE(test.platform.Sounds().empty());

  test.Create();
  TIntro& ending = test.Intro();
  test.game->Sounds().SetMusicOn(false);
  test.platform.ClearSounds();
  ending.SetUpEnd();
  for (int step = 1; step <= 6; ++step) {
    test.platform.AdvanceMilliseconds(1000);
    ending.Next2Click();
  }
  EXPECT_EQ(test.Look("music off"),
            "music off: (closed) intro/epitaph.jpg at 0,0 \"She takes a closer look, finding the "
            "epitaph Orn wrote for himself when he was 22 years old. She speaks the words softly "
            "to herself.  At the end she hears a strangely familiar voice saying the words...\" "
            "wait 2000 wait 1500\n");
  ending.exitbuttonClick();
  const FakePlatform::PlayedSound stop = {test.data.PathOf("sndoff.wav"), kSoundNoDefault};
  EXPECT_EQ(test.platform.Sounds(), std::vector{stop});
  // Esc leaves the ending as Exit does.
  ending.SetUpEnd();
  ending.show();
  QTest::keyClick(&ending, Qt::Key_Escape);
  EXPECT_FALSE(ending.isVisible());
  EXPECT_EQ(test.platform.Sounds(), std::vector({stop, stop}));
}

// The File menu's introduction can be left (by Exit or Esc) and started again from its
// first slide, and returns to the date book's cover.
TEST(SlideShow, MenuIntroductionStartsOverAndReturnsToTheCover) {
  SlideShow test;
  test.StartGame();
  TForm1& form = test.Form();
  TIntro& intro = test.Intro();
  form.Dates->setCurrentIndex(4);
  for (int show = 0; show < 2; ++show) {
    test.platform.ExpectModal([&](QWidget&) {
      test.platform.ClearPauses();
      test.platform.ClearSounds();
      EXPECT_EQ(test.Next(intro.nextbutton, "first click"),
                "first click: intro/intro1.jpg at 0,0 \"Mr. Quandry is a great teacher, but "
                "Quenna finds herself drifting off to sleep... in spite of all her best efforts "
                "to pay attention.  And it's only two o'clock!\"\n");
      // Leave in the middle of the pans.
      test.Next(intro.nextbutton, "pan");
      test.Next(intro.nextbutton, "pan");
      // The first time by Exit, the second by Esc.
      if (show == 0) {
        QTest::mouseClick(intro.exitbutton, Qt::LeftButton);
      } else {
        QTest::keyClick(&intro, Qt::Key_Escape);
      }
      EXPECT_FALSE(intro.isVisible());
    });
    form.Introduction1Click();
  }
  EXPECT_EQ(form.Dates->currentIndex(), 0);
  EXPECT_TRUE(form.RightPanel->isVisibleTo(&form));
  EXPECT_TRUE(form.Dates->isVisibleTo(&form));
  EXPECT_EQ(form.Image2->LoadedFile(), test.data.PathOf("scenes//cover1x1.jpg"));
  EXPECT_TRUE(test.platform.Errors().empty());
}

// A missing slide picture is reported; the show still opens and the next click goes on.
TEST(SlideShow, MissingPictureIsReportedAndTheShowGoesOn) {
  SlideShow test;
  test.StartGame();
  test.data.Remove("intro/intro1.jpg");
  test.data.Remove("intro/speech.jpg");
  TIntro& intro = test.Intro();
  std::string seen;
  test.platform.ExpectModal([&](QWidget&) {
    EXPECT_EQ(test.platform.Errors().size(), 1u);
    test.platform.ClearPauses();
    test.platform.ClearSounds();
    seen += test.Next(intro.Next2, "step 1");
    seen += test.Next(intro.Next2, "step 2");
    seen += test.Next(intro.Next2, "step 3");
    EXPECT_EQ(test.platform.Errors().size(), 2u);
    intro.exitbuttonClick();
  });
  test.platform.ExpectModal([](QWidget&) {});
  test.Form().GameEnd();
  EXPECT_EQ(
      seen,
      R"DUMP(step 1: (no picture) at -200,0 "Quenna has awakened to find everything just as it was.  Why, this must have all taken place in only seconds!  What a dream!" wait 2000
step 2: (no picture) at 0,0 "Quenna has awakened to find everything just as it was.  Why, this must have all taken place in only seconds!  What a dream!"
step 3: intro/teacher.jpg at 0,0 "Quenna, that is wonderful!  But tell me, where did you get all this information?"
)DUMP");
  EXPECT_EQ(test.platform.ModalTitles().size(), 2u);
  EXPECT_FALSE(test.State().GameStarted);
}

}  // namespace
}  // namespace quenna
