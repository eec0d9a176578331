#pragma once

#include <string>
#include <string_view>

#include "bench/common.h"

namespace bench {

// The menu's buttons: "水泳", "じゃんけん", "ハト襲来", "ラビト救助".
inline constexpr std::string_view kOpenRace = "Command1";
inline constexpr std::string_view kOpenDuel = "Command2";
inline constexpr std::string_view kOpenJourney = "Command3";
inline constexpr std::string_view kOpenBoard = "Command4";

// Each prints its JSON lines, every figure beside the baseline measured with it.
void tickPunctuality(const Options& options);
void cpuLoad(const Options& options);
// `binDir` holds minigames-probed and minigames-bench-minimal.
void startupAndMemory(const Options& options, const std::string& binDir);
void keyToScreen(const Options& options);
void headlessSpeed(const Options& options);

}  // namespace bench
