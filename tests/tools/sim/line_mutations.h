#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fm::testing {

// What the runner must make of a generated line.
enum class Expect {
  Refused,   // malformed: one error line, nothing else
  Accepted,  // well formed: never refused for its form (it may fail for the state it meets)
  Either,    // no claim beyond the one every line shares
};

struct MutatedLine {
  std::string text;
  Expect expect = Expect::Accepted;
  std::string_view how;  // the mutation, for failure messages
  bool slow = false;     // lets an hour pass: run it where no game ticks every millisecond
};

// A seeded, repeatable stream of lines: valid lines of the protocol (the seeds) and mutations
// of them whose outcome the protocol alone decides. In a seed, the first argument of click,
// get, dump and key is a name (a window or an address); every other argument is a number of
// the kind its command takes; every word has two characters at least.
class LineMutator {
 public:
  LineMutator(std::span<const std::string> seeds, std::uint32_t seed) : random_(seed) {
    for (const std::string& text : seeds) {
      const std::size_t line = seeds_.size();
      const auto& words = seeds_.emplace_back(split(text));
      const bool named =
          words[0] == "click" || words[0] == "get" || words[0] == "dump" || words[0] == "key";
      if (named) named_.push_back(line);
      if (words.size() == 2 && words[0] != "rnd") single_.push_back(line);
      for (std::size_t i = named ? 2 : 1; i < words.size(); ++i) numbers_.emplace_back(line, i);
    }
  }

  // Every seed's name cut at every length, from none up to one character short: no cut names
  // what its command takes, so each is refused.
  [[nodiscard]] std::vector<MutatedLine> everyCut() const {
    std::vector<MutatedLine> lines;
    for (const std::size_t line : named_) {
      const std::string& name = seeds_[line][1];
      for (std::size_t length = 0; length < name.size(); ++length) {
        lines.push_back({render(line, 1, name.substr(0, length)), Expect::Refused, "cut"});
      }
    }
    return lines;
  }

  MutatedLine next() {
    using Kind = MutatedLine (LineMutator::*)();
    static constexpr Kind kKinds[] = {
        &LineMutator::valid,        &LineMutator::numberAtLimit, &LineMutator::garbledName,
        &LineMutator::strayBytes,   &LineMutator::otherBlanks,   &LineMutator::splitWord,
        &LineMutator::longArgument, &LineMutator::manyArguments, &LineMutator::salad};
    // Long lines are costly to build and echo back: they come less often.
    std::discrete_distribution<std::size_t> kind({3, 5, 3, 2, 2, 1, 1, 1, 2});
    return (this->*kKinds[kind(random_)])();
  }

 private:
  static std::vector<std::string> split(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
  }
  std::size_t pick(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
  }
  template <typename Items>
  auto pickFrom(const Items& items) {
    return items[pick(std::size(items))];
  }
  // The seed with one word replaced when `position` names one.
  [[nodiscard]] std::string render(std::size_t line, std::size_t position = 0,
                                   std::string_view replacement = {}) const {
    std::string text = seeds_[line][0];
    for (std::size_t i = 1; i < seeds_[line].size(); ++i) {
      text += ' ';
      text += i == position ? replacement : std::string_view(seeds_[line][i]);
    }
    return text;
  }

  MutatedLine valid() { return {render(pick(seeds_.size())), Expect::Accepted, "valid"}; }

  // Numbers at and just past the limits of key codes, draws and milliseconds (wait and
  // msgbox-delay): accepted, then refused.
  MutatedLine numberAtLimit() {
    static constexpr std::string_view kKeys[] = {"0 13 32 39 32767 -32768",
                                                 "32768 -32769 65535 99999999999999999999 1.0 x"};
    static constexpr std::string_view kDraws[] = {
        "0 -0 0.5 0.99999994 1e-45 1e-46 -1e-46 1e-99999999999",
        "0.99999999 1 1e39 -1e39 nan inf -inf -0.1 +0.5 0.5x"};
    static constexpr std::string_view kMilliseconds[] = {
        "0 1 250 3600000",
        "3600001 -1 99999999999 1000000000000 9223372036854775808 1e3 1.5 +5 0x10 12x"};
    const auto [line, position] = pickFrom(numbers_);
    const std::string& command = seeds_[line][0];
    const auto& limits = command == "key" ? kKeys : command == "rnd" ? kDraws : kMilliseconds;
    const bool accepted = pick(2) == 0;
    const std::string number = pickFrom(split(limits[accepted ? 0 : 1]));
    return {render(line, position, number), accepted ? Expect::Accepted : Expect::Refused,
            "number at a limit", number == "3600000"};
  }

  // Extra dots and parentheses anywhere, or a huge, negative or empty index.
  MutatedLine garbledName() {
    const std::size_t line = pickFrom(named_);
    std::string name = seeds_[line][1];
    const std::string index =
        pickFrom(split("() (-1) (2147483647) (2147483648) (-2147483649) (99999999999)"));
    if (const auto open = name.find('('); open != std::string::npos && pick(2) == 0) {
      name.replace(open, name.find(')') - open + 1, index);
    } else if (pick(3) == 0) {
      name += index;
    } else {
      name.insert(pick(name.size() + 1), 1, pickFrom(std::string_view(".()")));
    }
    return {render(line, 1, name), Expect::Refused, "garbled name"};
  }

  // Bytes that are no blank, anywhere in the line: each joins a word and spoils it.
  MutatedLine strayBytes() {
    static constexpr std::string_view kBytes[] = {
        "\xff", "\x80", "\xc3", "\xe3\x81", std::string_view("\0", 1), "\x01", "\v"};
    std::string text = render(pick(seeds_.size()));
    text.insert(pick(text.size() + 1), pickFrom(kBytes));
    return {text, Expect::Refused, "stray bytes"};
  }

  // Tabs and runs of blanks between words, blanks before, CR and blanks after.
  MutatedLine otherBlanks() {
    static constexpr std::string_view kBlanks[] = {"\t", "  ", " \t ", "\t\t"};
    std::string text;
    for (const std::string& word : seeds_[pick(seeds_.size())]) {
      text.append(pickFrom(kBlanks)).append(word);
    }
    return {text + (pick(2) == 0 ? "\r" : " \t\r"), Expect::Accepted, "other blanks"};
  }

  // A CR or tab inside a word of a command that takes one argument makes two words of it.
  MutatedLine splitWord() {
    std::vector<std::string> words = seeds_[pickFrom(single_)];
    std::string& word = words[pick(2)];
    word.insert(1 + pick(word.size() - 1), pick(2) == 0 ? "\r" : "\t");
    return {words[0] + ' ' + words[1], Expect::Refused, "split word"};
  }

  // A megabyte-long argument: a name with more letters, a number of nines, or a number with
  // leading zeros (still the same number).
  MutatedLine longArgument() {
    constexpr std::size_t kLong = 1 << 20;
    if (pick(3) == 0) {
      const std::size_t line = pickFrom(named_);
      return {render(line, 1, seeds_[line][1] + std::string(kLong, 'A')), Expect::Refused,
              "long name"};
    }
    const auto [line, position] = pickFrom(numbers_);
    if (pick(2) == 0) {
      return {render(line, position, std::string(kLong, '9')), Expect::Refused, "long number"};
    }
    return {render(line, position, std::string(kLong, '0') + seeds_[line][position]),
            Expect::Accepted, "leading zeros"};
  }

  // Thousands of arguments: draws for rnd (one bad one spoils the line), any for the others.
  MutatedLine manyArguments() {
    constexpr std::size_t kMany = 2000;
    const std::size_t bad = pick(2) == 0 ? pick(kMany) : kMany;
    std::string text = pick(2) == 0 ? "rnd" : render(pick(seeds_.size()));
    const bool draws = text == "rnd";
    for (std::size_t i = 0; i < kMany; ++i) text += draws && i != bad ? " 0.5" : " 1";
    return {text, draws && bad == kMany ? Expect::Accepted : Expect::Refused, "many arguments"};
  }

  // Words of the protocol, near misses and stray bytes in any order.
  MutatedLine salad() {
    // clang-format off
    static const std::string kWords[] = {
        "click", "key", "close", "wait", "rnd", "msgbox-delay", "get", "dump", "echo", "#",
        "Shapes", "Boxes", "Form4", "Shapes.Command1", "Shapes.Image1(0)",
        "Shapes.Image1(1).Picture", "Shapes.cells(2)", "Shapes.cells(-2147483648)",
        "Shapes.Label1(2147483647).Caption", "Boxes.Image1", "Shapes.Option1(1)", "Shapes..",
        "Shapes.(", ")", "(", ".", "0", "1", "13", "32", "-1", "0.5", "0.99999999", "1e309", "-0",
        "nan", "250", "12x", "99999999999999999999", "-9223372036854775808", "", "ソルネ", "\t",
        "\r", std::string("\0x", 2), "\xff\xfe"};
    // clang-format on
    std::string text;
    for (std::size_t count = pick(5); count > 0; --count) text += pickFrom(kWords) + ' ';
    if (pick(7) == 0) text += static_cast<char>(pick(256));
    return {text, Expect::Either, "salad"};
  }

  std::mt19937 random_;
  std::vector<std::vector<std::string>> seeds_;  // the command, then its arguments
  std::vector<std::size_t> named_;               // seeds with a name
  std::vector<std::size_t> single_;              // seeds of a command that takes one argument
  std::vector<std::pair<std::size_t, std::size_t>> numbers_;  // each number's seed and word
};

}  // namespace fm::testing
