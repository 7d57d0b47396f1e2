#include "talk/TCloseUp.h"

#include <array>

#include "core/MainForm.h"
#include "core/ReadAloud.h"
#include "core/WidgetStyle.h"
#include "core/WindowKeys.h"
#include "media/Cursors.h"
#include "talk/CloseUpText.h"
#include "talk/Conversation.h"

namespace quenna {
namespace {

constexpr int kClientWidth = 625;

const QColor kLinkColor(0, 0, 255);
const QColor kGreyedLinkColor(128, 128, 128);

QString Text(const std::string& line) {
  return DialogueQString(line);
}

ClickableLabel* MakeLink(QWidget* parent) {
  auto* link = new ClickableLabel(parent);
  QPalette palette = link->palette();
  palette.setColor(QPalette::Active, QPalette::WindowText, kLinkColor);
  palette.setColor(QPalette::Inactive, QPalette::WindowText, kLinkColor);
  // An answered question's link is greyed.
  palette.setColor(QPalette::Disabled, QPalette::WindowText, kGreyedLinkColor);
  link->setPalette(palette);
  link->setTextFormat(Qt::PlainText);
  link->setWordWrap(true);
  link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  link->hide();
  return link;
}

QPushButton* MakeButton(const QString& caption, QWidget* parent, int left) {
  auto* button = new QPushButton(caption, parent);
  button->setFont(TimesFont(13));
  button->setGeometry(left, 389, 75, 25);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TCloseUp::TCloseUp(GameContext& context, MainForm& main, QWidget* parent)
    : GameDialog(context.platform, parent), context_(context), main_(main) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(TimesFont(13));
  SetBackground(this, Qt::white);

  Image1 = new PictureBox(this);
  Image1->setGeometry(8, 3, 380, 380);
  Image1->SetAutoSize(true);
  Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

  Talk1 = new QLabel(this);
  SetTextColor(Talk1, Qt::black);
  Talk1->setTextFormat(Qt::PlainText);
  Talk1->setWordWrap(true);
  Talk1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  A = MakeLink(this);
  B = MakeLink(this);
  C = MakeLink(this);
  connect(A, &ClickableLabel::Clicked, this, [this] { Guarded([this] { AClick(); }); });
  connect(B, &ClickableLabel::Clicked, this, [this] { Guarded([this] { BClick(); }); });
  connect(C, &ClickableLabel::Clicked, this, [this] { Guarded([this] { CClick(); }); });

  Exit1 = MakeButton("&Exit", this, 81);
  Next1 = MakeButton("Next >>", this, 232);
  OnClick(Next1, &TCloseUp::Next1Click);
  OnClick(Exit1, &TCloseUp::Exit1Click);
  new WindowKeys(*this,
                 [this](QKeyEvent& key) { return key.type() == QEvent::KeyPress && KeyDown(key); });

  FormCreate();
}

void TCloseUp::FormCreate() {
  const ScreenSize screen = context_.platform.Screen();
  // The data kit measures every dialogue line against this same layout.
  const CloseUpLayout layout = CloseUpLayoutFor(screen.height);
  Talk1->setFont(SpeechFont(layout));
  Talk1->setGeometry(layout.speech);
  const std::array<ClickableLabel*, 3> links = {A, B, C};
  for (std::size_t i = 0; i < links.size(); ++i) {
    links[i]->setFont(LinkFont(layout));
    // Each link reaches down to the next, so a long caption wraps into the gap; the
    // links reach the window's right edge, their text stops short of it.
    links[i]->setGeometry(layout.links[i]);
    links[i]->setContentsMargins(0, 0, layout.linkRightMargin, 0);
  }
  for (QPushButton* button : {Exit1, Next1}) button->move(button->x(), layout.buttonTop);
  setFixedSize(kClientWidth, layout.clientHeight);
  move((screen.width - kClientWidth) / 2, (screen.height - layout.clientHeight) / 2);
}

void TCloseUp::CharacterTalks(const std::string& picture, const std::string& file) {
  DialogueLine = 0;
  DialogueFile = file;
  Dialogue = DialogueText::Read(context_.data.Resolve(file));
  DialoguePicture = picture;
  Image1->LoadFromFile(context_.data.Resolve(picture));
  context_.platform.ProcessMessages();
  ShowNextLine(Talk1);
  Next1->setEnabled(true);
  Next1->setText("Next >>");
  Exit1->setText("&Exit");
  Next1->setFocus();
  // The main window is disabled for the whole conversation; as a window of its own
  // this one stays usable all the same.
  setEnabled(true);
  SayPage();
  context_.platform.ShowModal(*this);
}

void TCloseUp::FormActivate() {
  main_.State().TaskDone = 0;
  SetLinksEnabled(true);
  Next1->setEnabled(true);
  Exit1->setEnabled(true);
}

void TCloseUp::FormClose() {
  ConversationStage = conversation::kTopicMenu;
  SetLinksVisible(false);
}

void TCloseUp::Next1Click() {
  if (DialogueLine > conversation::kLastKeyLine) {
    Close();
    return;
  }
  Next1->setText("Next >>");
  ShowNextLine(Talk1);
  if (DialogueLine == dialogue::kFirstTopicLink) {
    GetLink(A);
    GetLink(B);
    GetLink(C);
    Next1->setEnabled(false);
  }
  if (DialogueLine > 1) Exit1->setText("<< Back");
  if (DialogueLine > conversation::kLastQuestionLine) Next1->setEnabled(false);
  SayPage();
}

void TCloseUp::GetLink(QLabel* label) {
  ShowNextLine(label);
  label->setCursor(GameCursor(kHandCursor));
  label->show();
}

void TCloseUp::ShowAnswers(std::int8_t questionOffset) {
  main_.CheckAnswers(questionOffset);
  if (conversation::IsAnswerChoice(ConversationStage)) SetLinksEnabled(true);
  ShowLines(DialogueLine);
}

void TCloseUp::AClick() {
  LinkClick(1);
}
void TCloseUp::BClick() {
  LinkClick(2);
}
void TCloseUp::CClick() {
  LinkClick(3);
}

void TCloseUp::LinkClick(int link) {
  const LinkStep step = StepForLink(ConversationStage, link);
  if (step.kind == LinkStep::Kind::kOpen) {
    ConversationStage = step.stage;
    DialogueLine += step.lineAdvance;
  } else if (step.kind == LinkStep::Kind::kAnswer) {
    GetAnswer(step.letter, dialogue::KeyLine(step.question));
  }
  if (DialogueLine > conversation::kLastQuestionLine) {
    for (QLabel* label : {A, B, C}) label->clear();
  } else {
    ShowAnswers(static_cast<std::int8_t>(MenuQuestionOffset(ConversationStage)));
  }
  SayPage();
}

void TCloseUp::GetAnswer(char letter, int keyLine) {
  Exit1->setEnabled(false);
  Next1->setEnabled(true);
  Next1->setFocus();
  const int question = keyLine - dialogue::kFirstKeyLine;
  const std::string& key = Dialogue.Line(keyLine);
  main_.AnswerGiven(question, letter);
  // One answer per conversation: the links now stay blank and take no further answer.
  ConversationStage = conversation::kAnswerGiven;
  if (IsCorrectAnswer(key, letter)) {
    Talk1->setText(Text(key));
    DialogueLine = conversation::kAfterReplyLine;
    main_.State().TaskDone = 1;
    main_.CreditAnswer(question, Dialogue.Line(dialogue::DigitLine(question)));
  } else {
    DialogueLine = dialogue::kWrongReplyLine;
    ShowNextLine(Talk1);
    main_.State().TaskDone = 0;
  }
}

void TCloseUp::Exit1Click() {
  const BackStep step = StepForBack(DialogueLine, ConversationStage);
  ConversationStage = step.stage;
  switch (step.kind) {
    case BackStep::Kind::kTopicMenu:
      SetLinksEnabled(true);
      ShowLines(step.firstLine);
      break;
    case BackStep::Kind::kShowMenu:
      // Back at a question menu from its answers: the answered questions are greyed
      // again, so that none is answered and credited twice.
      SetLinksEnabled(true);
      main_.CheckAnswers(static_cast<std::int8_t>(MenuQuestionOffset(step.stage)));
      ShowLines(step.firstLine);
      break;
    case BackStep::Kind::kPreviousPage:
      if (step.leavesTopicMenu) {
        SetLinksVisible(false);
        Next1->setEnabled(true);
      }
      DialogueLine = step.firstLine;
      ShowNextLine(Talk1);
      if (step.firstPage) Exit1->setText("&Exit");
      break;
    case BackStep::Kind::kClose:
      Close();
      return;
  }
  SayPage();
}

bool TCloseUp::KeyDown(QKeyEvent& key) {
  if (!PlainKey(key)) return false;
  switch (key.key()) {
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_A:
    case Qt::Key_B:
    case Qt::Key_C: {
      const bool digit = key.key() >= Qt::Key_1 && key.key() <= Qt::Key_3;
      const int link = digit ? key.key() - Qt::Key_1 + 1 : key.key() - Qt::Key_A + 1;
      // As with a click: only a link that shows and is not greyed.
      const QLabel* label = std::array<QLabel*, 3>{A, B, C}[static_cast<std::size_t>(link - 1)];
      if (label->isVisible() && label->isEnabled() && !label->text().isEmpty())
        Guarded([this, link] { LinkClick(link); });
      return true;
    }
    case Qt::Key_Right:
    case Qt::Key_Space:
      PressButton(Next1);
      return true;
    case Qt::Key_Left:
    case Qt::Key_Backspace:
      PressButton(Exit1);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!PressFocusedButton(*this)) PressButton(Next1);
      return true;
    case Qt::Key_S:
      SayPage();
      return true;
    default:
      return false;
  }
}

void TCloseUp::SayPage() {
  QString page = Talk1->text();
  const char letters[] = {'A', 'B', 'C'};
  int i = 0;
  for (const QLabel* link : {A, B, C}) {
    if (link->isVisible() && !link->text().isEmpty())
      page += QString("\n%1: %2").arg(QChar(letters[i])).arg(link->text());
    ++i;
  }
  SayAloud(context_.platform, page);
}

void TCloseUp::ShowNextLine(QLabel* label) {
  label->setText(Text(Dialogue.Line(DialogueLine)));
  ++DialogueLine;
}

void TCloseUp::ShowLines(int first) {
  DialogueLine = first;
  ShowNextLine(Talk1);
  ShowNextLine(A);
  ShowNextLine(B);
  ShowNextLine(C);
}

void TCloseUp::SetLinksEnabled(bool enabled) {
  for (QLabel* label : {A, B, C}) label->setEnabled(enabled);
}

void TCloseUp::SetLinksVisible(bool visible) {
  for (QLabel* label : {A, B, C}) label->setVisible(visible);
}

}  // namespace quenna
