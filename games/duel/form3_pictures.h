#pragma once

#include <string_view>

#include "app/model/picture.h"

// The duel's artwork, at its natural size in pixels, and what each shows. Everything on the
// opponent's side of the table is its upright drawing turned over, as seen from across the
// table: it shows the same thing.
namespace fm::duel {

inline constexpr PictureAsset kSorune{"duel/sorune", 100, 100, "ソルネ"};  // the player's portrait
inline constexpr PictureAsset kTenuri =
    turnedOver({"duel/tenuri", 100, 100, "テヌリ"}, "duel/tenuri_turned");
inline constexpr PictureAsset kYomina =
    turnedOver({"duel/yomina", 100, 100, "ヨミナ"}, "duel/yomina_turned");

// The cards by hand index: 0 グー, 1 チョキ, 2 パー; and the card back.
inline constexpr PictureAsset kGu{"duel/gu", 100, 150, "グーのカード"};
inline constexpr PictureAsset kChoki{"duel/choki", 100, 150, "チョキのカード"};
inline constexpr PictureAsset kPa{"duel/pa", 100, 150, "パーのカード"};
inline constexpr PictureAsset kBack{"duel/back", 100, 150, "伏せたカード"};
inline constexpr PictureAsset kGuTurned = turnedOver(kGu, "duel/gu_turned");
inline constexpr PictureAsset kChokiTurned = turnedOver(kChoki, "duel/choki_turned");
inline constexpr PictureAsset kPaTurned = turnedOver(kPa, "duel/pa_turned");
inline constexpr PictureAsset kBackTurned = turnedOver(kBack, "duel/back_turned");

// The OPEN starburst in its three colour schemes: the burst, and the letters across it.
constexpr PictureAsset openMark(std::string_view name, std::string_view burst,
                                std::string_view letters) {
  return {.name = name,
          .widthPx = 150,
          .heightPx = 75,
          .description = "OPEN",
          .drawing = "duel/open",
          .fill = burst,
          .ink = letters};
}
inline constexpr PictureAsset kOpenBlue = openMark("duel/open_blue", "#4a9fe8", "#e8474f");
inline constexpr PictureAsset kOpenRed = openMark("duel/open_red", "#e8474f", "#2f5fc8");
inline constexpr PictureAsset kOpenOrange = openMark("duel/open_orange", "#ffa23b", "#8a3fc8");

inline constexpr PictureAsset kWin{.name = "duel/win",
                                   .widthPx = 150,
                                   .heightPx = 75,
                                   .description = "WIN",
                                   .drawing = "common/win",
                                   .fill = "#ff6f91"};
inline constexpr PictureAsset kLose{.name = "duel/lose",
                                    .widthPx = 150,
                                    .heightPx = 75,
                                    .description = "Lose...",
                                    .drawing = "common/lose"};

}  // namespace fm::duel
