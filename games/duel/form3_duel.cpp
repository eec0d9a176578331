// The rules of the duel: the result drawn at load, the opponent's card fitted to it, the
// lines both sides speak, her reaction at the reveal, and the rematch button.

#include <span>
#include <string_view>

#include "games/duel/form3.h"

namespace fm {
namespace {

// A line is chosen by every draw from its `lowest` up to the `lowest` of the line before it.
struct LineChoice {
  std::int16_t lowest;
  std::string_view text;
};

constexpr std::string_view kKnowsHerCard = "私にはテヌリが出すカードがわかるの";
constexpr std::string_view kCannotLose = "私は・・・ここで負けられない";
constexpr std::string_view kWontLose = "テヌリ、負けないわよ！";
constexpr std::string_view kThatCard = "ソルネ先輩のことだから、あれ出してくるのかな";
constexpr std::string_view kWhichCard = "ソルネ先輩・・・のカード何かなぁ・・・";
constexpr std::string_view kIllWin = "この勝負、私が勝つ！";

// Before a duel the player wins, and before one she loses: the same texts, other odds.
constexpr LineChoice kWinPlayerLines[] = {{91, kKnowsHerCard}, {41, kCannotLose}, {0, kWontLose}};
constexpr LineChoice kWinOpponentLines[] = {{81, kThatCard}, {21, kWhichCard}, {0, kIllWin}};
constexpr LineChoice kLosePlayerLines[] = {{21, kWontLose}, {0, kCannotLose}};
constexpr LineChoice kLoseOpponentLines[] = {{51, kThatCard}, {46, kWhichCard}, {0, kIllWin}};

std::string lineFor(std::span<const LineChoice> lines, std::int16_t draw) {
  for (const LineChoice& line : lines) {
    if (draw >= line.lowest) return std::string(line.text);
  }
  return std::string(lines.back().text);
}

// Hand h beats hand h + 1 (mod 3): the opponent shows the hand the player's beats, or the
// one that beats it.
std::int16_t opponentCard(std::int16_t hand, bool playerWins) {
  auto card = static_cast<std::int16_t>(playerWins ? hand + 1 : hand - 1);
  if (card == 3) card = 0;
  if (card == -1) card = 2;
  return card;
}

}  // namespace

void Form3::Form_Load() {
  Randomize();
  roll = RndInt(100);
  // 17 wins, 1 rematch and 82 losses in 100 loads.
  if (roll <= 16) {
    outcome = kOutcomeWin;
  } else if (roll == 17) {
    outcome = kOutcomeRematch;
  } else {
    outcome = kOutcomeLoss;
  }
}

void Form3::Command1_Click(std::int16_t Index) {
  playerhand = Index;
  opponenthand = opponentCard(Index, outcome == kOutcomeWin);
  // All three go at once, so a load sees exactly one hand press.
  Command1(0).setVisible(false);
  Command1(1).setVisible(false);
  Command1(2).setVisible(false);
  Image4.setPicture(Image5(0).picture());
  Timer1.setEnabled(true);
}

void Form3::ChooseLines() {
  if (outcome == kOutcomeWin) {
    ChooseWinLines();
  } else {
    ChooseLoseLines();
  }
}

void Form3::ChooseWinLines() {
  roll = RndInt(100);
  playerline = lineFor(kWinPlayerLines, roll);
  roll = RndInt(100);
  opponentline = lineFor(kWinOpponentLines, roll);
}

void Form3::ChooseLoseLines() {
  roll = RndInt(100);
  playerline = lineFor(kLosePlayerLines, roll);
  roll = RndInt(100);
  opponentline = lineFor(kLoseOpponentLines, roll);
}

void Form3::RevealReaction() {
  roll = RndInt(100);
  // Only a duel she is about to lose surprises her.
  if (roll > 95 && outcome == kOutcomeWin) opponentline = "え・・・うそ・・・";
}

void Form3::EndAfterWin() {
  owaritimer.setEnabled(true);
}

void Form3::EndAfterLoss() {
  owaritimer.setEnabled(true);
}

void Form3::Command2_Click() {
  Image4.setPicture(Image5(0).picture());
  Command2.setVisible(false);
  Timer12.setEnabled(true);
}

}  // namespace fm
