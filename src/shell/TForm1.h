#pragma once

#include <QKeyEvent>
#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/GameContext.h"
#include "core/MainForm.h"
#include "scene/SceneFiles.h"
#include "scene/SceneSpots.h"
#include "shell/Autosave.h"
#include "shell/MainWindowDesign.h"
#include "shell/MainWindowRules.h"
#include "shell/PlayerOptions.h"
#include "shell/SpotOverlay.h"
#include "store/SavedGameFile.h"

namespace quenna {

class Game;

// The main window: the title screen, then the date book with its scene picture and the
// black right-hand panel. It owns the game state (through the game object) and is the
// window through which every other window reaches it.
class TForm1 : public QMainWindow, public MainForm, public MainWindowDesign {
  Q_OBJECT

 public:
  TForm1(Game& game, GameContext& context);
  ~TForm1() override;

  // Window events.
  void FormCreate();
  void FormActivate();
  bool FormCloseQuery();
  void FormClose();

  // Start-up layout from the screen size, once.
  void StartupLayout();
  // The same layout again for the client area the window really has, whenever its size
  // changes: the scene picture, its click cells and the title words follow.
  void LayOutForClientArea(int width, int height);

  // Level table operations.
  GameState& State() override { return state_; }
  void UpdateLevels(std::int8_t column1, std::int8_t amount1, std::int8_t column2,
                    std::int8_t amount2, std::int8_t column3, std::int8_t amount3,
                    std::int8_t column4, std::int8_t amount4) override;
  void NextLevel();
  void ResetScore(int row) override;
  void UpdateScores();
  // Refreshes the level list, which recomputes TotalScore, and shows the total.
  void RefreshTotal();
  void ChangeCursor(int mode);

  // Title screen, date book and the right-hand panel.
  void Initialize(bool keepTab);
  void Tips(int mode);
  void TipsOnClick();
  void ClearRight(int mode);
  void About1Click();
  void Image1Click();
  void Exit1Click();
  // The desktop session is ending, or the program was told to stop (SIGTERM, SIGINT,
  // SIGHUP): every window of the game closes at once, without asking to save, and the
  // program ends. A file being written has been written whole before this runs. The
  // game in progress is kept for Continue as the window closes.
  void SessionEnding();
  // "Current Task" in the Tips menu: the task in words in the right-hand panel.
  void CurrentTaskClick();

  // Date book navigation and the flow of levels.
  void DatesChange();
  void NewRoom(int tab);
  void PositionScreen(int tab);
  void DateCaption();
  void CoverClick();
  void LevelEnd();
  void GameEnd();
  void StartgameClick();
  // "Continue": the game kept by the autosave, opened as File > Open opens a saved game.
  void Continue1Click();
  void Intro1Click();
  void Introduction1Click();
  void New1Click();
  void CardsOnClick();
  void CardsOffClick();
  void Score1Click();
  void Progress1Click();  // "My Progress..."
  void HighScore1Click();

  // The scene picture and its texts.
  void LookClick();
  void TalkClick();
  void Image2MouseDown(Qt::MouseButton button, int x, int y);
  void Looks(int cell);
  void ReadMessages();
  void Read1Click();
  void Narration();
  void text1Click();
  void VButtonClick();
  // A press on the virtue chart: on a virtue's row its words show over the chart; anywhere
  // else it does what the Virtues button does.
  void VirtuesMouseDown(int x, int y);

  // Conversations and their scoring.
  void Talks(int cell);
  void Meets(const std::string& picture, const std::string& file);
  void CheckAnswers(std::int8_t questionOffset) override;
  void MarkAnswers(std::int8_t question) override;
  void FreeAnswers() override;
  void AnswerGiven(int question, char letter) override;
  void CreditAnswer(int question, const std::string& virtueDigits) override;
  void GetPoints(std::int8_t virtue);
  void ExtraPoints();
  void SetVirtue();
  void VirtueOn();

  // Saved games.
  void SaveAs1Click() override;
  void Open1Click();

  // Pictures, sounds and help.
  void DrawPic(std::string_view scenePicture);
  void Playit(std::string_view soundFile, int flags);
  void StopMusic();
  void MusicONClick();
  void MusicOFFClick();
  void Contents1Click();

  // Keyboard play, the spots of the scene and read-aloud (TForm1Keys.cpp).
  void SetUpKeys();
  bool FormKeyDown(QKeyEvent& key);
  bool FormKeyUp(QKeyEvent& key);
  void ShowSpots1Click();
  void ReadAloud1Click();
  // Speaks a text as it appears, when read-aloud is on.
  void SayAloud(const QString& text);
  // The spots of the page shown, in Tab order; none on the cover and the title.
  std::vector<SceneSpot> PageSpots() const;
  // The spot Tab is on (an index into PageSpots), or -1.
  int HighlightedSpot() const;
  QAction* ShowSpots1 = nullptr;  // Tips > "Show"
  QAction* ReadAloud1 = nullptr;  // Options > "Read Aloud"
  SpotOverlay* Spots = nullptr;

  // Shows another window of the game modally; the main window is active again after.
  void ShowModalWindow(QWidget& window);

  // The screen the layout was made for, read once at start-up.
  int ScreenHeight = 0;
  int ScreenWidth = 0;

  // State of the main window beside the game state.
  std::string TextBuffer;                // narration, tips and level messages
  std::vector<std::string> MessageText;  // the page's look messages, line n for cell value n
  SceneGrid Grid{};
  int CellSize = 30;
  int ClickedCell = 0;
  int NarrationLoaded = 0;
  int Speaker = 0;
  int TitleDone = 0;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Connects the controls and the menu to their handlers, each behind the error guard.
  void ConnectControls();
  // Connects a widget signal to a handler, behind the error guard.
  void Guarded(const std::function<void()>& handler);
  // Selects a tab of the date book without running DatesChange.
  void SelectTab(int tab);
  // Puts an opened saved game into the running game (Open and Continue).
  void OpenGame(const std::filesystem::path& file, const SavedGame& saved);
  // The card window closed with a task given: it is kept and shown.
  void TaskGiven();
  // Tells, once a run, of an autosave or journal record that could not be written.
  void ShowNotice();

  Game& game_;
  GameContext& context_;
  GameState& state_;
  Autosave autosave_;
  SavedGameDialogs dialogs_;
  bool sessionEnding_ = false;
  // The spot Tab is on, by page and grid value, so a page change forgets it.
  int highlightTab_ = -1;
  int highlightValue_ = 0;
  bool holdingShowKey_ = false;
};

}  // namespace quenna
