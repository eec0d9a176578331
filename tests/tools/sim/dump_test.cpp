#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/test_windows.h"
#include "tests/tools/sim/json_reader.h"
#include "tests/tools/sim/scenario.h"

namespace fm::testing {
namespace {

using Members = std::vector<std::pair<std::string, std::string>>;

// A value back in JSON form, close enough to compare: numbers and literals as written, texts
// in quotes (unescaped).
std::string raw(const JsonValue& value) {
  switch (value.kind) {
    case JsonValue::Kind::Null:
      return "null";
    case JsonValue::Kind::Boolean:
      return value.boolean ? "true" : "false";
    case JsonValue::Kind::Number:
      return value.text;
    case JsonValue::Kind::String:
      return '"' + value.text + '"';
    case JsonValue::Kind::Array: {
      std::string out = "[";
      for (const auto& item : value.items) out += (out.size() > 1 ? "," : "") + raw(item);
      return out + "]";
    }
    case JsonValue::Kind::Object:
      return "{...}";
  }
  return "?";
}

void expectMembers(const JsonValue& object, const Members& expected, const std::string& what) {
  ASSERT_EQ(object.kind, JsonValue::Kind::Object) << what;
  ASSERT_EQ(object.members.size(), expected.size()) << what;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(object.members[i].name, expected[i].first) << what;
    EXPECT_EQ(raw(object.members[i].value), expected[i].second) << what << "." << expected[i].first;
  }
}

JsonValue dumped(Scenario& scenario, std::string_view window) {
  const auto lines = scenario.run("dump " + std::string(window) + "\n");
  EXPECT_EQ(lines.size(), 1U);  // one line, whatever the texts hold
  if (lines.size() != 1) return {};
  const auto json = parseJson(lines[0]);
  EXPECT_TRUE(json) << "not valid JSON: " << lines[0];
  return json.value_or(JsonValue{});
}

Members geometry(const char* name, const char* index, const char* kind, int left, int top,
                 int width, int height) {
  return {{"name", '"' + std::string(name) + '"'},
          {"index", index},
          {"kind", '"' + std::string(kind) + '"'},
          {"Left", std::to_string(left)},
          {"Top", std::to_string(top)},
          {"Width", std::to_string(width)},
          {"Height", std::to_string(height)},
          {"Visible", "true"},
          {"Enabled", "true"}};
}

Members button(const char* name, int left, int top, int tabIndex, const char* caption) {
  Members members = geometry(name, "null", "CommandButton", left, top, 2415, 975);
  members.insert(members.end(), {{"TabIndex", std::to_string(tabIndex)},
                                 {"Caption", '"' + std::string(caption) + '"'}});
  return members;
}

Members centredLabel(const char* index, int top, const char* caption) {
  Members members = geometry("Label1", index, "Label", 360, top, 4575, 255);
  members.insert(members.end(), {{"Caption", '"' + std::string(caption) + '"'},
                                 {"Alignment", "2"},
                                 {"BackStyle", "0"},
                                 {"BackColor", "-2147483633"},
                                 {"ForeColor", "-2147483630"},
                                 {"FontSize", "9"}});
  return members;
}

Members addressBox(const char* index, int top, int tabIndex, const std::string& text) {
  Members members = geometry("Text1", index, "TextBox", 240, top, 4815, 270);
  members.insert(members.end(), {{"TabIndex", std::to_string(tabIndex)}, {"Text", text}});
  return members;
}

TEST(SimDump, MenuHoldsEveryWidgetOfItsLayoutFrontToBackWithEveryProperty) {
  Scenario scenario;
  const JsonValue menu = dumped(scenario, "Form4");
  ASSERT_EQ(menu.kind, JsonValue::Kind::Object);

  Members frame{{"window", "\"Form4\""},
                {"Caption", "\"ソルネ聖誕祭用ミニゲーム集\""},
                {"Loaded", "true"},
                {"Visible", "true"},
                {"BackColor", "-2147483633"},
                {"Picture", "\"\""},
                {"ClientWidth", "5235"},
                {"ClientHeight", "4140"},
                {"ActiveControl", "\"Command1\""}};
  for (std::size_t i = 0; i < frame.size(); ++i) {
    EXPECT_EQ(menu.members.at(i).name, frame[i].first);
    EXPECT_EQ(raw(menu.members.at(i).value), frame[i].second) << frame[i].first;
  }

  // The addresses are free to change; that they are web addresses is not.
  const JsonValue& widgets = menu["widgets"];
  ASSERT_EQ(widgets.items.size(), 8U);
  std::vector<std::string> addresses;
  for (const int row : {0, 1}) {
    const JsonValue& text = widgets.items[static_cast<std::size_t>(row)]["Text"];
    EXPECT_EQ(text.text.rfind("https://", 0), 0U) << text.text;
    addresses.push_back('"' + text.text + '"');
  }
  const std::vector<Members> expected{
      addressBox("1", 3360, 7, addresses[0]),
      addressBox("0", 2760, 4, addresses[1]),
      button("Command4", 2640, 1200, 3, "ラビト救助"),
      button("Command3", 120, 1200, 2, "ハト襲来"),
      button("Command2", 2640, 120, 1, "じゃんけん"),
      button("Command1", 120, 120, 0, "水泳"),
      centredLabel("1", 3120, "四角いアイコン"),
      centredLabel("0", 2400, "マスコットアイコン"),
  };
  for (std::size_t i = 0; i < expected.size(); ++i) {
    expectMembers(widgets.items[i], expected[i], "row " + std::to_string(i));
  }
  EXPECT_TRUE(menu["variables"].members.empty());
  EXPECT_EQ(menu.members.size(), frame.size() + 2);
}

TEST(SimDump, TextsAreEscapedAndSurviveTheRoundTrip) {
  Scenario scenario(addShapesAndBoxes, "Shapes");
  const auto lines = scenario.run("dump Shapes\n");
  ASSERT_EQ(lines.size(), 1U);
  EXPECT_NE(lines[0].find(R"(say \"hi\" \\ tab\there\u0001\nソルネ)"), std::string::npos)
      << lines[0];

  const auto json = parseJson(lines[0]);
  ASSERT_TRUE(json);
  const JsonValue& label = (*json)["widgets"].items.at(1);
  EXPECT_EQ(label["name"].text, "Label2");
  EXPECT_EQ(label["index"].kind, JsonValue::Kind::Null);
  EXPECT_EQ(label["Caption"].text, kTrickyCaption);
}

TEST(SimDump, PositionsPicturesAndVariablesFollowTheGame) {
  Scenario scenario(addShapesAndBoxes, "Shapes");
  scenario.run("click Shapes.Command1\n");
  const JsonValue shapes = dumped(scenario, "Shapes");
  const JsonValue& widgets = shapes["widgets"];
  ASSERT_EQ(widgets.items.size(), 16U);

  const JsonValue& image = widgets.items[5];
  EXPECT_EQ(image["name"].text, "Image2");
  EXPECT_EQ(raw(image["Left"]), "1000.5");
  EXPECT_EQ(raw(image["Picture"]), "\"test/face\"");
  EXPECT_EQ(raw(widgets.items[3]["index"]), "0");
  EXPECT_EQ(raw(widgets.items[12]["Enabled"]), "false");

  expectMembers(shapes["variables"],
                {{"count", "1"},
                 {"total", "70000"},
                 {"words", "\"ソルネ\""},
                 {"cells", "[0,0,-7]"},
                 {"Visible", "0"}},
                "variables");
}

TEST(SimDump, AWindowThatIsNotLoadedShowsOnlyThat) {
  Scenario scenario;
  EXPECT_EQ(scenario.run("dump Form1\n"),
            (std::vector<std::string>{R"({"window":"Form1","Loaded":false,"Visible":false})"}));
  EXPECT_EQ(scenario.status, 0);
}

}  // namespace
}  // namespace fm::testing
