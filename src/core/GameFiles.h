#pragma once

#include <array>
#include <string_view>

namespace quenna {

// Every file the game reads from its data folder, named in one place and spelled as the
// game has always spelled it: "/" and "\" are both separators and a doubled one counts once
// (media/DataFolder). The windows and the sound service take their names from here, and so
// can the data kit that makes the files. The people's close-up pictures and dialogue files
// are listed with the people, in the roster (talk/Roster.h).

// Pictures of the main window: the title screen, the hero's portrait (also in the card
// window), the virtue chart and the tile its gold bars are drawn with.
inline constexpr std::string_view kTitlePicture = "quenna.jpg";
inline constexpr std::string_view kHeroPortrait = "closeups//ornhd1x1.jpg";
inline constexpr std::string_view kVirtueChartPicture = "virtues.jpg";
inline constexpr std::string_view kGoldBarPicture = "gold.jpg";

// The date book's cover, and its own picture on screens exactly 600 pixels high.
inline constexpr std::string_view kCoverPicture = "scenes//cover1x1.jpg";
inline constexpr std::string_view kCoverPicture600 = "scenes//cover1x2.jpg";

// The fourteen year pages in tab order (tab 1 is the first): the year, the scene picture,
// the look messages and the narration. The text files are stored as ShiftedText
// (scene/ShiftedText.h); the messages are numbered by page, the narrations by one
// character "1".."9", "A".."E".
struct YearPageFiles {
  int year;
  std::string_view scenePicture;
  std::string_view messages;
  std::string_view narration;
};
inline constexpr std::array<YearPageFiles, 14> kYearPages = {{
    {1716, "scenes//17161x1.jpg", "data\\grid01.dat", "data\\orn1.dat"},
    {1719, "scenes//17191x1.jpg", "data\\grid02.dat", "data\\orn2.dat"},
    {1722, "scenes//17221x1.jpg", "data\\grid03.dat", "data\\orn3.dat"},
    {1723, "scenes//17231x1.jpg", "data\\grid04.dat", "data\\orn4.dat"},
    {1725, "scenes//17251x1.jpg", "data\\grid05.dat", "data\\orn5.dat"},
    {1727, "scenes//17271x1.jpg", "data\\grid06.dat", "data\\orn6.dat"},
    {1728, "scenes//17281x1.jpg", "data\\grid07.dat", "data\\orn7.dat"},
    {1735, "scenes//17351x1.jpg", "data\\grid08.dat", "data\\orn8.dat"},
    {1746, "scenes//17461x1.jpg", "data\\grid09.dat", "data\\orn9.dat"},
    {1752, "scenes//17521x1.jpg", "data\\grid10.dat", "data\\ornA.dat"},
    {1776, "scenes//17761x1.jpg", "data\\grid11.dat", "data\\ornB.dat"},
    {1778, "scenes//17781x1.jpg", "data\\grid12.dat", "data\\ornC.dat"},
    {1779, "scenes//17791x1.jpg", "data\\grid13.dat", "data\\ornD.dat"},
    {1785, "scenes//17851x1.jpg", "data\\grid14.dat", "data\\ornE.dat"},
}};

// The thirteen virtues explained in a child's words, one line each in the virtues' order,
// stored as ShiftedText and shown over the virtue chart.
inline constexpr std::string_view kVirtueWordsFile = "data\\virtues.dat";

// The click grid of the year pages, 14 records of 645 digits (scene/SceneFiles.h). A folder
// that holds it is taken for the game's data folder.
inline constexpr std::string_view kGridFile = "2grdata.";
inline constexpr std::string_view kHelpFile = "ORNH.HLP";

// Sounds: the theme tune, the chime of a bonus, the epitaph read aloud at the end, and the
// short silence that stops whatever plays.
inline constexpr std::string_view kThemeSound = "intro//orn2.wav";
inline constexpr std::string_view kBonusSound = "points2.wav";
inline constexpr std::string_view kEpitaphSound = "intro//epitaph.wav";
inline constexpr std::string_view kSilenceSound = "sndoff.wav";

// The pictures of the two slide shows (story/TIntro): the introduction's, then the
// ending's. The classroom picture opens the ending as well.
inline constexpr std::string_view kSlideIntro = "intro\\intro.jpg";
inline constexpr std::string_view kSlideClassroom = "intro/intro1.jpg";
inline constexpr std::string_view kSlideQuennaSleep1 = "intro/quennasleep1.jpg";
inline constexpr std::string_view kSlideQuennaSleep2 = "intro/quennasleep2.jpg";
inline constexpr std::string_view kSlideQuennaSleep3 = "intro\\quennasleep3.jpg";
inline constexpr std::string_view kSlideOpenBook = "intro/openbk1.jpg";
inline constexpr std::string_view kSlideSpeech = "intro//speech.jpg";
inline constexpr std::string_view kSlideTeacher = "intro//teacher.jpg";
inline constexpr std::string_view kSlideBookDesk = "intro//bookdesk.jpg";
inline constexpr std::string_view kSlideWink = "intro//wink.jpg";
inline constexpr std::string_view kSlideEpitaph = "intro//epitaph.jpg";
inline constexpr std::array<std::string_view, 11> kSlidePictures = {
    kSlideIntro,        kSlideClassroom, kSlideQuennaSleep1, kSlideQuennaSleep2,
    kSlideQuennaSleep3, kSlideOpenBook,  kSlideSpeech,       kSlideTeacher,
    kSlideBookDesk,     kSlideWink,      kSlideEpitaph};

}  // namespace quenna
